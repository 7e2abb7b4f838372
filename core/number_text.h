// SPDX-License-Identifier: GPL-3.0-or-later
// Number texts: how Cylindra writes numbers into labels, fields and files, and
// the three ways it reads them back. All of them use "." as the decimal point
// whatever the locale, so a design reads the same on every machine.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cylindra {

// Largest magnitude a typed or stored value may have. Far beyond any real
// enclosure (a kilometre-high tube is 1e6 mm), yet small enough that every
// product the calculation forms stays finite, so no result can read "inf".
inline constexpr double kLargestValue = 1e12;

// The number without any leading blank: shortest form with at most 15
// significant digits, no zero before the point (".5"), "-" for negatives, and
// exponent form ("1E-05", "1E+15") below 1e-4 or from 1e15 on.
std::string number_text(double value);

// The plain form used in result texts and files: number_text with a leading
// blank for zero and positive values ("-" takes its place otherwise).
std::string plain_number(double value);

// Reading used inside measurement text: spaces anywhere are skipped, then
// digits with at most one "." are read; no sign, no exponent; 0 when the text
// does not start with a number. Overflow gives nullopt.
std::optional<double> read_measure_number(std::string_view text);

// Reading used by the text fields: blanks, tabs and line feeds anywhere are
// ignored; an optional sign, digits with one ".", an optional exponent.
// 0 when there is no number; nullopt when it lies beyond a double's range.
std::optional<double> read_field_number(std::string_view text);

// Reading used by file lines: as read_field_number, but only blanks and tabs
// are ignored.
std::optional<double> read_line_number(std::string_view text);

// True when a value read from the user or a file may enter the design.
inline bool acceptable_value(double v) {
    return v == v && v <= kLargestValue && v >= -kLargestValue;
}

// Leading and trailing blanks (only ' ') removed.
std::string_view trim_blanks(std::string_view text);

} // namespace cylindra
