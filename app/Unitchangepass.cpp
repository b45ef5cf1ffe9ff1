#include "Unitchangepass.h"

#include "database.h"
#include "prompts.h"
#include "session.h"

#include <QFormLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbista {

namespace {

const QString kUpdatePassword = QStringLiteral("update data_oper set pass=:a1 where code=:a2");

void colour(QLineEdit* edit, const QColor& c) {
    QPalette p = edit->palette();
    p.setColor(QPalette::Base, c);
    edit->setPalette(p);
}

}  // namespace

Tfrmchangepass::Tfrmchangepass(Database& db, QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), db_(db) {
    setObjectName(QStringLiteral("frmchangepass"));
    setWindowTitle(QStringLiteral("密码更换"));
    setModal(true);

    Edit3 = new QLineEdit(this);
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit3->setEnabled(false);
    Edit4 = new QLineEdit(this);
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit1 = new QLineEdit(this);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    for (QLineEdit* e : {Edit4, Edit1, Edit2}) {
        e->setEchoMode(QLineEdit::Password);
        e->installEventFilter(this);
    }

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("当前操作员："), Edit3);
    form->addRow(QStringLiteral("验证密码:"), Edit4);
    form->addRow(QStringLiteral("新建密码："), Edit1);
    form->addRow(QStringLiteral("确认密码："), Edit2);

    auto* save = new QPushButton(QStringLiteral("修改(&S)"), this);
    save->setObjectName(QStringLiteral("bitbtnsave"));
    auto* close = new QPushButton(QStringLiteral("关闭(&C)"), this);
    close->setObjectName(QStringLiteral("SpeedButton3"));
    for (QPushButton* b : {save, close}) {
        b->setFlat(true);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(save, &QPushButton::clicked, this, [this] { bitbtnsaveClick(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    setTabOrder(Edit1, Edit2);
    setTabOrder(Edit2, Edit4);
    Edit4->setFocus();
    FormActivate();
}

void Tfrmchangepass::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormActivate();
    Edit4->setFocus();
}

QStringList Tfrmchangepass::statements() {
    return {kUpdatePassword};
}

void Tfrmchangepass::FormActivate() {
    Edit3->setText(Session::current().operatorName);
}

bool Tfrmchangepass::oldPasswordMatches() {
    if (Edit4->text().trimmed() == Session::current().operatorPassword) {
        return true;
    }
    prompter().messageBox(this, QStringLiteral("密码验证错误!"), QStringLiteral("提示信息"),
                          PromptIcon::None, PromptButtons::Ok);
    return false;
}

void Tfrmchangepass::Edit4Enter() {
    if (oldPasswordMatches()) {
        Edit1->setFocus();
    }
}

void Tfrmchangepass::bitbtnsaveClick() {
    if (!oldPasswordMatches()) {
        return;
    }
    if (Edit1->text() != Edit2->text()) {
        prompter().messageBox(this, QStringLiteral("密码不一致！"),
                              QStringLiteral("系统操作提示："), PromptIcon::Question,
                              PromptButtons::Ok);
        Edit1->setFocus();
        return;
    }
    const QString newPassword = Edit2->text();
    try {
        db_.execute(kUpdatePassword,
                    {{":a1", newPassword}, {":a2", Session::current().operatorCode}});
    } catch (const DbError& e) {
        prompter().errorBox(this, e.message());
        return;
    }
    // The password now valid is the one a later change in this run must be verified with.
    Session::current().operatorPassword = newPassword;
    prompter().messageBox(this, QStringLiteral("已经完成修改"), QStringLiteral("系统提示："),
                          PromptIcon::Question, PromptButtons::Ok);
    Edit1->clear();
    Edit2->clear();
    Edit4->clear();
}

bool Tfrmchangepass::eventFilter(QObject* watched, QEvent* event) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit) {
        return QDialog::eventFilter(watched, event);
    }
    if (event->type() == QEvent::FocusIn) {
        colour(edit, QColor(Qt::green));  // lime
    } else if (event->type() == QEvent::FocusOut) {
        colour(edit, QColor(Qt::white));
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (edit == Edit4) {
                Edit4Enter();
            } else if (edit == Edit1) {
                Edit2->setFocus();
            } else if (edit == Edit2) {
                bitbtnsaveClick();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace orbista
