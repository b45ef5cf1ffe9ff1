#include "Sdimain.h"

#include "Unit_about.h"
#include "Unitchangepass.h"
#include "Unitmz_xyf_onland.h"
#include "artwork.h"
#include "database.h"
#include "prompts.h"
#include "screenregistry.h"
#include "session.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace orbista {

namespace {

constexpr Category kCategories[] = {Category::Outpatient, Category::Pharmacy, Category::Warehouse,
                                    Category::Inpatient, Category::Finance};

// Separators in the menus: after which item, and whether shown.
struct Separator {
    const char* after;
    bool visible;
};
constexpr Separator kSeparators[] = {{"N40", false}, {"N61", true},  {"N15", false}, {"N32", true},
                                     {"N49", false}, {"N27", false}, {"N24", true}};

// Keeps the hourglass for the life of a command, restoring it however the command ends.
class HourglassGuard {
  public:
    explicit HourglassGuard(bool on) : on_(on) {
        if (on_) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        }
    }
    ~HourglassGuard() {
        if (on_) {
            QApplication::restoreOverrideCursor();
        }
    }
    HourglassGuard(const HourglassGuard&) = delete;
    HourglassGuard& operator=(const HourglassGuard&) = delete;

  private:
    bool on_;
};

// Shows the normal pointer while a modal window is up, whatever the command set.
class NormalCursorWhileShown {
  public:
    NormalCursorWhileShown() { QApplication::setOverrideCursor(Qt::ArrowCursor); }
    ~NormalCursorWhileShown() { QApplication::restoreOverrideCursor(); }
    NormalCursorWhileShown(const NormalCursorWhileShown&) = delete;
    NormalCursorWhileShown& operator=(const NormalCursorWhileShown&) = delete;
};

}  // namespace

Tfrm_query_main::Tfrm_query_main(Database& db, QWidget* parent)
    : QMainWindow(parent), db_(db), runScreen_([](QDialog* d) { d->exec(); }) {
    setObjectName(QStringLiteral("frm_query_main"));
    setWindowTitle(QStringLiteral("财务管理子系统"));
    resize(1024, 700);

    buildMenus();

    auto* central = new QWidget(this);
    auto* outer = new QVBoxLayout(central);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    outer->addWidget(buildBanner());

    auto* body = new QWidget(central);
    body->setObjectName(QStringLiteral("Image6"));
    body->setAutoFillBackground(true);
    QPalette pal = body->palette();
    pal.setBrush(QPalette::Window, artwork::backgroundBrush());
    body->setPalette(pal);
    auto* row = new QHBoxLayout(body);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(buildLeftColumn());

    panels_ = new QStackedWidget(body);
    panels_->setFixedSize(753, 393);
    for (Category c : kCategories) {
        panels_->addWidget(buildPanel(c));
    }
    // Before any category button is pressed the financial-reports panel lies on top.
    showCategory(Category::Finance);
    row->addWidget(panels_, 0, Qt::AlignTop | Qt::AlignLeft);
    row->addStretch();
    outer->addWidget(body, 1);
    setCentralWidget(central);

    buildStatusBar();
    refreshCommandStates();
}

Tfrm_query_main::~Tfrm_query_main() = default;

void Tfrm_query_main::buildMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));
    for (Category c : kCategories) {
        QMenu* menu = bar->addMenu(categoryMenuTitle(c));
        for (const ScreenCommand& cmd : screenCommands()) {
            if (cmd.category != c) {
                continue;
            }
            QAction* action = menu->addAction(cmd.menuCaption);
            action->setObjectName(cmd.menuItem);
            action->setVisible(!cmd.menuHidden);
            const QString item = cmd.menuItem;
            connect(action, &QAction::triggered, this, [this, item] { runCommand(item); });
            for (const Separator& s : kSeparators) {
                if (cmd.menuItem == QLatin1String(s.after)) {
                    QAction* sep = menu->addSeparator();
                    sep->setVisible(s.visible);
                    if (cmd.menuItem == u"N49") {
                        // The hidden separator carries the price-adjustment stock-taking
                        // screen; hidden, so that screen is not reachable from here.
                        sep->setObjectName(QStringLiteral("N66"));
                        sep->setData(QStringLiteral("Tfrm_tjpd"));
                    }
                }
            }
        }
    }
    QMenu* system = bar->addMenu(QStringLiteral("【系统功能&S】"));
    QAction* relogin = system->addAction(QStringLiteral("重新登录"));
    relogin->setObjectName(QStringLiteral("N6"));
    connect(relogin, &QAction::triggered, this, [this] { N6Click(); });
    QAction* password = system->addAction(QStringLiteral("密码修改"));
    password->setObjectName(QStringLiteral("N7"));
    connect(password, &QAction::triggered, this, [this] { N7Click(); });

    QMenu* help = bar->addMenu(QStringLiteral("【系统帮助&H】"));
    QAction* about = help->addAction(QStringLiteral("关于软件"));
    about->setObjectName(QStringLiteral("HelpAboutItem"));
    connect(about, &QAction::triggered, this, [this] { HelpAboutItemClick(); });
    help->addAction(QStringLiteral("联机帮助"));

    QAction* exitItem = bar->addAction(QStringLiteral("退出系统(&X)"));
    exitItem->setObjectName(QStringLiteral("FileExitItem"));
    connect(exitItem, &QAction::triggered, this, [this] { FileExitItemClick(); });
}

