#include "screenregistry.h"

#include <QHash>

namespace orbista {

namespace {

QHash<QString, ScreenFactory>& registry() {
    static QHash<QString, ScreenFactory> screens;
    return screens;
}

}  // namespace

void registerScreen(const QString& className, ScreenFactory factory) {
    registry().insert(className, std::move(factory));
}

ScreenFactory screenFactory(const QString& className) {
    return registry().value(className);
}

}  // namespace orbista
