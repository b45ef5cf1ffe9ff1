#pragma once

#include "reportpage.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QScrollArea;
class QToolButton;

namespace orbista::report {

class PageView;

// The preview window: one page at a time, zoom, page navigation, printing through the
// printer dialog and exports (PDF of the pages; Excel and CSV of the bound rows). Printing
// fires the layout's after-print notification. A print failure closes the window and is
// kept in printError() for the caller to report.
class ReportPreviewDialog : public QDialog {
    Q_OBJECT
  public:
    ReportPreviewDialog(const ReportDocument& document, const ReportLayout& layout,
                        QWidget* parent = nullptr);
    ~ReportPreviewDialog() override;

    int currentPage() const { return page_; }  // 0-based
    int zoomPercent() const { return zoom_; }
    bool printed() const { return printed_; }
    const QString& printError() const { return printError_; }

    // Writes the export the file name's suffix asks for (.pdf, .xlsx, .csv); throws
    // ReportError when it cannot.
    void exportTo(const QString& path) const;

  public Q_SLOTS:
    void showPage(int index);
    void firstPage() { showPage(0); }
    void previousPage() { showPage(page_ - 1); }
    void nextPage() { showPage(page_ + 1); }
    void lastPage() { showPage(document_.pageCount() - 1); }
    void setZoomPercent(int percent);
    void fitWidth();
    void printWithDialog();
    void exportWithDialog();

  private:
    void updateControls();

    const ReportDocument& document_;
    const ReportLayout& layout_;
    int page_ = 0;
    int zoom_ = 100;
    bool printed_ = false;
    QString printError_;
    QScrollArea* scroll_ = nullptr;
    PageView* view_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QToolButton* first_ = nullptr;
    QToolButton* previous_ = nullptr;
    QToolButton* next_ = nullptr;
    QToolButton* last_ = nullptr;
};

}  // namespace orbista::report
