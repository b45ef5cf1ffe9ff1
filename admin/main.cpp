#include "admincommands.h"

#include <QCoreApplication>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return orbista::admin::run(QCoreApplication::arguments());
}
