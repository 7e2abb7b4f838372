// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers shared by the fuzz targets: a check that stops the run the moment a
// promise of the core is broken, and the text tests every target repeats.
#pragma once

#include <cctype>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace cylindra::fuzz {

// __builtin_trap rather than assert: the targets are built without NDEBUG
// control of their own, and a trap is reported by libFuzzer as a crash with
// the input saved, whatever the build type.
inline void require(bool condition) {
    if (!condition) {
        __builtin_trap();
    }
}

inline std::string_view as_text(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// True when a text shows "inf" or "nan" in any letter case: a label or file
// must never show a non-finite number.
inline bool shows_non_finite(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos;
}

// Below this magnitude a value may be subnormal, where 15 significant digits
// are no longer carried by the double itself.
inline constexpr double kSmallestChecked = 1e-300;

// True when `back` equals `value` to 15 significant digits.
inline bool same_to_15_digits(double value, double back) {
    if (value == 0) {
        return back == 0;
    }
    return std::fabs(back - value) <= 1e-14 * std::fabs(value);
}

} // namespace cylindra::fuzz
