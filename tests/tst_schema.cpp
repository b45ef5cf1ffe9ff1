#include "database.h"
#include "schema.h"
#include "testsupport.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(orbista::Dialect)

using namespace orbista;
using namespace orbista::schema;

class SchemaTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();

    void everyModelTableHasItsColumns_data();
    void everyModelTableHasItsColumns();
    void columnsTheScreensReadExist_data();
    void columnsTheScreensReadExist();
    void filteredColumnsAreIndexed_data();
    void filteredColumnsAreIndexed();

    void amountsKeepTheirCents_data();
    void amountsKeepTheirCents();
    void codesAndDatesStayText_data();
    void codesAndDatesStayText();
    void identityNumbersRowsFromOne();
    void creatingIfMissingIsRepeatable();

    void scriptsUseTheirDialectsTypes_data();
    void scriptsUseTheirDialectsTypes();
    void scriptsCreateEveryTable_data();
    void scriptsCreateEveryTable();
    void sqlServerStatementsPassTheSyntaxChecker();

    void findTableIgnoresCase();
    void gapsNameWhatIsMissing();

  private:
    QString scalar(const QString& sql, const Params& params = {});

    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
};

void SchemaTest::initTestCase() {
    db_ = std::make_unique<Database>();
    db_->openSqlite(dir_.filePath(QStringLiteral("schema.db")));
    for (const QString& statement : createStatements(Dialect::Sqlite)) {
        db_->execute(statement);
    }
}

QString SchemaTest::scalar(const QString& sql, const Params& params) {
    auto rows = db_->query(sql, params);
    rows->first();
    return rows->eof() ? QString() : rows->text(0, 0);
}

void SchemaTest::everyModelTableHasItsColumns_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    for (const TableDef& table : tables()) {
        QStringList columns;
        for (const ColumnDef& column : table.columns) {
            columns.append(column.name);
        }
        QTest::newRow(qPrintable(table.name)) << table.name << columns;
    }
}

void SchemaTest::everyModelTableHasItsColumns() {
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    auto rows = db_->query(QStringLiteral("select name from pragma_table_info(:a1) order by cid"),
                           {{QStringLiteral(":a1"), table}});
    QStringList found;
    for (rows->first(); !rows->eof(); rows->next()) {
        found.append(rows->text(u"name"));
    }
    QCOMPARE(found, columns);
}

void SchemaTest::columnsTheScreensReadExist_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("declared");
    const struct {
        const char* table;
        const char* column;
        const char* declared;
    } rows[] = {
        {"mz_total", "toatl", "money"},  // the hospital's own spelling
        {"mz_cost", "tk_flag", "char(1)"},
        {"mz_cost", "fyprice", "money"},
        {"mz_xy_hj", "fy_flag", "bit"},
        {"mz_ypout_x", "fushu", "smallint"},
        {"zy_in", "status1", "varchar(10)"},
        {"zy_in", "age", "numeric(8,2)"},
        {"zy_cost", "fydate", "datetime"},
        {"yp_xy_in", "ypstyle", "char(2)"},  // no underscore in receipts
        {"yp_xy_out", "yp_style", "char(2)"},
        {"yp_tj_pd", "l_newjine", "decimal(19,4)"},
        {"yp_bs", "bsdate", "varchar(10)"},  // kept as "yyyy-mm-dd" text
        {"data_oper", "pass", "varchar(20)"},
        {"data_yp_x", "unit", "char(10)"},
        {"data_doctor", "id", "integer"},
        {"yf_kucun_total", "alarm_num", "int"},
    };
    for (const auto& row : rows) {
        QTest::addRow("%s.%s", row.table, row.column)
            << QString::fromLatin1(row.table) << QString::fromLatin1(row.column)
            << QString::fromLatin1(row.declared);
    }
}

void SchemaTest::columnsTheScreensReadExist() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, declared);
    // SQLite reports keyword type names in capitals ("INT").
    const QString found =
        scalar(QStringLiteral("select type from pragma_table_info(:a1) where name = :a2"),
               {{QStringLiteral(":a1"), table}, {QStringLiteral(":a2"), column}});
    QCOMPARE(found.toLower(), declared);
}

void SchemaTest::filteredColumnsAreIndexed_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    const QList<QPair<const char*, QStringList>> indexes = {
        {"mz_cost", {"fydate"}},   {"mz_cost", {"fydoctor"}},
        {"mz_cost", {"fydepa"}},   {"mz_cost", {"jzman"}},
        {"mz_cost", {"code"}},     {"mz_cost", {"fycode"}},
        {"mz_gh", {"indate"}},     {"mz_gh", {"code"}},
        {"mz_tk", {"fycode"}},     {"mz_ypout_x", {"fydate"}},
        {"mz_xy_hj", {"fydate"}},  {"zy_in", {"code"}},
        {"zy_in", {"in_out"}},     {"zy_cost", {"code"}},
        {"zy_cost", {"fydate"}},   {"zy_cost", {"jzdate"}},
        {"zy_yjk", {"code"}},      {"zy_yjk", {"indate"}},
        {"zy_out", {"code"}},      {"zy_out", {"outdate"}},
        {"yf_bs", {"bsdate"}},     {"yf_pc", {"pcdate"}},
        {"yp_bs", {"bsdate"}},     {"yp_tj_pd", {"pd_date"}},
        {"yp_xy_in", {"rkdate"}},  {"yp_xy_out", {"ckdate"}},
        {"data_yp_x", {"pym"}},    {"data_yp_x", {"code"}},
        {"data_doctor", {"code"}}, {"data_depa", {"code"}},
        {"data_oper", {"code"}},   {"yf_kucun_total", {"depa", "ypcode"}},
    };
    for (const auto& [table, columns] : indexes) {
        QTest::addRow("%s(%s)", table, qPrintable(columns.join(u',')))
            << QString::fromLatin1(table) << columns;
    }
}

