// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_text.h"

#include "measurement.h"
#include "number_text.h"

#include <cmath>

namespace cylindra {

double cubic_feet_cut(double litres) {
    const double hundredths = litres * kCubicFeetPerLitre * 100;
    const double nearest = std::nearbyint(hundredths);
    const bool hair_below = std::fabs(hundredths - nearest) <= 1e-9 * std::fmax(1.0, nearest);
    return (hair_below ? nearest : std::floor(hundredths)) / 100;
}

namespace {

// Variants A and B: whole millimetres, millimetres shown in centimetres,
// or the inch forms (the decimal form keeps its leading blank).
std::string length_field_text(double millimetres, LengthUnit unit) {
    switch (unit) {
    case LengthUnit::metric:
        return number_text(std::floor(millimetres + 0.5));
    case LengthUnit::metric_cm:
        return number_text(std::floor(millimetres + 0.5) / 10);
    case LengthUnit::inches:
    case LengthUnit::decimalinches:
        break;
    }
    return length_text(millimetres, unit);
}

std::string volume_field_text(double litres, DisplayUnits units) {
    return number_text(units.cubic_feet() ? cubic_feet_cut(litres) : litres);
}

std::string mass_field_text(double kilograms, LengthUnit unit) {
    return number_text(is_inch_unit(unit) ? kilograms * kPoundsPerKilogram : kilograms);
}

std::string plain_field_text(double value, bool leading_blank) {
    return leading_blank ? plain_number(value) : number_text(value);
}

} // namespace

std::string field_text(const FieldSpec& field, double value, DisplayUnits units) {
    switch (field.variant) {
    case Variant::A:
    case Variant::B:
        return length_field_text(value, units.length);
    case Variant::C:
        return volume_field_text(value, units);
    case Variant::D:
        return mass_field_text(value, units.length);
    case Variant::E:
        return plain_field_text(value, field.name == "ftune");
    }
    return {};
}

namespace {

// The magnitude of the text's number times a factor, or nothing when the
// result lies beyond what a design may hold.
std::optional<double> scaled_magnitude(std::string_view text, double factor) {
    const auto number = read_field_number(text);
    if (!number) {
        return std::nullopt;
    }
    const double value = std::fabs(*number) * factor;
    return acceptable_value(value) ? std::optional(value) : std::nullopt;
}

FieldReading read_length(std::string_view text, LengthUnit unit) {
    switch (unit) {
    case LengthUnit::metric:
        return {scaled_magnitude(text, 1), {}};
    case LengthUnit::metric_cm:
        return {scaled_magnitude(text, 10), {}};
    case LengthUnit::inches:
    case LengthUnit::decimalinches:
        break;
    }
    MeasureParse parsed = parse_measurement(text);
    if (parsed.too_large) {
        return {}; // as in the metric units: no message, the old value stays
    }
    return {parsed.millimetres, std::move(parsed.measureerror)};
}

} // namespace

FieldReading read_field(const FieldSpec& field, std::string_view text, DisplayUnits units) {
    switch (field.variant) {
    case Variant::A:
    case Variant::B:
        return read_length(text, units.length);
    case Variant::C:
        return {scaled_magnitude(text, units.cubic_feet() ? 1 / kCubicFeetPerLitre : 1), {}};
    case Variant::D:
        return {scaled_magnitude(text, is_inch_unit(units.length) ? 1 / kPoundsPerKilogram : 1),
                {}};
    case Variant::E:
        return {scaled_magnitude(text, 1), {}};
    }
    return {};
}

std::string format_message(std::string_view field_name, std::string_view error) {
    return std::string(field_name) + " field contains incorrect format: - " + std::string(error);
}

std::string generic_value_text(DriverQuantity quantity, double value, DisplayUnits units) {
    const LengthUnit unit = units.length;
    switch (quantity) {
    case DriverQuantity::dia:
    case DriverQuantity::depth:
        if (unit == LengthUnit::metric) {
            return plain_number(value);
        }
        if (unit == LengthUnit::metric_cm) {
            return plain_number(value / 10);
        }
        return unit == LengthUnit::inches ? format_measurement(value).measureresult
                                          : format_measurement(value).decimaltext;
    case DriverQuantity::vol:
        return plain_number(units.cubic_feet() ? cubic_feet_cut(value) : value);
    case DriverQuantity::mass:
        return plain_number(is_inch_unit(unit) ? value * kPoundsPerKilogram : value);
    }
    return {};
}

} // namespace cylindra
