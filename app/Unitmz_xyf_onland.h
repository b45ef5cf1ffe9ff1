#pragma once

#include <QWidget>

#include <functional>

class QLineEdit;
class QPushButton;

namespace orbista {

class Database;

// The login window: operator code, name shown on lookup, password. Borderless, centred.
// On admission it fills the current operator and calls the admitted hook (which shows the
// main window).
class Tfrmmz_xyf_onland : public QWidget {
    Q_OBJECT
  public:
    explicit Tfrmmz_xyf_onland(Database& db, QWidget* owner = nullptr);

    // Called after a successful login, once this window is hidden.
    void setAdmittedHook(std::function<void()> hook) { admitted_ = std::move(hook); }
    // Called when the operator confirms the exit question (default: end the application).
    void setExitHook(std::function<void()> hook) { exit_ = std::move(hook); }
    void clearEntries();

    // Handlers, named after their controls and events.
    void FormActivate();
    bool EditcodeLookup();  // Enter in the code box, or leaving it
    void SpeedButtonsureClick();
    void SpeedButton2Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    Database& db_;
    QLineEdit* Editcode;
    QLineEdit* Editname;
    QLineEdit* editpass;
    QPushButton* SpeedButtonsure;
    QPushButton* SpeedButton2;
    std::function<void()> admitted_;
    std::function<void()> exit_;
    bool skipNextActivation_ = false;
};

// Asks the exit question; true when the operator confirmed.
bool confirmExit(QWidget* parent);

}  // namespace orbista
