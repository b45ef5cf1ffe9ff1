// Every printout of every registered outpatient screen, filled through the screen registry
// without any window, against its golden page texts.
#include "Unitmz_query_cost_total_reports.h"
#include "golden.h"
#include "outpatientdeskfixture.h"
#include "outpatientfixture.h"
#include "outpatientscreens.h"
#include "screenregistry.h"
#include "screentest.h"
#include "testsupport.h"

#include <QTest>

using namespace orbista;

class TestOutpatientPrintouts : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { registerOutpatientScreens(); }
    void pageTexts_data();
    void pageTexts();
};

void TestOutpatientPrintouts::pageTexts_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("printout");
    QTest::addColumn<QString>("mode");
    int printouts = 0;
    for (const ScreenRecord& record : registeredScreens()) {
        for (const Printout& p : record.printouts) {
            ++printouts;
            const bool modes = p.takes(QStringLiteral("mode"));
            for (const char* mode : {"department", "whole"}) {
                if (!modes && QByteArray(mode) != "department") {
                    continue;
                }
                QTest::addRow("%s %s%s", qPrintable(record.className), qPrintable(p.name),
                              modes ? qPrintable(u' ' + QString::fromLatin1(mode)) : "")
                    << record.className << p.name << QString::fromLatin1(mode);
            }
        }
    }
    QVERIFY(printouts >= 6);
}

void TestOutpatientPrintouts::pageTexts() {
    QFETCH(QString, screen);
    QFETCH(QString, printout);
    QFETCH(QString, mode);
    test::ScreenFixture world;
    test::insertOutpatientCharges(world.db());
    test::insertRegistrations(world.db());
    const ScreenRecord* record = findScreen(screen);
    QVERIFY(record);
    const auto p = std::find_if(record->printouts.begin(), record->printouts.end(),
                                [&](const Printout& x) { return x.name == printout; });
    QVERIFY(p != record->printouts.end());
    const FilterValues filters{{QStringLiteral("start"), QStringLiteral("2026-03-01")},
                               {QStringLiteral("end"), QStringLiteral("2026-03-02")},
                               {QStringLiteral("mode"), mode}};
    auto job = p->fill(world.db(), filters);
    QStringList texts = test::reportTexts(job->layout());
    // The moment of printing, and the workstation's short date format, vary by machine.
    texts = test::maskVolatile(
        texts, QRegularExpression(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}[ T]\d{2}:\d{2}(:\d{2})?$)")),
        QStringLiteral("<printed at>"));
    const QString shortPeriod = costtotal::shortDate(QStringLiteral("2026-03-01")) +
                                QStringLiteral("--") +
                                costtotal::shortDate(QStringLiteral("2026-03-02"));
    texts.replaceInStrings(shortPeriod, QStringLiteral("<short dates>"));
    // The prescription charges join the two short dates with "----".
    texts.replaceInStrings(costtotal::shortDate(QStringLiteral("2026-03-01")) +
                               QStringLiteral("----") +
                               costtotal::shortDate(QStringLiteral("2026-03-02")),
                           QStringLiteral("<short dates>"));
    // The day of printing, as a layout's system date prints it.
    const QString today = QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd"));
    for (QString& text : texts) {
        if (text == today) {
            text = QStringLiteral("<printed on>");
        }
    }
    ORBISTA_COMPARE_GOLDEN(QStringLiteral("%1_%2_%3").arg(screen, printout, mode), texts);
}

QTEST_MAIN(TestOutpatientPrintouts)
#include "tst_outpatient_printouts.moc"
