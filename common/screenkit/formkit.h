#pragma once

#include "datepicker.h"
#include "daterange.h"
#include "queryscreen.h"
#include "resultgrid.h"

#include <QPushButton>
#include <QString>

#include <initializer_list>
#include <utility>

class QBoxLayout;
class QButtonGroup;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QStatusBar;

namespace orbista {

// Gives a control the name tests and handlers find it by, and returns it.
template <typename W>
W* named(W* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// A screen's action button. Not a default button: Enter in a filter box does what the screen
// wires it to do, never presses whichever button happens to be the dialog's default.
inline QPushButton* actionButton(QWidget* parent, const char* objectName, const QString& caption) {
    auto* button = named(new QPushButton(caption, parent), objectName);
    button->setAutoDefault(false);
    return button;
}

// A code box beside its code-name combo.
struct CodeNameCombo {
    QLineEdit* code = nullptr;
    QComboBox* list = nullptr;
};

// One place in a row of controls: a control, a caption, or the stretch that pushes the rest
// to the right.
struct RowItem {
    enum class Kind { Widget, Caption, Stretch };
    RowItem(QWidget* w) : kind(Kind::Widget), widget(w) {}
    RowItem(const QString& text) : kind(Kind::Caption), caption(text) {}
    RowItem(const char16_t* text) : kind(Kind::Caption), caption(QString::fromUtf16(text)) {}
    static RowItem stretch() { return RowItem(Kind::Stretch); }

    Kind kind;
    QWidget* widget = nullptr;
    QString caption;

  private:
    explicit RowItem(Kind k) : kind(k) {}
};

// Builds a query screen's controls the same way on every screen: named as the screen's
// handlers and tests know them, wired to the screen's shared rules (date range, filter modes,
// Enter, record buttons, status bar).
class FormKit {
  public:
    explicit FormKit(QueryScreen* screen) : screen_(screen) {}

    // The two pickers of the date range, carrying 00:00:00 and 23:59:59 as their times of
    // day, registered as the screen's range.
    std::pair<DatePicker*, DatePicker*> dateRange(const char* start = "DateTimePicker1",
                                                  const char* end = "DateTimePicker2");
    // The one picker of a single-date screen.
    DatePicker* singleDate(const char* name, QTime storedTime = kStartTimeOfDay);

    // A filter mode; all modes of a screen form one group, exactly one of them on.
    QRadioButton* mode(const char* name, const QString& caption, bool on = false);
    // Entering any of the boxes checks the mode; entering or clicking the mode moves into the
    // first box.
    void modeBoxes(QRadioButton* mode, std::initializer_list<QWidget*> boxes);

    QLineEdit* edit(const char* name, int width = 0, const QString& hint = {});
    QComboBox* combo(const char* name, int minWidth = 180);
    // A code box and its code-name combo: choosing an item writes its code into the box.
    CodeNameCombo codeNameCombo(const char* codeBox, const char* list);

    QPushButton* button(const char* name, const QString& caption, const QString& hint = {});
    // The two small record buttons moving through the result `grid` shows.
    std::pair<QPushButton*, QPushButton*> recordButtons(const char* prior, const char* next,
                                                        ResultGrid* grid);
    ResultGrid* grid(const char* name, int minWidth, int minHeight);
    QLabel* label(const char* name, const QString& text = {});
    // A sunken panel showing a count or a total.
    QLabel* panel(const char* name, int minWidth = 220);
    QStatusBar* statusBar(const QString& title,
                          QueryScreen::OperatorPanel style = QueryScreen::OperatorPanel::Prefixed);

    // --- arranging ---
    static QHBoxLayout* row(std::initializer_list<RowItem> items);
    // A group box (titled or not) holding one row.
    QGroupBox* box(const QString& title, std::initializer_list<RowItem> items,
                   const char* name = nullptr);
    // A framed panel holding one row (a filter mode and its boxes).
    QWidget* panelRow(std::initializer_list<RowItem> items);

  private:
    QueryScreen* screen_;
    QButtonGroup* modes_ = nullptr;
};

}  // namespace orbista
