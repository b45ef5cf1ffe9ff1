#pragma once

#include "datepicker.h"
#include "daterange.h"
#include "prompts.h"

#include <QColor>
#include <QDialog>
#include <QHash>

#include <functional>

class QAbstractButton;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStatusBar;

namespace orbista {

class ResultGrid;
class ResultSet;

// The base of every query screen: a modal QDialog with the shared status bar, date pickers
// and their defaults and checks, record buttons, focus colouring, Enter-runs-query wiring,
// the two kinds of message and activation handling. Screens keep statement building and
// totals in plain classes and bind them here; FormKit builds their controls.
//
// The activation handler runs on first display and again whenever a simple message, an
// input box or a preview that the screen opened closes (the prompter tells it), never after
// an application message box.
class QueryScreen : public QDialog, public ActivatedAgain {
    Q_OBJECT
  public:
    // What the operator panel of the status bar shows.
    enum class OperatorPanel { Prefixed, NameOnly, Operation, Empty };

    QueryScreen(QWidget* owner, const QString& objectName, const QString& caption);

    // --- status bar: title, operator, product banner ---
    QStatusBar* createStatusBar(const QString& title,
                                OperatorPanel style = OperatorPanel::Prefixed);
    QString statusPanelText(int panel) const;

    // --- date range ---
    // A picker showing "yyyy-mm-dd", carrying `storedTime` as its time of day.
    DatePicker* createDatePicker(const QString& objectName, QTime storedTime);
    // Uses DateTimePicker1/DateTimePicker2 (or the single one).
    void setDatePickers(DatePicker* start, DatePicker* end = nullptr);
    void applyDateDefault(DateDefault kind);
    DateRangeValues dateRange() const;
    QString startDay() const { return dayText(dateRange().start); }
    QString endDay() const { return dayText(dateRange().end); }
    // Shows `text` (title, icon) and moves the focus to `focus` when the range is inverted;
    // true when the range is good.
    bool checkDateRange(RangeComparison comparison, const QString& text, const QString& title,
                        PromptIcon icon, QWidget* focus = nullptr);

    // --- record buttons over a grid's result set ---
    void setupRecordButtons(QAbstractButton* prior, QAbstractButton* next, ResultGrid* grid);

    // --- wiring ---
    // Enter in `box` presses `button` (runs the query).
    void runOnEnter(QWidget* box, QAbstractButton* button);
    // Enter in `box` runs `handler` (a code lookup, a move to the next box); the key goes no
    // further, so the dialog's default button does not fire as well.
    void onEnter(QWidget* box, std::function<void()> handler);
    // Entering `box` checks `mode`; entering `mode` moves into `box`.
    void bindFilterMode(QRadioButton* mode, QWidget* box);
    // Lime green while focused, `normal` otherwise.
    void colourOnFocus(QWidget* w, const QColor& normal = Qt::white);
    // Enter in a code box beside its code-name combo: an empty box moves into the list; a
    // code selects the first item of that code and moves into the list; an unknown code is
    // refused with `notFound` (titled "系统操作提示：") and the focus stays in the box.
    // True when an item was selected.
    bool selectByCode(QComboBox* list, QLineEdit* codeBox, const QString& notFound);
    // Replaces a combo box's items (activation handlers refill without piling up duplicates).
    static void fillCombo(QComboBox* combo, const QStringList& items);

    // --- messages ---
    // Application message box: does not re-run the activation handler.
    PromptAnswer message(const QString& text, const QString& title,
                         PromptIcon icon = PromptIcon::Question,
                         PromptButtons buttons = PromptButtons::Ok);
    // Simple message, input box and preview: the screen is activated again afterwards.
    // The same holds for the report flows, which prompt with the screen as parent.
    void simpleMessage(const QString& text);
    std::optional<QString> inputBox(const QString& title, const QString& label,
                                    const QString& text = {});
    void preview(PreviewSession& session);
    // Runs `work`; a database error is shown with the driver's text (any other failure, such
    // as a report the result cannot fill, with its own) and the screen stays as it was after
    // the last step that succeeded. `waitCursor` shows the SQL-wait cursor.
    bool guarded(const std::function<void()>& work, bool waitCursor = false);

    // --- handlers a screen overrides ---
    virtual void FormCreate() {}
    virtual void FormShow() {}
    virtual void FormActivate();

    // Another window of ours closed: the activation handler runs again.
    void activatedAgain() override;

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QStatusBar* status_ = nullptr;
    QList<QLabel*> statusPanels_;
    OperatorPanel operatorStyle_ = OperatorPanel::Prefixed;
    DatePicker* start_ = nullptr;
    DatePicker* end_ = nullptr;
    QHash<QWidget*, std::function<void()>> enterHandlers_;
    QHash<QWidget*, QRadioButton*> modeOfBox_;
    QHash<QRadioButton*, QWidget*> boxOfMode_;
    QHash<QWidget*, QColor> focusColours_;
    bool shownOnce_ = false;
};

}  // namespace orbista
