#include "pagepainter.h"
#include "paginator.h"
#include "reporterror.h"
#include "reportexport.h"
#include "reportlayout.h"
#include "reportoutput.h"
#include "reportpreview.h"
#include "resultset.h"

#include "fonts.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace orbista::report;
using orbista::ResultSet;

namespace {

const QString kTitle = QStringLiteral("测试医院药库药品出库报表");

std::unique_ptr<ResultSet> issueRows() {
    return ResultSet::fromRows(
        {QStringLiteral("depa_name"), QStringLiteral("pfmoney"), QStringLiteral("num")},
        {{QStringLiteral("内科门诊"), 1000.25, 3},
         {QStringLiteral("外科病房"), 234.25, 4},
         {QStringLiteral("药剂科, \"西药\""), QVariant(), 5}});
}

void buildIssueLayout(ReportLayout& r) {
    r.page(PageSize::Letter).title(kTitle);
    r.band(BandKind::PageHeader, 16)
        .label(QStringLiteral("QRLabel1"), 0, 2, 190, 8)
        .font(QStringLiteral("宋体"), 16, true)
        .alignCenter();
    r.band(BandKind::ColumnHeader, 8)
        .text(QStringLiteral("领药部门"), 0, 1, 60, 6)
        .frame(Side::All);
    auto& d = r.band(BandKind::Detail, 6);
    d.field(QStringLiteral("depa_name"), 0, 0, 60, 6).frame(Side::All);
    d.field(QStringLiteral("pfmoney"), 60, 0, 40, 6).mask(QStringLiteral("0.00")).alignRight();
    auto& s = r.band(BandKind::Summary, 10);
    s.text(QStringLiteral("合计金额"), 0, 2, 30, 6);
    s.expression(QStringLiteral("sum(tongji.pfmoney)"), 60, 2, 40, 6)
        .mask(QStringLiteral("###,###,##0.00"))
        .alignRight();
    r.band(BandKind::PageFooter, 8).system(SystemData::PageOfPages, 70, 1, 60, 6);
    r.setCaption(QStringLiteral("QRLabel1"), kTitle);
}

QString runTool(const QString& tool, const QStringList& args) {
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty()) {
        return QStringLiteral("<%1 missing: install poppler-utils>").arg(tool);
    }
    QProcess p;
    p.start(exe, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

class TestReportOutput : public QObject {
    Q_OBJECT
  private Q_SLOTS:
    void initTestCase() { orbista::installReportFonts(); }
    void pdfKeepsChineseTextAndEmbedsFonts();
    void pdfPagesFollowTheLayoutsPaper_data();
    void pdfPagesFollowTheLayoutsPaper();
    void pageImageShowsTheText();
    void csvHasBomAndChineseText();
    void xlsxIsAWorkbook();
    void unwritablePathsAreReported_data();
    void unwritablePathsAreReported();
    void previewWindowNavigatesAndZooms();
    void previewWindowPrintsAndNotifies();
    void previewWindowExports_data();
    void previewWindowExports();
};

void TestReportOutput::pdfKeepsChineseTextAndEmbedsFonts() {
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    auto rows = issueRows();
    ReportLayout r;
    buildIssueLayout(r);
    r.bind(rows.get());
    const QString pdf = dir.filePath(QStringLiteral("issues.pdf"));
    writePdf(paginate(r), pdf);

    const QString text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    QVERIFY2(text.contains(kTitle), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("合计金额")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("1,234.50")), qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("内科门诊")), qPrintable(text));
    // pdftotext drops the blanks between Chinese characters.
    QVERIFY2(QString(text).remove(u' ').contains(QStringLiteral("第1页/共1页")), qPrintable(text));

