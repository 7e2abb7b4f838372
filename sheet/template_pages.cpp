// SPDX-License-Identifier: GPL-3.0-or-later
// Full-size templates: one page per tile of a circular part, with the part's
// outline, centre and holes at 1:1, the overlap strips, join lines and
// alignment marks shared with the neighbouring pages, and in the band at the
// foot the calibration square, the legend and a map of the pages.
#include "sheet_page.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cylindra::sheet {

namespace {

constexpr double kSquare = 100;                         // mm
constexpr double kInchSquare = 4 * kMillimetresPerInch; // 101.6 mm

// Where a tile's area lies on the page.
struct Area {
    double x = kPageMargin, y = kPageMargin + kHeaderHeight;
    SizeMm size;
};

// Computed sizes (hole circles, centres) to a tenth of a millimetre in the
// metric units; the inch units round to their own steps.
QString both(double mm, LengthUnit unit) {
    return is_inch_unit(unit) ? length_unit(mm, unit) + " (" + millimetres(mm) + ")"
                              : length_unit(std::round(mm * 10) / 10, unit);
}

class TemplatePainter {
  public:
    TemplatePainter(Page& page, const Context& c, const PagePlan& plan)
        : m_page(page), m_c(c), m_part(c.plan.parts[static_cast<std::size_t>(plan.part)]),
          m_tiling(c.plan.tilings[static_cast<std::size_t>(plan.part)]), m_tile(plan.tile) {
        m_area.size = template_area(page.paper());
    }

    void paint() {
        header();
        QPainter& p = m_page.painter();
        p.save();
        p.setClipRect(m_page.box(m_area.x, m_area.y, m_area.size.width, m_area.size.height));
        joins();
        part();
        p.restore();
        p.setPen(m_page.pen(0.15, kFaint));
        p.setBrush(Qt::NoBrush);
        p.drawRect(m_page.box(m_area.x, m_area.y, m_area.size.width, m_area.size.height));
        band();
    }

  private:
    // Page position of a point of the part, from its centre (y up).
    QPointF to_page(double x, double y) const {
        const double r = m_part.diameter / 2;
        return {m_area.x + r + x - m_tile.x, m_area.y + r - y - m_tile.y};
    }
    // Page position of a point of the part's bounding square (y down).
    QPointF box_to_page(double x, double y) const {
        return {m_area.x + x - m_tile.x, m_area.y + y - m_tile.y};
    }

    bool has_tile(int row, int column) const {
        for (const Tile& t : m_tiling.tiles) {
            if (t.row == row && t.column == column) {
                return true;
            }
        }
        return false;
    }

    void header() {
        const double width = m_page.size().width - 2 * kPageMargin;
        m_page.font(12, true);
        m_page.text(kPageMargin, kPageMargin, width,
                    text(m_part.name) + "  -  full-size template (1:1)");
        m_page.text(kPageMargin, kPageMargin, width,
                    QString("Row %1, Column %2").arg(m_tile.row + 1).arg(m_tile.column + 1),
                    Qt::AlignRight);
        m_page.font(7.5);
        m_page.text(kPageMargin, kPageMargin + 5.5, width,
                    QString("%1 x %2 pages: rows numbered from the top, columns from the left. "
                            "Cut on the solid outline.")
                        .arg(m_tiling.rows)
                        .arg(m_tiling.columns),
                    Qt::AlignLeft, kFaint);
    }

    // Overlap strips shared with neighbouring pages, the join line in their
    // middle and the alignment marks on it, in the part's own coordinates so
    // that both pages show them in the same place.
    void joins() {
        const SizeMm a = m_area.size;
        const double ov = kTileOverlap;
        QPainter& p = m_page.painter();
        for (int dc : {-1, 1}) {
            if (has_tile(m_tile.row, m_tile.column + dc)) {
                const double x = dc < 0 ? m_tile.x : m_tile.x + a.width - ov;
                strip(box_to_page(x, m_tile.y), ov, a.height, x + ov / 2, true, m_tile.column + dc);
            }
        }
        for (int dr : {-1, 1}) {
            if (has_tile(m_tile.row + dr, m_tile.column)) {
                const double y = dr < 0 ? m_tile.y : m_tile.y + a.height - ov;
                strip(box_to_page(m_tile.x, y), a.width, ov, y + ov / 2, false, m_tile.row + dr);
            }
        }
        (void)p;
    }

