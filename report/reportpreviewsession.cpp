#include "reportpreviewsession.h"

#include "printrecord.h"
#include "reporterror.h"
#include "reportoutput.h"
#include "reportpreview.h"

#include <QScopeGuard>

namespace orbista::report {

ReportPreviewSession::ReportPreviewSession(ReportLayout& layout, PaginationOptions options)
    : layout_(layout), options_(std::move(options)) {}

QString ReportPreviewSession::title() const {
    return layout_.titleText();
}

int ReportPreviewSession::pageCount() const {
    return document().pageCount();
}

const ReportDocument& ReportPreviewSession::document() const {
    if (!document_) {
        document_ = paginate(layout_, options_);
    }
    return *document_;
}

void ReportPreviewSession::showBlocking(QWidget* parent) {
    const ReportDocument& pages = document();
    ReportPreviewDialog dialog(pages, layout_, parent);
    // The window prints by itself, as often as the operator asks, and tells the layout each
    // time: record every one of those prints while the window is open.
    const std::function<void()> earlier = layout_.afterPrint();
    layout_.onAfterPrint([&] {
        recordPrint(parent, layout_, pages, directPrintOutput(), &dialog);
        if (earlier) {
            earlier();
        }
    });
    const auto restore = qScopeGuard([&] { layout_.onAfterPrint(earlier); });
    dialog.exec();
    if (!dialog.printError().isEmpty()) {
        lastError_ = dialog.printError();
        throw ReportError(lastError_);
    }
}

bool ReportPreviewSession::print(QWidget* parent) {
    try {
        printToDefaultPrinter(document());
    } catch (const ReportError& e) {
        lastError_ = e.message().isEmpty() ? QStringLiteral("打印失败") : e.message();
        return false;
    } catch (const std::exception& e) {
        const QString what = QString::fromLocal8Bit(e.what());
        lastError_ = what.isEmpty() ? QStringLiteral("打印失败") : what;
        return false;
    }
    recordPrint(parent, layout_, document(), directPrintOutput());
    layout_.notifyPrinted();
    return true;
}

}  // namespace orbista::report
