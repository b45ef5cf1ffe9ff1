#include "reportflows.h"

#include "printrecord.h"
#include "reporterror.h"
#include "reportlayout.h"
#include "reportoutput.h"
#include "reportpreviewsession.h"

#include "prompts.h"

#include <QWidget>

namespace orbista::report {

void previewReport(QWidget* parent, ReportLayout& report) {
    ReportPreviewSession session(report);
    prompter().preview(parent, session);
}

void printReport(QWidget* parent, ReportLayout& report) {
    const ReportDocument document = paginate(report);
    printToDefaultPrinter(document);
    recordPrint(parent, report, document, directPrintOutput());
    report.notifyPrinted();
}

bool askThenPreview(QWidget* parent, ReportLayout& report, const QString& question,
                    const QString& title, const std::function<void()>& fill) {
    if (prompter().messageBox(parent, question, title, PromptIcon::Question,
                              PromptButtons::YesNo) != PromptAnswer::Yes) {
        return false;
    }
    if (fill) {
        fill();
    }
    previewReport(parent, report);
    return true;
}

bool chooseAndPreview(QWidget* parent, const std::vector<LayoutChoice>& choices,
                      const QString& inputTitle, const QString& inputLabel) {
    const std::optional<QString> answer =
        prompter().inputBox(parent, inputTitle, inputLabel, QString());
    if (!answer) {
        return false;
    }
    for (const LayoutChoice& choice : choices) {
        if (choice.report && choice.answer == *answer) {
            if (choice.fill) {
                choice.fill();
            }
            previewReport(parent, *choice.report);
            return true;
        }
    }
    prompter().simpleMessage(parent, QStringLiteral("无效的输入"));
    return false;
}

PrintedFlagFlow::PrintedFlagFlow(ReportLayout& report, Controls controls,
                                 std::function<void()> closeResult)
    : report_(report),
      controls_(controls),
      closeResult_(std::move(closeResult)),
      earlierAfterPrint_(report.afterPrint()),
      errorTitle_(QStringLiteral("错误信息")) {
    report_.onAfterPrint([this] {
        printed_ = true;
        if (earlierAfterPrint_) {
            earlierAfterPrint_();
        }
    });
}

PrintedFlagFlow::~PrintedFlagFlow() {
    report_.onAfterPrint(earlierAfterPrint_);
}

bool PrintedFlagFlow::previewThenSettle(QWidget* parent) {
    printed_ = false;
    try {
        ReportPreviewSession session(report_);
        prompter().preview(parent, session);
        if (session.printFailed()) {
            throw ReportError(session.lastError());
        }
    } catch (const std::exception&) {
        fail(parent);
        return false;
    }
    if (printed_) {
        settle();
    }
    return printed_;
}

bool PrintedFlagFlow::printThenSettle(QWidget* parent) {
    printed_ = false;
    try {
        printReport(parent, report_);
    } catch (const std::exception&) {
        fail(parent);
        return false;
    }
    settle();
    return true;
}

void PrintedFlagFlow::settle() {
    for (QWidget* button : {controls_.printButton, controls_.previewButton}) {
        if (button) {
            button->setEnabled(false);
        }
    }
    report_.bind(nullptr);
    if (closeResult_) {
        closeResult_();
    }
    if (controls_.exitButton) {
        controls_.exitButton->setFocus();
    }
}

void PrintedFlagFlow::fail(QWidget* parent) {
    prompter().messageBox(parent, QStringLiteral("打印出错!"), errorTitle_, PromptIcon::None,
                          PromptButtons::Ok);
    settle();
}

}  // namespace orbista::report
