// SPDX-License-Identifier: GPL-3.0-or-later
// The section through the enclosure standing on end, drawn to the design's
// own proportions: floor plate on spacers, bottom endcap with the driver
// firing down, the tube, the top endcap with the port hanging from it, and
// a cover plate or grille dome on top. Blue arrows mark the height between
// the endcap faces and the port length.
#include "diagrams.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace cylindra {

namespace {

const QColor kBackground(0xE0, 0xE0, 0xE0);
const QColor kPart(0xF0, 0xDC, 0xB4);    // light tan
const QColor kOutline(0x80, 0x00, 0x00); // dark red
const QColor kDriver(0xC8, 0xC8, 0xC8);  // light grey
const QColor kArrow(0x00, 0x00, 0xFF);

constexpr double kWall = 6;      // tube wall, mm
constexpr double kFlangeMm = 8;  // driver flange, mm
constexpr double kArrowGap = 16; // px between the parts and an arrow

// Millimetres of the design, measured from the floor (y) and the tube axis (x).
struct Section {
    double fpt, fpd, gap_bottom, be, bt, te, tt, cap_dia, height, tube_id;
    double port_id, port_wall, port_len, exit_r, intake_r, ports;
    double cover_gap, cover_t, cover_dia, grille_h;
    double driver_dia, driver_depth;

    double bottom_face() const { return fpt + gap_bottom; }
    double top_face() const { return bottom_face() + height; }
};

Section section_of(const Design& d, const DriverValues& v) {
    return {d.floorplatethickness,
            d.floorplatedia,
            d.bottomgap,
            d.bottomendcapexposedthickness,
            d.bottomendcaptotalthickness,
            d.topendcapexposedthickness,
            d.topendcaptotalthickness,
            d.topendcapdia,
            d.tubheight,
            d.tubid,
            d.portid,
            d.portwall,
            d.portlength,
            d.exitflareradius,
            d.intakeflareradius,
            d.numports,
            d.topgap,
            d.topcoverthickness,
            d.topcoverdia,
            d.grilleheight,
            d.drivernominal * kMillimetresPerInch,
            v.driverdepth > 0 ? v.driverdepth : 150};
}

double top_of(const Section& s, CoverType cover) {
    switch (cover) {
    case CoverType::cover:
        return s.top_face() + s.cover_gap + s.cover_t;
    case CoverType::grille:
        return s.top_face() + s.grille_h;
    case CoverType::nocover:
        break;
    }
    return s.top_face();
}

double width_of(const Section& s, CoverType cover) {
    const double w = std::max({s.fpd, s.cap_dia, s.tube_id + 2 * kWall});
    return cover == CoverType::cover ? std::max(w, s.cover_dia) : w;
}

// A section can be drawn to scale when every part has a size and the whole
// is neither a needle nor a pancake.
bool drawable(const Section& s, CoverType cover) {
    const double values[] = {s.fpt,     s.fpd,       s.gap_bottom, s.be,        s.bt,
                             s.te,      s.tt,        s.cap_dia,    s.height,    s.tube_id,
                             s.port_id, s.port_wall, s.port_len,   s.exit_r,    s.intake_r,
                             s.ports,   s.cover_gap, s.cover_t,    s.cover_dia, s.grille_h};
    for (const double v : values) {
        if (!std::isfinite(v) || v < 0 || v > 1e7) {
            return false;
        }
    }
    const double ratio = top_of(s, cover) / width_of(s, cover);
    return s.height > s.tt + s.bt && s.tube_id > 0 && ratio > 0.05 && ratio < 40 &&
           s.port_len < s.height * 1.5;
}

// Lays the section out as shapes for the widget to paint. Parts whose edges
// all run along the axes are drawn without smoothing, snapped to whole
// pixels: they look the same crisp, and cost a fraction of smoothed edges.
class SectionPainter {
  public:
    SectionPainter(std::vector<DiagramShape>& out, const QRectF& area, const Section& s,
                   const DiagramChoice& c)
        : m_out(out), m_s(s), m_c(c) {
        const double w = width_of(s, c.cover), h = top_of(s, c.cover);
        const QRectF room = area.adjusted(2 * kArrowGap, 8, -2 * kArrowGap, -8);
        m_scale = std::min(room.width() / w, room.height() / h);
        m_cx = room.center().x();
        m_floor = room.center().y() + h * m_scale / 2;
    }

