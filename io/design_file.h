// SPDX-License-Identifier: GPL-3.0-or-later
// The two files that keep a design: the 38-line project file (.cyl) and the
// 17-line preferences file (cylindra.ini). One value per line, no keys, in
// internal units (millimetres, litres, kilograms, hertz), so a file written
// in one display unit reads the same in any other.
//
// Reading takes the lines in order and applies each to a copy of the record
// as soon as it passes its check; the first line that fails stops the
// reading, and what was applied before it stays.
#pragma once

#include "text_lines.h"

#include "core/design.h"

#include <string>
#include <string_view>
#include <vector>

namespace cylindra::io {

inline constexpr std::size_t kProjectLines = 38;
inline constexpr std::size_t kPreferenceLines = 17;

enum class ReadOutcome {
    complete,     // every line read and applied
    cannot_open,  // the file could not be opened: nothing applied
    rejected_line // a line failed its check, could not be read, or the file ended early
};

struct DesignReading {
    Design design;           // the record with the applied lines
    std::size_t applied = 0; // lines applied, counted from the first
    ReadOutcome outcome = ReadOutcome::complete;
};

// The lines as written; the solve mode is the record's solvemode, which the
// caller sets from the live option first.
std::vector<std::string> project_lines(const Design& design);
std::vector<std::string> preference_lines(const Design& design);

// The whole file as bytes (CR LF line ends).
std::string project_bytes(const Design& design);
std::string preference_bytes(const Design& design);

// Reads a file's bytes (any amount: only what the format can use is looked
// at) into a copy of `current`. In the preferences, an empty first line keeps
// current.projectfolder.
DesignReading read_project(std::string_view bytes, const Design& current);
DesignReading read_preferences(std::string_view bytes, const Design& current);

// The same from lines already split.
DesignReading read_project_lines(const std::vector<TextLine>& lines, const Design& current);
DesignReading read_preference_lines(const std::vector<TextLine>& lines, const Design& current);

// A number line as read: blanks and tabs ignored, the leading number, 0 when
// the line holds none; nothing when the number lies beyond a double's range.
// Larger values than a user may type are read: the calculation can solve
// such values, and every file written must read back.
std::optional<double> read_number_line(std::string_view line);

} // namespace cylindra::io
