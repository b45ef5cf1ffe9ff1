// The department and doctor fee statistics (Tfrmmz_depa_query, Tfrmmz_doctor_query) driven
// through the real dialogs: prefix choices with exact totals, refunds left out, "%" and a
// quote in a chosen name, the empty period, the list kept once per name, and failures.
#include "Unitfrmmz_depa_query.h"
#include "database.h"
#include "golden.h"
#include "screentest.h"
#include "takingsfixture.h"
#include "testsupport.h"

#include <QComboBox>
#include <QTest>

using namespace orbista;

namespace {

std::unique_ptr<FeeStatisticsScreen> open(const QString& className, Database& db,
                                          bool fixtureDays = true) {
    std::unique_ptr<FeeStatisticsScreen> s;
    if (className == u"Tfrmmz_doctor_query") {
        s = std::make_unique<Tfrmmz_doctor_query>(db);
    } else {
        s = std::make_unique<Tfrmmz_depa_query>(db);
    }
    s->show();
    if (fixtureDays) {
        test::Driver(s.get()).setRange(QDate(2026, 3, 1), QDate(2026, 3, 2));
    }
    return s;
}

const char* listOf(const QString& className) {
    return className == u"Tfrmmz_doctor_query" ? "cb_doctor" : "cb_depa";
}

}  // namespace

class TestOutpatientFeeStatistics : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void chargeList_data();
    void chargeList();
    void feeTotals_data();
    void feeTotals();
    void emptyPeriod_data();
    void emptyPeriod();
    void listOncePerNameAndChoiceKept();
    void failureShowsItsMessageAndTheScreenGoesOn_data();
    void failureShowsItsMessageAndTheScreenGoesOn();
};

void TestOutpatientFeeStatistics::chargeList_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("scope");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QString>("sum");
    const QString depa = QStringLiteral("Tfrmmz_depa_query");
    const QString doctor = QStringLiteral("Tfrmmz_doctor_query");
    // The refund of 100.00 and the charges of 28 Feb and 3 Mar never count.
    QTest::newRow("nothing chosen: every department") << depa << "" << 9 << "全部科室"
                                                      << "2026-03-01----2026-03-02"
                                                      << "156.88";
    QTest::newRow("内科 also counts 内科二") << depa << "内科" << 4 << "内科"
                                             << "2026-03-01----2026-03-02"
                                             << "92.56";
    QTest::newRow("% in the name matches itself only") << depa << "5%科" << 1 << "5%科"
                                                       << "2026-03-01----2026-03-02"
                                                       << "3.33";
    QTest::newRow("quote in the name") << depa << "O'Neil诊室" << 1 << "O'Neil诊室"
                                       << "2026-03-01----2026-03-02"
                                       << "1.00";
    QTest::newRow("nothing chosen: every doctor") << doctor << "" << 9 << "全部医生"
                                                  << "2026-03-01---2026-03-02"
                                                  << "156.88";
    QTest::newRow("王建 also counts 王建国") << doctor << "王建" << 4 << "王建"
                                             << "2026-03-01---2026-03-02"
                                             << "18.11";
}

void TestOutpatientFeeStatistics::chargeList() {
    QFETCH(QString, screen);
    QFETCH(QString, choice);
    QFETCH(int, rows);
    QFETCH(QString, scope);
    QFETCH(QString, period);
    QFETCH(QString, sum);
    test::ScreenFixture world;
    test::insertTakings(world.db());
    auto s = open(screen, world.db());
    test::Driver d(s.get());
    if (!choice.isEmpty()) {
        d.choose(listOf(screen), choice);
    }
    d.click("BitBtn1");
    QCOMPARE(world.prompts().texts().size(), 1);
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    QCOMPARE(world.prompts().last().title, screen == u"Tfrmmz_depa_query"
                                               ? QStringLiteral("门诊科室收费明细")
                                               : QStringLiteral("门诊医生收费明细"));
    QCOMPARE(d.rows("DBGrid2"), rows);
    const QStringList page = test::reportTexts(s->QuickRep1());
    for (const QString& text : {scope, period, sum, QString::number(rows)}) {
        QVERIFY2(page.contains(text),
                 qPrintable(text + QStringLiteral(" not in ") + page.join(u'|')));
    }
    QVERIFY(!page.contains(QStringLiteral("100.00")));
}

