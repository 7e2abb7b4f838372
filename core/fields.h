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

enum class Window { Form1, frmDimensions, frmPorts, frmDrivers };

struct FieldSpec {
    std::string_view name; // also the start of its format message
    std::string_view box;  // object name of its text box
    Window window;
    Variant variant;
    double Design::*value;
};

inline constexpr std::array<FieldSpec, 26> kFields{{
    {"tubheight", "Text5", Window::Form1, Variant::A, &Design::tubheight},
    {"tubid", "Text6", Window::Form1, Variant::A, &Design::tubid},
    {"portid", "Text11", Window::Form1, Variant::A, &Design::portid},
    {"portlength", "Text10", Window::Form1, Variant::A, &Design::portlength},
    {"workvol", "txt_workvol", Window::Form1, Variant::C, &Design::workvol},
    {"ftune", "txt_ftune", Window::Form1, Variant::E, &Design::ftune},
    {"topcoverdia", "txt_topcoverdia", Window::frmDimensions, Variant::A, &Design::topcoverdia},
    {"topendcapdia", "txt_topendcapdia", Window::frmDimensions, Variant::A, &Design::topendcapdia},
    {"floorplatedia", "txt_floorplatedia", Window::frmDimensions, Variant::A,
     &Design::floorplatedia},
    {"grilleheight", "txt_grilleheight", Window::frmDimensions, Variant::A, &Design::grilleheight},
    {"topgap", "txt_topgap", Window::frmDimensions, Variant::A, &Design::topgap},
    {"bottomgap", "txt_bottomgap", Window::frmDimensions, Variant::A, &Design::bottomgap},
    {"topcoverthickness", "txt_topcoverthickness", Window::frmDimensions, Variant::A,
     &Design::topcoverthickness},
    {"floorplatethickness", "txt_floorplatethickness", Window::frmDimensions, Variant::A,
     &Design::floorplatethickness},
    {"topendcapexposedthickness", "txt_topendcapexposedthickness", Window::frmDimensions,
     Variant::A, &Design::topendcapexposedthickness},
    {"topendcaptotalthickness", "txt_topendcaptotalthickness", Window::frmDimensions, Variant::A,
     &Design::topendcaptotalthickness},
    {"bottomendcapexposedthickness", "txt_bottomendcapexposedthickness", Window::frmDimensions,
     Variant::A, &Design::bottomendcapexposedthickness},
    {"bottomendcaptotalthickness", "txt_bottomendcaptotalthickness", Window::frmDimensions,
     Variant::A, &Design::bottomendcaptotalthickness},
    {"portwall", "txt_portwall", Window::frmPorts, Variant::A, &Design::portwall},
    {"exitflareradius", "txt_exitflareradius", Window::frmPorts, Variant::A,
     &Design::exitflareradius},
    {"intakeflareradius", "txt_intakeflareradius", Window::frmPorts, Variant::A,
     &Design::intakeflareradius},
    {"numports", "txt_numports", Window::frmPorts, Variant::E, &Design::numports},
    {"dia", "txt_dia", Window::frmDrivers, Variant::B, &Design::dia},
    {"vol", "txt_vol", Window::frmDrivers, Variant::C, &Design::vol},
    {"depth", "txt_depth", Window::frmDrivers, Variant::B, &Design::depth},
    {"mass", "txt_mass", Window::frmDrivers, Variant::D, &Design::mass},
}};

// Position of a field in kFields, by name.
std::optional<std::size_t> field_index(std::string_view name);

} // namespace cylindra
