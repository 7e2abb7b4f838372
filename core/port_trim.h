// SPDX-License-Identifier: GPL-3.0-or-later
// Port trim: from the tuning a builder measured on the finished enclosure to
// the port length that brings it to the design's tuning, by the design's own
// port model.
#pragma once

#include "design.h"

#include <string>

namespace cylindra {

struct PortTrim {
    bool valid = false;         // false: no measured tuning, or no length reaches the design's
    double new_length = 0;      // physical port length in mm, flares included
    double change = 0;          // mm taken off each port; negative when it must grow
    bool needs_longer = false;  // the port is too short: it must be replaced by a longer one
    bool measured = false;      // a usable tuning was given, whether or not a length fits it
    bool through_endcap = true; // the new port still reaches through the top endcap
};

// The tuning of the built ports follows the design's model with the box's own
// constant: the effective length plus the end correction scales with the
// inverse square of the tuning, while the end correction and the flare
// allowances stay what the design gives. The design supplies the built port
// length, the working volume and the tuning it was built for.
PortTrim port_trim(const Design& design, double measured_hz);

// "Cut 1 3/16 inches off each port", "Lengthen each port to 31 inches (2 3/8
// inches longer)", with a warning when the port left would not reach through
// the top endcap; why nothing fits when a tuning was measured but no length
// gives the design's; "" when nothing was measured. Lengths as the result
// labels show them.
std::string port_trim_text(const PortTrim& trim, LengthUnit unit);

} // namespace cylindra
