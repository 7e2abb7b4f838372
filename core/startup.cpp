// SPDX-License-Identifier: GPL-3.0-or-later
#include "startup.h"

namespace cylindra {

StartupDesign startup_design(LengthUnit unit, SolveMode mode) {
    StartupDesign s;
    s.units = {unit, s.design.storedvolumeunit == VolumeUnit::litres};
    s.design.solvemode = mode;
    apply_driver_row(s.design, s.design.driverindex);
    s.driver = resolve_driver_data(s.design, {}).values;
    // Start-up selects the solve option (which calculates) and then
    // calculates once more; both passes are kept so the results match.
    for (int pass = 0; pass < 2; ++pass) {
        s.report = calculate_all(s.design, s.driver, s.units, s.report.results);
        s.report.solved.apply_to(s.design);
    }
    return s;
}

void complete_opened(StartupDesign& s, std::optional<LengthUnit> unit,
                     std::optional<SolveMode> mode) {
    Design& d = s.design;
    if (!d.drivermanual) {
        apply_driver_row(d, d.driverindex); // an index outside the list changes nothing
    }
    s.units = {unit.value_or(d.storedlengthunit), d.storedvolumeunit == VolumeUnit::litres};
    d.solvemode = mode.value_or(d.solvemode);
    s.driver = resolve_driver_data(d, s.driver).values;
    // Selecting the solve option calculates, then the design is calculated
    // once more.
    for (int pass = 0; pass < 2; ++pass) {
        s.report = calculate_all(d, s.driver, s.units, s.report.results);
        s.report.solved.apply_to(d);
    }
}

std::vector<std::string> report_lines(const Report& report) {
    const ResultLabels& l = report.labels;
    std::vector<std::string> lines{
        l.netvol, l.weight, l.totalheight, l.sonolength, l.port_effectivelength, l.tipping};
    for (const CheckRow& row : report.checks) {
        if (row.visible) {
            lines.push_back(row.text);
        }
    }
    return lines;
}

} // namespace cylindra
