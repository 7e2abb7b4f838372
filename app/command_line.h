// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: "cylindra FILE.cyl" opens a project in the window;
// "cylindra --report [FILE.cyl]" prints a design's results as text;
// "cylindra --sheet FILE.cyl -o OUT.pdf" makes its build sheet.
#pragma once

#include "core/build_parts.h"
#include "core/design.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace cylindra {

enum class CommandAction { start_windows, report, sheet, help, bad_arguments };

struct Command {
    CommandAction action = CommandAction::start_windows;
    // Without a project a first run shows feet and inches, solving height;
    // with one, the project's own unit and solve mode stand unless given.
    std::optional<LengthUnit> unit;
    std::optional<SolveMode> mode;
    std::string project;        // the project file to open, report on or make a sheet of
    std::string output;         // --sheet: the PDF file to write
    std::optional<Paper> paper; // --sheet: default from the locale
    std::string error;          // why the arguments were refused
};

// Reads the arguments after the program name.
Command parse_command_line(const std::vector<std::string>& args);

// Runs a command that needs no windows and returns the exit code: 0, 1 when
// the project could not be read whole or the sheet not written, 2 for bad
// arguments.
int run_text_command(const Command& command, std::ostream& out, std::ostream& err);

} // namespace cylindra
