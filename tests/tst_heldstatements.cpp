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
    void runOnSqlite_data();
    void runOnSqlite();
};

void TestHeldStatements::parseAsTsql() {
    const QString unavailable = test::checkerUnavailable();
    QVERIFY2(unavailable.isEmpty(), qPrintable(unavailable));
    const test::TsqlCheck result = test::checkStatements(allTexts());
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
