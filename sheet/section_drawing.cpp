// SPDX-License-Identifier: GPL-3.0-or-later
// The section through the enclosure on the summary page, at a true scale
// such as 1:20: floor plate on spacers, the endcaps, the tube, the ports and
// the driver, the cover or grille, and dimension lines in the sheet's unit
// for every height a builder sets out.
#include "sheet_page.h"

#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <tuple>

namespace cylindra::sheet {

namespace {

constexpr double kLabelPoints = 6.5;
constexpr double kTubeWall = 6;
const QColor kWood(0xF0, 0xDC, 0xB4);
const QColor kDriverFill(0xD8, 0xD8, 0xD8);

// Heights from the floor, millimetres of the design.
struct Heights {
    double fpt, bottom_face, top_face, top;
    double be, bt, te, tt;
    double port_end, driver_top;
};

Heights heights_of(const Design& d, const DriverValues& v, const Results& r) {
    Heights h{};
    h.fpt = d.floorplatethickness;
    h.bottom_face = h.fpt + d.bottomgap;
    h.top_face = h.bottom_face + d.tubheight;
    h.top = r.totalheight;
    h.be = d.bottomendcapexposedthickness;
    h.bt = d.bottomendcaptotalthickness;
    h.te = d.topendcapexposedthickness;
    h.tt = d.topendcaptotalthickness;
    h.port_end = h.top_face - d.portlength;
    h.driver_top = h.bottom_face + v.driverdepth + (d.flush_mounted() ? 20 : 0);
    return h;
}

double widest(const Design& d) {
    double w = std::max({d.floorplatedia, d.topendcapdia, d.tubid + 2 * kTubeWall});
    return d.covertype == CoverType::cover ? std::max(w, d.topcoverdia) : w;
}

bool drawable(const Design& d, const Heights& h) {
    const double values[] = {d.floorplatethickness,
                             d.floorplatedia,
                             d.bottomgap,
                             h.be,
                             h.bt,
                             h.te,
                             h.tt,
                             d.topendcapdia,
                             d.tubheight,
                             d.tubid,
                             d.portid,
                             d.portwall,
                             d.portlength,
                             d.topgap,
                             d.topcoverthickness,
                             d.topcoverdia,
                             d.grilleheight,
                             h.top};
    for (const double v : values) {
        if (!std::isfinite(v) || v < 0 || v > 1e6) {
            return false;
        }
    }
    const double ratio = h.top / widest(d);
    return d.tubheight > h.tt + h.bt && d.tubid > 0 && ratio > 0.1 && ratio < 20;
}

// A height to dimension, between two heights of the design. A long one has
// its label along its line where the line is long enough for it.
struct Dimension {
    double y0, y1;
    QString label;
    bool along = false;
};

// The dimensions on each side of the section: on the left the chain of
// heights from the floor, on the right the endcaps' thicknesses and where the
// port ends; beyond them the total height, the port length and the height
// between the endcap faces.
struct Dimensions {
    std::vector<Dimension> left, right;
    Dimension total, port, endcaps;
};

Dimensions dimensions_of(const Design& d, const Heights& h, LengthUnit u) {
    const auto len = [u](double mm) { return length(mm, u); };
    Dimensions m;
    m.left = {{0, h.fpt, "H " + len(h.fpt)},
              {h.fpt, h.bottom_face, "gap " + len(d.bottomgap)},
              {h.bottom_face, h.bottom_face + h.be, "G " + len(h.be)},
              {h.bottom_face + h.be, h.top_face - h.te,
               "tube cut " + len(h.top_face - h.te - h.bottom_face - h.be), true},
              {h.top_face - h.te, h.top_face, "D " + len(h.te)}};
    if (d.covertype == CoverType::cover) {
        m.left.push_back({h.top_face, h.top_face + d.topgap, "gap " + len(d.topgap)});
        m.left.push_back({h.top_face + d.topgap, h.top, "B " + len(d.topcoverthickness)});
    } else if (d.covertype == CoverType::grille) {
        m.left.push_back({h.top_face, h.top, "grille " + len(d.grilleheight)});
    }
    m.right = {{h.top_face - h.tt, h.top_face, "E " + len(h.tt)},
               {h.bottom_face, h.bottom_face + h.bt, "F " + len(h.bt)}};
    if (h.port_end > h.driver_top) {
        m.right.push_back(
            {h.driver_top, h.port_end, "to driver " + len(h.port_end - h.driver_top), true});
    }
    m.total = {0, h.top, "total height " + len(h.top), true};
    m.port = {h.port_end, h.top_face, "port " + len(d.portlength), true};
    m.endcaps = {h.bottom_face, h.top_face, "endcap to endcap " + len(d.tubheight), true};
    return m;
}

// Whether a label runs along its line at scale 1:n.
bool along(const Page& page, const Dimension& d, double n) {
    return d.along && std::fabs(d.y1 - d.y0) / n >= page.text_width(d.label) + 2;
}

// Width of the labels written across a column's lines at scale 1:n.
double across_width(const Page& page, const std::vector<Dimension>& dims, double n) {
    double w = 0;
    for (const Dimension& d : dims) {
        if (!along(page, d, n)) {
            w = std::max(w, page.text_width(d.label));
        }
    }
    return w + 2.5;
}

constexpr double kGap = 3;    // from the section to the first column
constexpr double kColumn = 5; // between columns of dimensions along their lines

double left_width(const Page& page, const Dimensions& m, double n) {
    return kGap + across_width(page, m.left, n) + kColumn;
}

double right_width(const Page& page, const Dimensions& m, double n) {
    return kGap + across_width(page, m.right, n) + 2 * kColumn;
}

class SectionPainter {
  public:
    SectionPainter(Page& page, const Context& c, const Heights& h, double n, double cx,
                   double floor)
        : m_page(page), m_d(c.sheet.design), m_v(c.sheet.driver), m_h(h), m_n(n), m_cx(cx),
          m_floor(floor), m_unit(c.unit()) {}

