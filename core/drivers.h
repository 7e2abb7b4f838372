// SPDX-License-Identifier: GPL-3.0-or-later
// The built-in driver table and the generic values per nominal size, and the
// rule that turns the entered driver into the four values the calculation uses.
#pragma once

#include "design.h"
#include "field_text.h"

#include <array>
#include <optional>
#include <string_view>

namespace cylindra {

// One row of the built-in table. A value of 0 means the maker does not give
// it; the generic value for the nominal size then stands in.
struct DriverRow {
    std::string_view name;
    int nominal; // inches
    double vol;  // litres
    double dia;  // mm
    double depth;
    double mass; // kg
};

inline constexpr int kDriverCount = 37;
inline constexpr std::array<int, 5> kNominalSizes{8, 10, 12, 15, 18};

// The table in row order; the row number is an entry's identity.
const std::array<DriverRow, kDriverCount>& driver_table();

// The list sorts by name, so list positions differ from rows.
std::optional<int> row_at_position(int position);
int position_of_row(int row);

struct GenericDriver {
    double dia, vol, depth, mass;
    double get(DriverQuantity q) const;
};
// Generic values of a nominal size; nothing for a size that has none.
std::optional<GenericDriver> generic_driver(int nominal);

// Copies a table row into the design's driver fields, as choosing it from the
// list does: nominal size and the four values; the position becomes the
// driver index.
void apply_driver_row(Design& design, int position);

// The driver values in use by the calculation.
struct DriverValues {
    double drivervol = 0;   // litres
    double driverdepth = 0; // mm
    double driverdia = 0;   // mm
    double drivermass = 0;  // kg
    double get(DriverQuantity q) const;
    void set(DriverQuantity q, double v);
};

// Where each value in use came from.
enum class DriverSource {
    entered,  // the driver field itself (non-zero)
    generic,  // field 0: the generic value of the nominal size
    unchanged // field 0 and no generic value for the size: previous value kept
};

struct DriverResolution {
    DriverValues values;
    std::array<DriverSource, 4> source{}; // indexed by DriverQuantity
};

// The order in which values are resolved and shown.
inline constexpr std::array<DriverQuantity, 4> kResolveOrder{
    DriverQuantity::vol, DriverQuantity::depth, DriverQuantity::dia, DriverQuantity::mass};

double driver_field(const Design& design, DriverQuantity q);

DriverResolution resolve_driver_data(const Design& design, const DriverValues& previous);

// Tooltip of a substituted value in the main window's driver panel.
std::string substitution_tooltip(DriverQuantity q);

} // namespace cylindra
