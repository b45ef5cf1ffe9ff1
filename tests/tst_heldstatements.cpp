// Every statement text the client holds, parsed with a real T-SQL grammar in one run of the
// checker, and run once on SQLite through the adapter. The screens' statements come from the
// screen registry, so a registered screen cannot be left out; the shell's own pieces are
// listed here.
#include "Unitchangepass.h"
#include "Unitdm1.h"
#include "clientprocedures.h"
#include "codeentry.h"
#include "database.h"
#include "lookuppicker.h"
#include "operatorlogin.h"
#include "queryunit.h"
#include "screenregistry.h"
#include "screens.h"
#include "testsupport.h"
#include "tsqlchecker.h"

#include <QTest>

using namespace orbista;

namespace {

// The statements of every registered screen, through its query unit.
QList<std::pair<QString, QStringList>> screenStatements() {
    registerAllScreens();
    QList<std::pair<QString, QStringList>> held;
    QStringList units;
    for (const ScreenRecord& screen : registeredScreens()) {
        if (units.contains(screen.queryUnit)) {
            continue;  // a family of screens shares one unit
        }
        units << screen.queryUnit;
        const QueryUnit* unit = findQueryUnit(screen.queryUnit);
        held.append({screen.className, unit ? unit->statements() : QStringList()});
    }
    return held;
}

QList<std::pair<QString, QStringList>> heldStatements() {
    return QList<std::pair<QString, QStringList>>{
               {"login", OperatorLogin::statements()},
               {"hospital name", {hospitalNameStatement()}},
               {"password change", Tfrmchangepass::statements()},
               {"code entry", codeEntryStatements()},
               {"lookup picker", LookupPicker::statements()},
           } +
           screenStatements();
}

QStringList allTexts() {
    QStringList all;
    for (const auto& [unit, texts] : heldStatements()) {
        all << texts;
    }
    return all;
}

}  // namespace

class TestHeldStatements : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void everyScreenHasItsQueryUnit();
    void adminShipsEveryScreensProcedures();
    void aRejectedStatementFailsTheCheck();
    void parseAsTsql();
    void procedureCallsParseAsTsql();
    void runOnSqlite_data();
    void runOnSqlite();
};

// A registered screen names a query unit that exists and holds statements.
void TestHeldStatements::everyScreenHasItsQueryUnit() {
    registerAllScreens();
    QVERIFY(!registeredScreens().isEmpty());
    for (const ScreenRecord& screen : registeredScreens()) {
        const QueryUnit* unit = findQueryUnit(screen.queryUnit);
        QVERIFY2(unit, qPrintable(screen.className));
        QVERIFY2(!unit->statements().isEmpty(), qPrintable(screen.className));
        QVERIFY2(unit->defaultQuery, qPrintable(screen.className));
    }
}

// orbista-admin registers the units without any widget library; it must know every unit and
// procedure the screens use, or init and check would miss them.
void TestHeldStatements::adminShipsEveryScreensProcedures() {
    registerAllScreens();
    QStringList screenProcedures;
    for (const ScreenRecord& screen : registeredScreens()) {
        for (const StoredProcedure& p : findQueryUnit(screen.queryUnit)->procedures) {
            screenProcedures << p.name;
        }
    }
    QVERIFY(screenProcedures.contains(QStringLiteral("mz_fenlei_total")));
    admin::registerClientProcedures();
    QStringList shipped;
    for (const StoredProcedure& p : storedProcedures()) {
        shipped << p.name;
    }
    for (const QString& name : screenProcedures) {
        QVERIFY2(shipped.contains(name), qPrintable(name));
    }
}

