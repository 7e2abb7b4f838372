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

class SectionPainter {
  public:
    SectionPainter(QPainter& p, const QRectF& area, const Section& s, const DiagramChoice& c)
        : m_p(p), m_s(s), m_c(c) {
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

    void part(const QPainterPath& path, const QColor& fill = kPart) {
        m_p.setPen(QPen(kOutline, 1));
        m_p.setBrush(fill);
        m_p.drawPath(path);
    }

    void part(const QRectF& r, const QColor& fill = kPart) {
        QPainterPath path;
        path.addRect(r);
        part(path, fill);
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

    void bottom_endcap() {
        const double y = m_s.bottom_face(), hole = m_s.driver_dia / 2;
        QPainterPath cap;
        cap.addRect(box(-m_s.cap_dia / 2, m_s.cap_dia / 2, y, y + m_s.be));
        cap.addRect(box(-m_s.tube_id / 2, m_s.tube_id / 2, y + m_s.be, y + m_s.bt));
        cap = cap.simplified();
        QPainterPath cut;
        cut.addRect(box(-hole, hole, y - 1, y + m_s.bt + 1));
        part(cap.subtracted(cut));
    }

    void tube() {
        const double y0 = m_s.bottom_face() + m_s.be, y1 = m_s.top_face() - m_s.te;
        const double r = m_s.tube_id / 2;
        part(box(-r - kWall, -r, y0, y1));
        part(box(r, r + kWall, y0, y1));
    }

    void top_endcap() {
        const double y = m_s.top_face();
        QPainterPath cap;
        cap.addRect(box(-m_s.cap_dia / 2, m_s.cap_dia / 2, y - m_s.te, y));
        cap.addRect(box(-m_s.tube_id / 2, m_s.tube_id / 2, y - m_s.tt, y - m_s.te));
        cap = cap.simplified();
        for (const double x : port_centres()) {
            QPainterPath hole;
            hole.addRect(box(x - port_outer(), x + port_outer(), y - m_s.tt - 1, y + 1));
            if (m_c.flare != FlareShape::unflared) {
                hole.addPath(flare_hole(x, y));
            }
            cap = cap.subtracted(hole.simplified());
        }
        part(cap);
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
            m_p.setBrush(Qt::NoBrush);
            m_p.setPen(QPen(kOutline, 3, Qt::SolidLine, Qt::FlatCap));
            m_p.drawPath(flare_curve(x, side, top));
            m_p.setPen(QPen(kPart, 1));
            m_p.drawPath(flare_curve(x, side, top));
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
        m_p.setPen(QPen(kOutline, 1));
        m_p.drawLine(at(-r * 0.8, flange_low + flange * 0.5), at(0, flange_low + flange * 2));
        m_p.drawLine(at(r * 0.8, flange_low + flange * 0.5), at(0, flange_low + flange * 2));
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
            m_p.setPen(QPen(kOutline, 1));
            m_p.setBrush(QBrush(kOutline, Qt::Dense6Pattern)); // a mesh
            m_p.drawPath(dome);
        }
    }

    void arrow(double x_px, double y0, double y1) {
        const QPointF a(x_px, at(0, y0).y()), b(x_px, at(0, y1).y());
        m_p.setPen(QPen(kArrow, 1.5));
        m_p.drawLine(a, b);
        const double dir = a.y() > b.y() ? 1 : -1;
        for (const QPointF& tip : {a, b}) {
            const double d = tip == a ? dir : -dir;
            m_p.drawLine(tip, tip + QPointF(-4, -6 * d));
            m_p.drawLine(tip, tip + QPointF(4, -6 * d));
        }
    }

    void arrows() {
        const double half = width_of(m_s, m_c.cover) / 2 * m_scale;
        arrow(m_cx - half - kArrowGap, m_s.bottom_face(), m_s.top_face());
        arrow(m_cx + half + kArrowGap, m_s.top_face() - m_s.port_len, m_s.top_face());
    }

    QPainter& m_p;
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
    update();
}

void EnclosureDiagram::set_design(const Design& design, const DriverValues& driver) {
    m_design = design;
    m_driver = driver;
    update();
}

void EnclosureDiagram::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), kBackground);
    Section s = section_of(m_design, m_driver);
    m_to_scale = drawable(s, m_choice.cover);
    if (!m_to_scale) {
        s = section_of(Design{}, DriverValues{3.5, 150, 266, 10});
    }
    SectionPainter(p, QRectF(rect()), s, m_choice).paint();
}

} // namespace cylindra
