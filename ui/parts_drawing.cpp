// SPDX-License-Identifier: GPL-3.0-or-later
// The endcaps and plates drawn apart, top to bottom, each measure marked with
// the letter its field caption carries: cover plate (A, B), top endcap (C, D,
// E), bottom endcap (F, G), floor plate (H, I).
#include "diagrams.h"

#include <QPainter>

namespace cylindra {

namespace {

const QColor kBackground(0xE0, 0xE0, 0xE0);
const QColor kPart(0xF0, 0xDC, 0xB4);
const QColor kOutline(0x80, 0x00, 0x00);
const QColor kMeasure(0x60, 0x60, 0x60);

// Drawing units: the drawing is laid out on a 206 by 276 grid and scaled.
constexpr double kWidth = 206, kHeight = 276;

class PartsPainter {
  public:
    explicit PartsPainter(QPainter& p) : m_p(p) {}

    void plate(double y, double half, double thick) { box(103 - half, y, 2 * half, thick); }

    // A stepped endcap: the exposed disc and the plug that fits the tube,
    // with a hole through both.
    void stepped(double y, bool plug_below, double hole) {
        const double exposed = 10, plug = 10;
        const double disc_y = plug_below ? y : y + plug, plug_y = plug_below ? y + exposed : y;
        for (const int side : {-1, 1}) {
            const double inner = 103 + side * hole;
            box(std::min(inner, 103 + side * 70.0), disc_y, 70 - hole, exposed);
            box(std::min(inner, 103 + side * 58.0), plug_y, 58 - hole, plug);
        }
    }

    void across(double y, double x0, double x1, const char* letter) {
        line(x0, y, x1, y);
        tick(x0, y, true);
        tick(x1, y, true);
        m_p.drawText(QRectF((x0 + x1) / 2 - 8, y - 13, 16, 12), Qt::AlignCenter, letter);
    }

    void upright(double x, double y0, double y1, const char* letter) {
        line(x, y0, x, y1);
        tick(x, y0, false);
        tick(x, y1, false);
        m_p.drawText(QRectF(x + 3, (y0 + y1) / 2 - 6, 12, 12), Qt::AlignCenter, letter);
    }

  private:
    void box(double x, double y, double w, double h) {
        m_p.setPen(QPen(kOutline, 1));
        m_p.setBrush(kPart);
        m_p.drawRect(QRectF(x, y, w, h));
    }
    void line(double x0, double y0, double x1, double y1) {
        m_p.setPen(QPen(kMeasure, 1));
        m_p.drawLine(QPointF(x0, y0), QPointF(x1, y1));
    }
    void tick(double x, double y, bool vertical) {
        if (vertical) {
            line(x, y - 3, x, y + 3);
        } else {
            line(x - 3, y, x + 3, y);
        }
    }

    QPainter& m_p;
};

} // namespace

PartsDrawing::PartsDrawing(bool with_cover, QWidget* parent)
    : QWidget(parent), m_with_cover(with_cover) {}

void PartsDrawing::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kBackground);
    const double s = std::min(width() / kWidth, height() / kHeight);
    p.translate((width() - kWidth * s) / 2, (height() - kHeight * s) / 2);
    p.scale(s, s);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    PartsPainter d(p);
    if (m_with_cover) {
        d.across(20, 33, 173, "A");
        d.plate(26, 70, 10);
        d.upright(178, 26, 36, "B");
    }
    d.across(66, 33, 173, "C");
    d.stepped(72, true, 16);
    d.upright(178, 72, 82, "D");
    d.upright(192, 72, 92, "E");
    d.stepped(140, false, 40);
    d.upright(192, 140, 160, "F");
    d.upright(178, 150, 160, "G");
    d.plate(214, 70, 10);
    d.upright(178, 214, 224, "H");
    d.across(238, 33, 173, "I");
}

} // namespace cylindra
