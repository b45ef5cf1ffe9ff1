#include "reporterror.h"
#include "reportflows.h"
#include "reportlayout.h"
#include "reportoutput.h"
#include "resultset.h"

#include "fonts.h"
#include "prompts.h"

#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <stdexcept>

using namespace orbista::report;
using orbista::PromptAnswer;
using orbista::PromptIcon;
using orbista::ResultSet;
using orbista::ScriptedPrompter;

namespace {

std::unique_ptr<ResultSet> statisticsRows() {
    return ResultSet::fromRows({"depa_name", "pfmoney"},
                               {{QStringLiteral("内科"), 10.5}, {QStringLiteral("外科"), 2.25}});
}

void buildLayout(ReportLayout& r, const QString& title) {
    r.page(PageSize::A4).title(title);
    r.band(BandKind::Title, 12).label(QStringLiteral("title"), 0, 0, 190, 8).caption(title);
    r.band(BandKind::Detail, 6).field(QStringLiteral("depa_name"), 0, 0, 50, 6);
    r.band(BandKind::Summary, 8)
        .expression(QStringLiteral("sum(tongji.pfmoney)"), 50, 0, 40, 6)
        .name(QStringLiteral("total"));
}

// A warehouse statistics screen's report buttons.
struct Screen {
    QWidget window;
    QPushButton* print = new QPushButton(QStringLiteral("打印(&P)"), &window);
    QPushButton* preview = new QPushButton(QStringLiteral("预览(&V)"), &window);
    QPushButton* exit = new QPushButton(QStringLiteral("退出(&X)"), &window);
    std::unique_ptr<ResultSet> rows = statisticsRows();
    ReportLayout report;

    Screen() {
        auto* column = new QVBoxLayout(&window);
        column->addWidget(print);
        column->addWidget(preview);
        column->addWidget(exit);
        buildLayout(report, QStringLiteral("测试医院药库药品出库报表"));
        report.bind(rows.get());
        print->setFocus();
    }
    PrintedFlagFlow flow() {
        return PrintedFlagFlow(report, {print, preview, exit}, [this] { rows.reset(); });
    }
    bool settled() const {
        return !print->isEnabled() && !preview->isEnabled() && !rows &&
               report.boundRows() == nullptr && window.focusWidget() == exit;
    }
    bool untouched() const {
        return print->isEnabled() && preview->isEnabled() && rows &&
               report.boundRows() == rows.get() && window.focusWidget() != exit;
    }
};

// Points direct printing at a PDF file for the life of the object.
struct PrintToPdf {
    explicit PrintToPdf(const QString& path) { qputenv(kPrintToPdfVariable, path.toLocal8Bit()); }
    ~PrintToPdf() { qunsetenv(kPrintToPdfVariable); }
};

const QString kUnwritable = QStringLiteral("/nonexistent-folder/printed.pdf");

}  // namespace

class TestReportFlows : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { orbista::installReportFonts(); }
    void printingFromPreviewSettlesTheScreen();
    void closingThePreviewLeavesButtonsEnabled();
    void previewErrorsSayPrintFailed_data();
    void previewErrorsSayPrintFailed();
    void directPrintSettlesTheScreen();
    void directPrintErrorSaysPrintFailed();
    void choiceOfLayout_data();
    void choiceOfLayout();
    void questionFirst_data();
    void questionFirst();
    void previewAndPrintWithoutFlag();
};

void TestReportFlows::printingFromPreviewSettlesTheScreen() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    PrintToPdf printTo(pdf);
    ScriptedPrompter prompts;
    prompts.answerPreview(ScriptedPrompter::PreviewAction::Print);
    Screen screen;
    int earlierCallback = 0;
    screen.report.onAfterPrint([&] { ++earlierCallback; });
    PrintedFlagFlow flow = screen.flow();

    QVERIFY(flow.previewThenSettle(&screen.window));
    QVERIFY(flow.printed());
    QVERIFY(screen.settled());
    QCOMPARE(earlierCallback, 1);
    QCOMPARE(prompts.records().size(), 1);
    QCOMPARE(prompts.last().kind, QStringLiteral("preview"));
    QCOMPARE(prompts.last().pages, 1);
    QCOMPARE(prompts.printResults, QList<bool>{true});
    QVERIFY(QFile(pdf).size() > 0);
}

