// The prescription and non-prescription charges (Tcf_form) driven through the real dialog:
// each kind at the login's site with its exact total, the empty period, a print before any
// query, and a sheet that always matches the rows it lists.
#include "Unitmz_query_cost_total_reports.h"
#include "cffcfbb.h"
#include "database.h"
#include "screentest.h"
#include "takingsfixture.h"
#include "testsupport.h"

#include <QTest>

using namespace orbista;

namespace {

QString period(const char* start, const char* end) {
    return costtotal::shortDate(QString::fromLatin1(start)) + QStringLiteral("----") +
           costtotal::shortDate(QString::fromLatin1(end));
}

}  // namespace

class TestOutpatientPrescriptionCharges : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void listAndPrint_data();
    void listAndPrint();
    void printBeforeAnyQuery();
    void sheetFollowsTheListedRows();
};

void TestOutpatientPrescriptionCharges::listAndPrint_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("sum");
    // Site 04's charge (C9) never counts; outpatient numbers in text order.
    QTest::newRow("prescription") << "rb_y" << QDate(2026, 3, 2)
                                  << QStringList{"C1", "C11", "C3", "C5"}
                                  << "门诊部处方数据明细报表统计"
                                  << "合计（￥）：118.11";
    QTest::newRow("non-prescription, a NULL amount among them")
        << "rb_n" << QDate(2026, 3, 2) << QStringList{"C10", "C12", "C2", "C4", "C8"}
        << "门诊部非处方数据明细报表统计"
        << "合计（￥）：134.33";
    QTest::newRow("a period without charges: the sign alone")
        << "rb_y" << QDate(2026, 2, 27) << QStringList{} << "门诊部处方数据明细报表统计"
        << "合计（￥）：";
}

void TestOutpatientPrescriptionCharges::listAndPrint() {
    QFETCH(QString, mode);
    QFETCH(QDate, end);
    QFETCH(QStringList, codes);
    QFETCH(QString, title);
    QFETCH(QString, sum);
    test::ScreenFixture world(QStringLiteral("测试县人民医院"), QStringLiteral("周敏"));
    test::insertTakings(world.db());
    Tcf_form s(world.db());
    test::Driver d(&s);
    s.show();
    d.click(qPrintable(mode));
    d.setRange(end < QDate(2026, 3, 1) ? end : QDate(2026, 3, 1), end);
    d.enter("DateTimePicker2");  // Enter presses "统计数据", the default button
    QCOMPARE(d.rows("DBGrid1"), codes.size());
    QVERIFY(world.prompts().records().isEmpty());

    d.click("BitBtn2");
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    QCOMPARE(world.prompts().last().title, title);
    const QStringList page = test::reportTexts(s.QuickRep1());
    QStringList printedCodes;
    for (const QString& text : page) {
        if (text.startsWith(u'C')) {
            printedCodes << text;
        }
    }
    QCOMPARE(printedCodes, codes);
    QCOMPARE(page.last(), sum);
    QVERIFY(page.contains(title));
    QVERIFY(page.contains(QStringLiteral("周敏")));
}

void TestOutpatientPrescriptionCharges::printBeforeAnyQuery() {
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Tcf_form s(world.db());
    test::Driver d(&s);
    s.show();
    d.click("BitBtn2");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("请先查询要统计的数据")});
    QCOMPARE(world.prompts().last().kind, QStringLiteral("simple"));
}

void TestOutpatientPrescriptionCharges::sheetFollowsTheListedRows() {
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Tcf_form s(world.db());
    test::Driver d(&s);
    s.show();
    d.setRange(QDate(2026, 3, 1), QDate(2026, 3, 2));
    d.click("BitBtn1");  // prescription charges listed
    // Kind and period changed before printing: the sheet still describes what it lists.
    d.click("rb_n");
    d.setRange(QDate(2026, 3, 1), QDate(2026, 3, 1));
    d.click("BitBtn2");
    const QStringList page = test::reportTexts(s.QuickRep1());
    QVERIFY(page.contains(QStringLiteral("门诊部处方数据明细报表统计")));
    QVERIFY(page.contains(period("2026-03-01", "2026-03-02")));
    QCOMPARE(page.last(), QStringLiteral("合计（￥）：118.11"));
}

QTEST_MAIN(TestOutpatientPrescriptionCharges)
#include "tst_outpatient_prescriptioncharges.moc"
