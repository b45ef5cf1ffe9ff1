#include "artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace orbista::artwork {

QPixmap banner(QSize size) {
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, size.width(), size.height());
    g.setColorAt(0, QColor(0x15, 0x3E, 0x75));
    g.setColorAt(0.6, QColor(0x2C, 0x7B, 0xB6));
    g.setColorAt(1, QColor(0x7F, 0xC4, 0xE8));
    p.fillRect(pixmap.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 28));
    for (int i = 0; i < 6; ++i) {
        p.drawEllipse(QPoint(size.width() - 120 * i, size.height()), 90 + 20 * i, 90 + 20 * i);
    }
    return pixmap;
}

QBrush backgroundBrush() {
    QLinearGradient g(0, 0, 0, 800);
    g.setColorAt(0, QColor(0xF4, 0xF8, 0xFB));
    g.setColorAt(1, QColor(0xDD, 0xE8, 0xF1));
    return QBrush(g);
}

QIcon commandIcon(const QString& glyph) {
    static const QColor palette[] = {QColor(0x2C, 0x7B, 0xB6), QColor(0x1A, 0x93, 0x6F),
                                     QColor(0xC0, 0x6C, 0x1E), QColor(0x8E, 0x44, 0xAD),
                                     QColor(0xC0, 0x39, 0x2B)};
    const QChar c = glyph.isEmpty() ? QChar(u'·') : glyph[0];
    const QColor colour = palette[c.unicode() % 5];
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(2, 2, 60, 60), 12, 12);
    p.fillPath(tile, colour);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(34);
    f.setBold(true);
    p.setFont(f);
    p.drawText(pixmap.rect(), Qt::AlignCenter, QString(c));
    return QIcon(pixmap);
}

QIcon categoryIcon(Category c) {
    return commandIcon(categoryCaption(c).left(1));
}

}  // namespace orbista::artwork
