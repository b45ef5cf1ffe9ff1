#include "reportpreviewsession.h"

#include "reporterror.h"
#include "reportoutput.h"
#include "reportpreview.h"

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
    ReportPreviewDialog dialog(document(), layout_, parent);
    dialog.exec();
    if (!dialog.printError().isEmpty()) {
        lastError_ = dialog.printError();
        throw ReportError(lastError_);
    }
}

bool ReportPreviewSession::print(QWidget*) {
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
    layout_.notifyPrinted();
    return true;
}

}  // namespace orbista::report
