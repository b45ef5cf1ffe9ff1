#include "admincommands.h"
#include "database.h"
#include "schema.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace orbista;

namespace {

struct Outcome {
    int code = -1;
    QString out;
    QString err;
};

Outcome runAdmin(const QStringList& arguments) {
    Outcome outcome;
    QTextStream out(&outcome.out);
    QTextStream err(&outcome.err);
    outcome.code = admin::run(QStringList{QStringLiteral("orbista-admin")} + arguments, out, err);
    return outcome;
}

}  // namespace

// Every command runs in a fresh working directory, where orbista.udl is looked up.
class AdminTest : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup();

    void initCreatesEveryTableAndCheckPasses();
    void initLeavesExistingTablesAlone();
    void checkNamesADroppedColumn_data();
    void checkNamesADroppedColumn();
    void checkNamesADroppedTableAndInitRestoresIt();
    void withoutUsableUdlTheCommandsStop_data();
    void withoutUsableUdlTheCommandsStop();
    void badCommandLinesGetTheUsage_data();
    void badCommandLinesGetTheUsage();
    void schemaPrintsEveryTable_data();
    void schemaPrintsEveryTable();
    void initAddsLaterIndexesToOurFile();
    void proceduresPrintsTheTsqlBodies();

  private:
    void writeUdl(const QByteArray& content);
    // Runs a statement on the working directory's database, outside the commands.
    void execute(const QString& sql);

    QString previousDir_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void AdminTest::init() {
    previousDir_ = QDir::currentPath();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(dir_->path()));
}

void AdminTest::cleanup() {
    QDir::setCurrent(previousDir_);
    dir_.reset();
}

