// SPDX-License-Identifier: GPL-3.0-or-later
// Lengths typed and shown in the two inch units: feet, inches and sixteenths
// ("1' 6 3/8") and decimal inches ("18.38").
#pragma once

#include "design.h"

#include <string>
#include <string_view>

namespace cylindra {

struct MeasureParse {
    std::string measureresult; // millimetres as text, "0" for empty, "ERR" if rejected
    std::string measureerror;  // "" or why the text was rejected
    double millimetres = 0;    // the number of measureresult; 0 when rejected
    bool too_large = false;    // rejected as beyond what a design may hold
};

// Reads a typed inch length. Both inch units accept the fractional and the
// decimal forms.
MeasureParse parse_measurement(std::string_view measuretext);

struct MeasureFormat {
    std::string measureresult; // feet-inches-fractions, e.g. "4' 1 3/4"
    std::string decimaltext;   // decimal inches with a leading blank, e.g. " 49.72"
    std::string measureerror;  // "" or "Invalid character"
};

// From millimetres written as text: only digits and "." are allowed, so a
// negative length formats as "ERR".
MeasureFormat format_measurement(std::string_view measuretext);
// From millimetres as a number: negative or non-finite values give "ERR".
MeasureFormat format_measurement(double millimetres);

// A length as result and check texts show it: the plain number of the
// millimetres or centimetres, or the inch forms. A negative length shows as
// its magnitude's inch form with a leading "-".
std::string length_text(double millimetres, LengthUnit unit);

} // namespace cylindra
