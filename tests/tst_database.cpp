#include "database.h"
#include "tsqladapter.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace orbista;

namespace {

// A small charges table with rows on the day edges, NULLs, and texts that look like SQL.
void createFixture(Database& db) {
    db.execute(QStringLiteral(
        "create table mz_cost (id integer primary key autoincrement, code varchar(20), "
        "fydate datetime, fyname varchar(50), fyprice money, fydoctor varchar(20), "
        "fydepa varchar(20), fynum int)"));
    const QList<QVariantList> rows = {
        {"A1", "2026-03-01 00:00:00", "西药费", "12.30", " 王医生 ", "内科", 1},
        {"A2", "2026-03-01 23:59:59", "检查费", "7.70", "李医生", "外科", 2},
        {"A3", "2026-03-02 00:00:00", "西药费", QVariant(), "王医生", "内科", QVariant()},
        {"A4", "2026-02-28 23:59:59", "化验费", "100.00", "O'Brien", "内科", 3},
        {"A5", "2026-03-02 12:00:00", "100%_费", "0.01", "张三", "儿科", 1},
    };
    for (const QVariantList& r : rows) {
        db.append(QStringLiteral("mz_cost"),
                  {"code", "fydate", "fyname", "fyprice", "fydoctor", "fydepa", "fynum"}, r);
    }
}

QStringList codes(ResultSet& rs) {
    QStringList out;
    for (int i = 0; i < rs.recordCount(); ++i) {
        out << rs.text(i, rs.columnIndex(u"code"));
    }
    return out;
}

}  // namespace

class TestDatabase : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup();
    void dataLinkToABadFileNamesIt_data();
    void dataLinkToABadFileNamesIt();
    void adaptsTsqlForms_data();
    void adaptsTsqlForms();
    void adapterLeavesLiteralsAlone();
    void dayRangesCoverWholeDays_data();
    void dayRangesCoverWholeDays();
    void boundValuesAreNeverSql_data();
    void boundValuesAreNeverSql();
    void sqlSumsOfMoneyAreExact();
    void sqlRoundIsHalfAwayFromZero();
    void nullsInAggregates();
    void cursorReportsBofAndEof();
    void emptyResultIsAtBothEnds();
    void resultStreamsAndSurvivesAnotherStatement();
    void largeResultFetchesLazily();
    void transactionRollsBackWhenLeft();
    void errorsCarryTheDatabaseText();
    void embeddedProcedureWithOutput();
    void odbcPathThroughSqliteDriver();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
};

void TestDatabase::init() {
    db_ = std::make_unique<Database>();
    db_->openSqlite(dir_.filePath(QStringLiteral("t%1.db").arg(QTest::currentTestFunction())) +
                    QString::number(QDateTime::currentMSecsSinceEpoch()));
    createFixture(*db_);
}

void TestDatabase::cleanup() {
    db_.reset();
}