// The registry's texts really reach the checker: a screen holding a text the grammar rejects
// fails the check, named by its unit.
void TestHeldStatements::aRejectedStatementFailsTheCheck() {
    const QString unavailable = test::checkerUnavailable();
    QVERIFY2(unavailable.isEmpty(), qPrintable(unavailable));
    registerQueryUnit({QStringLiteral("Tfrmbroken"),
                       [] { return QStringList{QStringLiteral("select * form mz_cost where")}; },
                       {},
                       {}});
    registerScreen({QStringLiteral("Tfrmbroken"), {}, QStringLiteral("Tfrmbroken"), {}});
    QStringList all;
    for (const auto& [unit, texts] : screenStatements()) {
        all << texts;
    }
    registerScreen(QStringLiteral("Tfrmbroken"), {});
    const test::TsqlCheck result = test::checkStatements(all);
    QVERIFY(result.exitCode != 0);
}

void TestHeldStatements::parseAsTsql() {
    const QString unavailable = test::checkerUnavailable();
    QVERIFY2(unavailable.isEmpty(), qPrintable(unavailable));
    const test::TsqlCheck result = test::checkStatements(allTexts());
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
}

// The batch that calls a procedure on SQL Server: inputs bound, outputs read back by a final
// select after the procedure's own rows.
void TestHeldStatements::procedureCallsParseAsTsql() {
    ProcedureCall rows(QStringLiteral("mz_fenlei_total"));
    rows.in(QStringLiteral("@startdate"), QStringLiteral("2026-03-01"),
            QStringLiteral("varchar(10)"))
        .in(QStringLiteral("@enddate"), QStringLiteral("2026-03-31"), QStringLiteral("varchar(10)"))
        .in(QStringLiteral("@bz"), QStringLiteral("2"), QStringLiteral("varchar(2)"));
    ProcedureCall outputs(QStringLiteral("zy_out_feiyon"));
    outputs.in(QStringLiteral("@code"), QStringLiteral("Z001"), QStringLiteral("varchar(20)"))
        .inOut(QStringLiteral("@yjk"), 0, QStringLiteral("money"))
        .inOut(QStringLiteral("@fei"), 0, QStringLiteral("money"))
        .inOut(QStringLiteral("@sy"), 0, QStringLiteral("money"))
        .in(QStringLiteral("@bz"), 1, QStringLiteral("smallint"));
    const Database::SqlServerCall plain = Database::sqlServerCall(rows);
    const Database::SqlServerCall withOutputs = Database::sqlServerCall(outputs);
    QVERIFY(!plain.hasOutputs);
    QVERIFY(withOutputs.hasOutputs);
    QVERIFY(withOutputs.sql.contains(QStringLiteral("@yjk=@o1 OUTPUT")));
    QVERIFY(
        withOutputs.sql.endsWith(QStringLiteral("SELECT @o1 AS [yjk],@o2 AS [fei],@o3 AS [sy];")));
    const QString unavailable = test::checkerUnavailable();
    QVERIFY2(unavailable.isEmpty(), qPrintable(unavailable));
    const test::TsqlCheck result = test::checkStatements({plain.sql, withOutputs.sql});
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
}

void TestHeldStatements::runOnSqlite_data() {
    QTest::addColumn<QString>("sql");
    int n = 0;
    for (const auto& [unit, texts] : heldStatements()) {
        for (const QString& text : texts) {
            QTest::addRow("%s %d", qPrintable(unit), ++n) << text;
        }
    }
}

void TestHeldStatements::runOnSqlite() {
    QFETCH(QString, sql);
    QTemporaryDir dir;
    auto db = test::freshDatabase(dir);
    Params params;
    for (const char* name : {":a1", ":a2", ":a3"}) {
        if (sql.contains(QLatin1String(name))) {
            params.append({QString::fromLatin1(name), QStringLiteral("x")});
        }
    }
    try {
        if (sql.trimmed().startsWith(u"select", Qt::CaseInsensitive)) {
            db->query(sql, params)->recordCount();
        } else {
            db->execute(sql, params);
        }
    } catch (const DbError& e) {
        QFAIL(qPrintable(e.message() + QStringLiteral("\n") + db->adapt(sql)));
    }
}

QTEST_GUILESS_MAIN(TestHeldStatements)
#include "tst_heldstatements.moc"
