// SPDX-License-Identifier: GPL-3.0-or-later
// The design record: every value of one enclosure design in its internal unit
// (millimetres, litres, kilograms, hertz), with the start-up values a first run
// shows. The windows hold one instance and the calculation reads it.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace cylindra {

// Option states. Each enumerator stands for the exact word the preferences
// and project files store (see Words<> below); the words are case-sensitive.
enum class LengthUnit { metric, metric_cm, inches, decimalinches };
enum class VolumeUnit { litres, cu_ft };
enum class CoverType { cover, grille, nocover };
enum class DriverMounting { flushmounted, surfacemounted };
enum class ExitFlare { exitflared, exitunflared };
enum class IntakeFlare { intakeflared, intakeunflared };
enum class PortMaterial { PVC, sonotube };
enum class SolveMode { opt_height, opt_vol };

template <class E> struct Words;
template <> struct Words<LengthUnit> {
    static constexpr std::array<std::string_view, 4> list{"metric", "metric-cm", "inches",
                                                          "decimalinches"};
};
template <> struct Words<VolumeUnit> {
    static constexpr std::array<std::string_view, 2> list{"litres", "cu.ft"};
};
template <> struct Words<CoverType> {
    static constexpr std::array<std::string_view, 3> list{"cover", "grille", "nocover"};
};
template <> struct Words<DriverMounting> {
    static constexpr std::array<std::string_view, 2> list{"flushmounted", "surfacemounted"};
};
template <> struct Words<ExitFlare> {
    static constexpr std::array<std::string_view, 2> list{"exitflared", "exitunflared"};
};
template <> struct Words<IntakeFlare> {
    static constexpr std::array<std::string_view, 2> list{"intakeflared", "intakeunflared"};
};
template <> struct Words<PortMaterial> {
    static constexpr std::array<std::string_view, 2> list{"PVC", "sonotube"};
};
template <> struct Words<SolveMode> {
    static constexpr std::array<std::string_view, 2> list{"opt_height", "opt_vol"};
};

template <class E> constexpr std::string_view word(E e) {
    return Words<E>::list[static_cast<std::size_t>(e)];
}

template <class E> constexpr std::optional<E> from_word(std::string_view text) {
    for (std::size_t i = 0; i < Words<E>::list.size(); ++i) {
        if (Words<E>::list[i] == text) {
            return static_cast<E>(i);
        }
    }
    return std::nullopt;
}

inline constexpr bool is_inch_unit(LengthUnit u) {
    return u == LengthUnit::inches || u == LengthUnit::decimalinches;
}

// The unit state the windows display in: the live length unit and whether the
// Units dialog's "leave volume in litres" box is ticked.
struct DisplayUnits {
    LengthUnit length = LengthUnit::metric;
    bool litres = false;

    // True when volumes are shown in cubic feet: only in the inch units.
    constexpr bool cubic_feet() const { return is_inch_unit(length) && !litres; }
};

// " mm", " cm" or " inches": appended to lengths in result labels.
std::string_view length_suffix(LengthUnit unit);
// " litres" or " cu.ft"; always litres in the metric units.
std::string_view volume_suffix(DisplayUnits units);

inline constexpr double kCubicFeetPerLitre = 0.0353146667214886;
inline constexpr double kPoundsPerKilogram = 2.2;
inline constexpr double kMillimetresPerInch = 25.4;

struct Design {
    // Main window.
    double tubheight = 1263;
    double tubid = 559;
    double portid = 152;
    double portlength = 768;
    double ftune = 15.6;
    double workvol = 260;

    // Endcaps and plates.
    double topcoverdia = 600;
    double topcoverthickness = 19;
    double topendcapdia = 600;
    double topendcapexposedthickness = 19;
    double topendcaptotalthickness = 38;
    double bottomendcaptotalthickness = 38;
    double bottomendcapexposedthickness = 19;
    double floorplatethickness = 19;
    double floorplatedia = 600;
    double grilleheight = 15;
    double topgap = 160;
    double bottomgap = 80;

    // Ports.
    double numports = 1;
    double portwall = 4;
    double exitflareradius = 19;
    double intakeflareradius = 19;

    // Driver as entered or taken from the built-in list; 0 means unknown.
    double dia = 0;
    double vol = 0;
    double depth = 0;
    double mass = 0;

    // Driver selection.
    std::int16_t drivernominal = 10;
    std::string drivername = "User defined";
    std::int16_t driverindex = 14;
    bool drivermanual = false;

    // Option strings.
    LengthUnit storedlengthunit = LengthUnit::inches;
    VolumeUnit storedvolumeunit = VolumeUnit::litres;
    CoverType covertype = CoverType::cover;
    DriverMounting drivermounting = DriverMounting::flushmounted;
    ExitFlare exitflare = ExitFlare::exitflared;
    IntakeFlare intakeflare = IntakeFlare::intakeunflared;
    PortMaterial portmaterial = PortMaterial::PVC;
    SolveMode solvemode = SolveMode::opt_height;

    // Project and program.
    std::string version = "2.03";
    std::string projectname = "default";
    std::string projectfolder;
    std::string prefsfile;
    std::string dialogdrive;
    std::string dialogfolder;

    // Edit flags of the length fields, indexed like the field table
    // (fields.h): true while a box holds typed text not yet validated.
    std::array<bool, 26> edited{};

    bool flush_mounted() const { return drivermounting == DriverMounting::flushmounted; }
    bool exit_flared() const { return exitflare == ExitFlare::exitflared; }
    bool intake_flared() const { return intakeflare == IntakeFlare::intakeflared; }
};

} // namespace cylindra