void TestReportFlows::closingThePreviewLeavesButtonsEnabled() {
    ScriptedPrompter prompts;
    prompts.answerPreview(ScriptedPrompter::PreviewAction::Close);
    Screen screen;
    PrintedFlagFlow flow = screen.flow();
    QVERIFY(!flow.previewThenSettle(&screen.window));
    QVERIFY(screen.untouched());
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("测试医院药库药品出库报表")});
}

void TestReportFlows::previewErrorsSayPrintFailed_data() {
    QTest::addColumn<bool>("handlerThrows");
    QTest::newRow("print-time handler throws") << true;
    QTest::newRow("printing fails") << false;
}

void TestReportFlows::previewErrorsSayPrintFailed() {
    QFETCH(bool, handlerThrows);
    PrintToPdf printTo(kUnwritable);
    ScriptedPrompter prompts;
    prompts.answerPreview(ScriptedPrompter::PreviewAction::Print);
    Screen screen;
    if (handlerThrows) {
        screen.report.item(QStringLiteral("total"))->onPrint([](QString&) {
            throw std::runtime_error("handler failed");
        });
    }
    PrintedFlagFlow flow = screen.flow();
    QVERIFY(!flow.previewThenSettle(&screen.window));
    QVERIFY(screen.settled());
    const auto& box = prompts.last();
    QCOMPARE(box.kind, QStringLiteral("message"));
    QCOMPARE(box.text, QStringLiteral("打印出错!"));
    QCOMPARE(box.title, QStringLiteral("错误信息"));
    QCOMPARE(box.icon, PromptIcon::None);
}

void TestReportFlows::directPrintSettlesTheScreen() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("direct.pdf"));
    PrintToPdf printTo(pdf);
    ScriptedPrompter prompts;
    Screen screen;
    PrintedFlagFlow flow = screen.flow();
    QVERIFY(flow.printThenSettle(&screen.window));
    QVERIFY(flow.printed());
    QVERIFY(screen.settled());
    QVERIFY(prompts.records().isEmpty());
    QVERIFY(QFile(pdf).size() > 0);
}

void TestReportFlows::directPrintErrorSaysPrintFailed() {
    PrintToPdf printTo(kUnwritable);
    ScriptedPrompter prompts;
    Screen screen;
    PrintedFlagFlow flow = screen.flow();
    flow.setErrorTitle(QStringLiteral("系统错误"));
    QVERIFY(!flow.printThenSettle(&screen.window));
    QVERIFY(!flow.printed());
    QVERIFY(screen.settled());
    QCOMPARE(prompts.texts(), QStringList{QStringLiteral("打印出错!")});
    QCOMPARE(prompts.last().title, QStringLiteral("系统错误"));
}

void TestReportFlows::choiceOfLayout_data() {
    QTest::addColumn<QVariant>("typed");  // null: cancelled
    QTest::addColumn<QString>("previewed");
    QTest::addColumn<QString>("message");
    QTest::newRow("d: detail") << QVariant(QStringLiteral("d")) << "明细表"
                               << "";
    QTest::newRow("s: summary") << QVariant(QStringLiteral("s")) << "汇总表"
                                << "";
    QTest::newRow("capital D refused") << QVariant(QStringLiteral("D")) << ""
                                       << "无效的输入";
    QTest::newRow("empty refused") << QVariant(QString()) << ""
                                   << "无效的输入";
    QTest::newRow("cancelled") << QVariant() << ""
                               << "";
}