    double X(double x) const { return m_cx + x / m_n; }
    double Y(double y) const { return m_floor - y / m_n; }

    void parts() {
        const Design& d = m_d;
        block(-d.floorplatedia / 2, d.floorplatedia / 2, 0, m_h.fpt);
        const double spacer = d.floorplatedia / 10;
        for (const double x :
             {-d.floorplatedia / 2 + spacer / 2, d.floorplatedia / 2 - 1.5 * spacer}) {
            block(x, x + spacer, m_h.fpt, m_h.bottom_face);
        }
        const double hole = m_v.driverdia > 0 ? m_v.driverdia * 0.45 : d.tubid * 0.35;
        endcap(m_h.bottom_face, m_h.be, m_h.bt, {{-hole, hole}}, true);
        const double wall = std::max(kTubeWall, 0.6 * m_n);
        const double r = d.tubid / 2;
        block(-r - wall, -r, m_h.bottom_face + m_h.be, m_h.top_face - m_h.te);
        block(r, r + wall, m_h.bottom_face + m_h.be, m_h.top_face - m_h.te);
        std::vector<std::pair<double, double>> holes;
        for (const double x : port_xs()) {
            holes.push_back({x - outer(), x + outer()});
        }
        endcap(m_h.top_face, m_h.te, m_h.tt, holes, false);
        for (const double x : port_xs()) {
            block(x - outer(), x - d.portid / 2, m_h.port_end, m_h.top_face);
            block(x + d.portid / 2, x + outer(), m_h.port_end, m_h.top_face);
        }
        driver();
        top();
    }

    void dimensions(const Dimensions& m) {
        const double half = widest(m_d) / 2 / m_n;
        m_page.font(kLabelPoints);
        const double chain = m_cx - half - kGap;
        column(m.left, chain, -1);
        vertical(chain - across_width(m_page, m.left, m_n) - kColumn + 2, m.total, -1);
        const double inner = m_cx + half + kGap;
        column(m.right, inner, 1);
        const double outer = inner + across_width(m_page, m.right, m_n) + kColumn - 2;
        vertical(outer, m.port, 1);
        vertical(outer + kColumn, m.endcaps, 1);
    }

  private:
    double outer() const { return m_d.portid / 2 + std::max(m_d.portwall, 0.5 * m_n); }

    std::vector<double> port_xs() const {
        std::vector<double> xs;
        for (const Point p : port_centres(port_count(m_d), m_d.tubid)) {
            if (std::none_of(xs.begin(), xs.end(),
                             [&](double x) { return std::fabs(x - p.x) < 1; })) {
                xs.push_back(p.x);
            }
        }
        return xs;
    }

