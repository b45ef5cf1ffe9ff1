#pragma once

#include <QString>

#include <functional>

class QDialog;
class QWidget;

namespace orbista {

// Creates a query screen, owned by `owner`. Each subsystem registers its screens by class
// name; the main window enables a command once its screen is registered.
using ScreenFactory = std::function<QDialog*(QWidget* owner)>;

void registerScreen(const QString& className, ScreenFactory factory);
// An empty function when no such screen is built.
ScreenFactory screenFactory(const QString& className);

}  // namespace orbista