    void paint() {
        floor_plate();
        bottom_endcap();
        tube();
        top_endcap();
        ports();
        driver();
        top();
        arrows();
    }

  private:
    QPointF at(double x, double y) const { return {m_cx + x * m_scale, m_floor - y * m_scale}; }

    // A rectangle from x0 to x1 and y0 to y1 in millimetres, at least a pixel.
    QRectF box(double x0, double x1, double y0, double y1) const {
        QRectF r(at(std::min(x0, x1), std::max(y0, y1)), at(std::max(x0, x1), std::min(y0, y1)));
        if (r.height() < 1) {
            r.setHeight(1);
        }
        if (r.width() < 1) {
            r.setWidth(1);
        }
        return r;
    }

    void add(const QPainterPath& path, const QPen& pen, const QBrush& brush) {
        m_out.push_back({path, pen, brush, !straight(path)});
    }

    void line(const QPointF& a, const QPointF& b, const QPen& pen) {
        QPainterPath path(a);
        path.lineTo(b);
        add(path, pen, Qt::NoBrush);
    }

    // True when every edge of the path runs along an axis.
    static bool straight(const QPainterPath& path) {
        for (int i = 1; i < path.elementCount(); ++i) {
            const QPainterPath::Element e = path.elementAt(i), before = path.elementAt(i - 1);
            if (e.isCurveTo() || (e.isLineTo() && e.x != before.x && e.y != before.y)) {
                return false;
            }
        }
        return true;
    }

    void part(const QPainterPath& path, const QColor& fill = kPart) {
        add(path, QPen(kOutline, 1), fill);
    }

    void part(const QRectF& r, const QColor& fill = kPart) {
        QPainterPath path;
        path.addRect(snapped(r));
        part(path, fill);
    }

    // Whole pixels, so that neighbouring parts share their edges exactly.
    static QRectF snapped(const QRectF& r) {
        const double left = std::round(r.left()), top = std::round(r.top());
        return QRectF(left, top, std::max(1.0, std::round(r.right()) - left),
                      std::max(1.0, std::round(r.bottom()) - top));
    }

    // Port positions across the tube: one to three ports side by side.
    std::vector<double> port_centres() const {
        const int n = std::clamp(static_cast<int>(m_s.ports), 1, 3);
        std::vector<double> xs;
        for (int k = 0; k < n; ++k) {
            xs.push_back(-m_s.tube_id / 2 + m_s.tube_id * (k + 0.5) / n);
        }
        return xs;
    }

    double port_outer() const { return m_s.port_id / 2 + std::max(m_s.port_wall, 2.0); }

    void floor_plate() {
        part(box(-m_s.fpd / 2, m_s.fpd / 2, 0, m_s.fpt));
        const double spacer = std::max(m_s.fpd / 12, 4 / m_scale);
        for (const double x : {-m_s.fpd / 2 + spacer, m_s.fpd / 2 - 2 * spacer}) {
            part(box(x, x + spacer, m_s.fpt, m_s.bottom_face()));
        }
    }

    // The endcaps are a plate with a plug of the tube's inside diameter; the
    // driver and port holes are painted over in the background colour, and
    // the parts drawn into them later give the holes their edges.
    void bottom_endcap() {
        const double y = m_s.bottom_face(), hole = m_s.driver_dia / 2;
        part(stepped(box(-m_s.cap_dia / 2, m_s.cap_dia / 2, y, y + m_s.be),
                     box(-m_s.tube_id / 2, m_s.tube_id / 2, y + m_s.be, y + m_s.bt)));
        if (hole >= m_s.cap_dia / 2) {
            return;
        }
        QPainterPath cut;
        cut.addRect(box(-hole, hole, y, y + m_s.bt).adjusted(0, -1.5, 0, 1.5));
        add(cut, Qt::NoPen, kBackground);
        const double depth = hole < m_s.tube_id / 2 ? m_s.bt : m_s.be;
        for (const double x : {-hole, hole}) {
            line(at(x, y), at(x, y + depth), QPen(kOutline, 1));
        }
    }

