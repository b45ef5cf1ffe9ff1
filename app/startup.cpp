#include "startup.h"

#include <QApplication>

namespace orbista {

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("财务管理子系统"));
    QApplication::setApplicationDisplayName(QStringLiteral("财务管理子系统"));
    return 0;
}

}  // namespace orbista
