#include "queryscreen.h"

#include "codeentry.h"
#include "database.h"
#include "resultgrid.h"
#include "session.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>

namespace orbista {

namespace {

const QColor kLime(0, 255, 0);

void restoreCursor(bool& waitCursor) {
    if (waitCursor) {
        QApplication::restoreOverrideCursor();
        waitCursor = false;
    }
}

void paintBase(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Base, c);
    p.setColor(QPalette::Button, c);
    w->setPalette(p);
}

}  // namespace

QueryScreen::QueryScreen(QWidget* owner, const QString& objectName, const QString& caption)
    : QDialog(owner) {
    setObjectName(objectName);
    setWindowTitle(caption);
    setModal(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint);
}

QStatusBar* QueryScreen::createStatusBar(const QString& title, OperatorPanel style) {
    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);
    operatorStyle_ = style;
    const int widths[] = {220, 200, 160};
    for (int i = 0; i < 3; ++i) {
        auto* l = new QLabel(status_);
        l->setMinimumWidth(widths[i]);
        status_->addWidget(l, i == 0 ? 1 : 0);
        statusPanels_.append(l);
    }
    statusPanels_[0]->setText(title);
    statusPanels_[2]->setText(QStringLiteral("【ORBISTA】"));
    statusPanels_[2]->setAlignment(Qt::AlignCenter);
    return status_;
}

QString QueryScreen::statusPanelText(int panel) const {
    return panel < statusPanels_.size() ? statusPanels_[panel]->text() : QString();
}

DatePicker* QueryScreen::createDatePicker(const QString& objectName, QTime storedTime) {
    auto* picker = new DatePicker(QDateTime(QDate::currentDate(), storedTime), this);
    picker->setObjectName(objectName);
    return picker;
}

void QueryScreen::setDatePickers(DatePicker* start, DatePicker* end) {
    start_ = start;
    end_ = end;
    // What a print from this screen is recorded with: the period its pickers show.
    const auto keepPrintFilters = [this] {
        QVariantMap filters{{QStringLiteral("start"), startDay()}};
        if (end_) {
            filters.insert(QStringLiteral("end"), endDay());
        }
        setProperty("printFilters", filters);
    };
    for (DatePicker* picker : {start, end}) {
        if (picker) {
            connect(picker, &QDateTimeEdit::dateTimeChanged, this, keepPrintFilters);
        }
    }
    keepPrintFilters();
}

void QueryScreen::applyDateDefault(DateDefault kind) {
    const DateRangeValues v =
        orbista::applyDateDefault(kind, dateRange(), QDateTime::currentDateTime());
    if (start_) {
        start_->setValue(v.start);
    }
    if (end_) {
        end_->setValue(v.end);
    }
}

DateRangeValues QueryScreen::dateRange() const {
    const QDateTime s = start_ ? start_->value() : QDateTime();
    return {s, end_ ? end_->value() : s};
}

bool QueryScreen::checkDateRange(RangeComparison comparison, const QString& text,
                                 const QString& title, PromptIcon icon, QWidget* focus) {
    if (!isInverted(dateRange(), comparison)) {
        return true;
    }
    message(text, title, icon);
    if (focus) {
        focus->setFocus();
    }
    return false;
}

void QueryScreen::setupRecordButtons(QAbstractButton* prior, QAbstractButton* next,
                                     ResultGrid* grid) {
    // A new result starts with both buttons usable again.
    connect(grid->resultModel(), &QAbstractItemModel::modelReset, this, [prior, next] {
        prior->setEnabled(true);
        next->setEnabled(true);
    });
    connect(prior, &QAbstractButton::clicked, this, [prior, next, grid] {
        ResultSet* rs = grid->resultModel()->result();
        if (!rs || rs->bof()) {
            prior->setEnabled(false);
            return;
        }
        rs->prior();
        grid->followCursor();
        next->setEnabled(true);
    });
    connect(next, &QAbstractButton::clicked, this, [prior, next, grid] {
        ResultSet* rs = grid->resultModel()->result();
        if (!rs || rs->eof()) {
            next->setEnabled(false);
            return;
        }
        rs->next();
        grid->followCursor();
        prior->setEnabled(true);
    });
}

void QueryScreen::runOnEnter(QWidget* box, QAbstractButton* button) {
    onEnter(box, [button] { button->click(); });
}

