// The department and doctor cross tables (TForm2, TForm3) driven through the real dialogs:
// range check, empty period, run-time columns, a wide period and a result that does not
// match its fee names.
#include "Unit_mzbm_total.h"
#include "Unit_mzbm_total_reports.h"
#include "Unit_mzbm_total_sql.h"
#include "crosstabcolumns.h"
#include "database.h"
#include "outpatientscreens.h"
#include "paginator.h"
#include "prompts.h"
#include "screenregistry.h"
#include "session.h"
#include "testsupport.h"

#include <QPushButton>
#include <QTest>

using namespace orbista;
using report::PageText;

namespace {

const QString kHospital = QStringLiteral("测试县人民医院");
const QString kOperator = QStringLiteral("孙会计");
constexpr int kManyNames = 25;

void charge(Database& db, const QString& when, const QString& fyname, const char* price,
            const char* depa, const char* doctor) {
    db.append(QStringLiteral("mz_cost"),
              {"code", "fydate", "fyname", "fyprice", "fydepa", "fydoctor"},
              {"M", when, fyname, price, depa, doctor});
}

// 1 March: one fee name; 2 March: two others; 10 March: 25 fee names.
void fillFixture(Database& db) {
    charge(db, "2026-03-01 08:00:00", "西药费", "10.00", "内科", "王建国");
    charge(db, "2026-03-01 23:59:59", "西药费", "2.50", "外科", "李四");
    charge(db, "2026-03-02 09:00:00", "检查费", "80.00", "内科", "王建国");
    charge(db, "2026-03-02 10:00:00", "化验费", "33.33", "外科", "李四");
    for (int k = 1; k <= kManyNames; ++k) {
        charge(db, "2026-03-10 09:00:00", QStringLiteral("费用%1").arg(k, 2, 10, QLatin1Char('0')),
               "1.00", "内科", "王建国");
    }
}

double pagePx(double mm) {
    return report::mmToPx(mm);
}

const PageText* findText(const report::Page& page, const QString& text) {
    for (const PageText& t : page.texts) {
        if (t.text == text) {
            return &t;
        }
    }
    return nullptr;
}

std::unique_ptr<FeeCrossTabScreen> screenNamed(const QString& className, Database& db) {
    if (className == u"TForm3") {
        return std::make_unique<TForm3>(db);
    }
    return std::make_unique<TForm2>(db);
}

void setRange(FeeCrossTabScreen& s, const QDateTime& start, const QDateTime& end) {
    s.findChild<DatePicker*>(QStringLiteral("DateTimePicker3"))->setValue(start);
    s.findChild<DatePicker*>(QStringLiteral("DateTimePicker4"))->setValue(end);
}

void previewDays(FeeCrossTabScreen& s, QDate start, QDate end) {
    setRange(s, QDateTime(start, kStartTimeOfDay), QDateTime(end, kEndTimeOfDay));
    s.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
}

}  // namespace

class TestOutpatientCrossTabScreen : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { registerQueryUnit(feecrosstab::queryUnit()); }
    void init();
    void cleanup();
    void oneFeeNameSitsAtClassicPlaces_data();
    void oneFeeNameSitsAtClassicPlaces();
    void renderedPageHasTitlePeriodAndSums();
    void secondPreviewShowsOnlyItsColumns();
    void rangeCheck_data();
    void rangeCheck();
    void emptyPeriod();
    void manyFeeNamesAllPrintOnAWiderPage();
    void resultNotMatchingItsNamesIsRefused();
    void startupRegistersScreensAndProcedure();

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
    std::unique_ptr<ScriptedPrompter> prompts_;
};

void TestOutpatientCrossTabScreen::init() {
    db_ = test::freshDatabase(dir_);
    fillFixture(*db_);
    prompts_ = std::make_unique<ScriptedPrompter>();
    Session& s = Session::current();
    s.clear();
    s.operatorName = kOperator;
    s.hospitalName = kHospital;
}

void TestOutpatientCrossTabScreen::cleanup() {
    prompts_.reset();
    db_.reset();
    registerQueryUnit(feecrosstab::queryUnit());
}

void TestOutpatientCrossTabScreen::oneFeeNameSitsAtClassicPlaces_data() {
    QTest::addColumn<QString>("screen");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("firstRow");
    QTest::newRow("departments") << "TForm2"
                                 << "门诊费用科室分类"
                                 << "部门"
                                 << "内科";
    QTest::newRow("doctors") << "TForm3"
                             << "门诊费用医生分类"
                             << "医生"
                             << "李四";
}

