#pragma once

#include "reportpage.h"

#include <QImage>
#include <QRectF>

class QPainter;

namespace orbista::report {

// Paints one laid-out page, scaled from millimetres so that the paper fills `target`
// (device coordinates of the painter). Text uses the layout's font names through the report
// font substitutions, so "宋体" draws with the installed Chinese font.
void paintPage(const Page& page, QPainter& painter, const QRectF& target);
// The same, filling the painter's whole device (a printer page with full-page on, a PDF
// page without margins, an image).
void paintPage(const Page& page, QPainter& painter);

// The page as an image at `dotsPerInch`, white paper.
QImage renderPageImage(const Page& page, double dotsPerInch);

}  // namespace orbista::report