    // One outline for a plate with a narrower plug on one face.
    static QPainterPath stepped(const QRectF& plate, const QRectF& plug) {
        QPainterPath path;
        if (plug.left() < plate.left() || plug.right() > plate.right()) {
            path.addRect(plate);
            path.addRect(plug);
            return path.simplified();
        }
        const bool below = plug.center().y() > plate.center().y();
        const double join = below ? plate.bottom() : plate.top();
        const double far = below ? plug.bottom() : plug.top();
        const double outer = below ? plate.top() : plate.bottom();
        path.addPolygon(QPolygonF{{plate.left(), outer},
                                  {plate.right(), outer},
                                  {plate.right(), join},
                                  {plug.right(), join},
                                  {plug.right(), far},
                                  {plug.left(), far},
                                  {plug.left(), join},
                                  {plate.left(), join}});
        path.closeSubpath();
        return path;
    }

    void tube() {
        const double y0 = m_s.bottom_face() + m_s.be, y1 = m_s.top_face() - m_s.te;
        const double r = m_s.tube_id / 2;
        part(box(-r - kWall, -r, y0, y1));
        part(box(r, r + kWall, y0, y1));
    }

    void top_endcap() {
        const double y = m_s.top_face();
        part(stepped(box(-m_s.cap_dia / 2, m_s.cap_dia / 2, y - m_s.te, y),
                     box(-m_s.tube_id / 2, m_s.tube_id / 2, y - m_s.tt, y - m_s.te)));
        for (const double x : port_centres()) {
            QPainterPath hole;
            hole.addRect(
                box(x - port_outer(), x + port_outer(), y - m_s.tt, y).adjusted(0, -1.5, 0, 1.5));
            if (m_c.flare != FlareShape::unflared) {
                hole.addPath(flare_hole(x, y));
            }
            add(hole, Qt::NoPen, kBackground);
        }
    }

    void ports() {
        const double top = m_s.top_face(), end = top - m_s.port_len;
        for (const double x : port_centres()) {
            const double r = m_s.port_id / 2, o = port_outer();
            part(box(x - o, x - r, end, top));
            part(box(x + r, x + o, end, top));
            if (m_c.flare != FlareShape::unflared) {
                exit_flare(x, top);
            }
            if (m_c.flare == FlareShape::donut) {
                intake_flare(x, end);
            }
        }
    }

    // Millimetres that make a number of pixels: small parts are drawn at
    // least this big so every configuration can be told apart.
    double px(double pixels) const { return pixels / m_scale; }

    double exit_radius() const { return std::max(m_s.exit_r, px(10)); }

    // The curve of an exit flare from the port wall to the top face.
    QPainterPath flare_curve(double x, int side, double top) const {
        const double edge = x + side * port_outer(), rf = exit_radius();
        QPainterPath curve;
        curve.moveTo(at(edge, top - rf));
        curve.quadTo(at(edge, top), at(edge + side * rf, top));
        return curve;
    }

    // The hole a flared mouth opens in the top endcap.
    QPainterPath flare_hole(double x, double top) const {
        QPainterPath hole;
        for (const int side : {-1, 1}) {
            QPainterPath corner = flare_curve(x, side, top);
            corner.lineTo(at(x + side * port_outer(), top + px(1)));
            corner.closeSubpath();
            hole.addPath(corner);
        }
        return hole;
    }

    // The exit flare rounds the port's mouth off into the top face.
    void exit_flare(double x, double top) {
        for (const int side : {-1, 1}) {
            add(flare_curve(x, side, top), QPen(kOutline, 3, Qt::SolidLine, Qt::FlatCap),
                Qt::NoBrush);
            add(flare_curve(x, side, top), QPen(kPart, 1), Qt::NoBrush);
        }
    }

    // The intake flare is a ring around the port's inner end.
    void intake_flare(double x, double end) {
        const double rf = std::max(m_s.intake_r, px(7)), o = port_outer();
        for (const int side : {-1, 1}) {
            QPainterPath ring;
            ring.addEllipse(at(x + side * (o + rf * 0.5), end + rf * 0.5), rf * m_scale * 0.8,
                            rf * m_scale * 0.8);
            part(ring);
        }
    }

