// SPDX-License-Identifier: GPL-3.0-or-later
#include "air_speed.h"

#include "calculation.h"
#include "measurement.h"
#include "number_text.h"

#include <cmath>
#include <numbers>

namespace cylindra {

namespace {

constexpr double kSquareMetresPerCm2 = 1e-4;
constexpr double kMetresPerMm = 1e-3;

bool usable(double v) {
    return std::isfinite(v) && v > 0 && v <= kLargestValue;
}

// Each unit's step: sixteenths of an inch, hundredths of an inch, whole
// millimetres (also the centimetres' tenth).
double step_mm(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::inches:
        return kMillimetresPerInch / 16;
    case LengthUnit::decimalinches:
        return kMillimetresPerInch / 100;
    case LengthUnit::metric:
    case LengthUnit::metric_cm:
        break;
    }
    return 1;
}

std::string one_decimal(double v) {
    return std::string(trim_blanks(plain_number(std::round(v * 10) / 10)));
}

} // namespace

AirSpeed port_air_speed(double sd_cm2, double xmax_mm, double tuning_hz, double numports,
                        double portid_mm) {
    AirSpeed out;
    if (!usable(sd_cm2) || !usable(xmax_mm) || !usable(tuning_hz) || !usable(numports) ||
        !usable(portid_mm)) {
        return out;
    }
    // Peak volume velocity of the cone, m³/s, shared by the ports.
    const double flow = 2 * std::numbers::pi * tuning_hz * sd_cm2 * kSquareMetresPerCm2 * xmax_mm *
                        kMetresPerMm / numports;
    const double radius = portid_mm * kMetresPerMm / 2;
    out.speed = flow / (std::numbers::pi * radius * radius);
    out.smallest_diameter =
        2 * std::sqrt(flow / (std::numbers::pi * kComfortableAirSpeed)) / kMetresPerMm;
    if (!std::isfinite(out.speed) || !std::isfinite(out.smallest_diameter)) {
        return {};
    }
    out.valid = true;
    out.verdict = out.speed <= kComfortableAirSpeed ? AirSpeedVerdict::comfortable
                  : out.speed <= kHighestAirSpeed   ? AirSpeedVerdict::above_target
                                                    : AirSpeedVerdict::above_limit;
    return out;
}

std::string air_speed_text(const AirSpeed& s) {
    if (!s.valid) {
        return {};
    }
    const std::string speed = "Peak air speed " + one_decimal(s.speed) + " m/s: ";
    switch (s.verdict) {
    case AirSpeedVerdict::comfortable:
        return speed + "comfortable (under 17 m/s)";
    case AirSpeedVerdict::above_target:
        return speed + "may chuff (over 17 m/s)";
    case AirSpeedVerdict::above_limit:
        return speed + "too fast (over 34 m/s)";
    }
    return speed;
}

std::uint32_t air_speed_colour(const AirSpeed& s) {
    if (!s.valid) {
        return colour::black;
    }
    switch (s.verdict) {
    case AirSpeedVerdict::comfortable:
        return colour::green;
    case AirSpeedVerdict::above_target:
        return colour::warnred;
    case AirSpeedVerdict::above_limit:
        break;
    }
    return colour::red;
}

std::string smallest_diameter_text(const AirSpeed& s, LengthUnit unit) {
    if (!s.valid) {
        return {};
    }
    const double step = step_mm(unit);
    // Up to the next step, so that the diameter shown keeps within the target.
    const double shown = std::ceil(s.smallest_diameter / step - 1e-9) * step;
    return "Smallest port diameter for 17 m/s: " +
           std::string(trim_blanks(length_text(shown, unit))) + std::string(length_suffix(unit));
}

} // namespace cylindra
