#include "database.h"
#include "prompts.h"
#include "queryscreen.h"
#include "resultgrid.h"
#include "session.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTest>
#include <QVBoxLayout>

using namespace orbista;

namespace {

// A screen-like fixture: two pickers, a query button, a grid, record buttons, a combo that
// its activation handler fills.
class FixtureScreen : public QueryScreen {
  public:
    FixtureScreen(DateDefault kind, QueryScreen::OperatorPanel style = OperatorPanel::Prefixed)
        : QueryScreen(nullptr, QStringLiteral("fixture"), QStringLiteral("测试")), kind_(kind) {
        auto* layout = new QVBoxLayout(this);
        start = createDatePicker(QStringLiteral("DateTimePicker1"), kStartTimeOfDay);
        end = createDatePicker(QStringLiteral("DateTimePicker2"), kEndTimeOfDay);
        setDatePickers(start, end);
        query = new QPushButton(QStringLiteral("查询(&C)"), this);
        query->setObjectName(QStringLiteral("bitbtnquery"));
        prior = new QPushButton(this);
        next = new QPushButton(this);
        grid = new ResultGrid(this);
        combo = new QComboBox(this);
        edit = new QLineEdit(this);
        mode = new QRadioButton(this);
        for (QWidget* w : std::initializer_list<QWidget*>{start, end, query, prior, next, grid,
                                                          combo, edit, mode}) {
            layout->addWidget(w);
        }
        layout->addWidget(createStatusBar(QStringLiteral("收入合计统计表"), style));
        setupRecordButtons(prior, next, grid);
        runOnEnter(edit, query);
        bindFilterMode(mode, edit);
        colourOnFocus(edit);
        connect(query, &QPushButton::clicked, this, [this] { ++queries; });
    }
    void FormActivate() override {
        QueryScreen::FormActivate();
        ++activations;
        applyDateDefault(kind_);
        fillCombo(combo, {QStringLiteral("内科"), QStringLiteral("外科")});
    }

    DatePicker* start;
    DatePicker* end;
    QPushButton* query;
    QPushButton* prior;
    QPushButton* next;
    ResultGrid* grid;
    QComboBox* combo;
    QLineEdit* edit;
    QRadioButton* mode;
    int activations = 0;
    int queries = 0;

  private:
    DateDefault kind_;
};

}  // namespace

class TestQueryScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void init() { prompts_ = std::make_unique<ScriptedPrompter>(); }
    void cleanup() { prompts_.reset(); }
    void dateDefaults_data();
    void dateDefaults();
    void rangeChecks_data();
    void rangeChecks();
    void statusBarPanels_data();
    void statusBarPanels();
    void activationAfterSimpleMessageNotAfterMessageBox();
    void recordButtonsOnEmptyResult();
    void recordButtonsWalkTheRows();
    void enterRunsQueryAndBoxChecksItsMode();
    void gridFetchesLazilyAndFormats();
    void databaseErrorLeavesScreenUsable();

  private:
    std::unique_ptr<ScriptedPrompter> prompts_;
};

void TestQueryScreen::dateDefaults_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("startDaysBack");
    QTest::addColumn<bool>("startKeepsStoredTime");
    QTest::addColumn<bool>("endKeepsStoredTime");
    QTest::newRow("today/today") << int(DateDefault::TodayToday) << 0 << true << true;
    QTest::newRow("now/now") << int(DateDefault::NowNow) << 0 << false << false;
    QTest::newRow("yesterday/today") << int(DateDefault::YesterdayToday) << 1 << true << true;
    QTest::newRow("minus 30/now") << int(DateDefault::Minus30Now) << 30 << false << false;
    QTest::newRow("same day/now") << int(DateDefault::SameDayNow) << 0 << true << false;
    QTest::newRow("single today") << int(DateDefault::SingleToday) << 0 << true << true;
    QTest::newRow("single now") << int(DateDefault::SingleNow) << 0 << false << false;
}

void TestQueryScreen::dateDefaults() {
    QFETCH(int, kind);
    QFETCH(int, startDaysBack);
    QFETCH(bool, startKeepsStoredTime);
    QFETCH(bool, endKeepsStoredTime);
    const QDateTime before = QDateTime::currentDateTime();
    FixtureScreen s(static_cast<DateDefault>(kind));
    s.show();
    const DateRangeValues r = s.dateRange();
    QCOMPARE(r.start.date(), before.date().addDays(-startDaysBack));
    QCOMPARE(r.end.date(), before.date());
    if (startKeepsStoredTime) {
        QCOMPARE(r.start.time(), kStartTimeOfDay);
    } else {
        QVERIFY(qAbs(r.start.time().secsTo(before.time())) < 5);
    }
    if (endKeepsStoredTime) {
        QCOMPARE(r.end.time(), kEndTimeOfDay);
    }
    // a default range always passes both checks
    QVERIFY(!isInverted(r, RangeComparison::WholeValues));
    QVERIFY(!isInverted(r, RangeComparison::DayTexts));
}

