#include "Unit_mzbm_total_sql.h"
#include "Unitmz_query_cost_doctor_sql.h"
#include "Unitmz_query_cost_total_sql.h"
#include "database.h"
#include "storedprocedures.h"
#include "testsupport.h"
#include "tsqlchecker.h"

#include <QFile>

#include <QTest>

using namespace orbista;

namespace {

struct Charge {
    const char* code;
    const char* fydate;
    const char* fyname;
    const char* style;
    const char* fyprice;  // nullptr: NULL
    const char* fydepa;
    const char* fydoctor;
    const char* jzman;
    const char* depa;
};

// Two days of charges: day edges, a blank-padded doctor, a NULL amount, two styles of one
// fee name, another login department.
const Charge kCharges[] = {
    {"M1", "2026-03-01 00:00:00", "西药费", "01", "12.30", "内科", "王建国", "张收", "01"},
    {"M2", "2026-03-01 23:59:59", "检查费", "02", "80.00", "内科", " 王建国 ", "张收", "01"},
    {"M3", "2026-03-01 10:00:00", "西药费", "21", "5.50", "外科", "李四", "赵收", "01"},
    {"M4", "2026-03-02 09:00:00", "化验费", "03", "33.33", "外科", "王小二", "张收", "02"},
    {"M5", "2026-03-02 23:59:59", "西药费", "01", nullptr, "儿科", "李四", "赵收", "01"},
    {"M6", "2026-03-03 00:00:00", "西药费", "01", "1000.00", "内科", "王建国", "张收", "01"},
};

void insertCharges(Database& db) {
    for (const Charge& c : kCharges) {
        db.append(
            QStringLiteral("mz_cost"),
            {"code", "fydate", "fyname", "style", "fyprice", "fydepa", "fydoctor", "jzman", "depa"},
            {c.code, c.fydate, c.fyname, c.style, c.fyprice ? QVariant(c.fyprice) : QVariant(),
             c.fydepa, c.fydoctor, c.jzman, c.depa});
    }
    db.append(QStringLiteral("data_fy_mz"), {"code", "name"}, {"001", "西药费"});
}

QStringList codes(Database& db, const Statement& s) {
    auto rs = db.query(s.sql, s.params);
    QStringList out;
    for (int i = 0; i < rs->recordCount(); ++i) {
        out << rs->text(i, rs->columnIndex(u"code"));
    }
    out.sort();
    return out;
}

QStringList totalsTable(Database& db) {
    auto rs = db.query(QStringLiteral("select name, toatl from mz_total order by name, toatl"));
    QStringList out;
    for (int i = 0; i < rs->recordCount(); ++i) {
        out << rs->text(i, 0) + u'=' +
                   (rs->isNull(i, 1) ? QStringLiteral("NULL") : rs->money(i, 1).toString());
    }
    return out;
}

}  // namespace

class TestOutpatientTotals : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init();
    void cleanup() { db_.reset(); }
    void modes_data();
    void modes();
    void listAndTotalsCoverTheSameRows_data();
    void listAndTotalsCoverTheSameRows();
    void wholeDepartmentTotalsEveryCharge();
    void emptyFeeTableLeavesTotalsAlone();
    void interruptedRefillKeepsPreviousTotals();
    void doctorIncomeMatchesTrimmedName();
    void doctorSummaryOverEmptyRange();
    void crossTabMatchesIndependentSums_data();
    void crossTabMatchesIndependentSums();
    void crossTabColumnsFollowFeeNameOrder();
    void tsqlBodiesParse();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
};

void TestOutpatientTotals::init() {
    db_ = test::freshDatabase(dir_);
    insertCharges(*db_);
    registerQueryUnit(feecrosstab::queryUnit());
}

