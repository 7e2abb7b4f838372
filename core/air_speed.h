// SPDX-License-Identifier: GPL-3.0-or-later
// Peak air speed in the ports at the tuning frequency, when the cone moves its
// full one-way excursion: there the ports carry all of the cone's volume
// velocity. Fast air in a port chuffs.
#pragma once

#include "design.h"

#include <cstdint>
#include <string>

namespace cylindra {

// About 5% of the speed of sound: the comfortable design target.
inline constexpr double kComfortableAirSpeed = 17; // m/s
// Beyond this a port is audible whatever its flares.
inline constexpr double kHighestAirSpeed = 34; // m/s

enum class AirSpeedVerdict { comfortable, above_target, above_limit };

struct AirSpeed {
    bool valid = false;           // false: a missing or unusable input
    double speed = 0;             // m/s in each port
    double smallest_diameter = 0; // mm: each port's diameter for kComfortableAirSpeed
    AirSpeedVerdict verdict = AirSpeedVerdict::comfortable;
};

// sd_cm2: the cone's area in square centimetres; xmax_mm: its one-way
// excursion in millimetres; tuning_hz, number of ports and their internal
// diameter in mm as the design holds them.
AirSpeed port_air_speed(double sd_cm2, double xmax_mm, double tuning_hz, double numports,
                        double portid_mm);

// "Peak air speed 12.3 m/s: comfortable (under 17 m/s)", or "" when invalid.
std::string air_speed_text(const AirSpeed& speed);
// The colour of the verdict: green, light red above the target, red above
// the limit.
std::uint32_t air_speed_colour(const AirSpeed& speed);
// "Smallest port diameter for 17 m/s: 85 mm", rounded up to the unit's
// step, or "" when invalid.
std::string smallest_diameter_text(const AirSpeed& speed, LengthUnit unit);

} // namespace cylindra
