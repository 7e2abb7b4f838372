// SPDX-License-Identifier: GPL-3.0-or-later
#include "design.h"

#include "fields.h"

namespace cylindra {

std::string_view length_suffix(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::metric:
        return " mm";
    case LengthUnit::metric_cm:
        return " cm";
    case LengthUnit::inches:
    case LengthUnit::decimalinches:
        break;
    }
    return " inches";
}

std::string_view volume_suffix(DisplayUnits units) {
    return units.cubic_feet() ? " cu.ft" : " litres";
}

std::optional<std::size_t> field_index(std::string_view name) {
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (kFields[i].name == name) {
            return i;
        }
    }
    return std::nullopt;
}

} // namespace cylindra
