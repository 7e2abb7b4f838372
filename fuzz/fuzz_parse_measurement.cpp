// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the inch-length parser, as a user may type anything
// into a length box in the inch units.
#include "core/measurement.h"
#include "core/number_text.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace cylindra;
using cylindra::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::as_text(data, size);
    const MeasureParse p = parse_measurement(input);

    // A text is either rejected with a reason or read; never both, never neither.
    const bool rejected = p.measureresult == "ERR";
    require(p.measureerror.empty() == !rejected);

    require(!fuzz::shows_non_finite(p.measureresult));
    require(!fuzz::shows_non_finite(p.measureerror));

    if (rejected) {
        require(p.millimetres == 0);
        return 0;
    }

    // A read length may enter the design: finite, not negative, in range.
    require(std::isfinite(p.millimetres));
    require(p.millimetres >= 0);
    require(p.millimetres <= kLargestValue);

    // The result text is the number itself, written the way every number is.
    require(p.measureresult == number_text(p.millimetres));

    // Blank input means an empty box, which reads as 0.
    if (trim_blanks(input).empty()) {
        require(p.measureresult == "0");
        require(p.millimetres == 0);
    }

    // The result text reads back as the same length (a file stores it so).
    const auto back = read_line_number(p.measureresult);
    require(back.has_value());
    if (p.millimetres >= fuzz::kSmallestChecked) {
        require(fuzz::same_to_15_digits(p.millimetres, *back));
    }
    return 0;
}