void AdminTest::writeUdl(const QByteArray& content) {
    QFile file(QStringLiteral("orbista.udl"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

void AdminTest::execute(const QString& sql) {
    Database db;
    db.openSqlite(QDir::current().absoluteFilePath(QStringLiteral("orbista.db")));
    db.execute(sql);
}

void AdminTest::initCreatesEveryTableAndCheckPasses() {
    test::writeSqliteUdl(dir_->path(), QStringLiteral("orbista.db"));
    const Outcome created = runAdmin({QStringLiteral("init")});
    QCOMPARE(created.code, 0);
    QVERIFY2(created.err.isEmpty(), qPrintable(created.err));
    for (const schema::TableDef& table : schema::tables()) {
        QVERIFY2(created.out.contains(QStringLiteral("created table ") + table.name + u'\n'),
                 qPrintable(table.name));
    }

    const Outcome checked = runAdmin({QStringLiteral("check")});
    QCOMPARE(checked.out, QStringLiteral("ok\n"));
    QCOMPARE(checked.code, 0);
}

void AdminTest::initLeavesExistingTablesAlone() {
    test::writeSqliteUdl(dir_->path(), QStringLiteral("orbista.db"));
    QCOMPARE(runAdmin({QStringLiteral("init")}).code, 0);
    execute(QStringLiteral("insert into mz_total (name, toatl) values ('挂号费', 1.5)"));

    const Outcome again = runAdmin({QStringLiteral("init")});
    QCOMPARE(again.code, 0);
    QVERIFY(!again.out.contains(QStringLiteral("created table")));
    QVERIFY(again.out.contains(QStringLiteral("nothing created")));

    Database db;
    db.openSqlite(QDir::current().absoluteFilePath(QStringLiteral("orbista.db")));
    auto rows = db.query(QStringLiteral("select name from mz_total"));
    QCOMPARE(rows->recordCount(), 1);
}

void AdminTest::initAddsLaterIndexesToOurFile() {
    test::writeSqliteUdl(dir_->path(), QStringLiteral("orbista.db"));
    QCOMPARE(runAdmin({QStringLiteral("init")}).code, 0);
    execute(QStringLiteral("drop index ix_mz_cost_fydate_day10"));
    QCOMPARE(runAdmin({QStringLiteral("init")}).code, 0);
    Database db;
    db.openSqlite(QDir::current().absoluteFilePath(QStringLiteral("orbista.db")));
    auto plan = db.query(QStringLiteral(
        "explain query plan select * from mz_cost where substr(fydate,1,10)>='2026-03-01'"));
    QVERIFY2(plan->text(0, plan->columnCount() - 1).contains(u"ix_mz_cost_fydate_day10"),
             qPrintable(plan->text(0, plan->columnCount() - 1)));
}

void AdminTest::proceduresPrintsTheTsqlBodies() {
    const Outcome printed = runAdmin({QStringLiteral("procedures")});
    QCOMPARE(printed.code, 0);
    QVERIFY(printed.out.contains(QStringLiteral("CREATE PROCEDURE mz_fenlei_total")));
    QVERIFY(printed.out.contains(QStringLiteral("\nGO\n")));
}

void AdminTest::checkNamesADroppedColumn_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<QString>("column");
    QTest::newRow("scratch total") << "mz_total"
                                   << "toatl";
    QTest::newRow("refund flag") << "mz_cost"
                                 << "tk_flag";
    QTest::newRow("fee status") << "zy_in"
                                << "status1";
    QTest::newRow("receipt style") << "yp_xy_in"
                                   << "ypstyle";
    QTest::newRow("issue style") << "yp_xy_out"
                                 << "yp_style";
    QTest::newRow("password") << "data_oper"
                              << "pass";
}

void AdminTest::checkNamesADroppedColumn() {
    QFETCH(QString, table);
    QFETCH(QString, column);
    test::writeSqliteUdl(dir_->path(), QStringLiteral("orbista.db"));
    QCOMPARE(runAdmin({QStringLiteral("init")}).code, 0);
    execute(QStringLiteral("alter table %1 drop column %2").arg(table, column));

    const Outcome checked = runAdmin({QStringLiteral("check")});
    QCOMPARE(checked.code, 1);
    QCOMPARE(checked.out, QStringLiteral("missing column %1.%2\n").arg(table, column));
}

void AdminTest::checkNamesADroppedTableAndInitRestoresIt() {
    test::writeSqliteUdl(dir_->path(), QStringLiteral("orbista.db"));
    QCOMPARE(runAdmin({QStringLiteral("init")}).code, 0);
    execute(QStringLiteral("drop table zy_lock"));

    const Outcome checked = runAdmin({QStringLiteral("check")});
    QCOMPARE(checked.code, 1);
    QCOMPARE(checked.out, QStringLiteral("missing table zy_lock\n"));

    const Outcome restored = runAdmin({QStringLiteral("init")});
    QCOMPARE(restored.code, 0);
    QVERIFY(restored.out.startsWith(QStringLiteral("created table zy_lock\n1 of ")));
    QCOMPARE(runAdmin({QStringLiteral("check")}).code, 0);
}

void AdminTest::withoutUsableUdlTheCommandsStop_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QByteArray>("udl");  // empty: no file at all
    QTest::newRow("init, no file") << "init" << QByteArray();
    QTest::newRow("check, no file") << "check" << QByteArray();
    QTest::newRow("check, no provider") << "check" << QByteArray("[oledb]\nnonsense\n");
}

void AdminTest::withoutUsableUdlTheCommandsStop() {
    QFETCH(QString, command);
    QFETCH(QByteArray, udl);
    if (!udl.isEmpty()) {
        writeUdl(udl);
    }
    const Outcome outcome = runAdmin({command});
    QCOMPARE(outcome.code, 2);
    QVERIFY(outcome.out.isEmpty());
    QVERIFY2(outcome.err.contains(QStringLiteral("orbista.udl")), qPrintable(outcome.err));
    QVERIFY(!QFile::exists(QStringLiteral("orbista.db")));
}

void AdminTest::badCommandLinesGetTheUsage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("nothing") << QStringList{};
    QTest::newRow("unknown command") << QStringList{"frobnicate"};
    QTest::newRow("schema without dialect") << QStringList{"schema"};
    QTest::newRow("schema, unknown dialect") << QStringList{"schema", "--dialect", "oracle"};
    QTest::newRow("schema, dialect missing") << QStringList{"schema", "--dialect"};
    QTest::newRow("init with options") << QStringList{"init", "--force"};
    QTest::newRow("check with options") << QStringList{"check", "now"};
}

void AdminTest::badCommandLinesGetTheUsage() {
    QFETCH(QStringList, arguments);
    const Outcome outcome = runAdmin(arguments);
    QCOMPARE(outcome.code, 2);
    QVERIFY(outcome.out.isEmpty());
    QVERIFY(outcome.err.startsWith(QStringLiteral("usage: orbista-admin")));
}

void AdminTest::schemaPrintsEveryTable_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("dialectMark");
    QTest::newRow("mssql") << QStringList{"schema", "--dialect", "mssql"} << "\nGO\n";
    QTest::newRow("mssql, joined flag") << QStringList{"schema", "--dialect=mssql"} << "\nGO\n";
    QTest::newRow("sqlite") << QStringList{"schema", "--dialect", "sqlite"} << "autoincrement";
}

void AdminTest::schemaPrintsEveryTable() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, dialectMark);
    const Outcome outcome = runAdmin(arguments);
    QCOMPARE(outcome.code, 0);
    QVERIFY(outcome.err.isEmpty());
    QVERIFY(outcome.out.contains(dialectMark));
    for (const schema::TableDef& table : schema::tables()) {
        QVERIFY2(outcome.out.contains(QStringLiteral("create table ") + table.name +
                                      QStringLiteral(" (\n")),
                 qPrintable(table.name));
    }
}

QTEST_GUILESS_MAIN(AdminTest)
#include "tst_admin.moc"
