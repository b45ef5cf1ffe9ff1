// The cashier's takings by fee name (Tfrm_recan_total) driven through the real dialog: bounds
// to the second, tenths of a yuan, refunds left out, the prefix match on the cashier, the
// message for nothing taken and "打印" before any total.
#include "Unit_recman_total.h"
#include "database.h"
#include "datepicker.h"
#include "golden.h"
#include "screentest.h"
#include "session.h"
#include "takingsfixture.h"
#include "testsupport.h"

#include <QComboBox>
#include <QTest>
#include <QTimeEdit>

using namespace orbista;

namespace {

struct Screen {
    explicit Screen(test::ScreenFixture& world) : dialog(world.db()), d(&dialog) {
        // 李娜 also keeps the outpatient books, so the takings list offers her too.
        test::insertRows(
            world.db(), QStringLiteral("data_oper"),
            QStringLiteral("code | name | pass | grade\n3003 | 李娜 | 3003 | 门诊管理"));
        Session::current().hospitalName = QStringLiteral("测试县人民医院");
        dialog.show();
    }
    void setPeriod(const QDateTime& start, const QDateTime& end) {
        d.get<DatePicker>("DateTimePicker1")->setValue(QDateTime(start.date(), QTime(9, 0)));
        d.get<QTimeEdit>("DateTimePicker3")->setTime(start.time());
        d.get<DatePicker>("DateTimePicker2")->setValue(QDateTime(end.date(), QTime(9, 0)));
        d.get<QTimeEdit>("DateTimePicker4")->setTime(end.time());
    }
    Tfrm_recan_total dialog;
    test::Driver d;
};

QDateTime at(int day, int h, int m, int s) {
    return QDateTime(QDate(2026, 3, day), QTime(h, m, s));
}

}  // namespace

class TestOutpatientRecanTotal : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void takings_data();
    void takings();
    void sheetAtTheExactBounds();
    void defaultsAndNothingTaken();
};

void TestOutpatientRecanTotal::takings_data() {
    QTest::addColumn<QString>("cashier");
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<QStringList>("lines");  // fee name and amount, then the total
    QTest::newRow("charges at the exact start and end second count")
        << "李娜" << at(1, 0, 0, 0) << at(2, 11, 0, 0)
        << QStringList{"化验费", "0.0", "检查费", "80.0", "西药费", "12.6", "92.6"};
    QTest::newRow("one second inside each bound leaves them out")
        << "李娜" << at(1, 0, 0, 1) << at(2, 10, 59, 59)
        << QStringList{"检查费", "80.0", "西药费", "0.3", "80.3"};
    QTest::newRow("李娜娜 is not 李娜")
        << "李娜娜" << at(1, 0, 0, 0) << at(2, 23, 59, 59) << QStringList{"检查费", "80.0", "80.0"};
}

void TestOutpatientRecanTotal::takings() {
    QFETCH(QString, cashier);
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(QStringList, lines);
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Screen s(world);
    s.d.choose("ComboBox1", cashier);
    s.setPeriod(start, end);
    s.d.click("BitBtn1");
    QCOMPARE(world.prompts().texts().size(), 1);
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    QStringList page = test::reportTexts(s.dialog.QuickRep1());
    // Only what follows the column captions: the lines and the total.
    page = page.mid(page.indexOf(QStringLiteral("签字")) + 1);
    page.removeAll(QStringLiteral("合计"));
    QCOMPARE(page, lines);
}

void TestOutpatientRecanTotal::sheetAtTheExactBounds() {
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Screen s(world);
    s.d.choose("ComboBox1", QStringLiteral("李娜"));
    s.setPeriod(at(1, 0, 0, 0), at(2, 11, 0, 0));
    s.d.click("BitBtn1");
    // Changing the cashier after the total does not relabel the sheet "打印" shows again.
    s.d.choose("ComboBox1", QStringLiteral("赵凤"));
    s.d.click("BitBtn3");
    QCOMPARE(world.prompts().texts().size(), 2);
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    ORBISTA_COMPARE_GOLDEN(QStringLiteral("recantotal_lina_bounds"),
                           test::reportTexts(s.dialog.QuickRep1()));
}

void TestOutpatientRecanTotal::defaultsAndNothingTaken() {
    test::ScreenFixture world;
    test::insertTakings(world.db());
    Screen s(world);
    auto* list = s.d.get<QComboBox>("ComboBox1");
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentText(), QStringLiteral("李娜娜"));  // the first is chosen
    QCOMPARE(s.dialog.startDay(), QDate::currentDate().addDays(-1).toString(u"yyyy-MM-dd"));
    QCOMPARE(s.dialog.endDay(), QDate::currentDate().toString(u"yyyy-MM-dd"));
    QCOMPARE(s.d.get<QTimeEdit>("DateTimePicker4")->time(), QTime(0, 0));

    s.d.click("BitBtn3");  // nothing totalled yet: nothing happens
    QVERIFY(world.prompts().records().isEmpty());
    s.d.click("BitBtn1");  // yesterday 00:00:00 to today 00:00:00: nothing in the fixture
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有收费数据发生!")});
    QCOMPARE(world.prompts().last().title, QStringLiteral("门诊对帐"));
    QCOMPARE(world.prompts().last().icon, PromptIcon::None);
    s.d.click("BitBtn3");  // an empty total prints nothing either
    QCOMPARE(world.prompts().records().size(), 1);
}

QTEST_MAIN(TestOutpatientRecanTotal)
#include "tst_outpatient_recantotal.moc"
