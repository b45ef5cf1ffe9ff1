// The outpatient one-day list (Tfrmmz_yrqd) driven through the real dialog: the day's
// takings previewed by department with line numbers and an exact total, the empty day and a
// database failure.
#include "Unitmz_yrqd.h"
#include "database.h"
#include "datepicker.h"
#include "golden.h"
#include "outpatientdeskfixture.h"
#include "screentest.h"
#include "testsupport.h"

#include <QTest>

using namespace orbista;

namespace {

void setDay(test::Driver& d, QDate day) {
    d.get<DatePicker>("DateTimePicker1")->setValue(QDateTime(day, QTime(8, 0)));
}

}  // namespace

class TestOutpatientOneDayList : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void opensOnToday();
    void previewsTheDaysTakings();
    void emptyDay();
    void databaseFailure();
};

void TestOutpatientOneDayList::opensOnToday() {
    test::ScreenFixture world;
    Tfrmmz_yrqd screen(world.db());
    screen.show();
    QCOMPARE(screen.windowTitle(), QStringLiteral("门诊费用一日清单"));
    QCOMPARE(screen.startDay(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
}

void TestOutpatientOneDayList::previewsTheDaysTakings() {
    test::ScreenFixture world;
    test::insertPatientCharges(world.db());
    Tfrmmz_yrqd screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    setDay(d, QDate(2026, 3, 1));
    d.click("BitBtn1");
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    QCOMPARE(world.prompts().last().pages, 1);
    // Refunded (flag 2) and unflagged charges are left out; 儿科 first, then 内科 by number.
    QStringList texts = test::reportTexts(screen.QuickRep1());
    texts.replaceInStrings(QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")),
                           QStringLiteral("<printed on>"));
    ORBISTA_COMPARE_GOLDEN(QStringLiteral("Tfrmmz_yrqd_day"), texts);
    QVERIFY(texts.contains(QStringLiteral("12.60")));
    QVERIFY(!texts.contains(QStringLiteral("治疗费")));
    QVERIFY(!texts.contains(QStringLiteral("挂号费")));
}

void TestOutpatientOneDayList::emptyDay() {
    test::ScreenFixture world;
    test::insertPatientCharges(world.db());
    Tfrmmz_yrqd screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    setDay(d, QDate(2026, 3, 5));
    d.click("BitBtn1");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("当日无费用!")});
    QCOMPARE(world.prompts().last().kind, QStringLiteral("simple"));
}

void TestOutpatientOneDayList::databaseFailure() {
    test::ScreenFixture world;
    world.db().execute(QStringLiteral("drop table mz_cost"));
    Tfrmmz_yrqd screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.click("BitBtn1");
    QCOMPARE(world.prompts().records().size(), 1);
    QCOMPARE(world.prompts().last().kind, QStringLiteral("simple"));
    QVERIFY2(world.prompts().last().text.startsWith(QStringLiteral("数据库出错!,请重新再度!!!\n")),
             qPrintable(world.prompts().last().text));
    QVERIFY(world.prompts().last().text.contains(QStringLiteral("mz_cost")));
}

QTEST_MAIN(TestOutpatientOneDayList)
#include "tst_outpatient_onedaylist.moc"
