// Every statement text the client holds, parsed with a real T-SQL grammar in one run of the
// checker, and run once on SQLite through the adapter. A unit that sends SQL lists its texts
// here.
#include "Unitchangepass.h"
#include "Unitdm1.h"
#include "codeentry.h"
#include "costtotal.h"
#include "database.h"
#include "doctorincome.h"
#include "feecrosstab.h"
#include "lookuppicker.h"
#include "operatorlogin.h"
#include "testsupport.h"
#include "tsqlchecker.h"

#include <QTest>

using namespace orbista;

namespace {

QList<std::pair<QString, QStringList>> heldStatements() {
    return {
        {"login", OperatorLogin::statements()},
        {"hospital name", {hospitalNameStatement()}},
        {"password change", Tfrmchangepass::statements()},
        {"code entry", codeEntryStatements()},
        {"lookup picker", LookupPicker::statements()},
        {"outpatient income statistics", costtotal::statements()},
        {"outpatient doctor income", doctorincome::statements()},
        {"outpatient fee cross tables", {feecrosstab::feeNamesStatement()}},
    };
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
    void parseAsTsql();
    void procedureCallsParseAsTsql();
    void runOnSqlite_data();
    void runOnSqlite();
};

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
