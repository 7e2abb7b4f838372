// SPDX-License-Identifier: GPL-3.0-or-later
#include "sheet_page.h"

#include "core/measurement.h"
#include "core/number_text.h"

#include <QFontMetricsF>
#include <QPaintDevice>

#include <cmath>

namespace cylindra::sheet {

Page::Page(QPainter& painter, Paper paper)
    : m_p(painter), m_paper(paper), m_scale(painter.device()->logicalDpiX() / 25.4) {
    m_p.setRenderHint(QPainter::Antialiasing);
    font(9);
}

void Page::font(double points, bool bold) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(points);
    f.setBold(bold);
    m_p.setFont(f);
}

double Page::line_height() const {
    return QFontMetricsF(m_p.font(), m_p.device()).lineSpacing() / m_scale;
}

double Page::text_width(const QString& text) const {
    return QFontMetricsF(m_p.font(), m_p.device()).horizontalAdvance(text) / m_scale;
}

double Page::text(double x, double y, double width, const QString& text, int flags,
                  const QColor& colour) {
    m_p.setPen(colour);
    QRectF bound;
    m_p.drawText(box(x, y, width, 1000), flags | Qt::AlignTop | Qt::TextWordWrap, text, &bound);
    return bound.height() / m_scale;
}

QPen Page::pen(double width_mm, const QColor& colour, Qt::PenStyle style) const {
    QPen p(colour, px(width_mm), Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    if (style == Qt::DashLine) {
        p.setDashPattern({12, 6});
    } else if (style == Qt::DashDotLine) {
        p.setDashPattern({16, 4, 2, 4});
    } else if (style == Qt::DotLine) {
        p.setDashPattern({2, 4});
    }
    return p;
}

void Page::line(double x1, double y1, double x2, double y2, const QPen& pen) {
    m_p.setPen(pen);
    m_p.drawLine(at(x1, y1), at(x2, y2));
}

void Page::circle(double cx, double cy, double diameter, const QPen& pen) {
    m_p.setPen(pen);
    m_p.setBrush(Qt::NoBrush);
    m_p.drawEllipse(at(cx, cy), px(diameter / 2), px(diameter / 2));
}

void Page::footer(int page, int pages, const QString& project) {
    font(7);
    const double y = size().height - kPageMargin + 1.5;
    const double width = size().width - 2 * kPageMargin;
    text(kPageMargin, y, width, "Cylindra build sheet - " + project, Qt::AlignLeft, kFaint);
    text(kPageMargin, y, width, QString("Page %1 of %2").arg(page).arg(pages), Qt::AlignRight,
         kFaint);
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

QString length(double mm, LengthUnit unit) {
    return text(length_text(mm, unit)).trimmed();
}

QString length_unit(double mm, LengthUnit unit) {
    return length(mm, unit) + text(std::string(length_suffix(unit)));
}

// To a tenth of a millimetre: finer than any saw cuts.
QString millimetres(double mm) {
    return length(std::round(mm * 10) / 10, LengthUnit::metric) + " mm";
}

QString unit_words(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::metric:
        return "millimetres";
    case LengthUnit::metric_cm:
        return "centimetres";
    case LengthUnit::inches:
        return "feet, inches and sixteenths";
    case LengthUnit::decimalinches:
        break;
    }
    return "decimal inches";
}

QString shortened(const QString& name, int most) {
    if (name.size() <= most) {
        return name;
    }
    int cut = most - 1;
    if (name.at(cut - 1).isHighSurrogate()) {
        --cut; // never split a character in two
    }
    return name.left(cut) + QChar(0x2026);
}

QString Context::project() const {
    return shortened(text(sheet.design.projectname));
}

} // namespace cylindra::sheet
