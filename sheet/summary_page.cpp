// SPDX-License-Identifier: GPL-3.0-or-later
// The summary page: project and date, the inputs with the solved pair, the
// six results, the driver, the construction options, the build checks and
// the section drawn to scale.
#include "sheet_page.h"

#include "core/drivers.h"
#include "core/field_text.h"
#include "core/startup.h"

#include <QPainterPath>

namespace cylindra::sheet {

namespace {

constexpr double kLeft = kPageMargin;
constexpr double kColumn = 90;   // the text column's width
constexpr double kCaption = 68;  // a table's caption width within it
constexpr double kTable = 7.2;   // points
constexpr double kHeading = 9.5; // points

// Writes down a page section by section, keeping the place.
class Writer {
  public:
    Writer(Page& page, double y) : m_page(page), m_y(y) {}
    double y() const { return m_y; }
    void skip(double mm) { m_y += mm; }

    void heading(const QString& title) {
        m_y += 2.5;
        m_page.font(kHeading, true);
        m_y += m_page.text(kLeft, m_y, kColumn, title) + 0.8;
        m_page.font(kTable);
    }
    void line(const QString& text, const QColor& colour = kInk, bool bold = false) {
        m_page.font(kTable, bold);
        m_y += m_page.text(kLeft, m_y, kColumn, text, Qt::AlignLeft, colour);
        m_page.font(kTable);
    }
    void row(const QString& caption, const QString& value, const QColor& colour = kInk,
             bool bold = false, double caption_width = kCaption) {
        m_page.font(kTable, bold);
        const double h = m_page.text(kLeft, m_y, caption_width, caption, Qt::AlignLeft, colour);
        const double v = m_page.text(kLeft + caption_width, m_y, kColumn - caption_width, value,
                                     Qt::AlignRight, colour);
        m_y += std::max(h, v);
        m_page.font(kTable);
    }
    // A row whose value is words rather than a number.
    void option(const QString& caption, const QString& value) {
        row(caption, value, kInk, false, 30);
    }

