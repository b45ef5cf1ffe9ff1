#include "reportoutput.h"

#include "pagepainter.h"
#include "reporterror.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace orbista::report {

namespace {

QPageLayout pageLayoutOf(const ReportDocument& document) {
    const QSizeF paper = document.style ? document.style->paperMm : QSizeF(210, 297);
    const bool landscape = document.style && document.style->orientation == Orientation::Landscape;
    const QSizeF portrait = landscape ? paper.transposed() : paper;
    return QPageLayout(QPageSize(portrait, QPageSize::Millimeter),
                       landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0));
}

// Paints all pages on a device that the painter is already open on.
template <typename Device>
void paintAll(const ReportDocument& document, Device& device, QPainter& painter) {
    for (std::size_t i = 0; i < document.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) {
            throw ReportError(QStringLiteral("无法开始新的一页"));
        }
        paintPage(document.pages[i], painter);
    }
}

}  // namespace

void writePdf(const ReportDocument& document, const QString& path) {
    QPdfWriter writer(path);
    writer.setPageLayout(pageLayoutOf(document));
    writer.setResolution(600);
    writer.setTitle(document.title);
    writer.setCreator(QStringLiteral("财务管理子系统"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        throw ReportError(QStringLiteral("无法写入文件 %1").arg(QFileInfo(path).fileName()));
    }
    paintAll(document, writer, painter);
    if (!painter.end()) {
        throw ReportError(QStringLiteral("无法写入文件 %1").arg(QFileInfo(path).fileName()));
    }
}

void printDocument(const ReportDocument& document, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setPageLayout(pageLayoutOf(document));
    printer.setDocName(document.title.isEmpty() ? QStringLiteral("报表") : document.title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        throw ReportError(QStringLiteral("打印机无法开始打印"));
    }
    paintAll(document, printer, painter);
    if (!painter.end()) {
        throw ReportError(QStringLiteral("打印失败"));
    }
}

void printToDefaultPrinter(const ReportDocument& document) {
    const QString pdfPath = qEnvironmentVariable(kPrintToPdfVariable);
    if (!pdfPath.isEmpty()) {
        writePdf(document, pdfPath);
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        throw ReportError(QStringLiteral("没有可用的打印机"));
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printDocument(document, printer);
}

}  // namespace orbista::report