void QueryScreen::onEnter(QWidget* box, std::function<void()> handler) {
    enterHandlers_.insert(box, std::move(handler));
    box->installEventFilter(this);
}

void QueryScreen::bindFilterMode(QRadioButton* mode, QWidget* box) {
    modeOfBox_.insert(box, mode);
    boxOfMode_.insert(mode, box);
    box->installEventFilter(this);
    mode->installEventFilter(this);
}

void QueryScreen::colourOnFocus(QWidget* w, const QColor& normal) {
    focusColours_.insert(w, normal);
    paintBase(w, normal);
    w->installEventFilter(this);
}

bool QueryScreen::selectByCode(QComboBox* list, QLineEdit* codeBox, const QString& notFound) {
    if (codeBox->text().trimmed().isEmpty()) {
        list->setFocus();
        return false;
    }
    const int item = findItemByCode(list, codeBox->text());
    if (item < 0) {
        message(notFound, QStringLiteral("系统操作提示："));
        codeBox->setFocus();
        return false;
    }
    list->setCurrentIndex(item);
    list->setFocus();
    return true;
}

void QueryScreen::fillCombo(QComboBox* combo, const QStringList& items) {
    const QString current = combo->currentText();
    combo->clear();
    combo->addItems(items);
    const int again = combo->findText(current);
    if (again >= 0) {
        combo->setCurrentIndex(again);
    }
}

PromptAnswer QueryScreen::message(const QString& text, const QString& title, PromptIcon icon,
                                  PromptButtons buttons) {
    return prompter().messageBox(this, text, title, icon, buttons);
}

void QueryScreen::simpleMessage(const QString& text) {
    prompter().simpleMessage(this, text);
}

std::optional<QString> QueryScreen::inputBox(const QString& title, const QString& label,
                                             const QString& text) {
    return prompter().inputBox(this, title, label, text);
}

void QueryScreen::preview(PreviewSession& session) {
    prompter().preview(this, session);
}

bool QueryScreen::guarded(const std::function<void()>& work, bool waitCursor) {
    if (waitCursor) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    bool ok = true;
    try {
        work();
    } catch (const DbError& e) {
        ok = false;
        restoreCursor(waitCursor);
        prompter().errorBox(this, e.message());
    } catch (const std::exception& e) {
        ok = false;
        restoreCursor(waitCursor);
        prompter().errorBox(this, QString::fromUtf8(e.what()));
    }
    if (waitCursor) {
        QApplication::restoreOverrideCursor();
    }
    return ok;
}

void QueryScreen::FormActivate() {
    if (statusPanels_.size() < 2) {
        return;
    }
    const QString name = Session::current().operatorName;
    switch (operatorStyle_) {
        case OperatorPanel::Prefixed:
            statusPanels_[1]->setText(QStringLiteral("操作员:") + name);
            break;
        case OperatorPanel::NameOnly:
            statusPanels_[1]->setText(name);
            break;
        case OperatorPanel::Operation:
            statusPanels_[1]->setText(QStringLiteral("操作") + name);
            break;
        case OperatorPanel::Empty:
            statusPanels_[1]->clear();
            break;
    }
}

void QueryScreen::activatedAgain() {
    guarded([this] { FormActivate(); });
}

void QueryScreen::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        guarded([this] {
            FormShow();
            FormActivate();
        });
    }
}

bool QueryScreen::eventFilter(QObject* watched, QEvent* event) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (w && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const auto handler = enterHandlers_.constFind(w);
        if (handler != enterHandlers_.constEnd() &&
            (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            const auto run = handler.value();  // the handler may replace the table
            run();
            return true;
        }
    } else if (w && event->type() == QEvent::FocusIn) {
        if (focusColours_.contains(w)) {
            paintBase(w, kLime);
        }
        if (QRadioButton* mode = modeOfBox_.value(w)) {
            mode->setChecked(true);
        }
        if (auto* mode = qobject_cast<QRadioButton*>(w); mode && boxOfMode_.contains(mode)) {
            mode->setChecked(true);
            boxOfMode_.value(mode)->setFocus();
        }
    } else if (w && event->type() == QEvent::FocusOut && focusColours_.contains(w)) {
        paintBase(w, focusColours_.value(w));
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orbista
