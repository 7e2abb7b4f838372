// SPDX-License-Identifier: GPL-3.0-or-later
// Which of the eighteen enclosure sections the main window shows: driver
// mounting, what covers the port, and how the port is flared.
#pragma once

#include "design.h"

#include <optional>
#include <string>

namespace cylindra {

enum class FlareShape {
    unflared, // plain port
    flared,   // rounded exit in the top endcap
    donut     // exit rounded and a ring-shaped flare at the inner end
};

// The shape for the two flare boxes; nothing for an intake flared without an
// exit flare, which the ports dialog never leaves but a stored file can.
std::optional<FlareShape> flare_shape(bool exit_flared, bool intake_flared);

struct DiagramChoice {
    DriverMounting mounting = DriverMounting::flushmounted;
    CoverType cover = CoverType::cover;
    FlareShape flare = FlareShape::donut;

    // The picture's name: "dn_" for a surface-mounted driver, then "grilletop"
    // or "notop" unless a cover plate is fitted, then the flare shape
    // ("unflared", "flared", "donut").
    std::string name() const;
};

} // namespace cylindra