void TestOutpatientTotals::modes_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QStringList>("totals");
    QTest::addColumn<QString>("total");
    QTest::newRow("cashier") << int(costtotal::Mode::Cashier) << "张收"
                             << QStringList{"M1", "M2", "M4"}
                             << QStringList{"化验费=33.33", "检查费=80.00", "西药费=12.30"}
                             << "125.63";
    QTest::newRow("doctor substring")
        << int(costtotal::Mode::Doctor) << "王" << QStringList{"M1", "M2", "M4"}
        << QStringList{"化验费=33.33", "检查费=80.00", "西药费=12.30"} << "125.63";
    QTest::newRow("department") << int(costtotal::Mode::Department) << "内科"
                                << QStringList{"M1", "M2"}
                                << QStringList{"检查费=80.00", "西药费=12.30"} << "92.30";
    QTest::newRow("every department")
        << int(costtotal::Mode::Department) << "" << QStringList{"M1", "M2", "M3", "M4", "M5"}
        << QStringList{"化验费=33.33", "检查费=80.00", "西药费=5.50", "西药费=12.30"} << "131.13";
    // The list shows the login department's charges; the totals cover every charge of the
    // range, M4 of department 02 included.
    QTest::newRow("whole, login department 01")
        << int(costtotal::Mode::Whole) << "01" << QStringList{"M1", "M2", "M3", "M5"}
        << QStringList{"化验费=33.33", "检查费=80.00", "西药费=5.50", "西药费=12.30"} << "131.13";
}

void TestOutpatientTotals::modes() {
    QFETCH(int, mode);
    QFETCH(QString, value);
    QFETCH(QStringList, listed);
    QFETCH(QStringList, totals);
    QFETCH(QString, total);
    costtotal::Filter f;
    f.mode = static_cast<costtotal::Mode>(mode);
    f.startDay = QStringLiteral("2026-03-01");
    f.endDay = QStringLiteral("2026-03-02");
    f.cashier = f.doctorName = f.departmentName = f.loginDepartmentCode = value;
    QCOMPARE(codes(*db_, costtotal::chargeRows(f)), listed);
    const costtotal::Refill r = costtotal::refillTotals(*db_, f);
    QVERIFY(r.done);
    QCOMPARE(totalsTable(*db_), totals);
    QCOMPARE(r.total.toString(), total);
}

void TestOutpatientTotals::listAndTotalsCoverTheSameRows_data() {
    QTest::addColumn<int>("mode");
    QTest::newRow("cashier") << int(costtotal::Mode::Cashier);
    QTest::newRow("doctor") << int(costtotal::Mode::Doctor);
    QTest::newRow("department") << int(costtotal::Mode::Department);
}

// The whole department's totals are every charge of the range, whichever desk booked it.
void TestOutpatientTotals::wholeDepartmentTotalsEveryCharge() {
    costtotal::Filter f;
    f.mode = costtotal::Mode::Whole;
    f.startDay = QStringLiteral("2026-03-01");
    f.endDay = QStringLiteral("2026-03-02");
    f.loginDepartmentCode = QStringLiteral("01");
    auto all =
        db_->query(QStringLiteral("select fyprice, depa from mz_cost where fydate >= "
                                  "'2026-03-01' and fydate < '2026-03-03'"));
    Money every;
    bool otherDesk = false;
    for (int i = 0; i < all->recordCount(); ++i) {
        every += all->money(i, 0);
        otherDesk = otherDesk || all->text(i, 1) != u"01";
    }
    QVERIFY(otherDesk);  // the fixture has a charge whose depa is not the login department's
    QCOMPARE(costtotal::refillTotals(*db_, f).total, every);
}

