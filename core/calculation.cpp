// SPDX-License-Identifier: GPL-3.0-or-later
// Volumes, tuning and the build report. Lengths are millimetres and volumes
// litres throughout; units matter only when texts are written.
#include "calculation.h"

#include "checks.h"
#include "field_text.h"
#include "measurement.h"
#include "number_text.h"

#include <cmath>

namespace cylindra {

namespace {

constexpr double kPi = 3.14159265359;
constexpr double kPortPi = 3.14;    // the port volume has always used 3.14
constexpr double kTuning = 2356.25; // Helmholtz constant for mm, litres and Hz
constexpr double kEndCorrection = 0.732;
constexpr double kMm3PerLitre = 1000000;
constexpr double kPlateDensity = 0.673270960267079; // kg per litre
constexpr double kSonoDensity = 0.91;
constexpr double kPvcDensity = 1.26;
constexpr double kTubeWall = 6; // mm

double Int(double x) {
    return std::floor(x);
}
double square(double x) {
    return x * x;
}
double diagonal(double a, double b) {
    return std::sqrt(square(a) + square(b));
}

double port_volume(const Design& d, double portlength) {
    return (portlength - d.topendcaptotalthickness) * kPortPi *
           square((d.portid + 2 * d.portwall) / 2) * d.numports / kMm3PerLitre;
}

// Driver volume plus, when flush mounted, the disc of nominal diameter and
// 20 mm height that the mounting recess takes.
double driver_displacement(const Design& d, double drivervol) {
    double disc_cm = 0;
    switch (d.drivernominal) {
    case 8:
        disc_cm = 20.32;
        break;
    case 10:
        disc_cm = 25.4;
        break;
    case 12:
        disc_cm = 30.48;
        break;
    case 15:
        disc_cm = 38.1;
        break;
    case 18:
        disc_cm = 45.72;
        break;
    default:
        return drivervol;
    }
    return d.flush_mounted() ? drivervol + square(disc_cm / 2) * kPi * 20 / 10000 : drivervol;
}

double exit_allowance(const Design& d) {
    return d.exit_flared() ? d.exitflareradius / 2 : 0;
}

// The intake flare counts only while the exit is flared too.
double intake_allowance(const Design& d) {
    return d.exit_flared() && d.intake_flared() ? d.intakeflareradius / 2 : 0;
}

void solve_volume(const Design& d, const DriverValues& driver, Results& r, SolvedPair& s) {
    const double end_caps = d.topendcaptotalthickness + d.bottomendcaptotalthickness;
    r.grossvol = Int((d.tubheight - end_caps) * square(d.tubid / 2) * kPi / kMm3PerLitre + 0.5);
    r.effectivelength = d.portlength - exit_allowance(d) - intake_allowance(d);
    r.portvol = port_volume(d, d.portlength);
    r.driverdisplacement = driver_displacement(d, driver.drivervol);
    s.workvol = Int(r.grossvol - r.portvol - r.driverdisplacement + 0.5);
    r.endcorrection = kEndCorrection;
    s.ftune = 0;
    if (r.effectivelength > 5 && d.portid > 0 && s.workvol > 0) {
        s.ftune = Int(port_tuning(d, s.workvol, r.effectivelength) * 10 + 0.5) / 10;
    }
    s.tubheight = d.tubheight;
    s.portlength = d.portlength;
}

void solve_height(const Design& d, const DriverValues& driver, Results& r, SolvedPair& s) {
    r.endcorrection = kEndCorrection;
    if (d.ftune > 0.1 && d.workvol > 0.1) {
        r.effectivelength = port_effective_length(d, d.workvol, d.ftune);
    }
    r.effectivelength = Int(r.effectivelength + 0.5);
    s.portlength = Int(r.effectivelength + exit_allowance(d) + intake_allowance(d) + 0.5);
    r.portvol = port_volume(d, s.portlength);
    r.driverdisplacement = driver_displacement(d, driver.drivervol);
    r.grossvol = Int(d.workvol + r.portvol + r.driverdisplacement + 0.5);
    double internal = 0;
    if (d.tubid > 0.1) {
        internal = Int(r.grossvol / (kPi * square(d.tubid / 2)) * kMm3PerLitre + 0.5);
    }
    s.tubheight = internal + d.topendcaptotalthickness + d.bottomendcaptotalthickness;
    s.workvol = d.workvol;
    s.ftune = d.ftune;
}

double total_height(const Design& d) {
    const double base = d.floorplatethickness + d.bottomgap + d.tubheight;
    switch (d.covertype) {
    case CoverType::cover:
        return base + d.topgap + d.topcoverthickness;
    case CoverType::grille:
        return base + d.grilleheight;
    case CoverType::nocover:
        return base;
    }
    return base;
}

// The enclosure tips over an edge of the floor plate; the ceiling must clear
// the farthest top corner, of the cover plate or of the top endcap.
double tipping_clearance(const Design& d, double totalheight) {
    const double r = d.floorplatedia / 2;
    double tipping = diagonal(d.topendcapdia / 2 + r, totalheight);
    if (d.covertype == CoverType::cover) {
        const double d1 =
            diagonal(d.topendcapdia / 2 + r, d.floorplatethickness + d.bottomgap + d.tubheight);
        const double d2 = diagonal(d.topcoverdia / 2 + r, totalheight);
        tipping = d2 > d1 ? d2 : d1;
    }
    return Int(tipping);
}

void estimate_weight(const Design& d, double drivermass, Results& r) {
    const double h = d.portid / 2 + d.portwall;
    const double tt = d.topendcaptotalthickness, te = d.topendcapexposedthickness;
    const double bt = d.bottomendcaptotalthickness, be = d.bottomendcapexposedthickness;
    r.nominalmm = d.drivernominal * kMillimetresPerInch;
    double endcap = kPi * square(d.topendcapdia / 2) * te - kPi * square(h) * te;
    endcap += kPi * square(d.tubid / 2) * (tt - te) - kPi * square(h) * (tt - te);
    endcap += kPi * be * (square(d.topendcapdia / 2) - square(r.nominalmm / 2));
    endcap += kPi * (bt - be) * (square(d.tubid / 2) - square(r.nominalmm / 2));
    r.endcapsolid = endcap / kMm3PerLitre;
    double plates = kPi * square(d.floorplatedia / 2) * d.floorplatethickness;
    if (d.covertype == CoverType::cover) {
        plates += kPi * square(d.topcoverdia / 2) * d.topcoverthickness;
    }
    r.platesolid = plates / kMm3PerLitre;
    r.capsweight = (r.platesolid + r.endcapsolid) * kPlateDensity;
    r.portsolid = d.portlength * kPi * d.portid * d.portwall / kMm3PerLitre;
    r.portweight = r.portsolid * (d.portmaterial == PortMaterial::PVC ? kPvcDensity : kSonoDensity);
    r.tubesolid = r.sonolength * kTubeWall * d.tubid * kPi / kMm3PerLitre;
    r.tubeweight = r.tubesolid * kSonoDensity;
    r.weight = Int(r.capsweight + r.portweight + r.tubeweight + drivermass);
}

ResultLabels build_labels(const Results& r, DisplayUnits units) {
    const LengthUnit u = units.length;
    const std::string suffix(length_suffix(u));
    const double volume = units.cubic_feet() ? cubic_feet_cut(r.grossvol) : r.grossvol;
    ResultLabels l;
    l.netvol = "Gross Volume " + plain_number(volume) + std::string(volume_suffix(units));
    l.port_effectivelength =
        "Effective length of port " + length_text(r.effectivelength, u) + suffix;
    l.sonolength = "Cut Sonotube to  " + length_text(r.sonolength, u) + suffix;
    l.totalheight = "Total height " + length_text(r.totalheight, u) + suffix;
    l.tipping =
        "Clearance required to tilt into upright position " + length_text(r.tipping, u) + suffix;
    l.weight = is_inch_unit(u) ? "Estimated weight " +
                                     plain_number(Int(r.weight * kPoundsPerKilogram + 0.5)) + " lbs"
                               : "Estimated weight " + plain_number(r.weight) + " kg";
    return l;
}

} // namespace

// Half of each flared end's radius counts as port length the air does not
// see.
double flare_allowance(const Design& d) {
    return exit_allowance(d) + intake_allowance(d);
}

double port_end_correction(const Design& d) {
    return d.portid * kEndCorrection;
}

double port_tuning(const Design& d, double workvol, double effectivelength) {
    return std::sqrt(std::fabs(d.numports * square(d.portid) * kTuning /
                               (workvol * (effectivelength + port_end_correction(d)))));
}

double port_effective_length(const Design& d, double workvol, double ftune) {
    return d.numports * square(d.portid) * kTuning / (workvol * square(ftune)) -
           port_end_correction(d);
}

void SolvedPair::apply_to(Design& design) const {
    if (mode == SolveMode::opt_vol) {
        design.workvol = workvol;
        design.ftune = ftune;
    } else {
        design.tubheight = tubheight;
        design.portlength = portlength;
    }
}

Report calculate_all(const Design& design, const DriverValues& driver, DisplayUnits units,
                     const Results& previous) {
    Report report;
    Results& r = report.results;
    r = previous;
    report.solved.mode = design.solvemode;
    if (design.solvemode == SolveMode::opt_vol) {
        solve_volume(design, driver, r, report.solved);
    } else {
        solve_height(design, driver, r, report.solved);
    }
    // The later stages see the design with its solved pair filled in.
    Design d = design;
    report.solved.apply_to(d);
    r.sonolength = d.tubheight - d.topendcapexposedthickness - d.bottomendcapexposedthickness;
    r.totalheight = total_height(d);
    r.tipping = tipping_clearance(d, r.totalheight);
    estimate_weight(d, driver.drivermass, r);
    report.labels = build_labels(r, units);
    run_checks(d, driver, units.length, report);
    return report;
}

} // namespace cylindra