void TestQueryScreen::rangeChecks_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<int>("comparison");
    QTest::addColumn<bool>("passes");
    const QDate d(2026, 3, 1);
    QTest::newRow("same day, times in order")
        << QDateTime(d, QTime(0, 0)) << QDateTime(d, QTime(23, 59))
        << int(RangeComparison::WholeValues) << true;
    QTest::newRow("same day, start later: whole values inverted")
        << QDateTime(d, QTime(10, 0)) << QDateTime(d, QTime(9, 0))
        << int(RangeComparison::WholeValues) << false;
    QTest::newRow("same day, start later: day texts fine")
        << QDateTime(d, QTime(10, 0)) << QDateTime(d, QTime(9, 0)) << int(RangeComparison::DayTexts)
        << true;
    QTest::newRow("start a day later")
        << QDateTime(d.addDays(1), QTime(0, 0)) << QDateTime(d, QTime(23, 0))
        << int(RangeComparison::DayTexts) << false;
}

void TestQueryScreen::rangeChecks() {
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(int, comparison);
    QFETCH(bool, passes);
    FixtureScreen s(DateDefault::TodayToday);
    s.start->setValue(start);
    s.end->setValue(end);
    const bool ok = s.checkDateRange(static_cast<RangeComparison>(comparison),
                                     QStringLiteral("统计的起始日期超过了截止日期!"),
                                     QStringLiteral("系统提示"), PromptIcon::None, s.start);
    QCOMPARE(ok, passes);
    QCOMPARE(prompts_->records().size(), passes ? 0 : 1);
    if (!passes) {
        QCOMPARE(prompts_->last().text, QStringLiteral("统计的起始日期超过了截止日期!"));
        QCOMPARE(prompts_->last().title, QStringLiteral("系统提示"));
        QCOMPARE(prompts_->last().icon, PromptIcon::None);
    }
    QCOMPARE(s.startDay(), start.date().toString(QStringLiteral("yyyy-MM-dd")));
}

void TestQueryScreen::statusBarPanels_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("panel1");
    QTest::newRow("prefixed") << int(QueryScreen::OperatorPanel::Prefixed) << "操作员:张会计";
    QTest::newRow("name only") << int(QueryScreen::OperatorPanel::NameOnly) << "张会计";
    QTest::newRow("operation") << int(QueryScreen::OperatorPanel::Operation) << "操作张会计";
    QTest::newRow("empty") << int(QueryScreen::OperatorPanel::Empty) << "";
}

void TestQueryScreen::statusBarPanels() {
    QFETCH(int, style);
    QFETCH(QString, panel1);
    Session::current().operatorName = QStringLiteral("张会计");
    FixtureScreen s(DateDefault::TodayToday, static_cast<QueryScreen::OperatorPanel>(style));
    s.show();
    QCOMPARE(s.statusPanelText(0), QStringLiteral("收入合计统计表"));
    QCOMPARE(s.statusPanelText(1), panel1);
    QCOMPARE(s.statusPanelText(2), QStringLiteral("【ORBISTA】"));
}

void TestQueryScreen::activationAfterSimpleMessageNotAfterMessageBox() {
    FixtureScreen s(DateDefault::TodayToday);
    s.show();
    QCOMPARE(s.activations, 1);
    s.start->setDate(QDate(2020, 1, 1));
    s.message(QStringLiteral("没有符合条件的数据！"), QStringLiteral("系统操作提示："));
    QCOMPARE(s.activations, 1);
    QCOMPARE(s.start->date(), QDate(2020, 1, 1));
    s.simpleMessage(QStringLiteral("时间段内无费用发生!"));
    QCOMPARE(s.activations, 2);
    QCOMPARE(s.start->date(), QDate::currentDate());  // dates reset by the activation handler
    QCOMPARE(prompts_->last().kind, QStringLiteral("simple"));
    QCOMPARE(prompts_->last().title, QStringLiteral("财务管理子系统"));
    s.inputBox(QStringLiteral("打印"), QStringLiteral("s/d"));
    QCOMPARE(s.activations, 3);
    // refilling on every activation never piles up duplicates
    QCOMPARE(s.combo->count(), 2);
}

