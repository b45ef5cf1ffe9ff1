#pragma once

#include "paginator.h"
#include "reportpage.h"

#include "prompts.h"

#include <optional>

namespace orbista::report {

// A report as the prompts preview it. Pages are laid out on first use and kept, so the
// preview and a print from it show the same pages.
class ReportPreviewSession : public PreviewSession {
  public:
    explicit ReportPreviewSession(ReportLayout& layout, PaginationOptions options = {});

    QString title() const override;
    int pageCount() const override;
    // Opens the preview window and returns when it closes. Every print from the window goes
    // to the print record (orbista-print.log). A print from the window that failed is thrown
    // as ReportError once the window has closed.
    void showBlocking(QWidget* parent) override;
    // Prints to the default printer (or ORBISTA_PRINT_TO_PDF); on success appends the print
    // record (a log that cannot be written is a warning, not a failed print) and fires the
    // layout's after-print notification; false, with the reason in lastError(), on error.
    bool print(QWidget* parent) override;

    const ReportDocument& document() const;
    bool printFailed() const { return !lastError_.isEmpty(); }
    const QString& lastError() const { return lastError_; }

  private:
    ReportLayout& layout_;
    PaginationOptions options_;
    mutable std::optional<ReportDocument> document_;
    QString lastError_;
};

}  // namespace orbista::report
