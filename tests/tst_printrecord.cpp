#include "paginator.h"
#include "printrecord.h"
#include "reportflows.h"
#include "reportkit.h"
#include "reportlayout.h"
#include "reportoutput.h"
#include "reportpreview.h"
#include "resultset.h"

#include "fonts.h"
#include "prompts.h"
#include "session.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPushButton>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace orbista::report;
using orbista::PromptIcon;
using orbista::ResultSet;
using orbista::ScriptedPrompter;
using orbista::Session;

namespace orbista {

// Stands in for an outpatient query screen: the record names the window's class.
class Tfrmmz_query_cost_total : public QDialog {
    Q_OBJECT
  public:
    Tfrmmz_query_cost_total() {
        setProperty("printFilters", QVariantMap{{QStringLiteral("start"), "2024-03-01"},
                                                {QStringLiteral("end"), "2024-03-31"}});
    }
    QPushButton* print = new QPushButton(QStringLiteral("打印(&P)"), this);
};

}  // namespace orbista

namespace {

const QString kTitle = QStringLiteral("门诊费用汇总表");

std::unique_ptr<ResultSet> costRows() {
    return ResultSet::fromRows(
        {"item", "money"}, {{QStringLiteral("挂号费"), 0.10}, {QStringLiteral("诊查费"), 0.20}});
}

void buildLayout(ReportLayout& r) {
    r.page(PageSize::A4).title(kTitle);
    r.band(BandKind::Title, 12).text(kTitle, 0, 0, 190, 8);
    r.band(BandKind::Detail, 6).field(QStringLiteral("item"), 0, 0, 50, 6);
    r.band(BandKind::Summary, 8)
        .expression(QStringLiteral("SUM(q.money)"), 50, 0, 40, 6)
        .name(QStringLiteral("total"))
        .mask(kMoneyMask);
}

// Points printing at a PDF file for the life of the object.
struct PrintToPdf {
    explicit PrintToPdf(const QString& path) { qputenv(kPrintToPdfVariable, path.toLocal8Bit()); }
    ~PrintToPdf() { qunsetenv(kPrintToPdfVariable); }
};

// The log in a folder of its own for the life of the object.
struct LogFolder {
    QTemporaryDir dir;
    LogFolder() { setPrintLogDirectory(dir.path()); }
    ~LogFolder() { setPrintLogDirectory(QString()); }
    QString pdf() const { return dir.filePath(QStringLiteral("printed.pdf")); }
    QList<QJsonObject> lines() const {
        QList<QJsonObject> out;
        QFile file(printLogPath());
        if (!file.open(QIODevice::ReadOnly)) {
            return out;
        }
        const QByteArray text = file.readAll();
        for (const QByteArray& line : text.split('\n')) {
            if (line.isEmpty()) {
                continue;
            }
            QJsonParseError error;
            const QJsonDocument json = QJsonDocument::fromJson(line, &error);
            if (error.error != QJsonParseError::NoError || !json.isObject()) {
                qWarning() << "not a JSON object:" << line;
                return {};
            }
            out << json.object();
        }
        // Every record ends its line, the last one included.
        return text.endsWith('\n') ? out : QList<QJsonObject>{};
    }
};

QJsonObject filtersJson(std::initializer_list<std::pair<QString, QString>> values) {
    QJsonObject out;
    for (const auto& [key, value] : values) {
        out.insert(key, value);
    }
    return out;
}

// Prints from the real preview window `times` times, then closes it, once it opens.
void printFromPreviewWindowSoon(int times) {
    QTimer::singleShot(0, [times] {
        auto* window = qobject_cast<ReportPreviewDialog*>(QApplication::activeModalWidget());
        QVERIFY(window);
        for (int i = 0; i < times; ++i) {
            window->printWithDialog();
        }
        window->accept();
    });
}

}  // namespace

class TestPrintRecord : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() {
        orbista::installReportFonts();
        Session::current().operatorName = QStringLiteral("张会计");
    }
    void cleanupTestCase() { Session::current().clear(); }
    void printFromPreviewIsRecorded();
    void everyPrintAppendsOneLine_data();
    void everyPrintAppendsOneLine();
    void unwritableLogWarnsAndThePrintStands_data();
    void unwritableLogWarnsAndThePrintStands();
    void recordContextWinsOverTheWindow();
    void recordRoundTripsAsOneJsonLine();
    void grandTotalIsThePrintedSummaryTotal_data();
    void grandTotalIsThePrintedSummaryTotal();
};

