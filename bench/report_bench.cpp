// Times the report engine on a large statistics report: pagination of 100,000 detail rows
// with a running total, then writing every page to PDF. Prints both times and the peak
// resident memory. Usage: report_bench [rows] [output.pdf]

#include "fonts.h"
#include "paginator.h"
#include "reportlayout.h"
#include "reportoutput.h"
#include "resultset.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

using namespace orbista::report;

namespace {

// Peak resident set size in MB from /proc/self/status (VmHWM), or -1.
double peakRssMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return -1;
    }
    QTextStream in(&status);
    for (QString line = in.readLine(); !line.isNull(); line = in.readLine()) {
        if (line.startsWith(QStringLiteral("VmHWM:"))) {
            return line.mid(6).trimmed().section(u' ', 0, 0).toDouble() / 1024.0;
        }
    }
    return -1;
}

std::unique_ptr<orbista::ResultSet> chargeRows(int count) {
    const QStringList names = {QStringLiteral("挂号费"), QStringLiteral("诊查费"),
                               QStringLiteral("化验费"), QStringLiteral("西药费"),
                               QStringLiteral("中药费"), QStringLiteral("检查费")};
    QList<QVariantList> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        rows.append({QStringLiteral("%1").arg(i + 1, 8, 10, QLatin1Char('0')),
                     names[i % names.size()], QStringLiteral("内科门诊"),
                     QStringLiteral("%1.%2").arg(i % 1000).arg(i % 100, 2, 10, QLatin1Char('0'))});
    }
    return orbista::ResultSet::fromRows({QStringLiteral("code"), QStringLiteral("fyname"),
                                         QStringLiteral("fydepa"), QStringLiteral("fyprice")},
                                        rows);
}

void buildLayout(ReportLayout& r) {
    r.page(PageSize::A4).title(QStringLiteral("测试医院门诊收费明细表"));
    r.band(BandKind::Title, 16)
        .text(QStringLiteral("测试医院门诊收费明细表"), 0, 2, 190, 10)
        .font(QStringLiteral("宋体"), 16, true)
        .alignCenter();
    auto& header = r.band(BandKind::ColumnHeader, 8);
    header.text(QStringLiteral("发票号"), 0, 1, 40, 7).frame(Side::All);
    header.text(QStringLiteral("费用名称"), 40, 1, 50, 7).frame(Side::All);
    header.text(QStringLiteral("费用部门"), 90, 1, 50, 7).frame(Side::All);
    header.text(QStringLiteral("费用总价"), 140, 1, 50, 7).frame(Side::All).alignRight();
    auto& detail = r.band(BandKind::Detail, 6);
    detail.field(QStringLiteral("code"), 0, 0, 40, 6).frame(Side::Left | Side::Bottom);
    detail.field(QStringLiteral("fyname"), 40, 0, 50, 6).frame(Side::Left | Side::Bottom);
    detail.field(QStringLiteral("fydepa"), 90, 0, 50, 6).frame(Side::Left | Side::Bottom);
    detail.field(QStringLiteral("fyprice"), 140, 0, 50, 6)
        .mask(QStringLiteral("###,###,##0.00"))
        .alignRight()
        .frame(Side::Left | Side::Right | Side::Bottom);
    auto& summary = r.band(BandKind::Summary, 10);
    summary.text(QStringLiteral("合计:"), 0, 2, 30, 6);
    summary.expression(QStringLiteral("SUM(ado_cost.fyprice)"), 140, 2, 50, 6)
        .mask(QStringLiteral("###,###,##0.00"))
        .alignRight();
    r.band(BandKind::PageFooter, 8).system(SystemData::PageOfPages, 70, 1, 50, 6).alignCenter();
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int rowCount = args.size() > 1 ? args[1].toInt() : 100000;
    const QString pdfPath =
        args.size() > 2 ? args[2] : QDir::temp().filePath(QStringLiteral("report_bench.pdf"));
    orbista::installReportFonts();

    auto rows = chargeRows(rowCount);
    ReportLayout layout;
    buildLayout(layout);
    layout.bind(rows.get());

    QElapsedTimer timer;
    timer.start();
    const ReportDocument document = paginate(layout);
    const qint64 paginateMs = timer.elapsed();

    timer.restart();
    writePdf(document, pdfPath);
    const qint64 pdfMs = timer.elapsed();

    std::printf(
        "rows: %d\npages: %d\npagination: %lld ms\npdf: %lld ms (%lld bytes, %s)\n"
        "peak memory (VmHWM): %.1f MB\n",
        rowCount, document.pageCount(), static_cast<long long>(paginateMs),
        static_cast<long long>(pdfMs), static_cast<long long>(QFile(pdfPath).size()),
        qPrintable(pdfPath), peakRssMb());
    return 0;
}
