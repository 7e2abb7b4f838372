// SPDX-License-Identifier: GPL-3.0-or-later
#include "diagram.h"

namespace cylindra {

std::optional<FlareShape> flare_shape(bool exit_flared, bool intake_flared) {
    if (!exit_flared) {
        return intake_flared ? std::nullopt : std::optional(FlareShape::unflared);
    }
    return intake_flared ? FlareShape::donut : FlareShape::flared;
}

std::string DiagramChoice::name() const {
    std::string n = mounting == DriverMounting::surfacemounted ? "dn_" : "";
    if (cover == CoverType::grille) {
        n += "grilletop";
    } else if (cover == CoverType::nocover) {
        n += "notop";
    }
    switch (flare) {
    case FlareShape::unflared:
        return n + "unflared";
    case FlareShape::flared:
        return n + "flared";
    case FlareShape::donut:
        return n + "donut";
    }
    return n;
}

} // namespace cylindra