QWidget* Tfrm_query_main::buildBanner() {
    auto* banner = new QLabel(this);
    banner->setObjectName(QStringLiteral("Image3"));
    banner->setFixedHeight(73);
    banner->setPixmap(artwork::banner(QSize(1600, 73)));
    banner->setScaledContents(true);
    auto* title = new QLabel(QStringLiteral("财务报表管理系统"), banner);
    title->setObjectName(QStringLiteral("Label13"));
    title->setStyleSheet(QStringLiteral("color: white; font-size: 26px; font-weight: bold;"));
    title->move(60, 18);
    title->adjustSize();
    auto* toolbar = new QToolButton(banner);
    toolbar->setObjectName(QStringLiteral("SpeedButton19"));
    toolbar->setToolTip(QStringLiteral("发出药品清单查询"));
    toolbar->setIcon(artwork::commandIcon(QStringLiteral("药")));
    toolbar->setAutoRaise(true);
    toolbar->move(6, 6);
    connect(toolbar, &QToolButton::clicked, this, [this] { runCommand(QStringLiteral("N9")); });
    return banner;
}

QWidget* Tfrm_query_main::buildLeftColumn() {
    auto* column = new QWidget(this);
    column->setObjectName(QStringLiteral("Panel2"));
    column->setFixedWidth(215);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(12, 16, 12, 16);
    layout->setSpacing(10);
    for (Category c : kCategories) {
        auto* b = new QPushButton(artwork::categoryIcon(c), categoryCaption(c), column);
        b->setObjectName(categoryButtonName(c));
        b->setToolTip(categoryCaption(c));
        b->setMinimumHeight(44);
        connect(b, &QPushButton::clicked, this, [this, c] { showCategory(c); });
        layout->addWidget(b);
    }
    layout->addStretch();
    return column;
}

QWidget* Tfrm_query_main::buildPanel(Category c) {
    auto* panel = new QWidget(this);
    panel->setObjectName(categoryPanelName(c));
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(24, 20, 24, 20);
    grid->setHorizontalSpacing(28);
    grid->setVerticalSpacing(10);
    int index = 0;
    for (const ScreenCommand& cmd : screenCommands()) {
        if (cmd.category != c) {
            continue;
        }
        const QString item = cmd.menuItem;
        if (cmd.panelControl.startsWith(u"Label")) {
            // A command label: text acting as a link, an icon beside it.
            auto* icon = new QLabel(panel);
            icon->setPixmap(artwork::commandIcon(cmd.panelCaption.left(1)).pixmap(20, 20));
            auto* link = new QLabel(cmd.panelCaption, panel);
            link->setObjectName(cmd.panelControl);
            link->setCursor(Qt::PointingHandCursor);
            link->setProperty("command", item);
            link->installEventFilter(this);
            const int r = index % 9;
            const int col = (index / 9) * 2;
            grid->addWidget(icon, r, col);
            grid->addWidget(link, r, col + 1);
        } else {
            auto* b = new QToolButton(panel);
            b->setObjectName(cmd.panelControl);
            b->setText(cmd.panelCaption);
            b->setToolTip(cmd.panelHint);
            b->setIcon(artwork::commandIcon(cmd.panelCaption.left(1)));
            b->setIconSize(QSize(48, 48));
            b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
            b->setAutoRaise(true);
            b->setMinimumSize(110, 90);
            connect(b, &QToolButton::clicked, this, [this, item] { runCommand(item); });
            grid->addWidget(b, index / 3, index % 3);
        }
        ++index;
    }
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(grid->columnCount(), 1);
    return panel;
}

