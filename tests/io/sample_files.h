// SPDX-License-Identifier: GPL-3.0-or-later
// Two designs and their files, written out by hand from the line tables: the
// first-run design and one whose every field differs from it, so that a
// reader that skips, swaps or repeats a line shows up in a comparison.
#pragma once

#include "core/design.h"

#include <string>
#include <string_view>
#include <vector>

namespace cylindra::test {

// clang-format off
inline const std::vector<std::string> kDefaultProject{
    // 1-8: units and construction options
    "inches", "litres", "cover", "flushmounted", "exitflared", "intakeunflared", "PVC",
    "driverlist",
    // 9-16: driver and solve mode
    "nominal10", " 14", "User defined", " 0", " 0", " 0", " 0", "opt_height",
    // 17-23: tube, port, volume, tuning, grille
    " 1263", " 559", " 152", " 768", " 260", " 15.6", " 15",
    // 24-32: cover, endcaps, floor plate
    " 600", " 19", " 600", " 19", " 38", " 38", " 19", " 19", " 600",
    // 33-38: gaps, ports, flares
    " 160", " 80", " 1", " 4", " 19", " 19"};

inline const std::vector<std::string> kDistinctProject{
    "metric", "cu.ft", "nocover", "surfacemounted", "exitunflared", "intakeflared", "sonotube",
    "drivermanual",
    "nominal15", " 3", "Bass 15", " 380", " 7.5", " 170", " 9.25", "opt_vol",
    " 1500", " 400", " 102.5", " 640", " 180", " 22.5", " 12",
    " 450", " 18", " 440", " 16", " 32", " 36", " 17", " 25", " 420",
    " .75", " 90", " 2", "-3", " 1E-05", " 21"};
// clang-format on

inline constexpr const char* kDefaultFolder = "/home/ann/projects";
inline constexpr const char* kDistinctFolder = "/home/bob/bass";

// The record kDistinctProject holds; its folder is the one its preferences
// file holds.
inline Design distinct_design() {
    Design d;
    d.storedlengthunit = LengthUnit::metric;
    d.storedvolumeunit = VolumeUnit::cu_ft;
    d.covertype = CoverType::nocover;
    d.drivermounting = DriverMounting::surfacemounted;
    d.exitflare = ExitFlare::exitunflared;
    d.intakeflare = IntakeFlare::intakeflared;
    d.portmaterial = PortMaterial::sonotube;
    d.drivermanual = true;
    d.drivernominal = 15;
    d.driverindex = 3;
    d.drivername = "Bass 15";
    d.dia = 380, d.vol = 7.5, d.depth = 170, d.mass = 9.25;
    d.solvemode = SolveMode::opt_vol;
    d.tubheight = 1500, d.tubid = 400, d.portid = 102.5, d.portlength = 640;
    d.workvol = 180, d.ftune = 22.5, d.grilleheight = 12;
    d.topcoverdia = 450, d.topcoverthickness = 18, d.topendcapdia = 440;
    d.topendcapexposedthickness = 16, d.topendcaptotalthickness = 32;
    d.bottomendcaptotalthickness = 36, d.bottomendcapexposedthickness = 17;
    d.floorplatethickness = 25, d.floorplatedia = 420;
    d.topgap = 0.75, d.bottomgap = 90, d.numports = 2, d.portwall = -3;
    d.exitflareradius = 0.00001, d.intakeflareradius = 21;
    d.projectfolder = kDistinctFolder;
    return d;
}

inline Design default_design() {
    Design d;
    d.projectfolder = kDefaultFolder;
    return d;
}

// The preferences file of a design: its folder, then the first 16 lines of
// its project.
inline std::vector<std::string> preference_file(std::string folder,
                                                const std::vector<std::string>& project) {
    std::vector<std::string> lines{std::move(folder)};
    lines.insert(lines.end(), project.begin(), project.begin() + 16);
    return lines;
}

inline std::string file_of(const std::vector<std::string>& lines, std::string_view end = "\r\n") {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += end;
    }
    return bytes;
}

} // namespace cylindra::test
