#include "Unitmz_xyf_onland.h"

#include "Unitdm1.h"
#include "database.h"
#include "operatorlogin.h"
#include "prompts.h"
#include "session.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace orbista {

namespace {

const QString kPromptTitle = QStringLiteral("系统操作提示：");

}  // namespace

bool confirmExit(QWidget* parent) {
    return prompter().messageBox(parent, QStringLiteral("确实要退出本系统吗?"),
                                 QStringLiteral("系统提示信息"), PromptIcon::Question,
                                 PromptButtons::OkCancel) == PromptAnswer::Ok;
}

Tfrmmz_xyf_onland::Tfrmmz_xyf_onland(Database& db, QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::FramelessWindowHint), db_(db) {
    setObjectName(QStringLiteral("frmmz_xyf_onland"));
    setWindowTitle(QStringLiteral("系统登录窗口"));
    setFixedSize(420, 260);

    auto* title = new QLabel(QStringLiteral("财务管理子系统"), this);
    title->setObjectName(QStringLiteral("Label5"));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: white; font-size: 24px; font-weight: bold;"));
    title->setFixedHeight(64);

    Editcode = new QLineEdit(this);
    Editcode->setObjectName(QStringLiteral("Editcode"));
    editpass = new QLineEdit(this);
    editpass->setObjectName(QStringLiteral("editpass"));
    editpass->setEchoMode(QLineEdit::Password);
    Editname = new QLineEdit(this);
    Editname->setObjectName(QStringLiteral("Editname"));
    Editname->setReadOnly(true);

    auto* form = new QFormLayout;
    auto addRow = [&](const char* name, const QString& text, QLineEdit* edit) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QString::fromLatin1(name));
        l->setBuddy(edit);
        form->addRow(l, edit);
    };
    addRow("Label1", QStringLiteral("请输入工号:"), Editcode);
    addRow("Label2", QStringLiteral("操作员姓名:"), Editname);
    addRow("Label3", QStringLiteral("请输入密码:"), editpass);

    // Flat buttons that take no focus: clicking them never moves the focus out of a box.
    SpeedButtonsure = new QPushButton(QStringLiteral("确定(&Y)"), this);
    SpeedButtonsure->setObjectName(QStringLiteral("SpeedButtonsure"));
    SpeedButton2 = new QPushButton(QStringLiteral("退出(&X)"), this);
    SpeedButton2->setObjectName(QStringLiteral("SpeedButton2"));
    for (QPushButton* b : {SpeedButtonsure, SpeedButton2}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setFlat(true);
        b->setAutoDefault(false);
    }
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(SpeedButtonsure);
    buttons->addWidget(SpeedButton2);

    auto* body = new QVBoxLayout;
    body->setContentsMargins(36, 12, 36, 16);
    body->addLayout(form);
    body->addLayout(buttons);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(title);
    outer->addLayout(body);

    setTabOrder(Editcode, editpass);
    setTabOrder(editpass, Editname);
    Editcode->installEventFilter(this);
    editpass->installEventFilter(this);
    connect(SpeedButtonsure, &QPushButton::clicked, this, [this] { SpeedButtonsureClick(); });
    connect(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
    Editcode->setFocus();
}

void Tfrmmz_xyf_onland::clearEntries() {
    Editcode->clear();
    Editname->clear();
    editpass->clear();
    Editcode->setFocus();
}

void Tfrmmz_xyf_onland::FormActivate() {
    // The error box's closing re-activates this window; reading again at once would only
    // show the same error again.
    skipNextActivation_ = !readHospitalName(this, db_);
}

bool Tfrmmz_xyf_onland::EditcodeLookup() {
    std::optional<OperatorRow> row;
    try {
        row = OperatorLogin(db_).lookup(Editcode->text());
    } catch (const DbError& e) {
        prompter().errorBox(this, e.message());
        return false;
    }
    if (!row) {
        prompter().messageBox(this, QStringLiteral("没有符合条件的工号！"), kPromptTitle,
                              PromptIcon::Question, PromptButtons::Ok);
        Editcode->setFocus();
        return false;
    }
    Editname->setText(row->name);
    Session::current().operatorPassword = row->password;
    editpass->setFocus();
    return true;
}

void Tfrmmz_xyf_onland::SpeedButtonsureClick() {
    Session& session = Session::current();
    session.pharmacyCode.clear();
    try {
        OperatorLogin login(db_);
        const auto found = login.lookup(Editcode->text());
        if (!found) {
            prompter().messageBox(this, QStringLiteral("没有符合条件的工号！"), kPromptTitle,
                                  PromptIcon::Question, PromptButtons::Ok);
            Editcode->setFocus();
            Editcode->clear();
            return;
        }
        Editname->setText(found->name);
        const auto matched = login.match(Editcode->text(), editpass->text());
        if (!matched) {
            prompter().messageBox(this, QStringLiteral("没有符合条件的密码！"), kPromptTitle,
                                  PromptIcon::Question, PromptButtons::Ok);
            editpass->setFocus();
            editpass->clear();
            return;
        }
        session.operatorName = matched->name;
        session.operatorCode = matched->code;
        session.operatorPassword = matched->password;
        session.operatorGrade = matched->grade.trimmed();
    } catch (const DbError& e) {
        prompter().errorBox(this, e.message());
        return;
    }
    if (!OperatorLogin::isAdmittedGrade(session.operatorGrade)) {
        prompter().messageBox(this, QStringLiteral("非财务科人员不能进行\r\r  请重新登陆！"),
                              QStringLiteral("系统操作提示：\r"), PromptIcon::Question,
                              PromptButtons::Ok);
        Editcode->setFocus();
        Editcode->clear();
        Editname->clear();
        editpass->clear();
        return;
    }
    hide();
    session.loginDepartmentCode = QStringLiteral("01");
    if (admitted_) {
        admitted_();
    }
}

void Tfrmmz_xyf_onland::SpeedButton2Click() {
    if (confirmExit(this)) {
        if (exit_) {
            exit_();
        } else {
            QApplication::exit(0);
        }
    }
}

bool Tfrmmz_xyf_onland::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == Editcode) {
                EditcodeLookup();
                return true;
            }
            if (watched == editpass) {
                SpeedButtonsure->click();
                return true;
            }
        }
    } else if (event->type() == QEvent::FocusOut && watched == Editcode) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        // Leaving the code box for another box of this window runs the lookup; a message
        // box or another window taking the focus does not.
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason ||
            reason == Qt::MouseFocusReason) {
            EditcodeLookup();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Tfrmmz_xyf_onland::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        if (skipNextActivation_) {
            skipNextActivation_ = false;
        } else {
            FormActivate();
        }
    }
    QWidget::changeEvent(event);
}

void Tfrmmz_xyf_onland::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0xEE, 0xF3, 0xF8));
    QLinearGradient band(0, 0, width(), 0);
    band.setColorAt(0, QColor(0x1F, 0x4E, 0x8C));
    band.setColorAt(1, QColor(0x3A, 0x8D, 0xC9));
    p.fillRect(QRect(0, 0, width(), 64), band);
    p.setPen(QColor(0x1F, 0x4E, 0x8C));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace orbista
