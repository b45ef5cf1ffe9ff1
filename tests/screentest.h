#pragma once

// The kit the screen tests share: a test's world (database, prompter, session), fixture rows
// written as table literals, and a driver that works a real dialog as an operator would.
#include "prompts.h"

#include <QDate>
#include <QPointer>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>

#include <memory>

namespace orbista {
class Database;
}  // namespace orbista

namespace orbista::test {

// A test's world: a fresh SQLite database built from the real schema in a temporary folder,
// a scripted prompter installed for the test's lifetime, and the session of a logged-in
// operator (hospital name, operator name, login department "01").
class ScreenFixture {
  public:
    explicit ScreenFixture(const QString& hospital = QStringLiteral("测试县人民医院"),
                           const QString& operatorName = QStringLiteral("张收"));
    ~ScreenFixture();  // restores the real prompter, clears the session
    ScreenFixture(const ScreenFixture&) = delete;
    ScreenFixture& operator=(const ScreenFixture&) = delete;

    Database& db() { return *db_; }
    ScriptedPrompter& prompts() { return prompts_; }

  private:
    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;
    ScriptedPrompter prompts_;
};

// Rows from a table literal: the first non-blank line names the columns, separated by '|';
// each further line is a row. Blanks around a cell are layout, so columns may be lined up; a
// value in double quotes is taken exactly as it stands between them (" 王建国 " keeps its
// blanks, "NULL" is the text). A cell reading NULL is a null value. The bars at the ends of a
// line are optional; blank lines are skipped and lines starting with "--" are comments.
// Values are bound, never pasted. A row with the wrong number of cells, or a row the
// database refuses, stops the test run with the line and the reason.
void insertRows(Database& db, const QString& table, const QString& literal);

// Drives a real dialog by objectName, as an operator would. Anything that needs the focus
// shows the window first if it is hidden (which runs the screen's show handlers) and makes
// it the active window. A control that is missing, of another kind, or cannot take what is
// asked of it stops the test run with its name.
class Driver {
  public:
    explicit Driver(QWidget* window) : window_(window) {}

    // The control; stops the test run when missing or of another kind.
    template <typename W>
    W* get(const char* name) const {
        if (W* w = window_->findChild<W*>(QString::fromLatin1(name))) {
            return w;
        }
        missing(name, W::staticMetaObject.className());
    }

    // Focuses the box (a real focus-in event, as a click would give, so the filters the
    // dialog installed on it see it) and replaces its text as if the operator selected all
    // and typed: the box's validator and length limit apply and textEdited is emitted.
    // A QLineEdit or an editable QComboBox.
    void type(const char* box, const QString& text);
    // The Enter key in the box; the box is focused first if it is not.
    void enter(const char* box);
    // Clicks a button: it takes the focus if a click gives it the focus, then clicks. A radio
    // button gets checked, a check box toggles; a disabled button does nothing.
    void click(const char* button);
    // Selects the combo box's item with exactly that text, as picking it from the list does
    // (the box takes the focus, and activated is emitted).
    void choose(const char* combo, const QString& itemText);
    // Start and end pickers set to the start of the first day and the end of the last
    // (00:00:00 and 23:59:59).
    void setRange(QDate start, QDate end, const char* startPicker = "DateTimePicker1",
                  const char* endPicker = "DateTimePicker2");

    // The record count of the ResultGrid's result, -1 when it has none.
    int rows(const char* grid) const;
    // What a QLabel or QLineEdit shows, or a QComboBox's current text.
    QString text(const char* control) const;

  private:
    [[noreturn]] void missing(const char* name, const char* kind) const;
    // Gives `w` the focus as a mouse click does; does nothing when it has it already.
    void focus(QWidget* w) const;

    QWidget* window_;
    // The control given a focus-in by hand when the window could not be made active.
    mutable QPointer<QWidget> pretendFocus_;
};

}  // namespace orbista::test