void TestReportFlows::choiceOfLayout() {
    QFETCH(QVariant, typed);
    QFETCH(QString, previewed);
    QFETCH(QString, message);
    ScriptedPrompter prompts;
    prompts.answerInput(typed.isNull() ? std::nullopt : std::optional<QString>(typed.toString()));
    auto rows = statisticsRows();
    ReportLayout detail;
    ReportLayout summary;
    buildLayout(detail, QStringLiteral("明细表"));
    buildLayout(summary, QStringLiteral("汇总表"));
    detail.bind(rows.get());
    QString filled;
    const bool shown = chooseAndPreview(
        nullptr,
        {{QStringLiteral("s"), &summary, [&] { filled = QStringLiteral("s"); }},
         {QStringLiteral("d"), &detail, [&] { filled = QStringLiteral("d"); }}},
        QStringLiteral("请输入要打印的类型"), QStringLiteral("打印类型选择(s汇总表）（D明细表）"));

    QCOMPARE(shown, !previewed.isEmpty());
    QCOMPARE(prompts.records().first().kind, QStringLiteral("input"));
    QCOMPARE(prompts.records().first().title, QStringLiteral("请输入要打印的类型"));
    if (!previewed.isEmpty()) {
        QCOMPARE(prompts.last().kind, QStringLiteral("preview"));
        QCOMPARE(prompts.last().title, previewed);
        QCOMPARE(filled, typed.toString());
    } else if (!message.isEmpty()) {
        QCOMPARE(prompts.last().kind, QStringLiteral("simple"));
        QCOMPARE(prompts.last().text, message);
        QVERIFY(filled.isEmpty());
    } else {
        QCOMPARE(prompts.records().size(), 1);
    }
}

void TestReportFlows::questionFirst_data() {
    QTest::addColumn<bool>("yes");
    QTest::newRow("yes previews") << true;
    QTest::newRow("no does nothing") << false;
}

void TestReportFlows::questionFirst() {
    QFETCH(bool, yes);
    ScriptedPrompter prompts;
    prompts.answer(yes ? PromptAnswer::Yes : PromptAnswer::No);
    auto rows = statisticsRows();
    ReportLayout r;
    buildLayout(r, QStringLiteral("医生汇总表"));
    r.bind(rows.get());
    bool filled = false;
    QCOMPARE(askThenPreview(nullptr, r, QStringLiteral("要打印吗？请插入打印纸"),
                            QStringLiteral("医生汇总表"), [&] { filled = true; }),
             yes);
    QCOMPARE(filled, yes);
    QCOMPARE(prompts.records().first().text, QStringLiteral("要打印吗？请插入打印纸"));
    QCOMPARE(prompts.records().first().buttons, orbista::PromptButtons::YesNo);
    QCOMPARE(prompts.records().size(), yes ? 2 : 1);
    QCOMPARE(prompts.last().kind, yes ? QStringLiteral("preview") : QStringLiteral("message"));
    QVERIFY(!rows->eof() || yes);  // only a preview walks the rows
}

void TestReportFlows::previewAndPrintWithoutFlag() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("plain.pdf"));
    ScriptedPrompter prompts;
    auto rows = statisticsRows();
    ReportLayout r;
    buildLayout(r, QStringLiteral("病人住院收入报表"));
    int printed = 0;
    r.bind(rows.get()).onAfterPrint([&] { ++printed; });

    previewReport(nullptr, r);
    QCOMPARE(prompts.last().kind, QStringLiteral("preview"));
    QCOMPARE(printed, 0);
    {
        PrintToPdf printTo(pdf);
        printReport(nullptr, r);
    }
    QCOMPARE(printed, 1);
    QVERIFY(QFile(pdf).size() > 0);
    {
        PrintToPdf printTo(kUnwritable);
        QVERIFY_THROWS_EXCEPTION(ReportError, printReport(nullptr, r));
    }
    QCOMPARE(printed, 1);
}

QTEST_MAIN(TestReportFlows)
#include "tst_report_flows.moc"
