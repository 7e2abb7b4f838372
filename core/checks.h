// SPDX-License-Identifier: GPL-3.0-or-later
// The eight build checks that close every calculation.
#pragma once

#include "calculation.h"

namespace cylindra {

// Runs the checks on a design whose solved pair is filled in, writing their
// result variables, the warnings rows and the warnings label colour.
void run_checks(const Design& d, const DriverValues& driver, LengthUnit unit, Report& report);

} // namespace cylindra
