#include "formkit.h"

#include "codeentry.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>
#include <QStyle>

namespace orbista {

namespace {

void addItems(QBoxLayout* layout, QWidget* parent, std::initializer_list<RowItem> items) {
    for (const RowItem& item : items) {
        switch (item.kind) {
            case RowItem::Kind::Widget:
                layout->addWidget(item.widget);
                break;
            case RowItem::Kind::Caption:
                layout->addWidget(new QLabel(item.caption, parent));
                break;
            case RowItem::Kind::Stretch:
                layout->addStretch();
                break;
        }
    }
}

}  // namespace

std::pair<DatePicker*, DatePicker*> FormKit::dateRange(const char* start, const char* end) {
    auto* from = screen_->createDatePicker(QString::fromLatin1(start), kStartTimeOfDay);
    auto* to = screen_->createDatePicker(QString::fromLatin1(end), kEndTimeOfDay);
    screen_->setDatePickers(from, to);
    return {from, to};
}

DatePicker* FormKit::singleDate(const char* name, QTime storedTime) {
    auto* picker = screen_->createDatePicker(QString::fromLatin1(name), storedTime);
    screen_->setDatePickers(picker);
    return picker;
}

QRadioButton* FormKit::mode(const char* name, const QString& caption, bool on) {
    if (!modes_) {
        modes_ = new QButtonGroup(screen_);
    }
    auto* rb = named(new QRadioButton(caption, screen_), name);
    modes_->addButton(rb);
    rb->setChecked(on);
    return rb;
}

void FormKit::modeBoxes(QRadioButton* mode, std::initializer_list<QWidget*> boxes) {
    for (QWidget* box : boxes) {
        screen_->bindFilterMode(mode, box);
    }
    if (boxes.size() > 0) {
        QWidget* first = *boxes.begin();
        QObject::connect(mode, &QRadioButton::clicked, first, [first] { first->setFocus(); });
    }
}

QLineEdit* FormKit::edit(const char* name, int width, const QString& hint) {
    auto* e = named(new QLineEdit(screen_), name);
    if (width > 0) {
        e->setFixedWidth(width);
    }
    if (!hint.isEmpty()) {
        e->setToolTip(hint);
    }
    return e;
}

QComboBox* FormKit::combo(const char* name, int minWidth) {
    auto* c = named(new QComboBox(screen_), name);
    c->setMinimumWidth(minWidth);
    return c;
}

CodeNameCombo FormKit::codeNameCombo(const char* codeBox, const char* list) {
    CodeNameCombo pair{edit(codeBox, 70), combo(list)};
    QObject::connect(pair.list, &QComboBox::currentIndexChanged, pair.code,
                     [pair] { pair.code->setText(codeOfItem(pair.list->currentText())); });
    return pair;
}

QPushButton* FormKit::button(const char* name, const QString& caption, const QString& hint) {
    auto* b = actionButton(screen_, name, caption);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
    }
    return b;
}

std::pair<QPushButton*, QPushButton*> FormKit::recordButtons(const char* prior, const char* next,
                                                             ResultGrid* grid) {
    auto* up = button(prior, QString());
    up->setIcon(screen_->style()->standardIcon(QStyle::SP_ArrowUp));
    auto* down = button(next, QString());
    down->setIcon(screen_->style()->standardIcon(QStyle::SP_ArrowDown));
    screen_->setupRecordButtons(up, down, grid);
    return {up, down};
}

ResultGrid* FormKit::grid(const char* name, int minWidth, int minHeight) {
    auto* g = named(new ResultGrid(screen_), name);
    g->setMinimumSize(minWidth, minHeight);
    return g;
}

QLabel* FormKit::label(const char* name, const QString& text) {
    return named(new QLabel(text, screen_), name);
}

QLabel* FormKit::panel(const char* name, int minWidth) {
    auto* p = label(name);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Sunken);
    p->setMinimumWidth(minWidth);
    return p;
}

QStatusBar* FormKit::statusBar(const QString& title, QueryScreen::OperatorPanel style) {
    return screen_->createStatusBar(title, style);
}

QHBoxLayout* FormKit::row(std::initializer_list<RowItem> items) {
    auto* layout = new QHBoxLayout;
    addItems(layout, nullptr, items);
    return layout;
}

QGroupBox* FormKit::box(const QString& title, std::initializer_list<RowItem> items,
                        const char* name) {
    auto* group = new QGroupBox(title, screen_);
    if (name) {
        group->setObjectName(QString::fromLatin1(name));
    }
    addItems(new QHBoxLayout(group), group, items);
    return group;
}

QWidget* FormKit::panelRow(std::initializer_list<RowItem> items) {
    auto* frame = new QFrame(screen_);
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QHBoxLayout(frame);
    addItems(layout, frame, items);
    layout->addStretch();
    return frame;
}

}  // namespace orbista
