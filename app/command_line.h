// SPDX-License-Identifier: GPL-3.0-or-later
// The command line: "cylindra --report" prints a design's results as text.
#pragma once

#include "core/design.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace cylindra {

enum class CommandAction { start_windows, report, help, bad_arguments };

struct Command {
    CommandAction action = CommandAction::start_windows;
    LengthUnit unit = LengthUnit::inches; // a first run shows feet and inches
    SolveMode mode = SolveMode::opt_height;
    std::string error; // why the arguments were refused
};

// Reads the arguments after the program name.
Command parse_command_line(const std::vector<std::string>& args);

// Runs a command that needs no windows and returns the exit code.
int run_text_command(const Command& command, std::ostream& out, std::ostream& err);

} // namespace cylindra