void TestDatabase::adaptsTsqlForms_data() {
    QTest::addColumn<QString>("tsql");
    QTest::addColumn<QString>("sqlite");
    QTest::newRow("convert varchar 20") << "convert(varchar(10),fydate,20)>=:a1"
                                        << "substr(fydate,1,10)>=:a1";
    QTest::newRow("convert char 20 qualified") << "convert(char(10),a.fydate,20)"
                                               << "substr(a.fydate,1,10)";
    QTest::newRow("convert char 120 time") << "convert(char(19),fydate,120)<=:a2"
                                           << "substr(fydate,1,19)<=:a2";
    QTest::newRow("convert with blanks") << "CONVERT ( char ( 10 ) , outdate , 120 )"
                                         << "substr(outdate,1,10)";
    QTest::newRow("convert 112") << "convert(char(8),fydate,112)"
                                 << "substr(replace(substr(fydate,1,10),'-',''),1,8)";
    QTest::newRow("convert int") << "convert(int,num)"
                                 << "cast(num as integer)";
    QTest::newRow("isnull") << "sum(isnull(fyprice,0)*isnull(fynum,0))"
                            << "sum(ifnull(fyprice,0)*ifnull(fynum,0))";
    QTest::newRow("nested") << "round(sum(isnull(fyprice,0)),2)"
                            << "round(sum(ifnull(fyprice,0)),2)";
    QTest::newRow("trim") << "ltrim(rtrim(fydoctor))='x'"
                          << "ltrim(rtrim(fydoctor))='x'";
    QTest::newRow("delete without from") << "delete mz_total"
                                         << "delete from mz_total";
    QTest::newRow("delete from stays") << "delete from mz_total"
                                       << "delete from mz_total";
    QTest::newRow("len substring") << "len(substring(name,1,2))"
                                   << "length(substr(name,1,2))";
    QTest::newRow("left right") << "left(code,2)+right(code,3)"
                                << "substr(code,1,2)+substr(code,-(3))";
    QTest::newRow("year") << "year(fydate)"
                          << "cast(strftime('%Y',fydate) as integer)";
    QTest::newRow("top") << "select top 5 * from t order by x"
                         << "select * from t order by x limit 5";
    QTest::newRow("nolock and dbo") << "select * from dbo.mz_cost with (nolock) where 1=1"
                                    << "select * from mz_cost where 1=1";
    QTest::newRow("national literal") << "name=N'王'"
                                      << "name='王'";
    QTest::newRow("getdate") << "getdate()"
                             << "datetime('now','localtime')";
}

void TestDatabase::adaptsTsqlForms() {
    QFETCH(QString, tsql);
    QFETCH(QString, sqlite);
    QCOMPARE(adaptTsqlForSqlite(tsql), sqlite);
}

void TestDatabase::adapterLeavesLiteralsAlone() {
    const QString sql = QStringLiteral(
        "select 'isnull(x,1) delete t convert(char(10),d,20)' as a, 'it''s :a1' as b -- delete "
        "x\n");
    QCOMPARE(adaptTsqlForSqlite(sql), sql);
}

void TestDatabase::dayRangesCoverWholeDays_data() {
    QTest::addColumn<QString>("sql");
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<QStringList>("expected");
    const QString varchar20 = QStringLiteral(
        "select code from mz_cost where convert(varchar(10),fydate,20)>=:a1 and "
        "convert(varchar(10),fydate,20)<=:a2 order by code");
    const QString char120 = QStringLiteral(
        "select code from mz_cost where convert(char(19),fydate,120)>=:a1 and "
        "convert(char(19),fydate,120)<=:a2 order by code");
    QTest::newRow("same day keeps 00:00:00 and 23:59:59")
        << varchar20 << "2026-03-01"
        << "2026-03-01" << QStringList{"A1", "A2"};
    QTest::newRow("two days") << varchar20 << "2026-03-01"
                              << "2026-03-02" << QStringList{"A1", "A2", "A3", "A5"};
    QTest::newRow("inverted finds nothing") << varchar20 << "2026-03-02"
                                            << "2026-03-01" << QStringList{};
    QTest::newRow("exact times") << char120 << "2026-02-28 23:59:59"
                                 << "2026-03-01 00:00:00" << QStringList{"A1", "A4"};
}

void TestDatabase::dayRangesCoverWholeDays() {
    QFETCH(QString, sql);
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(QStringList, expected);
    auto rs = db_->query(sql, {{":a1", from}, {":a2", to}});
    QCOMPARE(codes(*rs), expected);
}

void TestDatabase::boundValuesAreNeverSql_data() {
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("matches");
    QTest::newRow("quote") << "O'Brien" << 1;
    QTest::newRow("injection") << "x' or '1'='1" << 0;
    QTest::newRow("percent is literal") << "%" << 0;
    QTest::newRow("underscore is literal") << "_" << 0;
    QTest::newRow("chinese") << "李医生" << 1;
    QTest::newRow("4000 characters") << QString(4000, u'王') << 0;
}