    void strip(QPointF at, double w, double h, double join, bool vertical, int neighbour) {
        QPainter& p = m_page.painter();
        p.fillRect(m_page.box(at.x(), at.y(), w, h), QColor(0xEE, 0xEE, 0xEE));
        const SizeMm a = m_area.size;
        // The join line and the marks on it, every 40 mm from the part's edge.
        if (vertical) {
            const QPointF top = box_to_page(join, m_tile.y),
                          bottom = box_to_page(join, m_tile.y + a.height);
            m_page.line(top.x(), top.y(), bottom.x(), bottom.y(),
                        m_page.pen(0.25, kInk, Qt::DashLine));
            for (double y = 20; y < m_part.diameter; y += 40) {
                mark(box_to_page(join, y));
            }
        } else {
            const QPointF left = box_to_page(m_tile.x, join),
                          right = box_to_page(m_tile.x + a.width, join);
            m_page.line(left.x(), left.y(), right.x(), right.y(),
                        m_page.pen(0.25, kInk, Qt::DashLine));
            for (double x = 20; x < m_part.diameter; x += 40) {
                mark(box_to_page(x, join));
            }
        }
        m_page.font(6);
        const QString label = vertical ? QString("joins Column %1").arg(neighbour + 1)
                                       : QString("joins Row %1").arg(neighbour + 1);
        if (vertical) {
            p.save();
            p.translate(m_page.at(at.x() + w * 0.25, at.y() + h / 2));
            p.rotate(-90);
            p.setPen(kFaint);
            p.drawText(QRectF(m_page.px(-30), m_page.px(-1.5), m_page.px(60), m_page.px(3)),
                       Qt::AlignCenter, label);
            p.restore();
        } else {
            m_page.text(at.x(), at.y() + h * 0.25 - 1.5, w, label, Qt::AlignHCenter, kFaint);
        }
    }

    // A registration mark: a circle with a cross through it; none where it
    // could be taken for the centre of the part or of a hole.
    void mark(QPointF c) {
        const QPointF centre = to_page(0, 0);
        if (std::hypot(c.x() - centre.x(), c.y() - centre.y()) < 15) {
            return;
        }
        for (const Hole& h : m_part.holes) {
            const QPointF at = to_page(h.x, h.y);
            if (std::hypot(c.x() - at.x(), c.y() - at.y()) < 15) {
                return;
            }
        }
        const QPen pen = m_page.pen(0.2, kInk);
        m_page.circle(c.x(), c.y(), 6, pen);
        m_page.line(c.x() - 4.5, c.y(), c.x() + 4.5, c.y(), pen);
        m_page.line(c.x(), c.y() - 4.5, c.x(), c.y() + 4.5, pen);
    }

    void cross(QPointF c, double size, const QPen& pen) {
        m_page.line(c.x() - size / 2, c.y(), c.x() + size / 2, c.y(), pen);
        m_page.line(c.x(), c.y() - size / 2, c.x(), c.y() + size / 2, pen);
    }

    void part() {
        const QPointF centre = to_page(0, 0);
        m_page.circle(centre.x(), centre.y(), m_part.diameter, m_page.pen(0.4, kInk));
        cross(centre, 24, m_page.pen(0.2, kInk));
        m_page.circle(centre.x(), centre.y(), 3, m_page.pen(0.2, kInk));
        layout_lines();
        m_page.font(7);
        for (const Hole& h : m_part.holes) {
            const QPointF c = to_page(h.x, h.y);
            switch (h.kind) {
            case HoleKind::port:
                m_page.circle(c.x(), c.y(), h.diameter, m_page.pen(0.35, kInk));
                cross(c, 12, m_page.pen(0.2, kInk));
                break;
            case HoleKind::flare:
                m_page.circle(c.x(), c.y(), h.diameter,
                              m_page.pen(0.25, kDimension, Qt::DashDotLine));
                break;
            case HoleKind::driver:
                m_page.circle(c.x(), c.y(), h.diameter, m_page.pen(0.35, kInk, Qt::DashLine));
                break;
            case HoleKind::inner_disc:
                m_page.circle(c.x(), c.y(), h.diameter, m_page.pen(0.25, kFaint, Qt::DashLine));
                break;
            }
        }
        labels();
    }

