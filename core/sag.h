// SPDX-License-Identifier: GPL-3.0-or-later
// Static sag of a driver mounted horizontally, as a percentage of its Xmax.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace cylindra {

struct SagResult {
    bool shown = false;    // false: cleared result, grey and empty
    double sagpercent = 0; // rounded down to one decimal
    std::string text;      // "Sag of  6.2% is excessive"
    std::uint32_t background = 0xE0E0E0;
};

// From the texts of the Xmax (mm) and Fs (Hz) boxes.
SagResult findsag(std::string_view xmax_text, std::string_view fs_text);

} // namespace cylindra
