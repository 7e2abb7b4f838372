// SPDX-License-Identifier: GPL-3.0-or-later
// What reading a project or preferences file promises whatever its bytes:
// lines are applied in order and only while they pass, nothing longer than a
// line may be is applied, every applied number is finite, the
// fields of later lines keep their values, and a file read completely writes
// a file that reads back to itself.
#pragma once

#include "core/number_text.h"
#include "fuzz_checks.h"
#include "io/design_file.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <string>
#include <string_view>

namespace cylindra::fuzz {

struct NumberLine {
    double Design::*member;
    std::size_t project_line;
};

inline constexpr std::array<NumberLine, 26> kNumberLines{{
    {&Design::dia, 12},
    {&Design::vol, 13},
    {&Design::depth, 14},
    {&Design::mass, 15},
    {&Design::tubheight, 17},
    {&Design::tubid, 18},
    {&Design::portid, 19},
    {&Design::portlength, 20},
    {&Design::workvol, 21},
    {&Design::ftune, 22},
    {&Design::grilleheight, 23},
    {&Design::topcoverdia, 24},
    {&Design::topcoverthickness, 25},
    {&Design::topendcapdia, 26},
    {&Design::topendcapexposedthickness, 27},
    {&Design::topendcaptotalthickness, 28},
    {&Design::bottomendcaptotalthickness, 29},
    {&Design::bottomendcapexposedthickness, 30},
    {&Design::floorplatethickness, 31},
    {&Design::floorplatedia, 32},
    {&Design::topgap, 33},
    {&Design::bottomgap, 34},
    {&Design::numports, 35},
    {&Design::portwall, 36},
    {&Design::exitflareradius, 37},
    {&Design::intakeflareradius, 38},
}};

// The record a file is read into: marker values (5e12, an index of -7, made-up
// texts) that a field a reading should have left alone keeps exactly, so a
// field touched by mistake shows.
inline Design marked_design() {
    Design d;
    for (const NumberLine& n : kNumberLines) {
        d.*n.member = 5e12;
    }
    d.driverindex = -7;
    d.drivername = "current name";
    d.projectfolder = "/current/folder";
    return d;
}

struct FileKind {
    std::size_t lines;
    std::size_t offset; // lines before the first project line (the folder)
    io::DesignReading (*read)(std::string_view, const Design&);
    std::string (*write)(const Design&);
};

inline constexpr FileKind kProject{io::kProjectLines, 0, io::read_project, io::project_bytes};
inline constexpr FileKind kPreferences{io::kPreferenceLines, 1, io::read_preferences,
                                       io::preference_bytes};

inline bool applied(const io::DesignReading& r, const FileKind& kind, std::size_t project_line) {
    return project_line + kind.offset <= r.applied;
}

inline void check_fields(const io::DesignReading& r, const Design& current, const FileKind& kind) {
    for (const NumberLine& n : kNumberLines) {
        const double v = r.design.*n.member;
        if (n.project_line > 16 && kind.offset != 0) {
            require(v == current.*n.member); // not in the preferences
        } else if (applied(r, kind, n.project_line)) {
            require(std::isfinite(v));
        } else {
            require(v == current.*n.member);
        }
    }
    const int nominal = r.design.drivernominal;
    require(nominal == 8 || nominal == 10 || nominal == 12 || nominal == 15 || nominal == 18);
    if (!applied(r, kind, 10)) {
        require(r.design.driverindex == current.driverindex);
    } else if (kind.offset != 0) {
        // The preferences store only a real list position.
        require(r.design.driverindex == current.driverindex || r.design.driverindex >= 0);
    }
    if (!applied(r, kind, 11)) {
        require(r.design.drivername == current.drivername);
    }
    require(io::valid_utf8(r.design.drivername) && io::valid_utf8(r.design.projectfolder));
    require(kind.offset == 0 ? r.design.projectfolder == current.projectfolder
                             : !r.design.projectfolder.empty());
}

inline void check_reading(std::string_view bytes, const FileKind& kind) {
    const Design current = marked_design();
    const io::DesignReading r = kind.read(bytes, current);
    const auto lines = io::split_lines(bytes, kind.lines);
    require(r.applied <= lines.size());
    require(r.outcome != io::ReadOutcome::cannot_open);
    require((r.outcome == io::ReadOutcome::complete) == (r.applied == kind.lines));
    for (std::size_t i = 0; i < r.applied; ++i) {
        require(!lines[i].too_long && lines[i].text.size() <= 2 * io::kMaxLineBytes);
    }
    check_fields(r, current, kind);
    if (r.outcome == io::ReadOutcome::complete) {
        // Written and read again, the design gives the same file.
        const std::string written = kind.write(r.design);
        const io::DesignReading again = kind.read(written, current);
        require(again.outcome == io::ReadOutcome::complete && again.applied == kind.lines);
        require(kind.write(again.design) == written);
    }
}

} // namespace cylindra::fuzz
