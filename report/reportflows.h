#pragma once

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace orbista::report {

class ReportLayout;

// The ways a screen previews and prints its layouts, one call each. `fill` callbacks set the
// run-time texts (title, period, maker) just before the layout is laid out.

// Preview only: printing happens from the preview window. Returns when it closes.
void previewReport(QWidget* parent, ReportLayout& report);

// Direct print without a preview: the default printer (or ORBISTA_PRINT_TO_PDF), the print
// record, then the after-print notification. Throws ReportError on failure, for the screen's
// error handling; a print record that cannot be written is only a warning.
void printReport(QWidget* parent, ReportLayout& report);

// A Yes/No question first ("要打印吗？" titled "打印明细数据"); Yes fills and previews, No does
// nothing. True when the preview was shown.
bool askThenPreview(QWidget* parent, ReportLayout& report, const QString& question,
                    const QString& title, const std::function<void()>& fill = {});

// The operator types which layout to print. An answer matching none of the choices exactly
// (case matters) is refused with the simple message "无效的输入"; cancelling does nothing.
struct LayoutChoice {
    QString answer;  // "s", "d"
    ReportLayout* report = nullptr;
    std::function<void()> fill;
};
// True when a layout was previewed.
bool chooseAndPreview(QWidget* parent, const std::vector<LayoutChoice>& choices,
                      const QString& inputTitle, const QString& inputLabel);

// Separate preview and print buttons with a printed flag (warehouse statistics). A print,
// from the preview window or directly, "settles" the screen: print and preview buttons
// disabled, the bound result closed, focus on the exit button, so the statistics must run
// again before another copy. Any error while previewing or printing shows "打印出错!"
// (titled "错误信息" unless changed) and settles the screen the same way.
// The flow owns the layout's after-print notification (an earlier callback still runs).
class PrintedFlagFlow {
  public:
    struct Controls {
        QWidget* printButton = nullptr;
        QWidget* previewButton = nullptr;
        QWidget* exitButton = nullptr;
    };

    // `closeResult` closes the screen's result set; the layout is unbound first.
    PrintedFlagFlow(ReportLayout& report, Controls controls, std::function<void()> closeResult);
    // Gives the layout its earlier after-print callback back.
    ~PrintedFlagFlow();
    PrintedFlagFlow(const PrintedFlagFlow&) = delete;
    PrintedFlagFlow& operator=(const PrintedFlagFlow&) = delete;

    void setErrorTitle(const QString& title) { errorTitle_ = title; }

    // Clears the flag and previews; settles when the operator printed from the preview.
    // True when it printed.
    bool previewThenSettle(QWidget* parent);
    // Prints directly, then settles. True when it printed.
    bool printThenSettle(QWidget* parent);

    bool printed() const { return printed_; }

  private:
    void settle();
    void fail(QWidget* parent);

    ReportLayout& report_;
    Controls controls_;
    std::function<void()> closeResult_;
    std::function<void()> earlierAfterPrint_;
    QString errorTitle_;
    bool printed_ = false;
};

}  // namespace orbista::report