void Tfrm_query_main::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    auto panel = [bar](const QString& text, int width, bool centred) {
        auto* l = new QLabel(text, bar);
        l->setFixedWidth(width);
        if (centred) {
            l->setAlignment(Qt::AlignCenter);
        }
        bar->addWidget(l);
        return l;
    };
    panel(QStringLiteral("【财务管理子系统】"), 120, true);
    statusOperator_ = panel({}, 220, false);
    statusClock_ = panel({}, 220, false);
    panel(QStringLiteral("【ORBISTA】"), 300, true);
    bar->hide();  // kept, never shown
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(clock_, &QTimer::timeout, this, [this] {
        statusClock_->setText(
            QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
    });
    clock_->start();
}

void Tfrm_query_main::refreshCommandStates() {
    for (const ScreenCommand& cmd : screenCommands()) {
        const bool built = static_cast<bool>(screenFactory(cmd.screenClass));
        const QString tip =
            built ? QString() : QStringLiteral("“%1”尚未开放").arg(cmd.screenCaption);
        if (auto* action = findChild<QAction*>(cmd.menuItem)) {
            action->setEnabled(built);
            action->setToolTip(built ? cmd.menuCaption : tip);
        }
        if (auto* control = findChild<QWidget*>(cmd.panelControl)) {
            control->setEnabled(built);
            if (!built) {
                control->setToolTip(tip);
            } else if (!cmd.panelHint.isEmpty()) {
                control->setToolTip(cmd.panelHint);
            } else {
                control->setToolTip({});
            }
        }
    }
    if (auto* toolbar = findChild<QWidget*>(QStringLiteral("SpeedButton19"))) {
        toolbar->setEnabled(static_cast<bool>(screenFactory(QStringLiteral("Tfrm_yfxs_query"))));
    }
}

void Tfrm_query_main::showCategory(Category c) {
    panels_->setCurrentWidget(findChild<QWidget*>(categoryPanelName(c)));
}

QWidget* Tfrm_query_main::visibleCategoryPanel() const {
    return panels_->currentWidget();
}

void Tfrm_query_main::runDialog(QDialog* dialog) {
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    {
        NormalCursorWhileShown normal;
        runScreen_(dialog);
    }
    delete dialog;
}

void Tfrm_query_main::runCommand(const QString& menuItem) {
    const ScreenCommand* cmd = findCommand(menuItem);
    if (!cmd) {
        return;
    }
    const ScreenFactory factory = screenFactory(cmd->screenClass);
    if (!factory) {
        return;
    }
    HourglassGuard hourglass(cmd->hourglass);
    QDialog* screen = nullptr;
    try {
        screen = factory(this);
    } catch (const DbError& e) {
        prompter().errorBox(this, e.message());
        return;
    } catch (const std::exception& e) {
        prompter().errorBox(this, QString::fromLocal8Bit(e.what()));
        return;
    }
    if (screen) {
        runDialog(screen);
    }
}

void Tfrm_query_main::N6Click() {
    HourglassGuard hourglass(true);
    if (relogin_) {
        relogin_(this);
    }
}

void Tfrm_query_main::N7Click() {
    runDialog(new Tfrmchangepass(db_, this));
}

void Tfrm_query_main::HelpAboutItemClick() {
    runDialog(new TfrmAboutBox(this));
}

void Tfrm_query_main::FileExitItemClick() {
    if (confirmExit(this)) {
        if (exit_) {
            exit_();
        } else {
            QApplication::exit(0);
        }
    }
}

void Tfrm_query_main::FormActivate() {
    statusOperator_->setText(QStringLiteral("操作员:") + Session::current().operatorName);
    statusClock_->setText(
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")));
}

void Tfrm_query_main::closeEvent(QCloseEvent* event) {
    // The title-bar close box asks the exit question rather than leaving the application
    // running with no window shown.
    event->ignore();
    FileExitItemClick();
}

void Tfrm_query_main::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        FormActivate();
    }
    QMainWindow::changeEvent(event);
}

bool Tfrm_query_main::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label && label->isEnabled() && label->property("command").isValid() &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            runCommand(label->property("command").toString());
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

}  // namespace orbista