  private:
    Page& m_page;
    double m_y;
};

QString field_value(const SheetDesign& s, const char* name) {
    const FieldSpec& f = kFields[*field_index(name)];
    return text(field_text(f, s.design.*f.value, s.units)).trimmed();
}

QString unit_caption(const char* caption, LengthUnit u) {
    return QString("%1 (%2)").arg(caption, text(std::string(length_suffix(u))).trimmed());
}

void inputs(Writer& w, const SheetDesign& s) {
    const bool volume = s.report.solved.mode == SolveMode::opt_vol;
    const LengthUnit u = s.units.length;
    w.heading("Design");
    const QString vol_unit = s.units.cubic_feet() ? "cu.ft" : "litres";
    const struct {
        QString caption;
        const char* field;
        bool solved;
    } rows[] = {{"Effective Volume (" + vol_unit + ")", "workvol", volume},
                {"Tuning Frequency in Hz", "ftune", volume},
                {unit_caption("Internal diameter of sonotube", u), "tubid", false},
                {unit_caption("Port Internal diameter", u), "portid", false},
                {unit_caption("Height from endcap to endcap", u), "tubheight", !volume},
                {unit_caption("Port length", u), "portlength", !volume}};
    for (const auto& r : rows) {
        w.row(r.caption, field_value(s, r.field), r.solved ? kDimension : kInk, r.solved);
    }
    w.line(volume ? "Solved (in bold): volume and tuning, from the height and port length"
                  : "Solved (in bold): height and port length, from the volume and tuning",
           kFaint);
}

void results(Writer& w, const Report& report) {
    w.heading("Results");
    const std::vector<std::string> lines = report_lines(report);
    for (std::size_t i = 0; i < 6 && i < lines.size(); ++i) {
        w.line(text(lines[i]).simplified());
    }
}

QString driver_name(const Design& d) {
    if (d.drivermanual) {
        return shortened(text(d.drivername));
    }
    if (const auto row = row_at_position(d.driverindex)) {
        const auto name = driver_table()[*row].name;
        return "Driver - " + QString::fromUtf8(name.data(), static_cast<int>(name.size()));
    }
    return shortened(text(d.drivername));
}

void driver(Writer& w, const SheetDesign& s) {
    w.heading("Driver");
    w.line(QString("%1 (%2 inch nominal)").arg(driver_name(s.design)).arg(s.design.drivernominal));
    const DriverResolution r = resolve_driver_data(s.design, s.driver);
    const LengthUnit u = s.units.length;
    const QString weight = is_inch_unit(u) ? "lbs" : "kg";
    const struct {
        QString caption;
        DriverQuantity q;
        const char* field;
    } rows[] = {{unit_caption("Outside diameter", u), DriverQuantity::dia, "dia"},
                {QString("Volume occupied (%1)").arg(s.units.cubic_feet() ? "cu.ft" : "litres"),
                 DriverQuantity::vol, "vol"},
                {unit_caption("Mounting Depth", u), DriverQuantity::depth, "depth"},
                {"Weight (" + weight + ")", DriverQuantity::mass, "mass"}};
    bool substituted = false;
    for (const auto& row : rows) {
        if (r.source[static_cast<std::size_t>(row.q)] == DriverSource::entered) {
            w.row(row.caption, field_value(s, row.field), kDimension);
            continue;
        }
        substituted = true;
        const double value = s.driver.get(row.q);
        w.row(row.caption + "  *", text(generic_value_text(row.q, value, s.units)).trimmed(),
              kFail);
    }
    if (substituted) {
        w.line("* Data missing, generic value substituted", kFail);
    }
}

void construction(Writer& w, const SheetDesign& s) {
    const Design& d = s.design;
    const LengthUnit u = s.units.length;
    w.heading("Construction");
    const QString covers[] = {"Top cover plate fitted", "Speaker grille used to cover port",
                              "No cover used on port"};
    w.option("Top", covers[static_cast<int>(d.covertype)]);
    w.option("Driver", d.flush_mounted() ? "Flush mounted" : "Surface mounted");
    w.option("Ports", QString("%1 x %2, wall %3")
                          .arg(port_count(d))
                          .arg(d.portmaterial == PortMaterial::PVC ? "PVC" : "Sonotube",
                               length_unit(d.portwall, u)));
    w.option("Port exit", d.exit_flared() ? "flared, radius " + length_unit(d.exitflareradius, u)
                                          : QString("not flared"));
    w.option("Port intake", d.intake_flared()
                                ? "flared, radius " + length_unit(d.intakeflareradius, u)
                                : QString("not flared"));
    const bool cover = d.covertype == CoverType::cover;
    const struct {
        const char* caption;
        double mm;
        bool shown;
    } rows[] = {
        {"Top cover plate diameter (A)", d.topcoverdia, cover},
        {"Top cover plate thickness (B)", d.topcoverthickness, cover},
        {"Height grille protrudes above top endcap", d.grilleheight,
         d.covertype == CoverType::grille},
        {"Diameter of top endcap (C)", d.topendcapdia, true},
        {"Thickness of exposed portion of top endcap (D)", d.topendcapexposedthickness, true},
        {"Total thickness of top endcap (E)", d.topendcaptotalthickness, true},
        {"Total thickness of bottom endcap (F)", d.bottomendcaptotalthickness, true},
        {"Thickness of exposed portion of bottom endcap (G)", d.bottomendcapexposedthickness, true},
        {"Floor plate thickness (H)", d.floorplatethickness, true},
        {"Floor plate diameter (I)", d.floorplatedia, true},
        {"Gap between top cover plate and top endcap", d.topgap, cover},
        {"Gap between bottom endcap and floorplate", d.bottomgap, true}};
    for (const auto& r : rows) {
        if (r.shown) {
            w.row(r.caption, length_unit(r.mm, u));
        }
    }
}

// The warnings dialog's marks, drawn 3 mm high.
void mark(Page& page, double x, double y, CheckStatus status) {
    QPainter& p = page.painter();
    p.save();
    p.translate(page.at(x, y));
    p.scale(page.px(0.15), page.px(0.15)); // a 20 unit icon
    p.setBrush(Qt::NoBrush);
    switch (status) {
    case CheckStatus::pass:
        p.setPen(QPen(kPass, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{4, 10}, {8, 15}, {16, 4}}));
        break;
    case CheckStatus::fail:
        p.setPen(QPen(kFail, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(5, 5), QPointF(15, 15));
        p.drawLine(QPointF(15, 5), QPointF(5, 15));
        break;
    case CheckStatus::exclaim: {
        QPainterPath triangle;
        triangle.addPolygon(QPolygonF({{10, 1}, {19, 18}, {1, 18}, {10, 1}}));
        p.fillPath(triangle, QColor(250, 200, 0));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(QPointF(10, 6), QPointF(10, 12));
        p.drawPoint(QPointF(10, 15));
        break;
    }
    case CheckStatus::info:
        p.setBrush(kDimension);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QRectF(2, 2, 16, 16));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(QPointF(10, 8), QPointF(10, 15));
        p.drawPoint(QPointF(10, 5));
        break;
    }
    p.restore();
}

void checks(Page& page, double y, const Report& report) {
    const double width = page.size().width - 2 * kPageMargin;
    page.font(kHeading, true);
    y += 3 + page.text(kLeft, y + 3, width, "Build checks") + 1;
    page.font(kTable);
    for (const CheckRow& row : report.checks) {
        if (!row.visible) {
            continue;
        }
        mark(page, kLeft, y - 0.2, row.status);
        const bool failed = row.colour() == colour::red;
        y += page.text(kLeft + 5, y, width - 5, text(row.text), Qt::AlignLeft,
                       failed ? kFail : kInk) +
             0.6;
    }
}

} // namespace

void draw_summary(Page& page, const Context& c) {
    const SheetDesign& s = c.sheet;
    const double width = page.size().width - 2 * kPageMargin;
    page.font(16, true);
    double y = kPageMargin;
    y += page.text(kLeft, y, width, "Build sheet: " + c.project());
    page.font(8.5);
    y += page.text(kLeft, y, width,
                   QString("Cylindra %1  -  %2  -  sizes in %3")
                       .arg(text(s.design.version), c.options.date.toString(Qt::ISODate),
                            unit_words(c.unit())),
                   Qt::AlignLeft, kFaint);
    y += 1.5;
    page.line(kLeft, y, kLeft + width, y, page.pen(0.3, kFaint));
    Writer w(page, y);
    inputs(w, s);
    results(w, s.report);
    driver(w, s);
    construction(w, s);
    const double right = kLeft + kColumn + 4;
    const double bottom = std::max(w.y(), y + 150);
    draw_section(page, c,
                 QRectF(right, y + 3, page.size().width - kPageMargin - right, bottom - y - 3));
    checks(page, bottom + 1, s.report);
}

} // namespace cylindra::sheet
