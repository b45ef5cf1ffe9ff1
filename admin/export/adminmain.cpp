#include "adminmain.h"

#include "admincommands.h"
#include "database.h"
#include "exportcommand.h"

#include <QApplication>
#include <QCoreApplication>

#include <cstring>
#include <memory>

namespace orbista::admin {

int adminMain(int argc, char** argv) {
    std::unique_ptr<QCoreApplication> app;
    if (argc > 1 && std::strcmp(argv[1], "export") == 0) {
        // Fonts and pages need a GUI application; it never shows a window.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        app = std::make_unique<QApplication>(argc, argv);
        registerExportCommand();
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }
    const int code = run(QCoreApplication::arguments());
    // The connection goes before the application and Qt's driver registry do.
    Database::shared().close();
    return code;
}

}  // namespace orbista::admin
