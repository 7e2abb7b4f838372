// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_trim.h"

#include "calculation.h"
#include "measurement.h"
#include "number_text.h"

#include <cmath>

namespace cylindra {

namespace {

// The tuning model needs a port of a few millimetres at least, as the
// volume solve does.
constexpr double kShortestEffectiveLength = 5;
// A change below half a millimetre is within what a saw can do.
constexpr double kNoTrim = 0.5;

bool design_can_be_trimmed(const Design& d, double measured_hz) {
    const double built = d.portlength - flare_allowance(d);
    return std::isfinite(measured_hz) && measured_hz > 0 && measured_hz <= kLargestValue &&
           d.ftune > 0 && d.workvol > 0 && d.portid > 0 && d.numports > 0 &&
           built + port_end_correction(d) > 0;
}

// Metric lengths to the whole millimetre, a saw's resolution; the inch forms
// round themselves.
std::string shown_length(double millimetres, LengthUnit unit) {
    const double shown = is_inch_unit(unit) ? millimetres : std::round(millimetres);
    return std::string(trim_blanks(length_text(shown, unit))) + std::string(length_suffix(unit));
}

} // namespace

PortTrim port_trim(const Design& design, double measured_hz) {
    PortTrim trim;
    trim.measured = std::isfinite(measured_hz) && measured_hz > 0;
    if (!design_can_be_trimmed(design, measured_hz)) {
        return trim;
    }
    const double allowance = flare_allowance(design);
    const double built = design.portlength - allowance;
    // The volume that makes the model give what was measured for the ports as
    // built stands for everything the model does not know about this box.
    const double modelled = port_tuning(design, design.workvol, built);
    const double box = design.workvol * (modelled / measured_hz) * (modelled / measured_hz);
    const double effective = port_effective_length(design, box, design.ftune);
    if (!std::isfinite(effective) || effective <= kShortestEffectiveLength ||
        effective + allowance > kLargestValue) {
        return trim;
    }
    trim.valid = true;
    trim.new_length = effective + allowance;
    trim.change = design.portlength - trim.new_length;
    trim.needs_longer = trim.change <= -kNoTrim;
    trim.through_endcap = trim.new_length >= design.topendcaptotalthickness;
    return trim;
}

std::string port_trim_text(const PortTrim& trim, LengthUnit unit) {
    if (!trim.valid) {
        return trim.measured ? "No port length brings this box to the design's tuning" : "";
    }
    if (std::fabs(trim.change) < kNoTrim) {
        return "No trim needed: the ports are the right length";
    }
    if (trim.needs_longer) {
        return "Lengthen each port to " + shown_length(trim.new_length, unit) + " (" +
               shown_length(-trim.change, unit) + " longer)";
    }
    const std::string cut = "Cut " + shown_length(trim.change, unit) + " off each port";
    return trim.through_endcap
               ? cut
               : cut + ": too short to reach through the top endcap - measure again";
}

} // namespace cylindra
