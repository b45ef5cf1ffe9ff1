#include "screentest.h"

#include "database.h"
#include "datepicker.h"
#include "printrecord.h"
#include "resultgrid.h"
#include "session.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace orbista::test {

// --- ScreenFixture ---

ScreenFixture::ScreenFixture(const QString& hospital, const QString& operatorName) {
    if (!dir_.isValid()) {
        qFatal("no temporary folder: %s", qPrintable(dir_.errorString()));
    }
    db_ = freshDatabase(dir_);
    // Prints made in a test are recorded in its own folder, not beside the test program.
    report::setPrintLogDirectory(dir_.path());
    Session& s = Session::current();
    s.clear();
    s.hospitalName = hospital;
    s.operatorName = operatorName;
    s.loginDepartmentCode = QStringLiteral("01");
}

ScreenFixture::~ScreenFixture() {
    Session::current().clear();
    report::setPrintLogDirectory({});
    // The prompter restores the real dialogs as it goes; the database closes before its
    // folder is removed.
}

// --- insertRows ---

namespace {

// Blanks around a cell are layout, so columns can be lined up; a value in double quotes is
// taken exactly as it stands between them, blanks included.
// NULL (unquoted) comes back as a null string.
QString cellValue(QStringView cell) {
    cell = cell.trimmed();
    if (cell == u"NULL") {
        return QString();
    }
    if (cell.size() >= 2 && cell.startsWith(u'"') && cell.endsWith(u'"')) {
        cell = cell.mid(1, cell.size() - 2);
    }
    return QStringLiteral("") + cell.toString();  // never null, even when empty
}

// The cells of a line, outer bars and indentation dropped.
QStringList cellsOf(QStringView line) {
    line = line.trimmed();
    if (line.startsWith(u'|')) {
        line = line.mid(1);
    }
    if (line.endsWith(u'|')) {
        line.chop(1);
    }
    QStringList cells;
    for (QStringView cell : line.split(u'|')) {
        cells << cellValue(cell);
    }
    return cells;
}

}  // namespace

void insertRows(Database& db, const QString& table, const QString& literal) {
    const QStringList lines = literal.split(u'\n');
    QStringList columns;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QStringLiteral("--"))) {
            continue;
        }
        const QStringList cells = cellsOf(line);
        if (columns.isEmpty()) {
            for (const QString& name : cells) {
                columns << name.trimmed();
            }
            if (columns.contains(QString())) {
                qFatal("%s: a column without a name in \"%s\"", qPrintable(table),
                       qPrintable(line));
            }
            continue;
        }
        if (cells.size() != columns.size()) {
            qFatal("%s, line %lld: %lld cells for %lld columns in \"%s\"", qPrintable(table),
                   static_cast<long long>(i + 1), static_cast<long long>(cells.size()),
                   static_cast<long long>(columns.size()), qPrintable(line));
        }
        QVariantList values;
        for (const QString& cell : cells) {
            values << (cell.isNull() ? QVariant() : QVariant(cell));
        }
        try {
            db.append(table, columns, values);
        } catch (const DbError& e) {
            qFatal("%s, line %lld: %s", qPrintable(table), static_cast<long long>(i + 1),
                   qPrintable(e.message()));
        }
    }
    if (columns.isEmpty()) {
        qFatal("%s: the table literal names no columns", qPrintable(table));
    }
}

// --- Driver ---

namespace {

// Notes the focus-in events a widget receives while it is installed; lets them through.
class FocusInSpy : public QObject {
  public:
    explicit FocusInSpy(QWidget* w) : w_(w) { w_->installEventFilter(this); }
    ~FocusInSpy() override { w_->removeEventFilter(this); }
    FocusInSpy(const FocusInSpy&) = delete;
    FocusInSpy& operator=(const FocusInSpy&) = delete;
    bool seen = false;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == w_ && event->type() == QEvent::FocusIn) {
            seen = true;
        }
        return false;
    }

  private:
    QWidget* w_;
};

