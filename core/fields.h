// SPDX-License-Identifier: GPL-3.0-or-later
// The 26 values a user can type, each bound to one text box. The table names
// every member once; validateall and populateall walk it in its order.
#pragma once

#include "design.h"

#include <array>
#include <optional>
#include <string_view>

namespace cylindra {

// How a field is read and shown:
//  A  length with edit flag (main window, endcaps, ports)
//  B  driver length (diameter, depth): no edit flag, no recalculation
//  C  volume in litres, cubic feet in the inch units unless kept in litres
//  D  driver weight in kilograms, pounds in the inch units
//  E  plain number (tuning frequency, number of ports)
enum class Variant { A, B, C, D, E };

// The window that holds a field's box.
enum class Window { main, endcaps, ports, driver };

struct FieldSpec {
    std::string_view name; // also the start of its format message
    std::string_view box;  // object name of its text box
    Window window;
    Variant variant;
    double Design::*value;
};

inline constexpr std::array<FieldSpec, 26> kFields{{
    {"tubheight", "Text5", Window::main, Variant::A, &Design::tubheight},
    {"tubid", "Text6", Window::main, Variant::A, &Design::tubid},
    {"portid", "Text11", Window::main, Variant::A, &Design::portid},
    {"portlength", "Text10", Window::main, Variant::A, &Design::portlength},
    {"workvol", "txt_workvol", Window::main, Variant::C, &Design::workvol},
    {"ftune", "txt_ftune", Window::main, Variant::E, &Design::ftune},
    {"topcoverdia", "txt_topcoverdia", Window::endcaps, Variant::A, &Design::topcoverdia},
    {"topendcapdia", "txt_topendcapdia", Window::endcaps, Variant::A, &Design::topendcapdia},
    {"floorplatedia", "txt_floorplatedia", Window::endcaps, Variant::A, &Design::floorplatedia},
    {"grilleheight", "txt_grilleheight", Window::endcaps, Variant::A, &Design::grilleheight},
    {"topgap", "txt_topgap", Window::endcaps, Variant::A, &Design::topgap},
    {"bottomgap", "txt_bottomgap", Window::endcaps, Variant::A, &Design::bottomgap},
    {"topcoverthickness", "txt_topcoverthickness", Window::endcaps, Variant::A,
     &Design::topcoverthickness},
    {"floorplatethickness", "txt_floorplatethickness", Window::endcaps, Variant::A,
     &Design::floorplatethickness},
    {"topendcapexposedthickness", "txt_topendcapexposedthickness", Window::endcaps, Variant::A,
     &Design::topendcapexposedthickness},
    {"topendcaptotalthickness", "txt_topendcaptotalthickness", Window::endcaps, Variant::A,
     &Design::topendcaptotalthickness},
    {"bottomendcapexposedthickness", "txt_bottomendcapexposedthickness", Window::endcaps,
     Variant::A, &Design::bottomendcapexposedthickness},
    {"bottomendcaptotalthickness", "txt_bottomendcaptotalthickness", Window::endcaps, Variant::A,
     &Design::bottomendcaptotalthickness},
    {"portwall", "txt_portwall", Window::ports, Variant::A, &Design::portwall},
    {"exitflareradius", "txt_exitflareradius", Window::ports, Variant::A, &Design::exitflareradius},
    {"intakeflareradius", "txt_intakeflareradius", Window::ports, Variant::A,
     &Design::intakeflareradius},
    {"numports", "txt_numports", Window::ports, Variant::E, &Design::numports},
    {"dia", "txt_dia", Window::driver, Variant::B, &Design::dia},
    {"vol", "txt_vol", Window::driver, Variant::C, &Design::vol},
    {"depth", "txt_depth", Window::driver, Variant::B, &Design::depth},
    {"mass", "txt_mass", Window::driver, Variant::D, &Design::mass},
}};

// Position of a field in kFields, by name.
std::optional<std::size_t> field_index(std::string_view name);

} // namespace cylindra