    void block(double x0, double x1, double y0, double y1, const QColor& fill = kWood) {
        QPainter& p = m_page.painter();
        p.setPen(m_page.pen(0.2, kInk));
        p.setBrush(fill);
        p.drawRect(QRectF(m_page.at(X(x0), Y(y1)), m_page.at(X(x1), Y(y0))).normalized());
    }

    // An endcap: the exposed disc and the inner disc, with holes cut
    // through both; `bottom` puts the exposed disc below.
    void endcap(double face, double exposed, double total,
                std::vector<std::pair<double, double>> holes, bool bottom) {
        const double cap = m_d.topendcapdia / 2, r = m_d.tubid / 2;
        const double ey0 = bottom ? face : face - exposed, ey1 = ey0 + exposed;
        const double iy0 = bottom ? face + exposed : face - total, iy1 = iy0 + (total - exposed);
        std::sort(holes.begin(), holes.end());
        for (const auto& [half, y0, y1] : {std::tuple{cap, ey0, ey1}, std::tuple{r, iy0, iy1}}) {
            double x = -half;
            for (const auto& [h0, h1] : holes) {
                if (h0 > x) {
                    block(x, std::min(h0, half), y0, y1);
                }
                x = std::max(x, h1);
            }
            if (x < half) {
                block(x, half, y0, y1);
            }
        }
    }

    void driver() {
        const double r = (m_v.driverdia > 0 ? m_v.driverdia : m_d.tubid * 0.8) / 2;
        const double base = m_h.bottom_face + (m_d.flush_mounted() ? 0 : -8);
        QPolygonF basket;
        for (const auto& [x, y] : {std::pair{-r, base},
                                   {-r, base + 8},
                                   {-r * 0.3, m_h.driver_top},
                                   {r * 0.3, m_h.driver_top},
                                   {r, base + 8},
                                   {r, base}}) {
            basket << m_page.at(X(x), Y(y));
        }
        QPainter& p = m_page.painter();
        p.setPen(m_page.pen(0.2, kInk));
        p.setBrush(kDriverFill);
        p.drawPolygon(basket);
    }

    void top() {
        const Design& d = m_d;
        if (d.covertype == CoverType::cover) {
            const double r = d.topcoverdia / 2, spacer = d.topcoverdia / 10;
            for (const double x : {-r + spacer / 2, r - 1.5 * spacer}) {
                block(x, x + spacer, m_h.top_face, m_h.top_face + d.topgap);
            }
            block(-r, r, m_h.top_face + d.topgap, m_h.top);
        } else if (d.covertype == CoverType::grille) {
            const double r = d.topendcapdia / 2 * 0.8;
            QPainterPath dome;
            dome.moveTo(m_page.at(X(-r), Y(m_h.top_face)));
            dome.cubicTo(m_page.at(X(-r), Y(m_h.top + d.grilleheight / 3)),
                         m_page.at(X(r), Y(m_h.top + d.grilleheight / 3)),
                         m_page.at(X(r), Y(m_h.top_face)));
            m_page.painter().setPen(m_page.pen(0.2, kInk));
            m_page.painter().setBrush(QBrush(kInk, Qt::Dense6Pattern));
            m_page.painter().drawPath(dome);
        }
    }

    void tick(double x, double y) {
        m_page.line(x - 0.8, y + 0.8, x + 0.8, y - 0.8, m_page.pen(0.25, kDimension));
    }

    // A dimension line at x (page mm) between two heights with its ticks and
    // the extension lines from the enclosure's side.
    void dimension_line(double x, double y0, double y1, int side) {
        const double edge = m_cx + side * (widest(m_d) / 2 / m_n + 0.8);
        for (const double y : {y0, y1}) {
            m_page.line(edge, Y(y), x + side * 1, Y(y), m_page.pen(0.1, kFaint));
            tick(x, Y(y));
        }
        m_page.line(x, Y(y0), x, Y(y1), m_page.pen(0.2, kDimension));
    }

