// The registration query (Tfrmmz_query_gh) driven through the real dialog: the three filter
// modes with their matching rules, the department code lookup, the count text, the details
// of the current registration, the messages and the registration sheets.
#include "Unitmz_query_gh.h"
#include "database.h"
#include "outpatientdeskfixture.h"
#include "outpatientfixture.h"
#include "resultgrid.h"
#include "screentest.h"
#include "session.h"
#include "testsupport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

using namespace orbista;

namespace {

const QDate kFirst(2026, 3, 1);
const QDate kSecond(2026, 3, 2);

QStringList codesShown(const test::Driver& d) {
    QStringList codes;
    ResultSet* rows = d.get<ResultGrid>("DBGrid1")->resultModel()->result();
    if (!rows) {
        return codes;
    }
    const int column = rows->columnIndex(u"code");
    for (int row = 0; row < rows->recordCount(); ++row) {
        codes << rows->text(row, column);
    }
    return codes;
}

}  // namespace

class TestOutpatientRegistrations : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void opensInDepartmentModeWithTheOperator();
    void filters_data();
    void filters();
    void departmentNameWithAPercentSign();
    void unknownDepartmentCode();
    void noRowsKeepsTheCount();
    void patientIdTakesSevenCharacters();
    void detailsFollowTheCurrentRow();
    void sheetsPrintTheListedRows();
    void printWithNothingListed();
};

void TestOutpatientRegistrations::opensInDepartmentModeWithTheOperator() {
    test::ScreenFixture world;
    test::insertOutpatientCharges(world.db());
    Tfrmmz_query_gh screen(world.db());
    test::Driver d(&screen);
    screen.show();
    QCOMPARE(screen.windowTitle(), QStringLiteral("门诊挂号信息查询"));
    QVERIFY(d.get<QRadioButton>("rbdepa")->isChecked());
    QCOMPARE(d.text("Label6"), QStringLiteral("当前：0笔数据"));
    QCOMPARE(d.text("Editrecman"), QStringLiteral("张收"));
    QCOMPARE(screen.statusPanelText(0), QStringLiteral("门诊挂号查询统计"));
    QCOMPARE(screen.statusPanelText(1), QStringLiteral("操作员:张收"));
    QCOMPARE(screen.startDay(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    QCOMPARE(screen.endDay(), screen.startDay());
    auto* departments = d.get<QComboBox>("ComboBoxdepa");
    QCOMPARE(departments->count(), 3);
    QCOMPARE(departments->itemText(0), QStringLiteral("01::内科"));
}

void TestOutpatientRegistrations::filters_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QDate>("start");
    QTest::addColumn<QDate>("end");
    QTest::addColumn<QStringList>("codes");
    QTest::addColumn<bool>("ordered");

    const QStringList all{"0012", "3120", "5%12", "7_1", "8801"};
    QTest::newRow("every department, by code") << "rbdepa"
                                               << "edt_code"
                                               << "" << kFirst << kSecond << all << true;
    QTest::newRow("内科 also finds 中医内科, not 内科门诊")
        << "rbdepa"
        << "edt_code"
        << "01" << kFirst << kSecond << QStringList{"0012", "3120"} << true;
    QTest::newRow("code 10 is 儿科, never 01")
        << "rbdepa"
        << "edt_code"
        << "10" << kFirst << kSecond << QStringList{"7_1"} << true;
    QTest::newRow("one day covers midnight to 23:59:59")
        << "rbdepa"
        << "edt_code"
        << "" << kFirst << kFirst << QStringList{"0012", "5%12"} << true;
    QTest::newRow("ID part anywhere")
        << "rbcode"
        << "Editcode"
        << "12" << kFirst << kSecond << QStringList{"0012", "3120", "5%12"} << false;
    QTest::newRow("empty ID lists everything") << "rbcode"
                                               << "Editcode"
                                               << "" << kFirst << kSecond << all << false;
    QTest::newRow("% is a percent sign")
        << "rbcode"
        << "Editcode"
        << "%" << kFirst << kSecond << QStringList{"5%12"} << false;
    QTest::newRow("_ is an underscore") << "rbcode"
                                        << "Editcode"
                                        << "_" << kFirst << kSecond << QStringList{"7_1"} << false;
    QTest::newRow("clerk part anywhere") << "rbrecman"
                                         << "Editrecman"
                                         << "收" << kFirst << kSecond << all << true;
    QTest::newRow("clerk with a quote")
        << "rbrecman"
        << "Editrecman"
        << "O'Neil" << kFirst << kSecond << QStringList{"7_1"} << true;
    QTest::newRow("the operator's own registrations")
        << "rbrecman"
        << "Editrecman"
        << "张收" << kFirst << kSecond << QStringList{"3120", "5%12", "8801"} << true;
}

void TestOutpatientRegistrations::filters() {
    QFETCH(QString, mode);
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QDate, start);
    QFETCH(QDate, end);
    QFETCH(QStringList, codes);
    QFETCH(bool, ordered);
    test::ScreenFixture world;
    test::insertOutpatientCharges(world.db());
    test::insertRegistrations(world.db());
    Tfrmmz_query_gh screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.setRange(start, end);
    d.click(qPrintable(mode));
    d.type(qPrintable(box), typed);
    d.enter(qPrintable(box));
    if (box == u"edt_code" && !typed.isEmpty()) {
        // Enter in the code box selects the department; Enter in the list runs the query.
        QCOMPARE(d.get<QComboBox>("ComboBoxdepa")->currentText().left(typed.size() + 2),
                 typed + QStringLiteral("::"));
        d.enter("ComboBoxdepa");
    }
    QCOMPARE(world.prompts().texts(), QStringList());
    QStringList shown = codesShown(d);
    if (!ordered) {
        shown.sort();
    }
    QCOMPARE(shown, codes);
    QCOMPARE(d.text("Label6"), QStringLiteral("共：%1 笔数据").arg(codes.size()));
}

