// SPDX-License-Identifier: GPL-3.0-or-later
// What every one of the three number readings promises, whichever rules it
// reads by: finite results, 0 without digits, and a result that its own text
// (number_text, as labels and files write it) reads back as.
#pragma once

#include "core/number_text.h"
#include "fuzz_checks.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>

namespace cylindra::fuzz {

inline bool has_digit(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

inline bool has_any_of(std::string_view text, std::string_view chars) {
    return text.find_first_of(chars) != std::string_view::npos;
}

// The written form of a number: no "inf"/"nan", an upper-case exponent
// marker, no zero before the point, and at most 15 significant digits.
inline void check_number_text(const std::string& text) {
    require(!text.empty());
    require(!shows_non_finite(text));
    require(text.find('e') == std::string::npos);
    std::string_view digits = text;
    if (digits.front() == '-') {
        digits.remove_prefix(1);
    }
    require(!digits.empty());
    require(!(digits.size() > 1 && digits[0] == '0' && digits[1] == '.'));
    digits = digits.substr(0, digits.find('E'));
    int significant = 0;
    bool leading = true;
    for (const char c : digits) {
        if (c == '.') {
            continue;
        }
        require(c >= '0' && c <= '9');
        if (c != '0') {
            leading = false;
        }
        if (!leading) {
            ++significant;
        }
    }
    require(significant <= 15);
}

inline void check_reading(std::string_view input, const std::optional<double>& value) {
    if (!has_digit(input)) {
        // Without a digit there is no number, which reads as 0.
        require(value.has_value() && *value == 0);
        return;
    }
    if (!value) {
        return; // beyond a double's range
    }
    const double v = *value;
    require(std::isfinite(v));

    const std::string text = number_text(v);
    check_number_text(text);
    require(plain_number(v) == (v < 0 ? text : " " + text));

    const auto back = read_line_number(text);
    require(back.has_value());
    require(std::isfinite(*back));
    if (std::fabs(v) >= kSmallestChecked) {
        require(same_to_15_digits(v, *back));
    }
}

} // namespace cylindra::fuzz