void TestPrintRecord::printFromPreviewIsRecorded() {
    LogFolder log;
    PrintToPdf printTo(log.pdf());
    ScriptedPrompter prompts;
    prompts.answerPreview(ScriptedPrompter::PreviewAction::Print);
    orbista::Tfrmmz_query_cost_total screen;
    auto rows = costRows();
    ReportLayout report;
    buildLayout(report);
    report.bind(rows.get());
    int afterPrint = 0;
    report.onAfterPrint([&] { ++afterPrint; });

    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    previewReport(screen.print, report);  // a button of the screen: the record names its window
    const QDateTime after = QDateTime::currentDateTime().addSecs(1);

    QCOMPARE(prompts.printResults, QList<bool>{true});
    QCOMPARE(afterPrint, 1);
    QCOMPARE(prompts.records().size(), 1);  // the preview; no warning
    const QList<QJsonObject> lines = log.lines();
    QCOMPARE(lines.size(), 1);
    const QJsonObject& line = lines.first();
    QCOMPARE(line.keys(), (QStringList{"filters", "operator", "output", "pages", "printout",
                                       "screen", "time", "total"}));
    const QDateTime at = QDateTime::fromString(line.value("time").toString(), Qt::ISODate);
    QVERIFY2(at >= before && at <= after, qPrintable(line.value("time").toString()));
    QCOMPARE(line.value("operator").toString(), QStringLiteral("张会计"));
    QCOMPARE(line.value("screen").toString(), QStringLiteral("Tfrmmz_query_cost_total"));
    QCOMPARE(line.value("printout").toString(), kTitle);
    QCOMPARE(line.value("filters").toObject(),
             filtersJson({{"start", "2024-03-01"}, {"end", "2024-03-31"}}));
    QCOMPARE(line.value("pages").toInt(-1), 1);
    QCOMPARE(line.value("total").toString(), QStringLiteral("0.30"));
    QCOMPARE(line.value("output").toString(),
             QStringLiteral("pdf: ") +
                 QDir::toNativeSeparators(QFileInfo(log.pdf()).absoluteFilePath()));
}

void TestPrintRecord::everyPrintAppendsOneLine_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<int>("lines");
    QTest::newRow("preview closed without printing") << QStringList{"close"} << 0;
    QTest::newRow("preview printed") << QStringList{"print"} << 1;
    QTest::newRow("two previews printed") << QStringList{"print", "print"} << 2;
    QTest::newRow("printed, closed, printed") << QStringList{"print", "close", "print"} << 2;
    QTest::newRow("direct print") << QStringList{"direct"} << 1;
    QTest::newRow("printed-flag screen, direct") << QStringList{"flag direct"} << 1;
    QTest::newRow("printed-flag screen, preview") << QStringList{"flag print"} << 1;
    QTest::newRow("preview window printing twice") << QStringList{"window x2"} << 2;
    QTest::newRow("preview window closed") << QStringList{"window x0"} << 0;
}

void TestPrintRecord::everyPrintAppendsOneLine() {
    QFETCH(QStringList, steps);
    QFETCH(int, lines);
    LogFolder log;
    PrintToPdf printTo(log.pdf());
    orbista::Tfrmmz_query_cost_total screen;
    auto rows = costRows();
    ReportLayout report;
    buildLayout(report);
    report.bind(rows.get());

    for (const QString& step : steps) {
        if (step.startsWith(u"window")) {
            // The real preview window, which prints by itself.
            printFromPreviewWindowSoon(step.back().digitValue());
            previewReport(&screen, report);
            continue;
        }
        ScriptedPrompter prompts;
        if (step == u"direct") {
            printReport(&screen, report);
        } else if (step.startsWith(u"flag")) {
            PrintedFlagFlow flow(report, {}, {});
            if (step.endsWith(u"direct")) {
                QVERIFY(flow.printThenSettle(&screen));
            } else {
                prompts.answerPreview(ScriptedPrompter::PreviewAction::Print);
                QVERIFY(flow.previewThenSettle(&screen));
            }
            report.bind(rows.get());
        } else {
            prompts.answerPreview(step == u"print" ? ScriptedPrompter::PreviewAction::Print
                                                   : ScriptedPrompter::PreviewAction::Close);
            previewReport(&screen, report);
        }
        for (const auto& asked : prompts.records()) {
            QVERIFY2(asked.kind != u"message", qPrintable(asked.text));  // no warning
        }
    }

    const QList<QJsonObject> records = log.lines();
    QCOMPARE(records.size(), lines);
    for (const QJsonObject& record : records) {
        QCOMPARE(record.value("screen").toString(), QStringLiteral("Tfrmmz_query_cost_total"));
        QCOMPARE(record.value("total").toString(), QStringLiteral("0.30"));
    }
}