void TestOutpatientRegistrations::departmentNameWithAPercentSign() {
    test::ScreenFixture world;
    test::insertRows(world.db(), QStringLiteral("data_depa"),
                     QStringLiteral("code|name\n20|50%科"));
    test::insertRows(world.db(), QStringLiteral("mz_gh"), QStringLiteral(R"(
        indate              | recman | code | name | indepa
        2026-03-01 09:00:00 | 张收   | A1   | 甲   | 50%科
        2026-03-01 09:00:00 | 张收   | A2   | 乙   | 二50%科
        2026-03-01 09:00:00 | 张收   | A3   | 丙   | 5000科
    )"));
    Tfrmmz_query_gh screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.setRange(kFirst, kFirst);
    d.choose("ComboBoxdepa", QStringLiteral("20::50%科"));
    QCOMPARE(d.text("edt_code"), QStringLiteral("20"));
    d.enter("ComboBoxdepa");
    // "%" in the name is a percent sign: 5000科 does not end with 50%科.
    QCOMPARE(codesShown(d), (QStringList{"A1", "A2"}));
}

void TestOutpatientRegistrations::unknownDepartmentCode() {
    test::ScreenFixture world;
    test::insertOutpatientCharges(world.db());
    Tfrmmz_query_gh screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    // 1 is neither 01 nor 10: the code must be followed by ":" in the item.
    d.type("edt_code", QStringLiteral("1"));
    d.enter("edt_code");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有符合条件的科室数据！")});
    QCOMPARE(world.prompts().last().title, QStringLiteral("系统操作提示："));
    QCOMPARE(world.prompts().last().icon, PromptIcon::Question);
    QCOMPARE(d.get<QComboBox>("ComboBoxdepa")->currentIndex(), -1);
    QCOMPARE(d.rows("DBGrid1"), -1);
}

void TestOutpatientRegistrations::noRowsKeepsTheCount() {
    test::ScreenFixture world;
    test::insertRegistrations(world.db());
    Tfrmmz_query_gh screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.setRange(kFirst, kSecond);
    d.click("rbrecman");
    d.type("Editrecman", QStringLiteral("无此人"));
    d.enter("Editrecman");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有符合条件的数据！！")});
    QCOMPARE(world.prompts().last().title, QStringLiteral("系统操作提示："));
    QCOMPARE(world.prompts().last().icon, PromptIcon::Question);
    QCOMPARE(d.rows("DBGrid1"), 0);
    QCOMPARE(d.text("Label6"), QStringLiteral("当前：0笔数据"));
}

void TestOutpatientRegistrations::patientIdTakesSevenCharacters() {
    test::ScreenFixture world;
    Tfrmmz_query_gh screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.type("Editcode", QStringLiteral("123456789"));
    QCOMPARE(d.text("Editcode"), QStringLiteral("1234567"));
    QVERIFY(d.get<QRadioButton>("rbcode")->isChecked());
}

void TestOutpatientRegistrations::detailsFollowTheCurrentRow() {
    test::ScreenFixture world;
    test::insertRegistrations(world.db());
    Tfrmmz_query_gh screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.setRange(kFirst, kSecond);
    d.click("rbcode");
    d.type("Editcode", QStringLiteral("0012"));
    d.enter("Editcode");
    QCOMPARE(d.text("record_code"), QStringLiteral("0012"));
    QCOMPARE(d.text("record_name"), QStringLiteral("O'Brien 李"));
    QCOMPARE(d.text("record_indate"), QStringLiteral("2026-03-01"));
    QCOMPARE(d.text("record_indepa"), QStringLiteral("中医内科"));
    QCOMPARE(d.text("record_price"), QStringLiteral("5.50"));

    d.click("rbdepa");
    d.type("edt_code", QString());
    d.enter("edt_code");
    auto* grid = d.get<ResultGrid>("DBGrid1");
    QCOMPARE(d.text("record_code"), QStringLiteral("0012"));
    grid->setCurrentIndex(grid->model()->index(3, 0));
    QCOMPARE(d.text("record_code"), QStringLiteral("7_1"));
    QCOMPARE(d.text("record_recman"), QStringLiteral("O'Neil 收"));
    QCOMPARE(d.text("record_ghtype"), QStringLiteral("急诊"));
    QCOMPARE(d.text("record_indoctor"), QStringLiteral("赵六"));
}

void TestOutpatientRegistrations::sheetsPrintTheListedRows() {
    test::ScreenFixture world(QStringLiteral("测试县人民医院"), QStringLiteral("钱会计"));
    test::insertOutpatientCharges(world.db());
    test::insertRegistrations(world.db());
    Tfrmmz_query_gh screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.setRange(kFirst, kSecond);
    d.type("edt_code", QStringLiteral("01"));
    d.enter("edt_code");
    d.enter("ComboBoxdepa");
    d.type("Editrecman", QStringLiteral("别人"));
    d.click("bitbtnprint");
    QCOMPARE(world.prompts().last().kind, QStringLiteral("preview"));
    QCOMPARE(world.prompts().last().pages, 1);
    const QStringList texts = test::reportTexts(screen.QuickRep1());
    QCOMPARE(texts.count(QStringLiteral("门诊挂号信息单")), 2);
    for (const QString& t : {QStringLiteral("O'Brien 李"), QStringLiteral("王小明"),
                             QStringLiteral("5.50"), QStringLiteral("2026-03-02")}) {
        QVERIFY2(texts.contains(t), qPrintable(t));
    }
    // Back from the preview: today again, and the operator in the clerk box.
    QCOMPARE(screen.startDay(), QDate::currentDate().toString(QStringLiteral("yyyy-MM-dd")));
    QCOMPARE(d.text("Editrecman"), QStringLiteral("钱会计"));
    QCOMPARE(d.rows("DBGrid1"), 2);
}

void TestOutpatientRegistrations::printWithNothingListed() {
    test::ScreenFixture world;
    Tfrmmz_query_gh screen(world.db());
    test::Driver d(&screen);
    screen.show();
    d.click("bitbtnprint");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有符合条件的数据！！")});
}

QTEST_MAIN(TestOutpatientRegistrations)
#include "tst_outpatient_registrations.moc"