void TestOutpatientTotals::listAndTotalsCoverTheSameRows() {
    QFETCH(int, mode);
    costtotal::Filter f;
    f.mode = static_cast<costtotal::Mode>(mode);
    f.startDay = QStringLiteral("2026-03-01");
    f.endDay = QStringLiteral("2026-03-02");  // 23:59:59 on the end day belongs to the range
    f.cashier = QStringLiteral("赵收");
    f.doctorName = QStringLiteral("李");
    f.departmentName = QStringLiteral("儿科");
    f.loginDepartmentCode = QStringLiteral("01");
    auto rows = db_->query(costtotal::chargeRows(f).sql, costtotal::chargeRows(f).params);
    Money listed;
    for (int i = 0; i < rows->recordCount(); ++i) {
        listed += rows->money(i, rows->columnIndex(u"fyprice"));
    }
    QCOMPARE(costtotal::refillTotals(*db_, f).total, listed);
}

void TestOutpatientTotals::emptyFeeTableLeavesTotalsAlone() {
    db_->append(QStringLiteral("mz_total"), {"name", "toatl"}, {"上次", "1.00"});
    db_->execute(QStringLiteral("delete data_fy_mz"));
    costtotal::Filter f;
    f.startDay = f.endDay = QStringLiteral("2026-03-01");
    const costtotal::Refill r = costtotal::refillTotals(*db_, f);
    QVERIFY(!r.done);
    QCOMPARE(r.total, Money());
    QCOMPARE(totalsTable(*db_), QStringList{"上次=1.00"});
}

void TestOutpatientTotals::interruptedRefillKeepsPreviousTotals() {
    costtotal::Filter f;
    f.startDay = f.endDay = QStringLiteral("2026-03-01");
    costtotal::refillTotals(*db_, f);
    const QStringList before = totalsTable(*db_);
    QCOMPARE(before.size(), 3);
    // the second insert of the next refill fails half-way
    db_->execute(
        QStringLiteral("create trigger fail_refill before insert on mz_total "
                       "when new.name = '化验费' begin select raise(abort, 'disk full'); end"));
    f.startDay = QStringLiteral("2026-03-02");
    f.endDay = QStringLiteral("2026-03-03");
    QVERIFY_THROWS_EXCEPTION(DbError, costtotal::refillTotals(*db_, f));
    QCOMPARE(totalsTable(*db_), before);
}

void TestOutpatientTotals::doctorIncomeMatchesTrimmedName() {
    const auto s = doctorincome::charges(QStringLiteral("王建国"), QStringLiteral("2026-03-01"),
                                         QStringLiteral("2026-03-01"));
    auto rows = db_->query(s.sql, s.params);
    const doctorincome::Totals t = doctorincome::totalsOf(*rows);
    QCOMPARE(t.count, 2);  // " 王建国 " included
    QCOMPARE(t.total.toString(), QStringLiteral("92.30"));
    const auto all =
        doctorincome::charges({}, QStringLiteral("2026-03-01"), QStringLiteral("2026-03-02"));
    auto every = db_->query(all.sql, all.params);
    QCOMPARE(doctorincome::totalsOf(*every).count, 5);
    QCOMPARE(doctorincome::totalsOf(*every).total.toString(), QStringLiteral("131.13"));
}

void TestOutpatientTotals::doctorSummaryOverEmptyRange() {
    const auto s =
        doctorincome::summary(QStringLiteral("2027-01-01"), QStringLiteral("2027-01-31"));
    QCOMPARE(db_->query(s.sql, s.params)->recordCount(), 0);
    const auto t =
        doctorincome::rangeTotal(QStringLiteral("2027-01-01"), QStringLiteral("2027-01-31"));
    auto total = db_->query(t.sql, t.params);
    QVERIFY(total->isNull(u"fysum"));
}

void TestOutpatientTotals::crossTabMatchesIndependentSums_data() {
    QTest::addColumn<QString>("bz");
    QTest::addColumn<QString>("headingColumn");
    QTest::newRow("by department") << "2"
                                   << "fydepa";
    QTest::newRow("by doctor") << "1"
                               << "fydoctor";
}

