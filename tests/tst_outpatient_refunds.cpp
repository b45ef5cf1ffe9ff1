// The refund query (Tfrmmz_query_cost_tk) driven through the real dialog: every refund on
// opening, one document number compared exactly as typed, the message and the details of
// the current refund.
#include "Unitmz_query_cost_tk.h"
#include "database.h"
#include "outpatientdeskfixture.h"
#include "resultgrid.h"
#include "screentest.h"
#include "testsupport.h"

#include <QTest>

using namespace orbista;

namespace {

QStringList codesShown(const test::Driver& d) {
    QStringList codes;
    ResultSet* rows = d.get<ResultGrid>("DBGrid2")->resultModel()->result();
    const int column = rows->columnIndex(u"code");
    for (int row = 0; row < rows->recordCount(); ++row) {
        codes << rows->text(row, column);
    }
    return codes;
}

}  // namespace

class TestOutpatientRefunds : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void opensWithEveryRefund();
    void byDocumentNumber_data();
    void byDocumentNumber();
    void unknownNumber();
    void detailsFollowTheRecordButtons();
};

void TestOutpatientRefunds::opensWithEveryRefund() {
    test::ScreenFixture world;
    test::insertRefunds(world.db());
    Tfrmmz_query_cost_tk screen(world.db());
    test::Driver d(&screen);
    screen.show();
    QCOMPARE(screen.windowTitle(), QStringLiteral("门诊退款查询"));
    QCOMPARE(d.rows("DBGrid2"), 5);
    QCOMPARE(d.text("record_reason"), QStringLiteral("重复收费"));
    QCOMPARE(screen.statusPanelText(0), QStringLiteral("门诊退款查询"));
    QCOMPARE(screen.statusPanelText(1), QStringLiteral("操作员:张收"));
    QCOMPARE(world.prompts().texts(), QStringList());
}

void TestOutpatientRefunds::byDocumentNumber_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("codes");
    QTest::newRow("one number, by outpatient ID") << "0001" << QStringList{"M2", "M9"};
    QTest::newRow("% is compared as itself") << "5%1" << QStringList{"M5"};
    QTest::newRow("a number stored after a blank, typed so") << " 0002" << QStringList{"M3"};
    QTest::newRow("blanks only: every refund by ID")
        << "   " << QStringList{"M1", "M2", "M3", "M5", "M9"};
}

void TestOutpatientRefunds::byDocumentNumber() {
    QFETCH(QString, typed);
    QFETCH(QStringList, codes);
    test::ScreenFixture world;
    test::insertRefunds(world.db());
    Tfrmmz_query_cost_tk screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.type("Editfycode", typed);
    d.enter("Editfycode");
    QCOMPARE(world.prompts().texts(), QStringList());
    QCOMPARE(codesShown(d), codes);
}

void TestOutpatientRefunds::unknownNumber() {
    test::ScreenFixture world;
    test::insertRefunds(world.db());
    Tfrmmz_query_cost_tk screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    // The blank typed before the number stays in the comparison.
    d.type("Editfycode", QStringLiteral(" 0001"));
    d.click("bitbtnquery");
    QCOMPARE(world.prompts().texts(), QStringList{QStringLiteral("没有该费用号码的退款记录")});
    QCOMPARE(world.prompts().last().title, QStringLiteral("系统操作提示："));
    QCOMPARE(world.prompts().last().icon, PromptIcon::Question);
    QCOMPARE(d.rows("DBGrid2"), 0);
    QCOMPARE(d.text("record_fycode"), QString());
}

void TestOutpatientRefunds::detailsFollowTheRecordButtons() {
    test::ScreenFixture world;
    test::insertRefunds(world.db());
    Tfrmmz_query_cost_tk screen(world.db());
    screen.show();  // the show and activation handlers run first
    test::Driver d(&screen);
    d.type("Editfycode", QStringLiteral("0001"));
    d.enter("Editfycode");
    QCOMPARE(d.text("record_reason"), QStringLiteral("病人退药"));
    QCOMPARE(d.text("record_fyprice"), QStringLiteral("80.00"));
    QCOMPARE(d.text("record_fydate"), QStringLiteral("2026-03-01 10:00:00"));
    d.click("bitbtnnext");
    QCOMPARE(d.text("record_reason"), QStringLiteral("重复收费"));
    QCOMPARE(d.text("record_fyname"), QStringLiteral("西药费"));
    QCOMPARE(d.text("record_fydoctor"), QStringLiteral("王建国"));
    QCOMPARE(d.text("record_jzman"), QStringLiteral("张收"));
    QCOMPARE(d.text("record_fycode"), QStringLiteral("0001"));
    d.click("bitbtnprior");
    QCOMPARE(d.text("record_reason"), QStringLiteral("病人退药"));
}

QTEST_MAIN(TestOutpatientRefunds)
#include "tst_outpatient_refunds.moc"