void TestDatabase::boundValuesAreNeverSql() {
    QFETCH(QString, value);
    QFETCH(int, matches);
    auto rs =
        db_->query(QStringLiteral("select code from mz_cost where fydoctor=:a1"), {{":a1", value}});
    QCOMPARE(rs->recordCount(), matches);
    // the same value stored and read back unchanged
    db_->execute(QStringLiteral("update mz_cost set fyname=:a1 where code='A1'"), {{":a1", value}});
    auto back = db_->query(QStringLiteral("select fyname from mz_cost where code='A1'"));
    QCOMPARE(back->text(u"fyname"), value);
    QCOMPARE(db_->query(QStringLiteral("select count(*) as n from mz_cost"))->integer(u"n"), 5);
}

void TestDatabase::sqlSumsOfMoneyAreExact() {
    db_->execute(QStringLiteral("create table cents (v money)"));
    {
        Transaction t(*db_);
        for (int i = 0; i < 100000; ++i) {
            db_->execute(QStringLiteral("insert into cents (v) values (:a1)"), {{":a1", "0.01"}});
        }
        t.commit();
    }
    auto rs = db_->query(QStringLiteral("select sum(v) as s, total(v) as t from cents"));
    QCOMPARE(rs->money(u"s").toString(4), QStringLiteral("1000.0000"));
    QCOMPARE(rs->money(u"t").toString(4), QStringLiteral("1000.0000"));
    // In binary floating point this sum is off; the stored terms are exact cents.
    auto tenths = db_->query(
        QStringLiteral("select sum(isnull(fyprice,0)*isnull(fynum,0)) as s from mz_cost"));
    QCOMPARE(tenths->money(u"s").toString(), QStringLiteral("327.71"));
}

void TestDatabase::sqlRoundIsHalfAwayFromZero() {
    auto rs = db_->query(QStringLiteral(
        "select round(2.675,2) as a, round(-2.675,2) as b, round(0.05,1) as c, round(7,2) as d"));
    QCOMPARE(rs->money(u"a").toString(), QStringLiteral("2.68"));
    QCOMPARE(rs->money(u"b").toString(), QStringLiteral("-2.68"));
    QCOMPARE(rs->money(u"c").toString(1), QStringLiteral("0.1"));
    QCOMPARE(rs->integer(u"d"), 7);
}

void TestDatabase::nullsInAggregates() {
    auto rs = db_->query(QStringLiteral(
        "select sum(fyprice) as s, sum(isnull(fyprice,0)) as s0 from mz_cost where code='A3'"));
    QVERIFY(rs->isNull(u"s"));
    QVERIFY(!rs->moneyOrNull(u"s").has_value());
    QCOMPARE(rs->money(u"s0"), Money());
}

void TestDatabase::cursorReportsBofAndEof() {
    auto rs = db_->query(QStringLiteral("select code from mz_cost order by code"));
    QVERIFY(rs->bof());
    QVERIFY(!rs->eof());
    QCOMPARE(rs->text(u"code"), QStringLiteral("A1"));
    rs->prior();  // right after opening: stays, still at the beginning
    QVERIFY(rs->bof());
    QCOMPARE(rs->text(u"code"), QStringLiteral("A1"));
    rs->next();
    QVERIFY(!rs->bof());
    QCOMPARE(rs->text(u"code"), QStringLiteral("A2"));
    rs->last();
    QCOMPARE(rs->text(u"code"), QStringLiteral("A5"));
    rs->first();
    for (int i = 0; i < 4; ++i) {
        rs->next();
    }
    QVERIFY(!rs->eof());
    rs->next();  // past the last row: eof, the row stays the last
    QVERIFY(rs->eof());
    QCOMPARE(rs->text(u"code"), QStringLiteral("A5"));
    rs->prior();
    QVERIFY(!rs->eof());
    QCOMPARE(rs->text(u"code"), QStringLiteral("A4"));
}