void TestOutpatientTotals::crossTabMatchesIndependentSums() {
    QFETCH(QString, bz);
    QFETCH(QString, headingColumn);
    ProcedureCall call(QStringLiteral("mz_fenlei_total"));
    call.in(QStringLiteral("@startdate"), QStringLiteral("2026-03-01"),
            QStringLiteral("varchar(10)"))
        .in(QStringLiteral("@enddate"), QStringLiteral("2026-03-02"), QStringLiteral("varchar(10)"))
        .in(QStringLiteral("@bz"), bz, QStringLiteral("varchar(2)"));
    auto rows = db_->call(call);
    const QStringList names =
        feecrosstab::feeNames(*db_, QStringLiteral("2026-03-01"), QStringLiteral("2026-03-02"));
    QCOMPARE(rows->columnName(0), QStringLiteral("fydoctor"));
    QCOMPARE(rows->columnCount(), names.size() + 2);
    QCOMPARE(rows->columnName(rows->columnCount() - 1), QStringLiteral("total"));
    for (int r = 0; r < rows->recordCount(); ++r) {
        const QString heading = rows->text(r, 0);
        Money rowTotal;
        for (int k = 1; k <= names.size(); ++k) {
            auto independent =
                db_->query(QStringLiteral("select sum(fyprice) as s from mz_cost where "
                                          "ltrim(rtrim(%1))=:a1 and fyname=:a2 "
                                          "and fydate>='2026-03-01' and fydate<'2026-03-03'")
                               .arg(headingColumn),
                           {{":a1", heading}, {":a2", names[k - 1]}});
            const Money cell = rows->money(r, rows->columnIndex(QStringLiteral("name%1").arg(k)));
            QCOMPARE(cell, independent->money(u"s"));
            rowTotal += cell;
        }
        QCOMPARE(rows->money(r, rows->columnIndex(u"total")), rowTotal);
    }
    // blank-padded doctor names fold into one row
    if (bz == u"1") {
        QStringList headings;
        for (int r = 0; r < rows->recordCount(); ++r) {
            headings << rows->text(r, 0);
        }
        QCOMPARE(headings.count(QStringLiteral("王建国")), 1);
    }
}

void TestOutpatientTotals::crossTabColumnsFollowFeeNameOrder() {
    const QStringList names =
        feecrosstab::feeNames(*db_, QStringLiteral("2026-03-01"), QStringLiteral("2026-03-01"));
    QCOMPARE(names, (QStringList{"检查费", "西药费"}));  // the database's order of the names
    ProcedureCall call(QStringLiteral("mz_fenlei_total"));
    call.in(QStringLiteral("@startdate"), QStringLiteral("2026-03-01"))
        .in(QStringLiteral("@enddate"), QStringLiteral("2026-03-01"))
        .in(QStringLiteral("@bz"), QStringLiteral("2"));
    auto rows = db_->call(call);
    QCOMPARE(rows->columnNames(), (QStringList{"fydoctor", "name1", "name2", "total"}));
    QCOMPARE(rows->text(0, 0), QStringLiteral("内科"));
    QCOMPARE(rows->money(0, 1).toString(), QStringLiteral("80.00"));  // 检查费
    QCOMPARE(rows->money(0, 2).toString(), QStringLiteral("12.30"));  // 西药费
}

void TestOutpatientTotals::tsqlBodiesParse() {
    const QString unavailable = test::checkerUnavailable();
    QVERIFY2(unavailable.isEmpty(), qPrintable(unavailable));
    QStringList texts = costtotal::queryUnit().statements() +
                        doctorincome::queryUnit().statements() +
                        feecrosstab::queryUnit().statements();
    const test::TsqlCheck statements = test::checkStatements(texts);
    QVERIFY2(statements.exitCode == 0, qPrintable(statements.output));
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("procedures.sql"));
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(storedProceduresScript().toUtf8());
    f.close();
    const test::TsqlCheck script = test::runChecker({path});
    QVERIFY2(script.exitCode == 0, qPrintable(script.output));
}

QTEST_GUILESS_MAIN(TestOutpatientTotals)
#include "tst_outpatient_totals.moc"
