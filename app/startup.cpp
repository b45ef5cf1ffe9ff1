#include "startup.h"

#include "Sdimain.h"
#include "Unitmz_xyf_onland.h"
#include "database.h"
#include "fonts.h"
#include "screens.h"

#include <QApplication>
#include <QScreen>

namespace orbista {

namespace {

void centre(QWidget* w) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        w->move(screen->availableGeometry().center() - w->rect().center());
    }
}

}  // namespace

void connectLogin(Tfrmmz_xyf_onland* login, Tfrm_query_main* main) {
    login->setAdmittedHook([main] {
        main->refreshCommandStates();
        main->showMaximized();
        main->activateWindow();
        main->FormActivate();
    });
}

Tfrmmz_xyf_onland* relogin(Database& db, Tfrm_query_main* main) {
    auto* login = new Tfrmmz_xyf_onland(db, main);
    login->setAttribute(Qt::WA_DeleteOnClose);
    connectLogin(login, main);
    main->hide();
    centre(login);
    login->show();
    login->clearEntries();
    login->activateWindow();
    return login;
}

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orbista-finance"));
    QApplication::setApplicationDisplayName(QStringLiteral("财务管理子系统"));
    installReportFonts();
    registerAllScreens();

    // The connection opens on its first use: the login window's read of the hospital name.
    Database& db = Database::shared();
    Tfrmmz_xyf_onland login(db);
    Tfrm_query_main main(db);
    main.hide();
    main.setReloginHook([&db](Tfrm_query_main* m) { relogin(db, m); });
    connectLogin(&login, &main);
    centre(&login);
    login.show();
    login.activateWindow();
    return QApplication::exec();
}

}  // namespace orbista
