#pragma once

#include "commandtable.h"

#include <QBrush>
#include <QIcon>
#include <QPixmap>

namespace orbista::artwork {

// Our own pictures, drawn at run time: no image files to ship.
QPixmap banner(QSize size);
QBrush backgroundBrush();
// A rounded tile with one character on it, coloured by the character.
QIcon commandIcon(const QString& glyph);
QIcon categoryIcon(Category c);

}  // namespace orbista::artwork
