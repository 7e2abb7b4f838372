// SPDX-License-Identifier: GPL-3.0-or-later
#include "checks.h"

#include "measurement.h"
#include "number_text.h"

#include <cmath>

namespace cylindra {

namespace {

constexpr double kSoundSpeed = 344; // m/s
constexpr double kFlushRise = 20;   // a flush-mounted driver sits 20 mm higher

double Int(double x) {
    return std::floor(x);
}

// The unit words of check texts are fixed: " inches" for both inch units.
std::string clearance_text(double mm, LengthUnit unit) {
    switch (unit) {
    case LengthUnit::metric:
        return length_text(mm, unit) + " mm";
    case LengthUnit::metric_cm:
        return length_text(mm, unit) + " cm";
    case LengthUnit::inches:
    case LengthUnit::decimalinches:
        break;
    }
    return length_text(mm, unit) + " inches";
}

class Checker {
  public:
    Checker(const Design& d, const DriverValues& v, LengthUnit u, Report& rep)
        : m_d(d), m_v(v), m_unit(u), m_rep(rep), m_r(rep.results) {}

    void run() {
        m_rep.warnings_colour = colour::ruleblue;
        driver_fits();
        port_fits();
        top_cover_clearance();
        breathing_room();
        port_resonance();
        top_resonance();
        ports_fit_endcap();
    }

  private:
    void set(CheckRowId row, bool passed, std::string pass, std::string fail) {
        CheckRow& c = m_rep.checks[row];
        c.status = passed ? CheckStatus::pass : CheckStatus::fail;
        c.text = passed ? std::move(pass) : std::move(fail);
        if (!passed) {
            m_rep.warnings_colour = colour::warnred;
        }
    }

    void driver_fits() {
        const std::string gap = m_unit == LengthUnit::metric      ? "25 mm"
                                : m_unit == LengthUnit::metric_cm ? "2.5 cm"
                                                                  : "1 inch";
        set(lbl_driverfit, m_d.tubid - m_v.driverdia > 50,
            "Driver will fit into bottom endcap with at least " + gap +
                " between basket and Sonotube wall",
            "Driver will NOT fit into bottom endcap with " + gap +
                " between basket and Sonotube wall");
    }

    void port_fits() {
        m_r.intakeclearance = Int(m_d.tubheight - m_v.driverdepth - m_d.portlength);
        if (m_d.flush_mounted()) {
            m_r.intakeclearance -= kFlushRise;
        }
        const bool fits = m_r.intakeclearance > 0;
        set(lbl_portfit, fits, "Port will fit in height available",
            "Port is too long to fit in height available");
        m_rep.checks[lbl_portclearance].visible = fits;
        const std::string text = clearance_text(m_r.intakeclearance, m_unit);
        set(lbl_portclearance, m_r.intakeclearance > m_d.portid,
            "Port has sufficient clearance between intake and driver (" + text + ")",
            "Port clearance between intake and driver is only " + text +
                " - should not be less than port diameter");
    }

    void top_cover_clearance() {
        const bool cover = m_d.covertype == CoverType::cover;
        m_rep.checks[lbl_topcoverclearance].visible = cover;
        if (cover) {
            set(lbl_topcoverclearance, m_d.topgap >= m_d.portid,
                "There is sufficient clearance between port exit and top cover",
                "Clearance between port exit and top cover is less than port diameter");
        }
    }

    // A gap of a quarter of the cone diameter gives a side area of the gap
    // equal to the cone area.
    void breathing_room() {
        m_r.floorgapneeded = Int(m_d.drivernominal * kMillimetresPerInch / 4);
        if (!m_d.flush_mounted()) {
            m_r.floorgapneeded += kFlushRise;
        }
        set(lbl_breathingroom, m_d.bottomgap >= m_r.floorgapneeded,
            "Bottom endcap to floorplate gap is sufficient for driver to breathe",
            "Bottom endcap to floorplate gap is insufficient for driver to breathe. A minimum of " +
                clearance_text(m_r.floorgapneeded, m_unit) + " is required");
    }

    void port_resonance() {
        m_r.soundspeed = kSoundSpeed;
        CheckRow& row = m_rep.checks[lbl_resonance];
        row.status = CheckStatus::info;
        const double length = m_r.effectivelength;
        const double hz = length > 0 ? Int(kSoundSpeed / length * 500) : 0;
        if (length > 0 && std::isfinite(hz)) {
            m_r.portresonance = hz;
            row.text = "First Port resonance is " + plain_number(hz) + " hz";
        } else {
            row.text = "First Port resonance could not be determined (effective length=0)";
        }
    }

    // Distance from the cone to the underside of the top endcap. It can be
    // zero or negative for a tube shorter than the driver and endcap; the line
    // then says so instead of dividing by it.
    void top_resonance() {
        switch (m_d.drivernominal) {
        case 8:
            m_r.coneoffset = 24;
            break;
        case 10:
            m_r.coneoffset = 30;
            break;
        case 12:
            m_r.coneoffset = 36;
            break;
        case 15:
            m_r.coneoffset = 45;
            break;
        case 18:
            m_r.coneoffset = 54;
            break;
        default:
            break;
        }
        if (!m_d.flush_mounted()) {
            m_r.coneoffset -= kFlushRise;
        }
        const double distance = m_d.tubheight - m_r.coneoffset -
                                (m_d.topendcaptotalthickness - m_d.topendcapexposedthickness);
        const double hz = distance > 0 ? Int(kSoundSpeed / distance * 250) * 2 : 0;
        CheckRow& row = m_rep.checks[lbl_drv2topres];
        row.status = CheckStatus::info;
        if (distance > 0 && std::isfinite(hz)) {
            m_r.topresonance = hz;
            row.text = "Driver to box top resonance is " + plain_number(hz) +
                       " hz - add some damping material to inside of top endcap";
        } else {
            row.text = "Driver to box top resonance could not be determined (no space between "
                       "driver and top endcap)";
        }
    }

    void ports_fit_endcap() {
        if (m_d.numports >= 3) {
            CheckRow& row = m_rep.checks[lbl_portcapfit];
            row.status = CheckStatus::exclaim;
            row.text = "More than two ports. Please manually check of fit of ports in top endcap";
            m_rep.warnings_colour = colour::warnred;
        } else if (m_d.exit_flared()) {
            set(lbl_portcapfit, (m_d.portid + 2 * m_d.exitflareradius) * m_d.numports < m_d.tubid,
                "Port / Flare combination will fit inside top endcap",
                "Port / Flare combination will NOT fit inside top endcap");
        } else {
            set(lbl_portcapfit, m_d.portid * m_d.numports < m_d.tubid,
                "Port(s) will fit inside top endcap", "Port(s) will NOT fit inside top endcap");
        }
    }

    const Design& m_d;
    const DriverValues& m_v;
    LengthUnit m_unit;
    Report& m_rep;
    Results& m_r;
};

} // namespace

void run_checks(const Design& d, const DriverValues& driver, LengthUnit unit, Report& report) {
    Checker(d, driver, unit, report).run();
}

std::uint32_t CheckRow::colour() const {
    return status == CheckStatus::fail || status == CheckStatus::exclaim ? colour::red
                                                                         : colour::black;
}

} // namespace cylindra
