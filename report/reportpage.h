#pragma once

#include "reportlayout.h"

#include <QLineF>
#include <QRectF>
#include <QString>

#include <memory>
#include <vector>

namespace orbista::report {

// Laid-out pages as plain data: what to draw where, in millimetres from the paper's top
// left corner. Preview, printer, PDF and images all paint from these.

struct PageText {
    QRectF rect;  // mm; for items sized to their text the width runs to the paper's edge
    QString text;
    int font = 0;  // index into PageStyle::fonts
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString item;  // name of the layout item it came from; empty for unnamed items
};

struct PageLine {
    QLineF line;  // mm
    double widthMm = 0.2;
};

struct PageFrame {
    QRectF rect;  // mm
    double widthMm = 0.2;
};

// What every page of one document shares.
struct PageStyle {
    QSizeF paperMm;  // as printed, orientation applied
    Orientation orientation = Orientation::Portrait;
    std::vector<FontSpec> fonts;
};

struct Page {
    std::shared_ptr<const PageStyle> style;
    int number = 0;  // 1-based
    std::vector<PageFrame> frames;
    std::vector<PageLine> lines;
    std::vector<PageText> texts;
};

struct ReportDocument {
    QString title;
    int zoomPercent = 100;
    std::shared_ptr<const PageStyle> style;
    std::vector<Page> pages;

    int pageCount() const { return static_cast<int>(pages.size()); }
};

}  // namespace orbista::report
