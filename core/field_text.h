// SPDX-License-Identifier: GPL-3.0-or-later
// What a bound text box shows for a value (populate) and what its text means
// (validate), for each field variant, as pure functions of value and unit.
#pragma once

#include "design.h"
#include "fields.h"

#include <optional>
#include <string>
#include <string_view>

namespace cylindra {

// Volume in cubic feet cut (not rounded) to two decimals, as every volume
// shown in cubic feet is. A value that floating-point error leaves a hair
// below a whole hundredth counts as that hundredth, so 0.29 typed stays .29.
double cubic_feet_cut(double litres);

// The text of any bound field.
std::string field_text(const FieldSpec& field, double value, DisplayUnits units);

// A field's text read into its internal unit. `value` is empty when the text
// changes nothing: the field keeps its previous value (a number beyond the
// largest value a design may hold, in every unit, with no message). `error`
// is the parser's reason for a rejected inch text; the value is then 0.
struct FieldReading {
    std::optional<double> value;
    std::string error;
};

FieldReading read_field(const FieldSpec& field, std::string_view text, DisplayUnits units);

// The message shown for a rejected text.
std::string format_message(std::string_view field_name, std::string_view error);

// Quantities of a driver, in the order the generic table lists its rows.
enum class DriverQuantity { dia, vol, depth, mass };

// Caption of a generic-value label of the driver dialog.
std::string generic_value_text(DriverQuantity quantity, double value, DisplayUnits units);

} // namespace cylindra