void TestOutpatientCrossTabScreen::oneFeeNameSitsAtClassicPlaces() {
    QFETCH(QString, screen);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(QString, firstRow);
    auto s = screenNamed(screen, *db_);
    s->show();
    previewDays(*s, QDate(2026, 3, 1), QDate(2026, 3, 1));
    QCOMPARE(prompts_->records().size(), 1);
    QCOMPARE(prompts_->last().kind, QStringLiteral("preview"));
    QCOMPARE(prompts_->last().title, kHospital + title);
    QCOMPARE(prompts_->last().pages, 1);

    const report::ReportDocument doc = report::paginate(s->QuickRep1());
    QCOMPARE(doc.style->paperMm.width(), 550.0);
    const report::Page& page = doc.pages[0];
    const std::pair<QString, int> columns[] = {
        {heading, 39}, {QStringLiteral("西药费"), 138}, {QStringLiteral("总计"), 338}};
    for (const auto& [caption, x] : columns) {
        const PageText* t = findText(page, caption);
        QVERIFY2(t, qPrintable(caption));
        QVERIFY(std::abs(pagePx(t->rect.left()) - x) < 1e-6);
    }
    QVERIFY(std::abs(pagePx(findText(page, firstRow)->rect.left()) - 39) < 1e-6);
}

void TestOutpatientCrossTabScreen::renderedPageHasTitlePeriodAndSums() {
    TForm2 s(*db_);
    s.show();
    previewDays(s, QDate(2026, 3, 1), QDate(2026, 3, 2));
    const report::ReportDocument doc = report::paginate(s.QuickRep1());
    QCOMPARE(doc.pageCount(), 1);
    const QStringList texts = test::pageTexts(doc.pages[0]);
    // Sums of 化验费, 检查费, 西药费 and the total, under the classic mask.
    for (const QString& text :
         {kHospital + QStringLiteral("门诊费用科室分类"), QStringLiteral("2026-03-01"),
          QStringLiteral("2026-03-02"), kOperator, QStringLiteral("合计:"), QStringLiteral("33.33"),
          QStringLiteral("80"), QStringLiteral("12.5"), QStringLiteral("125.83")}) {
        QVERIFY2(texts.contains(text),
                 qPrintable(text + QStringLiteral(" in ") + texts.join(u'|')));
    }
    QCOMPARE(texts.count(QStringLiteral("125.83")), 1);  // the total of totals, once
    QCOMPARE(texts.count(QStringLiteral("80")), 2);      // 内科's 检查费 and its column sum
    QCOMPARE(texts.count(QStringLiteral("90")), 1);      // 内科's row total
}

void TestOutpatientCrossTabScreen::secondPreviewShowsOnlyItsColumns() {
    TForm3 s(*db_);
    s.show();
    previewDays(s, QDate(2026, 3, 1), QDate(2026, 3, 1));
    previewDays(s, QDate(2026, 3, 2), QDate(2026, 3, 2));
    QCOMPARE(prompts_->records().size(), 2);
    const QStringList texts = test::pageTexts(report::paginate(s.QuickRep1()).pages[0]);
    QVERIFY(!texts.contains(QStringLiteral("西药费")));
    QVERIFY(texts.contains(QStringLiteral("检查费")));
    QVERIFY(texts.contains(QStringLiteral("化验费")));
    QCOMPARE(texts.count(QStringLiteral("医生")), 1);
    QCOMPARE(texts.count(QStringLiteral("总计")), 1);
}

void TestOutpatientCrossTabScreen::rangeCheck_data() {
    QTest::addColumn<QDateTime>("start");
    QTest::addColumn<QDateTime>("end");
    QTest::addColumn<bool>("refused");
    const QDate d(2026, 3, 2);
    QTest::newRow("start a day later")
        << QDateTime(d, QTime(0, 0)) << QDateTime(d.addDays(-1), QTime(23, 59)) << true;
    QTest::newRow("same day, start later in the day")
        << QDateTime(d, QTime(10, 0)) << QDateTime(d, QTime(9, 0)) << true;
    QTest::newRow("same day") << QDateTime(d, QTime(0, 0)) << QDateTime(d, QTime(23, 59, 59))
                              << false;
}

