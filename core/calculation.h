// SPDX-License-Identifier: GPL-3.0-or-later
// calculate_all: the one routine that turns a design into volumes, tuning,
// heights, weight, the six result texts and the eight build checks. The
// windows only display what it returns.
#pragma once

#include "design.h"
#include "drivers.h"

#include <array>
#include <cstdint>
#include <string>

namespace cylindra {

// Colours as RGB values.
namespace colour {
inline constexpr std::uint32_t black = 0x000000;
inline constexpr std::uint32_t red = 0xFF0000;
inline constexpr std::uint32_t ruleblue = 0x376AF0;
inline constexpr std::uint32_t warnred = 0xFF8080;
inline constexpr std::uint32_t grey = 0x808080;
inline constexpr std::uint32_t windowgrey = 0xE0E0E0;
inline constexpr std::uint32_t green = 0x00C000;
} // namespace colour

// Every result variable. A value that a call does not recompute keeps the
// value of the previous call, so the caller hands the last results back in.
struct Results {
    double grossvol = 0;        // litres, whole
    double effectivelength = 0; // mm
    double portvol = 0;         // litres
    double driverdisplacement = 0;
    double endcorrection = 0;
    double sonolength = 0; // mm
    double totalheight = 0;
    double tipping = 0; // mm, whole
    double weight = 0;  // kg, whole
    double nominalmm = 0;
    double endcapsolid = 0, platesolid = 0, portsolid = 0, tubesolid = 0; // litres
    double capsweight = 0, portweight = 0, tubeweight = 0;                // kg
    double intakeclearance = 0;                                           // mm, whole
    double floorgapneeded = 0;
    double soundspeed = 0;
    double portresonance = 0; // Hz, whole
    double coneoffset = 0;
    double topresonance = 0; // Hz
};

// The pair the solve mode computes: height and port length, or working
// volume and tuning frequency.
struct SolvedPair {
    SolveMode mode = SolveMode::opt_height;
    double tubheight = 0, portlength = 0; // opt_height
    double workvol = 0, ftune = 0;        // opt_vol

    void apply_to(Design& design) const;
};

struct ResultLabels {
    std::string netvol, port_effectivelength, sonolength, totalheight, tipping, weight;
};

enum class CheckStatus {
    pass,    // tick, black text
    fail,    // cross, red text
    exclaim, // exclamation mark, red text: more than two ports
    info     // fixed icon, black text: the two resonance lines
};

struct CheckRow {
    std::string text;
    CheckStatus status = CheckStatus::info;
    bool visible = true;
    std::uint32_t colour() const;

    bool operator==(const CheckRow&) const = default;
};

// Rows of the warnings dialog, top to bottom.
enum CheckRowId {
    lbl_driverfit,
    lbl_portfit,
    lbl_portclearance,
    lbl_topcoverclearance,
    lbl_breathingroom,
    lbl_portcapfit,
    lbl_resonance,
    lbl_drv2topres,
    kCheckRows
};

struct Report {
    Results results;
    SolvedPair solved;
    ResultLabels labels;
    std::array<CheckRow, kCheckRows> checks;
    std::uint32_t warnings_colour = colour::ruleblue; // of lbl_warnings
};

// The port model calculate_all uses, unrounded. The effective length is the
// physical port length less the flare allowance; the tuning follows the
// Helmholtz relation with the port's end correction added to that length.
double flare_allowance(const Design& design);
double port_end_correction(const Design& design); // mm
// Tuning in Hz of the ports with this effective length on this working
// volume (litres).
double port_tuning(const Design& design, double workvol, double effectivelength);
// Effective length in mm that tunes this working volume to ftune: the
// inverse of port_tuning.
double port_effective_length(const Design& design, double workvol, double ftune);

Report calculate_all(const Design& design, const DriverValues& driver, DisplayUnits units,
                     const Results& previous);

} // namespace cylindra