void TestDatabase::emptyResultIsAtBothEnds() {
    auto rs = db_->query(QStringLiteral("select code from mz_cost where 1=0"));
    QVERIFY(rs->bof());
    QVERIFY(rs->eof());
    QCOMPARE(rs->recordCount(), 0);
    QVERIFY(rs->isEmpty());
    rs->next();
    QVERIFY(rs->eof());
    QCOMPARE(rs->columnNames(), QStringList{"code"});
}

void TestDatabase::resultStreamsAndSurvivesAnotherStatement() {
    db_->execute(QStringLiteral("create table big (n int)"));
    {
        Transaction t(*db_);
        for (int i = 0; i < 3000; ++i) {
            db_->execute(QStringLiteral("insert into big values (:a1)"), {{":a1", i}});
        }
        t.commit();
    }
    auto rs = db_->query(QStringLiteral("select n from big order by n"));
    QVERIFY(rs->fetchedCount() < 3000);
    db_->execute(QStringLiteral("delete big where n >= 0"));
    QCOMPARE(rs->recordCount(), 3000);  // pulled in before the delete ran
    QCOMPARE(rs->integer(2999, 0), 2999);
    QCOMPARE(db_->query(QStringLiteral("select count(*) as c from big"))->integer(u"c"), 0);
}

void TestDatabase::largeResultFetchesLazily() {
    auto rs = db_->query(QStringLiteral(
        "with recursive c(x) as (select 1 union all select x+1 from c where x<200000) "
        "select x, 'fee' as name from c"));
    QVERIFY(rs->canFetchMore());
    QVERIFY(rs->fetchedCount() <= 1000);
    rs->moveTo(150000);
    QCOMPARE(rs->integer(u"x"), 150001);
    QCOMPARE(rs->recordCount(), 200000);
}

void TestDatabase::transactionRollsBackWhenLeft() {
    try {
        Transaction t(*db_);
        db_->execute(QStringLiteral("delete mz_cost"));
        throw DbError(QStringLiteral("simulated failure"));
    } catch (const DbError&) {
    }
    QCOMPARE(db_->query(QStringLiteral("select count(*) as c from mz_cost"))->integer(u"c"), 5);
    {
        Transaction t(*db_);
        db_->execute(QStringLiteral("delete mz_cost where code='A1'"));
        t.commit();
    }
    QCOMPARE(db_->query(QStringLiteral("select count(*) as c from mz_cost"))->integer(u"c"), 4);
}

void TestDatabase::errorsCarryTheDatabaseText() {
    try {
        db_->query(QStringLiteral("select nosuchcolumn from mz_cost"));
        QFAIL("no error");
    } catch (const DbError& e) {
        QVERIFY2(e.message().contains(u"nosuchcolumn"), qPrintable(e.message()));
    }
    // the connection stays usable
    QCOMPARE(db_->query(QStringLiteral("select count(*) as c from mz_cost"))->integer(u"c"), 5);
}

void TestDatabase::embeddedProcedureWithOutput() {
    Database::registerProcedure(QStringLiteral("test_total"), [](Database& db,
                                                                 ProcedureCall& call) {
        auto sum =
            db.query(QStringLiteral("select sum(fyprice) as s from mz_cost where fydepa=:a1"),
                     {{":a1", call.value(u"depa")}});
        call.setValue(u"@price", sum->money(u"s").toString(4));
        return db.query(QStringLiteral("select code from mz_cost where fydepa=:a1 order by code"),
                        {{":a1", call.value(u"@depa")}});
    });
    ProcedureCall call(QStringLiteral("TEST_TOTAL"));
    call.in(QStringLiteral("@depa"), QStringLiteral("内科"), QStringLiteral("varchar(20)"))
        .inOut(QStringLiteral("@price"), QStringLiteral("0"), QStringLiteral("money"));
    auto rows = db_->call(call);
    QCOMPARE(codes(*rows), (QStringList{"A1", "A3", "A4"}));
    QCOMPARE(Money::fromVariant(call.value(u"price"))->toString(), QStringLiteral("112.30"));

    ProcedureCall missing(QStringLiteral("no_such_proc"));
    QVERIFY_THROWS_EXCEPTION(DbError, db_->call(missing));
}

