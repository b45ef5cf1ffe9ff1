#pragma once

#include <QList>
#include <QString>

#include <deque>
#include <optional>
#include <variant>

class QWidget;

namespace orbista {

enum class PromptIcon { None, Question, Information, Warning, Critical };
enum class PromptButtons { Ok, OkCancel, YesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// A report preview as the prompts see it: shown in a blocking window for real, or driven
// by a test's queued answer.
class PreviewSession {
  public:
    virtual ~PreviewSession() = default;
    virtual QString title() const = 0;
    virtual int pageCount() const = 0;
    // Shows the preview window and returns when the operator closes it.
    virtual void showBlocking(QWidget* parent) = 0;
    // What the preview's print button does; false when printing failed.
    virtual bool print(QWidget* parent) = 0;
};

// A window whose activation handler runs again when a window of ours that it opened closes:
// a simple message, an input box or a report preview. An application message box and an
// error box do not count. The prompter applies this rule, so no screen re-activates by hand.
class ActivatedAgain {
  public:
    virtual ~ActivatedAgain() = default;
    virtual void activatedAgain() = 0;
};

// Every message box, input box, error box and report preview of the application goes
// through here, so tests can answer them in advance instead of blocking.
class Prompter {
  public:
    virtual ~Prompter() = default;
    // An application message box: text, title, icon and buttons.
    PromptAnswer messageBox(QWidget* parent, const QString& text, const QString& title,
                            PromptIcon icon, PromptButtons buttons);
    // A simple message: OK only, titled with the application title.
    void simpleMessage(QWidget* parent, const QString& text);
    // An input box; nullopt when cancelled.
    std::optional<QString> inputBox(QWidget* parent, const QString& title, const QString& label,
                                    const QString& text);
    // A database or other error that no screen catches: the driver's own text.
    void errorBox(QWidget* parent, const QString& text);
    void preview(QWidget* parent, PreviewSession& session);

  protected:
    virtual PromptAnswer showMessageBox(QWidget* parent, const QString& text, const QString& title,
                                        PromptIcon icon, PromptButtons buttons) = 0;
    virtual void showSimpleMessage(QWidget* parent, const QString& text) = 0;
    virtual std::optional<QString> showInputBox(QWidget* parent, const QString& title,
                                                const QString& label, const QString& text) = 0;
    virtual void showErrorBox(QWidget* parent, const QString& text) = 0;
    virtual void showPreview(QWidget* parent, PreviewSession& session) = 0;
};

// The prompter in use: real dialogs unless a test installed its own.
Prompter& prompter();
void setPrompter(Prompter* prompter);  // nullptr restores the real dialogs

// Real Qt dialogs.
class DialogPrompter : public Prompter {
  protected:
    PromptAnswer showMessageBox(QWidget* parent, const QString& text, const QString& title,
                                PromptIcon icon, PromptButtons buttons) override;
    void showSimpleMessage(QWidget* parent, const QString& text) override;
    std::optional<QString> showInputBox(QWidget* parent, const QString& title, const QString& label,
                                        const QString& text) override;
    void showErrorBox(QWidget* parent, const QString& text) override;
    void showPreview(QWidget* parent, PreviewSession& session) override;
};

// Answers prompts from a queue and records what was asked. A prompt with no queued answer
// gets the harmless default (OK, Cancel for input, close the preview).
class ScriptedPrompter : public Prompter {
  public:
    enum class PreviewAction { Close, Print };
    struct Record {
        QString kind;  // "message", "simple", "input", "error", "preview"
        QString text;
        QString title;
        PromptIcon icon = PromptIcon::None;
        PromptButtons buttons = PromptButtons::Ok;
        int pages = 0;  // previews
    };

    ScriptedPrompter();            // installs itself
    ~ScriptedPrompter() override;  // restores the real dialogs

    void answer(PromptAnswer a) { answers_.push_back(a); }
    void answerInput(std::optional<QString> text) { inputs_.push_back(std::move(text)); }
    void answerPreview(PreviewAction a) { previews_.push_back(a); }

    const QList<Record>& records() const { return records_; }
    QStringList texts() const;
    const Record& last() const { return records_.last(); }
    void clear() { records_.clear(); }
    // Results of print() calls made for queued PreviewAction::Print answers.
    QList<bool> printResults;

  protected:
    PromptAnswer showMessageBox(QWidget* parent, const QString& text, const QString& title,
                                PromptIcon icon, PromptButtons buttons) override;
    void showSimpleMessage(QWidget* parent, const QString& text) override;
    std::optional<QString> showInputBox(QWidget* parent, const QString& title, const QString& label,
                                        const QString& text) override;
    void showErrorBox(QWidget* parent, const QString& text) override;
    void showPreview(QWidget* parent, PreviewSession& session) override;

  private:
    std::deque<PromptAnswer> answers_;
    std::deque<std::optional<QString>> inputs_;
    std::deque<PreviewAction> previews_;
    QList<Record> records_;
};

}  // namespace orbista
