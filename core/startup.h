// SPDX-License-Identifier: GPL-3.0-or-later
// The first-run design: start-up values, the start-up driver from the list,
// no preferences file. The batch report prints it.
#pragma once

#include "calculation.h"

#include <optional>
#include <string>
#include <vector>

namespace cylindra {

struct StartupDesign {
    Design design;
    DisplayUnits units;
    DriverValues driver;
    Report report;
};

// As a first run shows it, in a unit and solve mode of the caller's choice.
// With no preferences the volume stays in litres in the inch units too.
StartupDesign startup_design(LengthUnit unit, SolveMode mode);

// A first run that then opens a design read from a project (`s.design` holds
// what was read): a list driver is taken from the list, the project's units
// come into force (or `unit`, when given), the solve mode is selected (or
// `mode`) and the design is calculated, as the program does after opening.
void complete_opened(StartupDesign& s, std::optional<LengthUnit> unit,
                     std::optional<SolveMode> mode);

// The main window's six result lines in their top-to-bottom order, then the
// texts of the check rows the warnings dialog shows, in its row order.
std::vector<std::string> report_lines(const Report& report);

} // namespace cylindra
