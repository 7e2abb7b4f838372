// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the number reading used inside measurement texts.
#include "core/number_text.h"
#include "fuzz_checks.h"
#include "reading_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace cylindra;
using cylindra::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::as_text(data, size);
    const auto value = read_measure_number(input);
    fuzz::check_reading(input, value);

    // No sign is read, so a length text never reads as negative.
    if (value) {
        require(!std::signbit(*value));
    }

    // Without tabs, signs or exponent markers the file-line reading sees the
    // same digits, so both must agree (overflow included).
    if (!fuzz::has_any_of(input, "\t+-eE")) {
        require(read_line_number(input) == value);
    }
    return 0;
}
