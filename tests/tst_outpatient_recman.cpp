// The cashier's day (Tfrmmz_query_recman) driven through the real dialog: a cashier's whole
// day with an exact total on the payment-in sheet, the messages for nothing found and for a
// print before any query, and the list of cashiers on every activation.
#include "Unitmz_query_recman.h"
#include "database.h"
#include "datepicker.h"
#include "screentest.h"
#include "session.h"
#include "takingsfixture.h"
#include "testsupport.h"

#include <QComboBox>
#include <QTest>

using namespace orbista;

namespace {

void setDay(test::Driver& d, QDate day) {
    d.get<DatePicker>("DateTimePicker1")->setValue(QDateTime(day, QTime(9, 30)));
}

}  // namespace

class TestOutpatientRecman : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void cashiersWholeDay_data();
    void cashiersWholeDay();
    void nothingFound_data();
    void nothingFound();
    void printWithoutRowsShowsNoSheet();
    void activationListsCashiersOnceAndResetsTheDay();
};

void TestOutpatientRecman::cashiersWholeDay_data() {
    QTest::addColumn<QDate>("day");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("total");
    // 李娜娜's takings are not 李娜's; midnight, the afternoon and 11:00:01 all belong to the day.
    QTest::newRow("midnight and afternoon") << QDate(2026, 3, 1) << 2 << "12.56";
    QTest::newRow("a NULL amount counts nothing") << QDate(2026, 3, 2) << 3 << "150.00";
}

void TestOutpatientRecman::cashiersWholeDay() {
    QFETCH(QDate, day);
    QFETCH(int, rows);
    QFETCH(QString, total);
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Session::current().hospitalName = QStringLiteral("测试县人民医院");
    Tfrmmz_query_recman s(world.db());
    test::Driver d(&s);
    s.show();
    d.choose("ComboBox1", QStringLiteral("李娜"));
    setDay(d, day);
    d.click("bitbtnquery");
    QVERIFY(world.prompts().records().isEmpty());
    QCOMPARE(d.rows("DBGrid1"), rows);

    d.click("SpeedButton3");
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    QCOMPARE(world.prompts().last().title, QStringLiteral("测试县人民医院个人费用交款单"));
    const QStringList page = test::reportTexts(s.QuickRep1());
    const QString dayText = day.toString(u"yyyy-MM-dd");
    for (const QString& text : {QStringLiteral("李娜"), dayText, QString::number(rows), total}) {
        QVERIFY2(page.contains(text),
                 qPrintable(text + QStringLiteral(" not in ") + page.join(u'|')));
    }
    QVERIFY(!page.contains(QStringLiteral("80.00")));  // 李娜娜's
}

void TestOutpatientRecman::nothingFound_data() {
    QTest::addColumn<QString>("cashier");
    QTest::addColumn<QDate>("day");
    QTest::newRow("no cashier chosen") << "" << QDate(2026, 3, 1);
    QTest::newRow("a day without takings") << "王丽" << QDate(2026, 3, 3);
}

void TestOutpatientRecman::nothingFound() {
    QFETCH(QString, cashier);
    QFETCH(QDate, day);
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Tfrmmz_query_recman s(world.db());
    test::Driver d(&s);
    s.show();
    if (!cashier.isEmpty()) {
        d.choose("ComboBox1", cashier);
    }
    setDay(d, day);
    d.click("bitbtnquery");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("今日没有收取费用！")});
    QCOMPARE(world.prompts().last().title, QStringLiteral("系统操作提示："));
    QCOMPARE(world.prompts().last().icon, PromptIcon::Question);
    QCOMPARE(d.rows("DBGrid1"), 0);
}

void TestOutpatientRecman::printWithoutRowsShowsNoSheet() {
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Tfrmmz_query_recman s(world.db());
    test::Driver d(&s);
    s.show();
    d.click("SpeedButton3");  // before any query
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("请先统计本日缴款记录！")});
    QCOMPARE(world.prompts().last().title, QStringLiteral("系统操作提示："));

    d.choose("ComboBox1", QStringLiteral("李娜"));
    setDay(d, QDate(2026, 3, 1));
    d.click("bitbtnquery");
    setDay(d, QDate(2026, 3, 5));
    d.click("bitbtnquery");  // nothing that day: the earlier rows are not printed either
    world.prompts().clear();
    d.click("SpeedButton3");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("今日没有收取费用！")});
}

void TestOutpatientRecman::activationListsCashiersOnceAndResetsTheDay() {
    test::ScreenFixture world(QStringLiteral("测试县人民医院"), QStringLiteral("周敏"));
    test::insertTakings(world.db());
    Tfrmmz_query_recman s(world.db());
    test::Driver d(&s);
    s.show();
    auto* list = d.get<QComboBox>("ComboBox1");
    QCOMPARE(list->count(), 2);  // the two of grade 收费员
    QCOMPARE(list->currentIndex(), -1);
    QCOMPARE(s.statusPanelText(0), QStringLiteral("个人交款单"));
    QCOMPARE(s.statusPanelText(1), QStringLiteral("周敏"));
    QCOMPARE(s.statusPanelText(2), QStringLiteral("【ORBISTA】"));

    d.choose("ComboBox1", QStringLiteral("王丽"));
    setDay(d, QDate(2026, 3, 1));
    d.click("bitbtnquery");
    d.click("SpeedButton3");  // the preview closes: activated again
    QCOMPARE(list->count(), 2);
    QCOMPARE(list->currentText(), QStringLiteral("王丽"));
    QCOMPARE(s.startDay(), QDate::currentDate().toString(u"yyyy-MM-dd"));
    // A second print still names the day and cashier of the listed rows.
    d.click("SpeedButton3");
    QVERIFY(test::reportTexts(s.QuickRep1()).contains(QStringLiteral("2026-03-01")));
}

QTEST_MAIN(TestOutpatientRecman)
#include "tst_outpatient_recman.moc"
