// The patient fee query (Tfrmmz_query_cost_human) driven through the real dialog: one day's
// charges by patient name or ID, their exact total, the message and the record buttons.
#include "Unitmz_query_cost_human.h"
#include "database.h"
#include "datepicker.h"
#include "outpatientdeskfixture.h"
#include "resultgrid.h"
#include "screentest.h"
#include "testsupport.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace orbista;

namespace {

const QDate kDay(2026, 3, 1);

void setDay(test::Driver& d, QDate day) {
    // The picker keeps a time of day: any time of the day finds the whole day.
    d.get<DatePicker>("DateTimePicker1")->setValue(QDateTime(day, QTime(15, 45)));
}

QStringList fieldShown(const test::Driver& d, const char16_t* field) {
    QStringList values;
    ResultSet* rows = d.get<ResultGrid>("DBGrid1")->resultModel()->result();
    const int column = rows->columnIndex(field);
    for (int row = 0; row < rows->recordCount(); ++row) {
        values << rows->text(row, column);
    }
    values.sort();
    return values;
}

}  // namespace

class TestOutpatientPatientFees : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void opensOnTheMoment();
    void charges_data();
    void charges();
    void noChargesKeepsTheTotal();
    void valueTakesSevenCharacters();
    void recordButtons();
};

void TestOutpatientPatientFees::opensOnTheMoment() {
    test::ScreenFixture world;
    Tfrmmz_query_cost_human screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    QCOMPARE(screen.windowTitle(), QStringLiteral("门诊患者费用查询"));
    QVERIFY(d.get<QRadioButton>("rb_hzname")->isChecked());
    QCOMPARE(screen.startDay(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    QVERIFY(
        qAbs(
            d.get<DatePicker>("DateTimePicker1")->dateTime().secsTo(QDateTime::currentDateTime())) <
        60);
    QCOMPARE(screen.statusPanelText(0), QStringLiteral("〖门诊患者费用查询〗"));
    QCOMPARE(screen.statusPanelText(1), QStringLiteral("操作员:张收"));
}

void TestOutpatientPatientFees::charges_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("fycodes");
    QTest::addColumn<QString>("total");
    // 12.3 + 0.1 + 0.2 is 12.600000000000001 in floating point.
    QTest::newRow("by name, whole day, exact sum")
        << "rb_hzname"
        << "王小明" << QStringList{"F1", "F2", "F3"} << "总计:12.6元";
    QTest::newRow("ID fragment 12 also finds 3120 and 9120")
        << "rb_hzid"
        << "12" << QStringList{"F1", "F2", "F3", "F4", "F7"} << "总计:18.6元";
    QTest::newRow("empty value: the whole day, a NULL amount counts nothing")
        << "rb_hzname"
        << "" << QStringList{"F1", "F2", "F3", "F4", "F5", "F7"} << "总计:18.6元";
    QTest::newRow("a quote in the name") << "rb_hzname"
                                         << "O'Brien" << QStringList{"F4"} << "总计:5元";
    QTest::newRow("% in an ID is a percent sign") << "rb_hzid"
                                                  << "%" << QStringList{"F5"} << "总计:0元";
    QTest::newRow("_ in a name is an underscore") << "rb_hzname"
                                                  << "_" << QStringList{"F5"} << "总计:0元";
}

void TestOutpatientPatientFees::charges() {
    QFETCH(QString, mode);
    QFETCH(QString, typed);
    QFETCH(QStringList, fycodes);
    QFETCH(QString, total);
    test::ScreenFixture world;
    test::insertPatientCharges(world.db());
    Tfrmmz_query_cost_human screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    setDay(d, kDay);
    d.click(qPrintable(mode));
    d.type("Editcode", typed);
    d.enter("Editcode");
    QCOMPARE(world.prompts().texts(), QStringList());
    QCOMPARE(fieldShown(d, u"fycode"), fycodes);
    QCOMPARE(d.text("Panel6"), total);
}

void TestOutpatientPatientFees::noChargesKeepsTheTotal() {
    test::ScreenFixture world;
    test::insertPatientCharges(world.db());
    Tfrmmz_query_cost_human screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    setDay(d, kDay);
    d.type("Editcode", QStringLiteral("王小明"));
    d.click("bitbtnquery");
    QCOMPARE(d.text("Panel6"), QStringLiteral("总计:12.6元"));
    setDay(d, QDate(2026, 3, 5));
    d.enter("Editcode");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有该患者费用信息！")});
    QCOMPARE(world.prompts().last().title, QStringLiteral("系统提示："));
    QCOMPARE(world.prompts().last().icon, PromptIcon::Question);
    QCOMPARE(d.rows("DBGrid1"), 0);
    QCOMPARE(d.text("Panel6"), QStringLiteral("总计:12.6元"));
}

void TestOutpatientPatientFees::valueTakesSevenCharacters() {
    test::ScreenFixture world;
    Tfrmmz_query_cost_human screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.type("Editcode", QStringLiteral("31200001"));
    QCOMPARE(d.text("Editcode"), QStringLiteral("3120000"));
}

void TestOutpatientPatientFees::recordButtons() {
    test::ScreenFixture world;
    test::insertPatientCharges(world.db());
    Tfrmmz_query_cost_human screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    setDay(d, kDay);
    d.type("Editcode", QStringLiteral("王小明"));
    d.enter("Editcode");
    auto* prior = d.get<QPushButton>("bitbtnprior");
    auto* next = d.get<QPushButton>("bitbtnnext");
    ResultSet* rows = d.get<ResultGrid>("DBGrid1")->resultModel()->result();
    // Right after the query the first press back only disables the button.
    d.click("bitbtnprior");
    QVERIFY(!prior->isEnabled());
    QCOMPARE(rows->currentRow(), 0);
    d.click("bitbtnnext");
    d.click("bitbtnnext");
    QCOMPARE(rows->currentRow(), 2);
    QVERIFY(prior->isEnabled());
    d.click("bitbtnnext");  // past the last row: stays there
    d.click("bitbtnnext");
    QVERIFY(!next->isEnabled());
    QCOMPARE(rows->currentRow(), 2);
}

QTEST_MAIN(TestOutpatientPatientFees)
#include "tst_outpatient_patientfees.moc"
