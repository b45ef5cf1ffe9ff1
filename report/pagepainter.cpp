#include "pagepainter.h"

#include "fonts.h"

#include <QFont>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include <cmath>

namespace orbista::report {

namespace {

constexpr double kMmPerPoint = kMmPerInch / 72.0;
// Thinnest line drawn, in device pixels, so hairlines stay visible on screen.
constexpr double kMinLinePx = 1.0;

void ensureReportFonts() {
    static const bool installed = [] {
        installReportFonts();
        return true;
    }();
    Q_UNUSED(installed);
}

QFont deviceFont(const FontSpec& fontDef, double pxPerMm) {
    QFont font(fontDef.family);
    const double px = fontDef.pointSize * kMmPerPoint * pxPerMm;
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(px))));
    font.setBold(fontDef.bold);
    return font;
}

}  // namespace

void paintPage(const Page& page, QPainter& painter, const QRectF& target) {
    ensureReportFonts();
    if (!page.style || page.style->paperMm.isEmpty()) {
        return;
    }
    const double sx = target.width() / page.style->paperMm.width();
    const double sy = target.height() / page.style->paperMm.height();
    const double ox = target.x();
    const double oy = target.y();
    auto map = [&](const QRectF& r) {
        return QRectF(ox + r.x() * sx, oy + r.y() * sy, r.width() * sx, r.height() * sy);
    };
    auto mapPoint = [&](const QPointF& p) { return QPointF(ox + p.x() * sx, oy + p.y() * sy); };
    auto pen = [&](double widthMm) {
        QPen p(Qt::black);
        p.setWidthF(std::max(kMinLinePx, widthMm * sx));
        p.setCapStyle(Qt::SquareCap);
        return p;
    };

    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (const PageFrame& f : page.frames) {
        painter.setPen(pen(f.widthMm));
        painter.drawRect(map(f.rect));
    }
    for (const PageLine& l : page.lines) {
        painter.setPen(pen(l.widthMm));
        painter.drawLine(mapPoint(l.line.p1()), mapPoint(l.line.p2()));
    }

    std::vector<QFont> fonts;
    fonts.reserve(page.style->fonts.size());
    for (const FontSpec& fontDef : page.style->fonts) {
        fonts.push_back(deviceFont(fontDef, sy));
    }
    painter.setPen(Qt::black);
    int currentFont = -1;
    for (const PageText& t : page.texts) {
        if (t.text.isEmpty()) {
            continue;
        }
        if (t.font != currentFont && t.font >= 0 && t.font < static_cast<int>(fonts.size())) {
            painter.setFont(fonts[t.font]);
            currentFont = t.font;
        }
        painter.drawText(map(t.rect), static_cast<int>(t.alignment | Qt::TextDontClip), t.text);
    }
    painter.restore();
}

void paintPage(const Page& page, QPainter& painter) {
    const QPaintDevice* device = painter.device();
    if (!device) {
        return;
    }
    paintPage(page, painter, QRectF(0, 0, device->width(), device->height()));
}

QImage renderPageImage(const Page& page, double dotsPerInch) {
    if (!page.style) {
        return {};
    }
    const QSizeF mm = page.style->paperMm;
    const double pxPerMm = dotsPerInch / kMmPerInch;
    QImage image(static_cast<int>(std::lround(mm.width() * pxPerMm)),
                 static_cast<int>(std::lround(mm.height() * pxPerMm)), QImage::Format_RGB32);
    const int dotsPerMeter = static_cast<int>(std::lround(pxPerMm * 1000));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    paintPage(page, painter);
    return image;
}

}  // namespace orbista::report