QLineEdit* editOf(QWidget* box) {
    if (auto* edit = qobject_cast<QLineEdit*>(box)) {
        return edit;
    }
    if (auto* combo = qobject_cast<QComboBox*>(box); combo && combo->isEditable()) {
        return combo->lineEdit();
    }
    return nullptr;
}

}  // namespace

void Driver::missing(const char* name, const char* kind) const {
    const QObject* other = window_->findChild<QObject*>(QString::fromLatin1(name));
    if (other) {
        qFatal("control %s is a %s, not a %s", name, other->metaObject()->className(), kind);
    }
    qFatal("no control %s (%s) in %s", name, kind, qPrintable(window_->objectName()));
}

void Driver::focus(QWidget* w) const {
    QWidget* window = w->window();
    if (!window->isVisible()) {
        window->show();
    }
    if (!window->isActiveWindow()) {
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window, 2000)) {
            qWarning("window %s did not become active", qPrintable(window->objectName()));
        }
    }
    if (w->hasFocus() || (w == pretendFocus_ && window->focusWidget() == w)) {
        return;  // a click on the focused control brings no focus-in
    }
    FocusInSpy spy(w);
    w->setFocus(Qt::MouseFocusReason);
    if (spy.seen) {
        pretendFocus_ = nullptr;
        return;
    }
    // Without an active window Qt only remembers the focus; deliver what a click would.
    if (pretendFocus_) {
        QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
        QApplication::sendEvent(pretendFocus_, &out);
    }
    QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
    QApplication::sendEvent(w, &in);
    pretendFocus_ = w;
}

void Driver::type(const char* box, const QString& text) {
    QWidget* w = get<QWidget>(box);
    QLineEdit* edit = editOf(w);
    if (!edit) {
        qFatal("cannot type into %s, a %s", box, w->metaObject()->className());
    }
    if (!w->isEnabled() || edit->isReadOnly()) {
        qFatal("cannot type into %s: it is disabled or read-only", box);
    }
    focus(w);
    edit->selectAll();
    edit->insert(text);
}

void Driver::enter(const char* box) {
    QWidget* w = get<QWidget>(box);
    focus(w);
    QTest::keyClick(w, Qt::Key_Return);
}

void Driver::click(const char* button) {
    auto* b = get<QAbstractButton>(button);
    if (!b->isEnabled()) {
        return;
    }
    if ((b->focusPolicy() & Qt::ClickFocus) == Qt::ClickFocus) {
        focus(b);
    }
    b->click();
}

void Driver::choose(const char* combo, const QString& itemText) {
    auto* c = get<QComboBox>(combo);
    const int index = c->findText(itemText, Qt::MatchExactly);
    if (index < 0) {
        QStringList items;
        for (int i = 0; i < c->count(); ++i) {
            items << c->itemText(i);
        }
        qFatal("%s has no item \"%s\"; it has: %s", combo, qPrintable(itemText),
               qPrintable(items.join(QStringLiteral(", "))));
    }
    if (!c->isEnabled()) {
        qFatal("cannot choose in %s: it is disabled", combo);
    }
    focus(c);
    c->setCurrentIndex(index);
    Q_EMIT c->activated(index);
    Q_EMIT c->textActivated(c->itemText(index));
}

void Driver::setRange(QDate start, QDate end, const char* startPicker, const char* endPicker) {
    get<DatePicker>(startPicker)->setValue(QDateTime(start, QTime(0, 0)));
    get<DatePicker>(endPicker)->setValue(QDateTime(end, QTime(23, 59, 59)));
}

int Driver::rows(const char* grid) const {
    ResultSet* rs = get<ResultGrid>(grid)->resultModel()->result();
    return rs ? rs->recordCount() : -1;
}

QString Driver::text(const char* control) const {
    QWidget* w = get<QWidget>(control);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        return combo->currentText();
    }
    qFatal("no text to read from %s, a %s", control, w->metaObject()->className());
}

}  // namespace orbista::test