void TestOutpatientCrossTabScreen::rangeCheck() {
    QFETCH(QDateTime, start);
    QFETCH(QDateTime, end);
    QFETCH(bool, refused);
    TForm2 s(*db_);
    s.show();
    setRange(s, start, end);
    s.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->click();
    QCOMPARE(prompts_->records().size(), 1);
    if (refused) {
        QCOMPARE(prompts_->last().kind, QStringLiteral("message"));
        QCOMPARE(prompts_->last().text, QStringLiteral("超始日期不能大于结束日期"));
        QCOMPARE(prompts_->last().title, QStringLiteral("系统操作提示"));
        QCOMPARE(prompts_->last().icon, PromptIcon::Information);
    } else {
        QCOMPARE(prompts_->last().kind, QStringLiteral("preview"));
    }
}

void TestOutpatientCrossTabScreen::emptyPeriod() {
    TForm2 s(*db_);
    s.show();
    previewDays(s, QDate(2026, 4, 1), QDate(2026, 4, 30));
    QCOMPARE(prompts_->records().size(), 1);
    QCOMPARE(prompts_->last().kind, QStringLiteral("simple"));
    QCOMPARE(prompts_->last().text, QStringLiteral("时间段内无费用发生!"));
}

void TestOutpatientCrossTabScreen::manyFeeNamesAllPrintOnAWiderPage() {
    TForm2 s(*db_);
    s.show();
    previewDays(s, QDate(2026, 3, 10), QDate(2026, 3, 10));
    QCOMPARE(prompts_->last().kind, QStringLiteral("preview"));
    const report::ReportDocument doc = report::paginate(s.QuickRep1());
    QCOMPARE(doc.pageCount(), 1);
    const double paper = doc.style->paperMm.width();
    QCOMPARE(paper, feecrosstab::pageWidthMm(kManyNames));
    QVERIFY(paper > feecrosstab::kClassicPageWidthMm);
    const report::Page& page = doc.pages[0];
    // Every column, the total included, starts at its place and has a column's room
    // before the right margin.
    const double lastStart = paper - 10 - report::pxToMm(report::crosstab::kGroupStep);
    for (int k = 1; k <= kManyNames; ++k) {
        const PageText* caption =
            findText(page, QStringLiteral("费用%1").arg(k, 2, 10, QLatin1Char('0')));
        QVERIFY(caption);
        QVERIFY(std::abs(pagePx(caption->rect.left()) - (38 + 100 * k)) < 1e-6);
    }
    const PageText* total = findText(page, QStringLiteral("总计"));
    QVERIFY(total);
    QVERIFY(std::abs(pagePx(total->rect.left()) - (38 + 100 * kManyNames + 200)) < 1e-6);
    for (const PageText& t : page.texts) {
        QVERIFY2(t.rect.left() <= lastStart + 1e-9, qPrintable(t.text));
    }
    QCOMPARE(test::pageTexts(page).count(QStringLiteral("25")), 2);  // the row total and its sum

    // A period that fits keeps the classic page.
    QCOMPARE(feecrosstab::pageWidthMm(17), feecrosstab::kClassicPageWidthMm);
    QVERIFY(feecrosstab::pageWidthMm(18) > feecrosstab::kClassicPageWidthMm);
}

void TestOutpatientCrossTabScreen::resultNotMatchingItsNamesIsRefused() {
    // A procedure that lost one fee column: the amounts would land under the wrong captions.
    Database::registerProcedure(QStringLiteral("mz_fenlei_total"), [](Database&, ProcedureCall&) {
        return ResultSet::fromRows({"fydoctor", "name1", "total"},
                                   {{QStringLiteral("内科"), 80.0, 80.0}});
    });
    TForm2 s(*db_);
    s.show();
    previewDays(s, QDate(2026, 3, 2), QDate(2026, 3, 2));
    QCOMPARE(prompts_->records().size(), 1);
    QCOMPARE(prompts_->last().kind, QStringLiteral("simple"));
    QCOMPARE(prompts_->last().text, QStringLiteral("数据库统计出错,请重新再试"));
    QVERIFY(!s.findChild<QPushButton*>(QStringLiteral("BitBtn1"))->testAttribute(Qt::WA_SetCursor));
}

void TestOutpatientCrossTabScreen::startupRegistersScreensAndProcedure() {
    registerOutpatientScreens();
    for (const char* className :
         {"Tfrmmz_query_cost_total", "Tfrmmz_query_cost_doctor", "TForm2", "TForm3"}) {
        QVERIFY2(screenFactory(QString::fromLatin1(className)), className);
    }
    QVERIFY(Database::hasEmbeddedProcedure(QStringLiteral("mz_fenlei_total")));
}

QTEST_MAIN(TestOutpatientCrossTabScreen)
#include "tst_outpatient_crosstabscreen.moc"