    // The diameter two ports lie on, or the circle of three or more.
    void layout_lines() {
        std::vector<const Hole*> ports;
        for (const Hole& h : m_part.holes) {
            if (h.kind == HoleKind::port) {
                ports.push_back(&h);
            }
        }
        const QPen pen = m_page.pen(0.15, kFaint, Qt::DashDotLine);
        if (ports.size() == 2) {
            const double r = m_part.diameter / 2;
            const QPointF a = to_page(-r, 0), b = to_page(r, 0);
            m_page.line(a.x(), a.y(), b.x(), b.y(), pen);
        } else if (ports.size() > 2) {
            const QPointF c = to_page(0, 0);
            m_page.circle(c.x(), c.y(), 2 * std::hypot(ports[0]->x, ports[0]->y), pen);
        }
    }

    // Each circle's name and size, written just inside its top edge.
    void labels() {
        const LengthUnit u = m_c.unit();
        const QString dia = QString(QChar(0x00D8)) + " ";
        const auto circle = [&](const Hole& h, const QString& what, const QColor& colour) {
            place(to_page(h.x, h.y + h.diameter / 2), 1.5, what + " " + dia + both(h.diameter, u),
                  colour);
        };
        circle({HoleKind::port, 0, 0, m_part.diameter, false, {}}, "Outline", kInk);
        for (const Hole& h : m_part.holes) {
            switch (h.kind) {
            case HoleKind::port:
                place(to_page(h.x, h.y), 7.5,
                      text(h.note.substr(0, h.note.find(':'))) + "\n" + dia + both(h.diameter, u),
                      kInk);
                break;
            case HoleKind::driver:
                circle(h, "Driver outer", kInk);
                break;
            case HoleKind::inner_disc:
                circle(h, "Inner disc", kFaint);
                break;
            case HoleKind::flare:
                break;
            }
        }
    }

    // A label under a point of the drawing, written on the page that shows
    // the point and moved to lie whole on it: sideways, and above the point
    // when there is no room below.
    void place(QPointF at, double below, const QString& label, const QColor& colour) {
        const QRectF area(m_area.x, m_area.y, m_area.size.width, m_area.size.height);
        if (!area.contains(at)) {
            return;
        }
        double w = 0;
        const QStringList lines = label.split('\n');
        for (const QString& line : lines) {
            w = std::max(w, m_page.text_width(line) + 2);
        }
        const double h = lines.size() * m_page.line_height();
        const double x = std::clamp(at.x() - w / 2, area.left() + 1, area.right() - w - 1);
        double y = at.y() + below;
        if (y + h > area.bottom() - 1) {
            y = std::max(area.top() + 1, at.y() - below - h);
        }
        m_page.text(x, y, w, label, Qt::AlignHCenter, colour);
    }

    void band() {
        const SizeMm page = m_page.size();
        const double top = m_area.y + m_area.size.height + 1;
        calibration(kPageMargin, top);
        const double x = kPageMargin + kInchSquare + 5;
        legend(x, top, page.width - kPageMargin - x);
        map(x, top + kSquare - 26, page.width - kPageMargin - x, 26);
    }

    void calibration(double x, double y) {
        QPainter& p = m_page.painter();
        p.setBrush(Qt::NoBrush);
        if (m_page.paper() == Paper::letter) {
            p.setPen(m_page.pen(0.3, kSquareInch));
            p.drawRect(m_page.box(x, y, kInchSquare, kInchSquare));
        }
        // Inside the 4 inch square, the same distance from each of its sides.
        const double inset = (kInchSquare - kSquare) / 2;
        p.setPen(m_page.pen(0.3, kSquareMm));
        p.drawRect(m_page.box(x + inset, y + inset, kSquare, kSquare));
        m_page.font(9, true);
        double ty = y + 30;
        ty += m_page.text(x + 8, ty, kSquare - 16, "Calibration square: 100 mm", Qt::AlignHCenter);
        m_page.font(7.5);
        QString how = "Measure it before cutting: each side of the blue square must be 100 mm. ";
        if (m_page.paper() == Paper::letter) {
            how += "The orange square around it is 4 inches. ";
        }
        how += "If not, print again at actual size (100 %, no \"fit to page\").";
        m_page.text(x + 8, ty + 2, kSquare - 16, how, Qt::AlignHCenter);
    }

