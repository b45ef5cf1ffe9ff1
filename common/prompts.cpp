#include "prompts.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace orbista {

namespace {

DialogPrompter& dialogPrompter() {
    static DialogPrompter instance;
    return instance;
}

Prompter*& installed() {
    static Prompter* current = nullptr;
    return current;
}

// The application title, which titles simple messages.
QString applicationTitle() {
    return QStringLiteral("财务管理子系统");
}

}  // namespace

Prompter& prompter() {
    return installed() ? *installed() : dialogPrompter();
}

void setPrompter(Prompter* p) {
    installed() = p;
}

// --- the rule of windows activated again ---

namespace {

void activateAgain(QWidget* parent) {
    if (auto* window = dynamic_cast<ActivatedAgain*>(parent ? parent->window() : nullptr)) {
        window->activatedAgain();
    }
}

}  // namespace

PromptAnswer Prompter::messageBox(QWidget* parent, const QString& text, const QString& title,
                                  PromptIcon icon, PromptButtons buttons) {
    return showMessageBox(parent, text, title, icon, buttons);
}

void Prompter::simpleMessage(QWidget* parent, const QString& text) {
    showSimpleMessage(parent, text);
    activateAgain(parent);
}

std::optional<QString> Prompter::inputBox(QWidget* parent, const QString& title,
                                          const QString& label, const QString& text) {
    auto answer = showInputBox(parent, title, label, text);
    activateAgain(parent);
    return answer;
}

void Prompter::errorBox(QWidget* parent, const QString& text) {
    showErrorBox(parent, text);
}

void Prompter::preview(QWidget* parent, PreviewSession& session) {
    showPreview(parent, session);
    activateAgain(parent);
}

// --- real dialogs ---

PromptAnswer DialogPrompter::showMessageBox(QWidget* parent, const QString& text,
                                            const QString& title, PromptIcon icon,
                                            PromptButtons buttons) {
    QMessageBox box(parent);
    box.setWindowTitle(QString(title).remove(u'\r'));
    box.setText(QString(text).replace(u'\r', u'\n'));
    switch (icon) {
        case PromptIcon::None:
            box.setIcon(QMessageBox::NoIcon);
            break;
        case PromptIcon::Question:
            box.setIcon(QMessageBox::Question);
            break;
        case PromptIcon::Information:
            box.setIcon(QMessageBox::Information);
            break;
        case PromptIcon::Warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case PromptIcon::Critical:
            box.setIcon(QMessageBox::Critical);
            break;
    }
    switch (buttons) {
        case PromptButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            break;
        case PromptButtons::OkCancel:
            box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
            box.button(QMessageBox::Cancel)->setText(QStringLiteral("取消"));
            break;
        case PromptButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.button(QMessageBox::Yes)->setText(QStringLiteral("是(&Y)"));
            box.button(QMessageBox::No)->setText(QStringLiteral("否(&N)"));
            break;
    }
    if (buttons != PromptButtons::YesNo) {
        box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    }
    switch (box.exec()) {
        case QMessageBox::Cancel:
            return PromptAnswer::Cancel;
        case QMessageBox::Yes:
            return PromptAnswer::Yes;
        case QMessageBox::No:
            return PromptAnswer::No;
        default:
            return buttons == PromptButtons::OkCancel && box.clickedButton() == nullptr
                       ? PromptAnswer::Cancel
                       : PromptAnswer::Ok;
    }
}

void DialogPrompter::showSimpleMessage(QWidget* parent, const QString& text) {
    showMessageBox(parent, text, applicationTitle(), PromptIcon::None, PromptButtons::Ok);
}

std::optional<QString> DialogPrompter::showInputBox(QWidget* parent, const QString& title,
                                                    const QString& label, const QString& text) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, title, label, QLineEdit::Normal, text, &ok);
    if (!ok) {
        return std::nullopt;
    }
    return answer;
}

void DialogPrompter::showErrorBox(QWidget* parent, const QString& text) {
    showMessageBox(parent, text, applicationTitle(), PromptIcon::Critical, PromptButtons::Ok);
}

void DialogPrompter::showPreview(QWidget* parent, PreviewSession& session) {
    session.showBlocking(parent);
}

// --- scripted answers for tests ---

ScriptedPrompter::ScriptedPrompter() {
    setPrompter(this);
}

ScriptedPrompter::~ScriptedPrompter() {
    if (installed() == this) {
        setPrompter(nullptr);
    }
}

QStringList ScriptedPrompter::texts() const {
    QStringList out;
    for (const Record& r : records_) {
        out << r.text;
    }
    return out;
}

PromptAnswer ScriptedPrompter::showMessageBox(QWidget*, const QString& text, const QString& title,
                                              PromptIcon icon, PromptButtons buttons) {
    records_.append({QStringLiteral("message"), text, title, icon, buttons, 0});
    if (answers_.empty()) {
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }
    const PromptAnswer a = answers_.front();
    answers_.pop_front();
    return a;
}

void ScriptedPrompter::showSimpleMessage(QWidget*, const QString& text) {
    records_.append({QStringLiteral("simple"), text, applicationTitle(), PromptIcon::None,
                     PromptButtons::Ok, 0});
}

std::optional<QString> ScriptedPrompter::showInputBox(QWidget*, const QString& title,
                                                      const QString& label, const QString&) {
    records_.append(
        {QStringLiteral("input"), label, title, PromptIcon::None, PromptButtons::Ok, 0});
    std::optional<QString> a;
    if (!inputs_.empty()) {
        a.swap(inputs_.front());
        inputs_.pop_front();
    }
    return a;
}

void ScriptedPrompter::showErrorBox(QWidget*, const QString& text) {
    records_.append({QStringLiteral("error"), text, applicationTitle(), PromptIcon::Critical,
                     PromptButtons::Ok, 0});
}

void ScriptedPrompter::showPreview(QWidget* parent, PreviewSession& session) {
    records_.append({QStringLiteral("preview"), session.title(), session.title(), PromptIcon::None,
                     PromptButtons::Ok, session.pageCount()});
    if (previews_.empty()) {
        return;
    }
    const PreviewAction a = previews_.front();
    previews_.pop_front();
    if (a == PreviewAction::Print) {
        printResults.append(session.print(parent));
    }
}

}  // namespace orbista