    // The driver fires down: its flange at the underside of the bottom
    // endcap (recessed into it when flush mounted), the basket rising into
    // the tube by the mounting depth.
    void driver() {
        const bool flush = m_c.mounting == DriverMounting::flushmounted;
        const double r = m_s.driver_dia / 2, face = m_s.bottom_face();
        const double flange = std::max(kFlangeMm, px(4));
        const double flange_low = flush ? face : face - flange;
        const double top = flange_low + flange + m_s.driver_depth;
        QPainterPath basket;
        basket.moveTo(at(-r * 0.85, flange_low + flange));
        basket.lineTo(at(-r * 0.3, top - m_s.driver_depth * 0.3));
        basket.lineTo(at(-r * 0.3, top));
        basket.lineTo(at(r * 0.3, top));
        basket.lineTo(at(r * 0.3, top - m_s.driver_depth * 0.3));
        basket.lineTo(at(r * 0.85, flange_low + flange));
        basket.closeSubpath();
        part(basket, kDriver);
        part(box(-r, r, flange_low, flange_low + flange), kDriver);
        line(at(-r * 0.8, flange_low + flange * 0.5), at(0, flange_low + flange * 2),
             QPen(kOutline, 1));
        line(at(r * 0.8, flange_low + flange * 0.5), at(0, flange_low + flange * 2),
             QPen(kOutline, 1));
    }

    void top() {
        const double y = m_s.top_face();
        if (m_c.cover == CoverType::cover) {
            const double r = m_s.cover_dia / 2, spacer = std::max(r / 6, 4 / m_scale);
            for (const double x : {-r + spacer, r - 2 * spacer}) {
                part(box(x, x + spacer, y, y + m_s.cover_gap));
            }
            part(box(-r, r, y + m_s.cover_gap, y + m_s.cover_gap + m_s.cover_t));
        } else if (m_c.cover == CoverType::grille) {
            const double r = std::min(m_s.cap_dia / 2, port_outer() + m_s.exit_r + px(14));
            const double h = std::max(m_s.grille_h, px(9));
            QPainterPath dome;
            dome.moveTo(at(-r, y));
            dome.cubicTo(at(-r, y + h * 1.33), at(r, y + h * 1.33), at(r, y));
            dome.closeSubpath();
            add(dome, QPen(kOutline, 1), QBrush(kOutline, Qt::Dense6Pattern)); // a mesh
        }
    }

    void arrow(double x_px, double y0, double y1) {
        const QPointF a(x_px, at(0, y0).y()), b(x_px, at(0, y1).y());
        const QPen pen(kArrow, 1.5);
        line(a, b, pen);
        const double dir = a.y() > b.y() ? 1 : -1;
        for (const QPointF& tip : {a, b}) {
            const double d = tip == a ? dir : -dir;
            QPainterPath head(tip + QPointF(-4, -6 * d));
            head.lineTo(tip);
            head.lineTo(tip + QPointF(4, -6 * d));
            add(head, pen, Qt::NoBrush);
        }
    }

    void arrows() {
        const double half = width_of(m_s, m_c.cover) / 2 * m_scale;
        arrow(m_cx - half - kArrowGap, m_s.bottom_face(), m_s.top_face());
        arrow(m_cx + half + kArrowGap, m_s.top_face() - m_s.port_len, m_s.top_face());
    }

    std::vector<DiagramShape>& m_out;
    const Section& m_s;
    const DiagramChoice& m_c;
    double m_scale = 1, m_cx = 0, m_floor = 0;
};

} // namespace

EnclosureDiagram::EnclosureDiagram(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
}

void EnclosureDiagram::set_choice(const DiagramChoice& choice) {
    m_choice = choice;
    lay_out();
}

void EnclosureDiagram::set_design(const Design& design, const DriverValues& driver) {
    m_design = design;
    m_driver = driver;
    lay_out();
}

void EnclosureDiagram::resizeEvent(QResizeEvent*) {
    lay_out();
}

// The shapes are made when the design, the configuration or the size
// changes; painting only draws them.
void EnclosureDiagram::lay_out() {
    Section s = section_of(m_design, m_driver);
    m_to_scale = drawable(s, m_choice.cover);
    if (!m_to_scale) {
        s = section_of(Design{}, DriverValues{3.5, 150, 266, 10});
    }
    std::vector<DiagramShape> shapes;
    SectionPainter(shapes, QRectF(rect()), s, m_choice).paint();
    if (shapes != m_shapes) {
        m_shapes = std::move(shapes);
        update();
    }
}

void EnclosureDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    for (const DiagramShape& shape : m_shapes) {
        p.setRenderHint(QPainter::Antialiasing, shape.smooth);
        p.setPen(shape.pen);
        p.setBrush(shape.brush);
        p.drawPath(shape.path);
    }
}

} // namespace cylindra