    // Dimensions in a column: labels along the long lines, the others
    // beside the column, moved apart where they would overlap and led back
    // to their line.
    void column(const std::vector<Dimension>& all, double x, int side) {
        const double lh = m_page.line_height();
        const double width = across_width(m_page, all, m_n) - 2.5;
        std::vector<Dimension> dims;
        for (const Dimension& d : all) {
            if (along(m_page, d, m_n)) {
                vertical(x, d, side);
            } else {
                dimension_line(x, d.y0, d.y1, side);
                dims.push_back(d);
            }
        }
        // Top to bottom on the page: by falling height.
        std::sort(dims.begin(), dims.end(),
                  [](const Dimension& a, const Dimension& b) { return a.y0 + a.y1 > b.y0 + b.y1; });
        std::vector<double> ys;
        for (const Dimension& d : dims) {
            const double want = Y((d.y0 + d.y1) / 2) - lh / 2;
            ys.push_back(ys.empty() ? want : std::max(want, ys.back() + lh));
        }
        for (std::size_t i = 0; i < dims.size(); ++i) {
            const double mid = Y((dims[i].y0 + dims[i].y1) / 2);
            // A little wider than the widest label, so that none wraps.
            const double tx = side < 0 ? x - 4 - width : x + 2;
            m_page.text(tx, ys[i], width + 2, dims[i].label,
                        side < 0 ? Qt::AlignRight : Qt::AlignLeft, kDimension);
            if (std::fabs(ys[i] + lh / 2 - mid) > 0.3) {
                m_page.line(x, mid, x + side * 1.8, ys[i] + lh / 2, m_page.pen(0.1, kDimension));
            }
        }
    }

    // A long dimension with its label along the line.
    void vertical(double x, const Dimension& d, int side) {
        const double y0 = d.y0, y1 = d.y1;
        const QString& label = d.label;
        dimension_line(x, y0, y1, side);
        QPainter& p = m_page.painter();
        p.save();
        p.translate(m_page.at(x - 0.6, (Y(y0) + Y(y1)) / 2));
        p.rotate(-90);
        const double w = m_page.text_width(label);
        p.setPen(kDimension);
        p.drawText(QRectF(m_page.px(-w / 2), m_page.px(-m_page.line_height()), m_page.px(w),
                          m_page.px(m_page.line_height())),
                   Qt::AlignCenter, label);
        p.restore();
    }

    Page& m_page;
    const Design& m_d;
    const DriverValues& m_v;
    const Heights& m_h;
    double m_n, m_cx, m_floor;
    LengthUnit m_unit;
};

} // namespace

void draw_section(Page& page, const Context& c, const QRectF& area) {
    const Design& d = c.sheet.design;
    const Heights h = heights_of(d, c.sheet.driver, c.sheet.report.results);
    page.font(8, true);
    if (!drawable(d, h)) {
        page.text(area.x(), area.y(), area.width(), "Section: cannot be drawn for these sizes");
        return;
    }
    const Dimensions m = dimensions_of(d, h, c.unit());
    page.font(kLabelPoints);
    // The largest usual scale at which the section and its labels fit.
    static constexpr std::array<double, 16> kScales{1,  2,  5,  10,  15,  20,  25,  30,
                                                    40, 50, 75, 100, 150, 200, 250, 500};
    const double room_h = area.height() - 14;
    double n = 0;
    for (const double scale : kScales) {
        const double w =
            left_width(page, m, scale) + widest(d) / scale + right_width(page, m, scale);
        if (w <= area.width() && h.top / scale <= room_h) {
            n = scale;
            break;
        }
    }
    page.font(8, true);
    if (n == 0) {
        page.text(area.x(), area.y(), area.width(), "Section: too large to draw here");
        return;
    }
    const double title =
        page.text(area.x(), area.y(), area.width(),
                  QString("Section 1:%1, sizes in %2").arg(n).arg(unit_words(c.unit())));
    page.font(kLabelPoints);
    const double left = left_width(page, m, n);
    const double spare = area.width() - left - widest(d) / n - right_width(page, m, n);
    const double cx = area.x() + spare / 2 + left + widest(d) / n / 2;
    const double floor = area.y() + title + 5 + h.top / n;
    SectionPainter painter(page, c, h, n, cx, floor);
    painter.parts();
    painter.dimensions(m);
}

} // namespace cylindra::sheet