    // pdffonts: name type encoding emb sub uni object ID; every font embedded.
    const QStringList fontLines =
        runTool(QStringLiteral("pdffonts"), {pdf}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    QVERIFY(!fontLines.isEmpty());
    for (const QString& line : fontLines) {
        QVERIFY2(line.contains(QStringLiteral("WenQuanYi")), qPrintable(line));
        const QStringList fields = line.simplified().split(u' ');
        QVERIFY2(fields.size() >= 7 && fields[fields.size() - 5] == u"yes", qPrintable(line));
    }
}

void TestReportOutput::pdfPagesFollowTheLayoutsPaper_data() {
    QTest::addColumn<int>("size");
    QTest::addColumn<bool>("landscape");
    QTest::addColumn<QString>("points");
    QTest::newRow("A4 portrait") << int(PageSize::A4) << false << "595 x 842 pts (A4)";
    QTest::newRow("Letter landscape") << int(PageSize::Letter) << true << "792 x 612 pts (letter)";
    QTest::newRow("custom 550 x 297") << int(PageSize::Custom) << false << "1559 x 842 pts";
}

void TestReportOutput::pdfPagesFollowTheLayoutsPaper() {
    QFETCH(int, size);
    QFETCH(bool, landscape);
    QFETCH(QString, points);
    QTemporaryDir dir;
    ReportLayout r;
    const Orientation o = landscape ? Orientation::Landscape : Orientation::Portrait;
    if (size == int(PageSize::Custom)) {
        r.customPage(550, 297, o);
    } else {
        r.page(static_cast<PageSize>(size), o);
    }
    r.band(BandKind::Title, 10).text(QStringLiteral("标题"), 0, 0, 50, 8);
    const QString pdf = dir.filePath(QStringLiteral("paper.pdf"));
    writePdf(paginate(r), pdf);
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    QVERIFY2(info.contains(QStringLiteral("Page size:       %1").arg(points)), qPrintable(info));
}

void TestReportOutput::pageImageShowsTheText() {
    ReportLayout r;
    buildIssueLayout(r);
    const ReportDocument doc = paginate(r);
    const QImage image = renderPageImage(doc.pages[0], 96);
    QCOMPARE(image.width(), 816);  // 8.5 in at 96 dpi
    // The centred title darkens pixels in its strip at the top of the page.
    int dark = 0;
    for (int y = 40; y < 80; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    QVERIFY2(dark > 100, qPrintable(QString::number(dark)));
}

void TestReportOutput::csvHasBomAndChineseText() {
    QTemporaryDir dir;
    auto rows = issueRows();
    const QString path = dir.filePath(QStringLiteral("rows.csv"));
    exportCsv(*rows, path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QString text = QString::fromUtf8(bytes.mid(3));
    const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines[0], QStringLiteral("depa_name,pfmoney,num"));
    QCOMPARE(lines[1], QStringLiteral("内科门诊,1000.25,3"));
    QCOMPARE(lines[3], QStringLiteral("\"药剂科, \"\"西药\"\"\",,5"));
}

void TestReportOutput::xlsxIsAWorkbook() {
    QTemporaryDir dir;
    auto rows = issueRows();
    const QString path = dir.filePath(QStringLiteral("rows.xlsx"));
    exportXlsx(*rows, path, kTitle);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(bytes.size() > 1000);
    QVERIFY(bytes.startsWith("PK"));
}

void TestReportOutput::unwritablePathsAreReported_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("pdf") << "pdf";
    QTest::newRow("csv") << "csv";
    QTest::newRow("xlsx") << "xlsx";
}

void TestReportOutput::unwritablePathsAreReported() {
    QFETCH(QString, kind);
    auto rows = issueRows();
    ReportLayout r;
    buildIssueLayout(r);
    r.bind(rows.get());
    const QString path = QStringLiteral("/nonexistent-folder/out.") + kind;
    const ReportDocument doc = paginate(r);
    if (kind == u"pdf") {
        QVERIFY_THROWS_EXCEPTION(ReportError, writePdf(doc, path));
    } else if (kind == u"csv") {
        QVERIFY_THROWS_EXCEPTION(ReportError, exportCsv(*rows, path));
    } else {
        QVERIFY_THROWS_EXCEPTION(ReportError, exportXlsx(*rows, path));
    }
}

void TestReportOutput::previewWindowNavigatesAndZooms() {
    QList<QVariantList> data;
    for (int i = 0; i < 120; ++i) {
        data.append({QStringLiteral("部门%1").arg(i), 1.0, i});
    }
    auto rows = ResultSet::fromRows({"depa_name", "pfmoney", "num"}, data);
    ReportLayout r;
    buildIssueLayout(r);
    r.zoom(60).bind(rows.get());
    const ReportDocument doc = paginate(r);
    QCOMPARE(doc.pageCount(), 4);
    ReportPreviewDialog dialog(doc, r);
    QCOMPARE(dialog.windowTitle(), kTitle);
    QCOMPARE(dialog.zoomPercent(), 60);
    QCOMPARE(dialog.currentPage(), 0);
    dialog.previousPage();
    QCOMPARE(dialog.currentPage(), 0);
    dialog.nextPage();
    QCOMPARE(dialog.currentPage(), 1);
    dialog.lastPage();
    QCOMPARE(dialog.currentPage(), 3);
    dialog.nextPage();
    QCOMPARE(dialog.currentPage(), 3);
    dialog.firstPage();
    QCOMPARE(dialog.currentPage(), 0);
    dialog.setZoomPercent(100);
    QCOMPARE(dialog.zoomPercent(), 100);
    dialog.show();
    dialog.fitWidth();
    QVERIFY(dialog.zoomPercent() > 10);
    QVERIFY(!dialog.grab().isNull());  // paints without trouble
}

void TestReportOutput::previewWindowPrintsAndNotifies() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("printed.pdf"));
    qputenv(kPrintToPdfVariable, pdf.toLocal8Bit());
    auto rows = issueRows();
    ReportLayout r;
    buildIssueLayout(r);
    int notified = 0;
    r.bind(rows.get()).onAfterPrint([&] { ++notified; });
    const ReportDocument doc = paginate(r);
    ReportPreviewDialog dialog(doc, r);
    dialog.printWithDialog();
    qunsetenv(kPrintToPdfVariable);
    QVERIFY(dialog.printed());
    QVERIFY(dialog.printError().isEmpty());
    QCOMPARE(notified, 1);
    QVERIFY(QFile(pdf).size() > 0);
}

void TestReportOutput::previewWindowExports_data() {
    QTest::addColumn<QString>("suffix");
    QTest::addColumn<QByteArray>("signature");
    QTest::newRow("pdf") << "pdf" << QByteArray("%PDF");
    QTest::newRow("xlsx") << "xlsx" << QByteArray("PK");
    QTest::newRow("csv") << "csv" << QByteArray("\xEF\xBB\xBF");
}

void TestReportOutput::previewWindowExports() {
    QFETCH(QString, suffix);
    QFETCH(QByteArray, signature);
    QTemporaryDir dir;
    auto rows = issueRows();
    ReportLayout r;
    buildIssueLayout(r);
    r.bind(rows.get());
    const ReportDocument doc = paginate(r);
    ReportPreviewDialog dialog(doc, r);
    const QString path = dir.filePath(QStringLiteral("export.") + suffix);
    dialog.exportTo(path);
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QVERIFY(f.readAll().startsWith(signature));
    QVERIFY_THROWS_EXCEPTION(ReportError, dialog.exportTo(dir.filePath(QStringLiteral("x.doc"))));
}

QTEST_MAIN(TestReportOutput)
#include "tst_report_output.moc"
