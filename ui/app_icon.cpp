// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include <QPainter>

namespace cylindra {

// Drawn on a 64-unit square, like data/cylindra.svg.
QPixmap app_icon_pixmap(int size) {
    QPixmap pm(size, size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x8a, 0x5a, 0x2b)); // floor plate and endcaps
    p.drawRoundedRect(QRectF(8, 56, 48, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(12, 6, 40, 5), 1.5, 1.5);
    p.drawRoundedRect(QRectF(12, 45, 40, 5), 1.5, 1.5);
    p.setBrush(QColor(0xd9, 0xa4, 0x5b)); // the cardboard tube
    p.drawRect(QRectF(15, 11, 34, 34));
    p.setBrush(QColor(0x37, 0x6a, 0xf0)); // the port
    p.drawRect(QRectF(28, 11, 8, 22));
    p.setBrush(QColor(0x33, 0x33, 0x33)); // the driver below the bottom endcap
    p.drawPolygon(QPolygonF({{22, 50}, {42, 50}, {36, 55}, {28, 55}}));
    return pm;
}

QIcon app_icon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(app_icon_pixmap(size));
    }
    return icon;
}

} // namespace cylindra