void SchemaTest::filteredColumnsAreIndexed() {
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    const TableDef* def = findTable(table);
    QVERIFY(def);
    QVERIFY(def->indexes.contains(columns));
    auto rows = db_->query(QStringLiteral("select name from pragma_index_info(:a1) order by seqno"),
                           {{QStringLiteral(":a1"), indexName(*def, columns)}});
    QStringList indexed;
    for (rows->first(); !rows->eof(); rows->next()) {
        indexed.append(rows->text(u"name"));
    }
    QCOMPARE(indexed, columns);
}

void SchemaTest::amountsKeepTheirCents_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("amount");
    QTest::addColumn<QString>("storage");
    QTest::newRow("money cent") << "mz_cost"
                                << "fyprice"
                                << "0.01"
                                << "real";
    QTest::newRow("scratch total") << "mz_total"
                                   << "toatl"
                                   << "0.01"
                                   << "real";
    QTest::newRow("decimal price") << "yf_bs"
                                   << "lsprice"
                                   << "12.35"
                                   << "real";
    QTest::newRow("whole yuan") << "zy_yjk"
                                << "price"
                                << "500"
                                << "integer";
    QTest::newRow("numeric age") << "zy_in"
                                 << "age"
                                 << "35.5"
                                 << "real";
}

// Amounts arrive as text (every parameter is text) and must be kept as numbers that read
// back unchanged.
void SchemaTest::amountsKeepTheirCents() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, amount);
    QFETCH(QString, storage);
    db_->execute(QStringLiteral("delete from ") + table);
    db_->execute(QStringLiteral("insert into %1 (%2) values (:a1)").arg(table, column),
                 {{QStringLiteral(":a1"), amount}});
    QCOMPARE(scalar(QStringLiteral("select typeof(%1) from %2").arg(column, table)), storage);
    QCOMPARE(scalar(QStringLiteral("select cast(%1 as text) from %2").arg(column, table)), amount);
    QCOMPARE(
        scalar(QStringLiteral("select count(*) from %1 where %2 = %3").arg(table, column, amount)),
        QStringLiteral("1"));
}

void SchemaTest::codesAndDatesStayText_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("value");
    QTest::newRow("pharmacy code") << "yf_kucun_total"
                                   << "depa"
                                   << "01";
    QTest::newRow("drug code") << "data_yp_x"
                               << "code"
                               << "0012";
    QTest::newRow("goods kind") << "yp_xy_out"
                                << "yp_style"
                                << "01";
    QTest::newRow("refund flag") << "mz_cost"
                                 << "tk_flag"
                                 << "0";
    QTest::newRow("department code") << "data_depa"
                                     << "code"
                                     << "0102";
    QTest::newRow("charge date") << "mz_cost"
                                 << "fydate"
                                 << "2024-03-05 08:09:10";
    QTest::newRow("loss day") << "yp_bs"
                              << "bsdate"
                              << "2024-03-05";
}

void SchemaTest::codesAndDatesStayText() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    QFETCH(QString, value);
    db_->execute(QStringLiteral("delete from ") + table);
    db_->execute(QStringLiteral("insert into %1 (%2) values (:a1)").arg(table, column),
                 {{QStringLiteral(":a1"), value}});
    QCOMPARE(scalar(QStringLiteral("select typeof(%1) from %2").arg(column, table)),
             QStringLiteral("text"));
    QCOMPARE(scalar(QStringLiteral("select %1 from %2").arg(column, table)), value);
}

void SchemaTest::identityNumbersRowsFromOne() {
    db_->execute(QStringLiteral("delete from data_doctor"));
    db_->execute(QStringLiteral("delete from sqlite_sequence where name = 'data_doctor'"));
    db_->execute(QStringLiteral("insert into data_doctor (code, name) values ('01', 'a')"));
    db_->execute(QStringLiteral("insert into data_doctor (code, name) values ('02', 'b')"));
    QCOMPARE(scalar(QStringLiteral("select group_concat(id, ',') from data_doctor")),
             QStringLiteral("1,2"));
}

