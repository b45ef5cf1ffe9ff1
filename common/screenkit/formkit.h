#pragma once

#include <QPushButton>
#include <QString>

namespace orbista {

// Gives a control the name tests and handlers find it by, and returns it.
template <typename W>
W* named(W* widget, const char* objectName) {
    widget->setObjectName(QString::fromLatin1(objectName));
    return widget;
}

// A screen's action button. Not a default button: Enter in a filter box does what the screen
// wires it to do, never presses whichever button happens to be the dialog's default.
inline QPushButton* actionButton(QWidget* parent, const char* objectName, const QString& caption) {
    auto* button = named(new QPushButton(caption, parent), objectName);
    button->setAutoDefault(false);
    return button;
}

}  // namespace orbista