void TestPrintRecord::unwritableLogWarnsAndThePrintStands_data() {
    QTest::addColumn<bool>("fromPreview");
    QTest::newRow("print from the preview") << true;
    QTest::newRow("direct print") << false;
}

void TestPrintRecord::unwritableLogWarnsAndThePrintStands() {
    QFETCH(bool, fromPreview);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    PrintToPdf printTo(pdf);
    // A folder under a plain file cannot exist, whoever runs the test.
    const QString notAFolder = dir.filePath(QStringLiteral("plain-file"));
    {
        QFile plain(notAFolder);
        QVERIFY(plain.open(QIODevice::WriteOnly));
    }
    setPrintLogDirectory(notAFolder + QStringLiteral("/logs"));
    const auto restore = qScopeGuard([] { setPrintLogDirectory(QString()); });

    ScriptedPrompter prompts;
    orbista::Tfrmmz_query_cost_total screen;
    auto rows = costRows();
    ReportLayout report;
    buildLayout(report);
    report.bind(rows.get());
    int afterPrint = 0;
    report.onAfterPrint([&] { ++afterPrint; });

    if (fromPreview) {
        prompts.answerPreview(ScriptedPrompter::PreviewAction::Print);
        previewReport(&screen, report);
        QCOMPARE(prompts.printResults, QList<bool>{true});
    } else {
        printReport(&screen, report);  // does not throw
    }
    QCOMPARE(afterPrint, 1);
    QVERIFY(QFile(pdf).size() > 0);
    const auto& box = prompts.last();
    QCOMPARE(box.kind, QStringLiteral("message"));
    QCOMPARE(box.title, QStringLiteral("系统提示"));
    QCOMPARE(box.icon, PromptIcon::Warning);
    QCOMPARE(box.buttons, orbista::PromptButtons::Ok);
    QVERIFY2(box.text.contains(QDir::toNativeSeparators(printLogPath())), qPrintable(box.text));
}

void TestPrintRecord::recordContextWinsOverTheWindow() {
    LogFolder log;
    PrintToPdf printTo(log.pdf());
    ScriptedPrompter prompts;
    prompts.answerPreview(ScriptedPrompter::PreviewAction::Print);
    QDialog window;  // an ordinary window with filters of its own
    window.setProperty("printFilters", QVariantMap{{QStringLiteral("start"), "2020-01-01"}});
    auto rows = costRows();
    ReportLayout report;
    buildLayout(report);
    report.bind(rows.get());
    report.setRecordContext(QStringLiteral("Tfrmmz_query_cost_total"), QStringLiteral("d"),
                            {{QStringLiteral("start"), QStringLiteral("2024-03-01")},
                             {QStringLiteral("dept"), QStringLiteral("内科")}});

    previewReport(&window, report);

    const QList<QJsonObject> lines = log.lines();
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines.first().value("screen").toString(), QStringLiteral("Tfrmmz_query_cost_total"));
    QCOMPARE(lines.first().value("printout").toString(), QStringLiteral("d"));
    QCOMPARE(lines.first().value("filters").toObject(),
             filtersJson({{"start", "2024-03-01"}, {"dept", "内科"}}));
}