void TestQueryScreen::recordButtonsOnEmptyResult() {
    FixtureScreen s(DateDefault::TodayToday);
    auto empty = ResultSet::fromRows({"code"}, {});
    s.grid->bind(empty.get());
    s.next->click();
    QVERIFY(!s.next->isEnabled());
    s.prior->click();
    QVERIFY(!s.prior->isEnabled());
    // the next query's rows make both usable again
    auto rows = ResultSet::fromRows({"code"}, {{"A"}});
    s.grid->bind(rows.get());
    QVERIFY(s.prior->isEnabled());
    QVERIFY(s.next->isEnabled());
}

void TestQueryScreen::recordButtonsWalkTheRows() {
    FixtureScreen s(DateDefault::TodayToday);
    auto rows = ResultSet::fromRows({"code"}, {{"A"}, {"B"}, {"C"}});
    s.grid->bind(rows.get());
    s.prior->click();  // right after a query: only disables itself
    QVERIFY(!s.prior->isEnabled());
    QCOMPARE(rows->text(u"code"), QStringLiteral("A"));
    s.next->click();
    QCOMPARE(rows->text(u"code"), QStringLiteral("B"));
    QVERIFY(s.prior->isEnabled());
    QCOMPARE(s.grid->currentIndex().row(), 1);
    s.next->click();
    s.next->click();  // past the last row: the grid stays on it
    QVERIFY(s.next->isEnabled());
    QCOMPARE(rows->text(u"code"), QStringLiteral("C"));
    s.next->click();
    QVERIFY(!s.next->isEnabled());
    s.prior->click();
    QCOMPARE(rows->text(u"code"), QStringLiteral("B"));
    QVERIFY(s.next->isEnabled());
}

void TestQueryScreen::enterRunsQueryAndBoxChecksItsMode() {
    FixtureScreen s(DateDefault::TodayToday);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.activateWindow();
    s.edit->setFocus();
    QVERIFY(s.mode->isChecked());
    QTest::keyClick(s.edit, Qt::Key_Return);
    QCOMPARE(s.queries, 1);
    QCOMPARE(s.edit->palette().color(QPalette::Base), QColor(0, 255, 0));
    s.query->setFocus();
    QCOMPARE(s.edit->palette().color(QPalette::Base), QColor(Qt::white));
}

void TestQueryScreen::gridFetchesLazilyAndFormats() {
    QTemporaryDir dir;
    auto db = test::freshDatabase(dir);
    auto rs = db->query(QStringLiteral(
        "with recursive c(x) as (select 1 union all select x+1 from c where x<100000) "
        "select x as n, '2026-03-01 23:59:59' as fydate, x*0.01 as fyprice from c"));
    ResultGrid grid;
    grid.bind(rs.get(), {{"n", "序号", GridColumn::Format::Integer},
                         {"fydate", "日期", GridColumn::Format::Date},
                         {"fyprice", "金额", GridColumn::Format::Money}});
    QVERIFY(grid.model()->rowCount() < 2000);
    QCOMPARE(grid.model()->headerData(2, Qt::Horizontal, Qt::DisplayRole).toString(),
             QStringLiteral("金额"));
    QCOMPARE(grid.model()->index(0, 1).data().toString(), QStringLiteral("2026-03-01"));
    QCOMPARE(grid.model()->index(2, 2).data().toString(), QStringLiteral("0.03"));
    QCOMPARE(grid.model()->index(2, 2).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight,
             int(Qt::AlignRight));
    // the cursor and the grid stay in step both ways
    rs->moveTo(1500);
    grid.followCursor();
    QCOMPARE(grid.currentIndex().row(), 1500);
    grid.setCurrentIndex(grid.model()->index(7, 0));
    QCOMPARE(rs->currentRow(), 7);
    QCOMPARE(rs->recordCount(), 100000);
}

void TestQueryScreen::databaseErrorLeavesScreenUsable() {
    QTemporaryDir dir;
    auto db = test::freshDatabase(dir);
    FixtureScreen s(DateDefault::TodayToday);
    const bool ok =
        s.guarded([&db] { db->query(QStringLiteral("select * from no_such_table")); }, true);
    QVERIFY(!ok);
    QCOMPARE(prompts_->last().kind, QStringLiteral("error"));
    QVERIFY(prompts_->last().text.contains(u"no_such_table"));
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(s.guarded([&db] { db->query(QStringLiteral("select * from mz_cost")); }));
}

QTEST_MAIN(TestQueryScreen)
#include "tst_queryscreen.moc"
