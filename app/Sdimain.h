#pragma once

#include "commandtable.h"

#include <QMainWindow>

#include <functional>

class QLabel;
class QStackedWidget;
class QTimer;

namespace orbista {

class Database;
class Tfrmmz_xyf_onland;

// The main window: menus, five category panels of command labels and picture buttons, a
// toolbar button, re-login, password change, about and exit. Every screen command creates its
// screen with this window as owner, shows it modally and destroys it afterwards.
class Tfrm_query_main : public QMainWindow {
    Q_OBJECT
  public:
    explicit Tfrm_query_main(Database& db, QWidget* parent = nullptr);
    ~Tfrm_query_main() override;

    // Runs a created screen; by default exec() (modal). Tests replace it.
    void setScreenRunner(std::function<void(QDialog*)> runner) { runScreen_ = std::move(runner); }
    void setExitHook(std::function<void()> hook) { exit_ = std::move(hook); }
    // Re-login hands the new login window to whoever shows windows (start-up).
    void setReloginHook(std::function<void(Tfrm_query_main*)> hook) { relogin_ = std::move(hook); }

    // Runs one screen command by its menu item name ("N42"). The hourglass of the hourglass
    // commands is restored even when creating the screen fails.
    void runCommand(const QString& menuItem);
    void showCategory(Category c);
    QWidget* visibleCategoryPanel() const;

    void N6Click();  // re-login
    void N7Click();  // password change
    void HelpAboutItemClick();
    void FileExitItemClick();
    void FormActivate();

    // Enables the commands whose screens are registered; the others stay disabled with a
    // tooltip saying so.
    void refreshCommandStates();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildBanner();
    QWidget* buildLeftColumn();
    QWidget* buildPanel(Category c);
    void buildStatusBar();
    void runDialog(QDialog* dialog);

    Database& db_;
    QStackedWidget* panels_ = nullptr;
    QLabel* statusOperator_ = nullptr;
    QLabel* statusClock_ = nullptr;
    QTimer* clock_ = nullptr;
    std::function<void(QDialog*)> runScreen_;
    std::function<void()> exit_;
    std::function<void(Tfrm_query_main*)> relogin_;
};

}  // namespace orbista