void TestDatabase::odbcPathThroughSqliteDriver() {
    const QString file = dir_.filePath(QStringLiteral("odbc.db"));
    {
        Database lite;
        lite.openSqlite(file);
        createFixture(lite);
    }
    Database odbc;
    try {
        odbc.openOdbc(QStringLiteral("DRIVER={SQLite3};Database=%1;").arg(file), Dialect::Sqlite);
    } catch (const DbError& e) {
        QFAIL(qPrintable(QStringLiteral("SQLite3 ODBC driver (libsqliteodbc) not usable: ") +
                         e.message()));
    }
    auto rs = odbc.query(QStringLiteral("select code, fyprice from mz_cost where fydepa=:a1 and "
                                        "convert(char(10),fydate,20)>=:a2 order by code"),
                         {{":a1", QStringLiteral("内科")}, {":a2", QStringLiteral("2026-03-01")}});
    QCOMPARE(rs->recordCount(), 2);  // counted by us: ODBC cannot tell the size
    QCOMPARE(rs->text(u"code"), QStringLiteral("A1"));
    QCOMPARE(rs->money(u"fyprice").toString(), QStringLiteral("12.30"));
    rs->next();
    QVERIFY(rs->isNull(u"fyprice"));
    // procedure-style call: the embedded body runs over the ODBC connection
    Database::registerProcedure(
        QStringLiteral("odbc_count"), [](Database& db, ProcedureCall& call) {
            auto n = db.query(
                QStringLiteral("select count(*) as n from mz_cost where fydoctor like :a1"),
                {{":a1", call.value(u"name")}});
            call.setValue(u"n", QVariant::fromValue<qlonglong>(n->integer(u"n")));
            return std::unique_ptr<ResultSet>();
        });
    ProcedureCall call(QStringLiteral("odbc_count"));
    call.in(QStringLiteral("@name"), QStringLiteral("%医生%"))
        .inOut(QStringLiteral("@n"), 0, QStringLiteral("int"));
    auto none = odbc.call(call);
    QCOMPARE(none->columnCount(), 0);
    QCOMPARE(call.value(u"n").toInt(), 3);
}

// A data link naming a SQLite file that is missing, or is not a database, is refused with a
// message naming the file; nothing is created; the next access tries again.
void TestDatabase::dataLinkToABadFileNamesIt_data() {
    QTest::addColumn<QByteArray>("content");  // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("missing") << QByteArray() << QStringLiteral("数据库文件不存在：");
    QTest::newRow("not a database")
        << QByteArray("this is a spreadsheet, not a database\n").repeated(200)
        << QStringLiteral("file is not a database");
}

void TestDatabase::dataLinkToABadFileNamesIt() {
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("hospital.db"));
    if (!content.isEmpty()) {
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QFile udl(dir.filePath(QStringLiteral("orbista.udl")));
    QVERIFY(udl.open(QIODevice::WriteOnly));
    udl.write("[oledb]\nProvider=SQLite;Data Source=hospital.db\n");
    udl.close();

    Database db;
    try {
        db.openFromUdl(udl.fileName());
        QFAIL("opened");
    } catch (const DbError& e) {
        QVERIFY2(e.message().contains(message), qPrintable(e.message()));
        QVERIFY2(e.message().contains(file), qPrintable(e.message()));
    }
    QVERIFY(!db.isOpen());
    QCOMPARE(QFile::exists(file), !content.isEmpty());  // nothing created

    // Once a real database is there, the next access opens it.
    QFile::remove(file);
    {
        Database maker;
        maker.openSqlite(file);
        maker.execute(QStringLiteral("create table t (x int)"));
    }
    db.openFromUdl(udl.fileName());
    QVERIFY(db.isOpen());
}

QTEST_GUILESS_MAIN(TestDatabase)
#include "tst_database.moc"