    // The holes in words: how many, how large and where.
    QStringList hole_lines() const {
        const LengthUnit u = m_c.unit();
        int ports = 0;
        const Hole* port = nullptr;
        const Hole* flare = nullptr;
        for (const Hole& h : m_part.holes) {
            ports += h.kind == HoleKind::port;
            port = h.kind == HoleKind::port ? &h : port;
            flare = h.kind == HoleKind::flare ? &h : flare;
        }
        QStringList lines;
        if (port) {
            const double r = std::hypot(port->x, port->y);
            QString where = "centred";
            if (ports == 2) {
                where = "side by side along a diameter, centres " + both(r, u) + " from the centre";
            } else if (ports > 2) {
                where = "evenly on a circle " + QString(QChar(0x00D8)) + " " + both(2 * r, u);
            }
            lines << QString("%1 port hole%2 %3 %4 (the tube's outer diameter), %5")
                         .arg(ports)
                         .arg(ports > 1 ? "s" : "")
                         .arg(QChar(0x00D8))
                         .arg(both(port->diameter, u), where);
        }
        if (flare) {
            lines << "Dash-dot rings: rim of the exit flare, radius " +
                         both((flare->diameter - m_c.sheet.design.portid) / 2, u);
        }
        return lines;
    }

    // The part's name and any fit warning first, then its sizes, holes and
    // notes.
    void legend(double x, double y, double width) {
        m_page.font(8.5, true);
        y += m_page.text(x, y, width, text(m_part.name)) + 0.5;
        if (!m_part.warning.empty()) {
            m_page.font(7.5, true);
            y += m_page.text(x, y, width, text(m_part.warning), Qt::AlignLeft, kFail) + 0.8;
        }
        m_page.font(7);
        QStringList lines;
        lines << QString("Quantity %1, %2").arg(m_part.quantity).arg(text(m_part.material));
        for (const PartSize& s : m_part.sizes) {
            lines << text(s.name) + ": " + both(s.mm, m_c.unit());
        }
        lines << hole_lines();
        for (const std::string& note : m_part.notes) {
            lines << text(note);
        }
        for (const QString& line : lines) {
            y += m_page.text(x, y, width, line) + 0.4;
        }
    }

    // The pages of this part as a small map, this one filled.
    void map(double x, double y, double width, double height) {
        const SizeMm a = m_area.size;
        const double step_w = a.width - kTileOverlap, step_h = a.height - kTileOverlap;
        const double cover_w = m_tiling.columns * step_w + kTileOverlap;
        const double cover_h = m_tiling.rows * step_h + kTileOverlap;
        const double k = std::min((width - 30) / cover_w, height / cover_h);
        const double ox = x + width - cover_w * k, oy = y;
        const double x0 = m_tiling.tiles.front().x - (m_tiling.tiles.front().column * step_w);
        const double y0 = m_tiling.tiles.front().y - (m_tiling.tiles.front().row * step_h);
        QPainter& p = m_page.painter();
        for (const Tile& t : m_tiling.tiles) {
            const QRectF r =
                m_page.box(ox + (t.x - x0) * k, oy + (t.y - y0) * k, a.width * k, a.height * k);
            const bool here = t.row == m_tile.row && t.column == m_tile.column;
            p.setPen(m_page.pen(0.15, kFaint));
            p.setBrush(here ? QColor(0xB0, 0xB0, 0xB0) : QColor(0xF6, 0xF6, 0xF6));
            p.drawRect(r);
        }
        const double r = m_part.diameter / 2;
        m_page.circle(ox + (r - x0) * k, oy + (r - y0) * k, m_part.diameter * k,
                      m_page.pen(0.2, kInk));
        m_page.font(6.5);
        m_page.text(x, y, 28, "Pages of this part; this page is shaded", Qt::AlignLeft, kFaint);
    }

    Page& m_page;
    const Context& m_c;
    const Part& m_part;
    const Tiling& m_tiling;
    Tile m_tile;
    Area m_area;
};

} // namespace

void draw_template(Page& page, const Context& c, const PagePlan& plan) {
    TemplatePainter(page, c, plan).paint();
}

} // namespace cylindra::sheet