void TestOutpatientFeeStatistics::feeTotals_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("choice");
    QTest::addColumn<QString>("golden");
    QTest::newRow("every department") << "Tfrmmz_depa_query"
                                      << ""
                                      << "feestatistics_depa_totals_all";
    QTest::newRow("doctor 王建") << "Tfrmmz_doctor_query"
                                 << "王建"
                                 << "feestatistics_doctor_totals_wangjian";
}

void TestOutpatientFeeStatistics::feeTotals() {
    QFETCH(QString, screen);
    QFETCH(QString, choice);
    QFETCH(QString, golden);
    test::ScreenFixture world;
    test::insertTakings(world.db());
    auto s = open(screen, world.db());
    test::Driver d(s.get());
    if (!choice.isEmpty()) {
        d.choose(listOf(screen), choice);
    }
    d.click("BitBtn2");
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    // Lines numbered 1…n by fee name, a NULL amount as 0.00, the total their sum.
    ORBISTA_COMPARE_GOLDEN(golden, test::reportTexts(s->QuickRep2()));
}

void TestOutpatientFeeStatistics::emptyPeriod_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    for (const char* screen : {"Tfrmmz_depa_query", "Tfrmmz_doctor_query"}) {
        for (const char* button : {"BitBtn1", "BitBtn2"}) {
            QTest::addRow("%s %s", screen, button) << screen << button;
        }
    }
}

void TestOutpatientFeeStatistics::emptyPeriod() {
    QFETCH(QString, screen);
    QFETCH(QString, button);
    test::ScreenFixture world;
    test::insertTakings(world.db());
    auto s = open(screen, world.db());
    test::Driver d(s.get());
    d.setRange(QDate(2026, 4, 1), QDate(2026, 4, 30));
    d.click(qPrintable(button));
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有收费明细!")});
    QCOMPARE(world.prompts().last().kind, QStringLiteral("simple"));
}

void TestOutpatientFeeStatistics::listOncePerNameAndChoiceKept() {
    test::ScreenFixture world;
    test::insertTakings(world.db());
    auto s = open(QStringLiteral("Tfrmmz_doctor_query"), world.db(), false);
    test::Driver d(s.get());
    auto* list = d.get<QComboBox>("cb_doctor");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentIndex(), -1);                     // nothing chosen at first
    QCOMPARE(list->itemText(0), QStringLiteral("王建国"));  // by code
    QCOMPARE(s->startDay(), QDate::currentDate().addDays(-1).toString(u"yyyy-MM-dd"));
    QCOMPARE(s->endDay(), QDate::currentDate().toString(u"yyyy-MM-dd"));
    d.setRange(QDate(2026, 3, 1), QDate(2026, 3, 2));

    d.click("BitBtn2");  // a preview: the screen is activated again when it closes
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(s->startDay(), QStringLiteral("2026-03-01"));  // the dates stay as chosen
    d.choose("cb_doctor", QStringLiteral("李四"));
    d.click("BitBtn1");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentText(), QStringLiteral("李四"));
}

void TestOutpatientFeeStatistics::failureShowsItsMessageAndTheScreenGoesOn_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("text");
    QTest::newRow("department list") << "Tfrmmz_depa_query"
                                     << "BitBtn1"
                                     << "统计出错,请重新再试!";
    QTest::newRow("department totals") << "Tfrmmz_depa_query"
                                       << "BitBtn2"
                                       << "统计出错,请重新再试!!!";
    QTest::newRow("doctor list") << "Tfrmmz_doctor_query"
                                 << "BitBtn1"
                                 << "统计出错,请重新再试!!!";
}

void TestOutpatientFeeStatistics::failureShowsItsMessageAndTheScreenGoesOn() {
    QFETCH(QString, screen);
    QFETCH(QString, button);
    QFETCH(QString, text);
    test::ScreenFixture world;
    test::insertTakings(world.db());
    auto s = open(screen, world.db());
    test::Driver d(s.get());
    world.db().execute(QStringLiteral("alter table mz_cost rename to mz_cost_away"));
    d.click(qPrintable(button));
    QCOMPARE(world.prompts().last().kind, QStringLiteral("simple"));
    const QStringList lines = world.prompts().last().text.split(u'\n');
    QCOMPARE(lines.first(), text);
    QVERIFY2(lines.size() == 2 && lines[1].contains(QStringLiteral("mz_cost")),
             qPrintable(world.prompts().last().text));  // the database's own words

    world.db().execute(QStringLiteral("alter table mz_cost_away rename to mz_cost"));
    d.click(qPrintable(button));
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
}

QTEST_MAIN(TestOutpatientFeeStatistics)
#include "tst_outpatient_feestatistics.moc"