void SchemaTest::creatingIfMissingIsRepeatable() {
    Database db;
    QTemporaryDir dir;
    db.openSqlite(dir.filePath(QStringLiteral("twice.db")));
    const QStringList statements = createStatements(Dialect::Sqlite, Creation::IfMissing);
    for (int round = 0; round < 2; ++round) {
        for (const QString& statement : statements) {
            db.execute(statement);
        }
    }
    auto rows = db.query(QStringLiteral(
        "select count(*) from sqlite_master where type = 'table' and name <> 'sqlite_sequence'"));
    rows->first();
    QCOMPARE(rows->text(0, 0).toInt(), tables().size());
}

void SchemaTest::scriptsUseTheirDialectsTypes_data() {
    QTest::addColumn<Dialect>("dialect");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("present");
    const Dialect server = Dialect::SqlServer;
    const Dialect sqlite = Dialect::Sqlite;
    QTest::newRow("server money") << server << " money null" << true;
    QTest::newRow("server datetime") << server << "fydate datetime null" << true;
    QTest::newRow("server identity") << server << "id int identity(1,1) primary key" << true;
    QTest::newRow("server batches") << server << "\nGO\n" << true;
    QTest::newRow("server decimal") << server << "decimal(19,4)" << true;
    QTest::newRow("server index") << server
                                  << "create index ix_mz_cost_fydate on mz_cost (fydate)\nGO"
                                  << true;
    QTest::newRow("server no autoincrement") << server << "autoincrement" << false;
    QTest::newRow("sqlite autoincrement")
        << sqlite << "id integer primary key autoincrement" << true;
    QTest::newRow("sqlite money") << sqlite << "fyprice money," << true;
    QTest::newRow("sqlite terminators") << sqlite << ");\n" << true;
    QTest::newRow("sqlite no identity") << sqlite << "identity" << false;
    QTest::newRow("sqlite no GO") << sqlite << "GO" << false;
}

void SchemaTest::scriptsUseTheirDialectsTypes() {
    QFETCH(Dialect, dialect);
    QFETCH(QString, text);
    QFETCH(bool, present);
    QCOMPARE(ddlScript(dialect).contains(text), present);
}

void SchemaTest::scriptsCreateEveryTable_data() {
    QTest::addColumn<Dialect>("dialect");
    QTest::newRow("sqlite") << Dialect::Sqlite;
    QTest::newRow("sql server") << Dialect::SqlServer;
}

void SchemaTest::scriptsCreateEveryTable() {
    QFETCH(Dialect, dialect);
    const QString script = ddlScript(dialect);
    for (const TableDef& table : tables()) {
        QVERIFY2(
            script.contains(QStringLiteral("create table ") + table.name + QStringLiteral(" (")),
            qPrintable(table.name));
    }
    QCOMPARE(script.count(QStringLiteral("create table ")), tables().size());
}

// The T-SQL goes to the hospital's server untried here, so it is parsed by the T-SQL grammar
// checker when node and the checker are at hand.
void SchemaTest::sqlServerStatementsPassTheSyntaxChecker() {
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    const QString checker = test::sourceDir() + QStringLiteral("/tools/tsqlcheck/check.js");
    if (node.isEmpty() || !QFile::exists(checker) ||
        !QFile::exists(test::sourceDir() + QStringLiteral("/tools/tsqlcheck/node_modules"))) {
        QSKIP("node or the T-SQL checker is not installed");
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("schema-mssql.sql"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QString script = ddlScript(Dialect::SqlServer);
    for (const QString& statement : createStatements(Dialect::SqlServer, Creation::IfMissing)) {
        script += statement + QStringLiteral("\nGO\n");
    }
    file.write(script.toUtf8());
    file.close();

    QProcess check;
    check.start(node, {checker, path});
    QVERIFY(check.waitForFinished(120000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
}

void SchemaTest::findTableIgnoresCase() {
    const TableDef* table = findTable(u"MZ_Total");
    QVERIFY(table);
    QCOMPARE(table->name, QStringLiteral("mz_total"));
    QVERIFY(table->findColumn(u"TOATL"));
    QVERIFY(!table->findColumn(u"total"));
    QVERIFY(!findTable(u"mz_totals"));
}

void SchemaTest::gapsNameWhatIsMissing() {
    Catalog catalog;
    for (const TableDef& table : tables()) {
        for (const ColumnDef& column : table.columns) {
            catalog.columnsByTable[table.name].insert(column.name);
        }
    }
    catalog.procedures.insert(QStringLiteral("zy_zz"));
    QVERIFY(findGaps(catalog, {QStringLiteral("ZY_ZZ")}).isEmpty());

    catalog.columnsByTable.remove(QStringLiteral("zy_lock"));
    catalog.columnsByTable[QStringLiteral("mz_cost")].remove(QStringLiteral("tk_flag"));
    const QStringList gaps =
        findGaps(catalog, {QStringLiteral("zy_zz"), QStringLiteral("pr_work")});
    QCOMPARE(gaps, (QStringList{QStringLiteral("missing column mz_cost.tk_flag"),
                                QStringLiteral("missing table zy_lock"),
                                QStringLiteral("missing procedure pr_work")}));
}

QTEST_GUILESS_MAIN(SchemaTest)
#include "tst_schema.moc"
