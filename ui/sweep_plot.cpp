// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep_plot.h"

#include "core/number_text.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace cylindra {

namespace {

QString number(double v) {
    return QString::fromStdString(std::string(trim_blanks(plain_number(v))));
}

// A round ceiling for the impedance axis: 1, 2 or 5 times a power of ten.
double nice_top(double ohms) {
    const double decade = std::pow(10.0, std::floor(std::log10(ohms)));
    for (const double step : {1.0, 2.0, 5.0, 10.0}) {
        if (step * decade >= ohms) {
            return step * decade;
        }
    }
    return 10 * decade;
}

} // namespace

SweepPlot::SweepPlot(QWidget* parent) : QWidget(parent) {
    setMinimumSize(360, 180);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAccessibleName("Impedance sweep");
}

void SweepPlot::set_sweep(std::vector<SweepPoint> points, const TuningFound& tuning) {
    m_points = std::move(points);
    m_tuning = tuning;
    double highest = 1;
    for (const SweepPoint& p : m_points) {
        highest = std::max(highest, p.ohms);
    }
    m_top_ohms = nice_top(highest * 1.05);
    setAccessibleDescription(tuning.found
                                 ? QString("Minimum at %1 Hz between peaks at %2 and %3 Hz")
                                       .arg(number(tuning.minimum.hz))
                                       .arg(number(tuning.low_peak.hz))
                                       .arg(number(tuning.high_peak.hz))
                                 : QString());
    update();
}

QPointF SweepPlot::at(double hz, double ohms) const {
    const double low = std::log(m_points.front().hz), high = std::log(m_points.back().hz);
    const double x = (std::log(hz) - low) / (high - low);
    return {m_area.left() + x * m_area.width(),
            m_area.bottom() - std::clamp(ohms / m_top_ohms, 0.0, 1.0) * m_area.height()};
}

// Vertical lines at 1, 2 and 5 times each power of ten, labelled in Hz, and
// five horizontal lines labelled in ohms.
void SweepPlot::draw_grid(QPainter& painter) const {
    const QFontMetrics metrics = painter.fontMetrics();
    painter.setPen(QColor(0xD0, 0xD0, 0xD0));
    for (double decade = std::pow(10.0, std::floor(std::log10(m_points.front().hz)));
         decade > 0 && decade <= m_points.back().hz; decade *= 10) {
        for (const double step : {1.0, 2.0, 5.0}) {
            const double hz = step * decade;
            if (hz < m_points.front().hz || hz > m_points.back().hz) {
                continue;
            }
            const double x = at(hz, 0).x();
            painter.setPen(QColor(0xD0, 0xD0, 0xD0));
            painter.drawLine(QPointF(x, m_area.top()), QPointF(x, m_area.bottom()));
            painter.setPen(Qt::black);
            const QString text = number(hz);
            painter.drawText(QPointF(x - metrics.horizontalAdvance(text) / 2.0,
                                     m_area.bottom() + metrics.ascent() + 3),
                             text);
        }
    }
    for (int i = 0; i <= 4; ++i) {
        const double ohms = m_top_ohms * i / 4;
        const double y = at(m_points.front().hz, ohms).y();
        painter.setPen(QColor(0xD0, 0xD0, 0xD0));
        painter.drawLine(QPointF(m_area.left(), y), QPointF(m_area.right(), y));
        painter.setPen(Qt::black);
        const QString text = number(ohms);
        painter.drawText(QPointF(m_area.left() - metrics.horizontalAdvance(text) - 4,
                                 y + metrics.ascent() / 2.0 - 1),
                         text);
    }
    painter.drawText(QPointF(4, metrics.ascent() + 3), "ohm");
    painter.drawText(QPointF(m_area.right() - metrics.horizontalAdvance("Hz"),
                             m_area.bottom() + 2 * metrics.height()),
                     "Hz");
}

void SweepPlot::draw_mark(QPainter& painter, const SweepPoint& p, const QColor& colour,
                          const QString& text) const {
    const QPointF centre = at(p.hz, p.ohms);
    painter.setPen(QPen(colour, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 5, 5);
    const QFontMetrics metrics = painter.fontMetrics();
    const double width = metrics.horizontalAdvance(text);
    // Beside the mark, kept inside the plotting area.
    const double x = std::clamp(centre.x() + 8, m_area.left(), m_area.right() - width);
    const double y = std::clamp(centre.y() - 6, m_area.top() + metrics.ascent(), m_area.bottom());
    painter.drawText(QPointF(x, y), text);
}

void SweepPlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(Qt::gray);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (m_points.empty()) {
        painter.setPen(Qt::darkGray);
        painter.drawText(rect(), Qt::AlignCenter, "Import a sweep to see its impedance curve");
        return;
    }
    const QFontMetrics metrics = painter.fontMetrics();
    const double left = metrics.horizontalAdvance("0000") + 10;
    // Room above for the impedance unit, below for the frequencies and theirs.
    const double top = 2 * metrics.height();
    m_area = QRectF(left, top, width() - left - 16, height() - top - 2 * metrics.height() - 6);
    painter.setRenderHint(QPainter::Antialiasing);
    draw_grid(painter);
    QPainterPath curve(at(m_points.front().hz, m_points.front().ohms));
    for (const SweepPoint& p : m_points) {
        curve.lineTo(at(p.hz, p.ohms));
    }
    painter.setPen(QPen(QColor(0x37, 0x6A, 0xF0), 1.5));
    painter.drawPath(curve);
    if (m_tuning.found) {
        draw_mark(painter, m_tuning.low_peak, Qt::red, number(std::round(m_tuning.low_peak.hz)));
        draw_mark(painter, m_tuning.high_peak, Qt::red, number(std::round(m_tuning.high_peak.hz)));
        draw_mark(painter, m_tuning.minimum, QColor(0x00, 0x90, 0x00),
                  "Fb " + number(std::round(m_tuning.minimum.hz * 10) / 10) + " Hz");
    }
}

} // namespace cylindra