void TestPrintRecord::recordRoundTripsAsOneJsonLine() {
    LogFolder log;
    PrintRecord tricky;
    tricky.at = QDateTime(QDate(2024, 3, 5), QTime(8, 9, 10, 500));
    tricky.operatorName = QStringLiteral("王\"小\"明\\");
    tricky.screen = QStringLiteral("Tfrm_export");
    tricky.printout = QStringLiteral("门诊\n收费\t汇总");
    tricky.filters = {{QStringLiteral("start"), QStringLiteral("2024-03-01")}};
    tricky.pages = 12;
    tricky.output = QStringLiteral("xlsx: C:\\报表\\门诊.xlsx");
    PrintRecord plain;  // time left to the moment of writing; nothing else said

    QCOMPARE(appendPrintRecord(tricky), QString());
    QCOMPARE(appendPrintRecord(plain), QString());

    const QList<QJsonObject> lines = log.lines();
    QCOMPARE(lines.size(), 2);
    const QJsonObject& first = lines[0];
    QCOMPARE(first.value("time").toString(), QStringLiteral("2024-03-05T08:09:10"));
    QCOMPARE(first.value("operator").toString(), tricky.operatorName);
    QCOMPARE(first.value("printout").toString(), tricky.printout);
    QCOMPARE(first.value("filters").toObject(), filtersJson({{"start", "2024-03-01"}}));
    QCOMPARE(first.value("pages").toInt(-1), 12);
    QCOMPARE(first.value("total").toString(QStringLiteral("absent")), QString());
    QCOMPARE(first.value("output").toString(), tricky.output);
    QVERIFY(QDateTime::fromString(lines[1].value("time").toString(), Qt::ISODate).isValid());
    QCOMPARE(lines[1].value("filters").toObject(), QJsonObject());
}

void TestPrintRecord::grandTotalIsThePrintedSummaryTotal_data() {
    QTest::addColumn<QStringList>("summaryItems");  // names of the summary's sums, in order
    QTest::addColumn<int>("rowCount");
    QTest::addColumn<QString>("total");
    // Each sum named here totals the rows' money (0.10 each) times its position (1, 2, ...).
    QTest::newRow("total") << QStringList{"total"} << 3 << "0.30";
    QTest::newRow("total over the kit's sums")
        << QStringList{"sum_a", "total", "sum_c"} << 3 << "0.60";
    QTest::newRow("last of the kit's sums") << QStringList{"sum_a", "sum_b", ""} << 3 << "0.60";
    QTest::newRow("last page of many") << QStringList{"total"} << 120 << "12.00";
    QTest::newRow("unnamed sums only") << QStringList{"", "other"} << 3 << "";
    QTest::newRow("no summary") << QStringList{} << 3 << "";
}

void TestPrintRecord::grandTotalIsThePrintedSummaryTotal() {
    QFETCH(QStringList, summaryItems);
    QFETCH(int, rowCount);
    QFETCH(QString, total);
    QList<QVariantList> data;
    for (int i = 0; i < rowCount; ++i) {
        data.append({QStringLiteral("项目%1").arg(i), 0.10});
    }
    auto rows = ResultSet::fromRows({"item", "money"}, data);
    ReportLayout report;
    report.page(PageSize::A4).title(kTitle);
    report.band(BandKind::Detail, 6).field(QStringLiteral("item"), 0, 0, 50, 6);
    report.band(BandKind::PageFooter, 8).system(SystemData::PageNumber, 0, 0, 40, 6);
    if (!summaryItems.isEmpty()) {
        Band& summary = report.band(BandKind::Summary, 8);
        for (int i = 0; i < summaryItems.size(); ++i) {
            ReportItem& sum =
                summary
                    .expression(QStringLiteral("SUM(q.money) * %1").arg(i + 1), 40.0 * i, 0, 40, 6)
                    .mask(kMoneyMask);
            if (!summaryItems[i].isEmpty()) {
                sum.name(summaryItems[i]);
            }
        }
    }
    report.bind(rows.get());
    const ReportDocument document = paginate(report);
    QVERIFY(document.pageCount() >= (rowCount > 100 ? 2 : 1));
    QCOMPARE(grandTotalText(report, document), total);
}

QTEST_MAIN(TestPrintRecord)
#include "tst_printrecord.moc"
