// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the number reading of project and preferences file
// lines.
#include "core/number_text.h"
#include "fuzz_checks.h"
#include "reading_checks.h"

#include <cstddef>
#include <cstdint>
#include <string>

using namespace cylindra;
using cylindra::fuzz::require;

namespace {

// True when, after the skipped blanks and tabs, the text starts a number
// without a sign of its own.
bool starts_unsigned(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return false;
    }
    const char c = text[first];
    return (c >= '0' && c <= '9') || c == '.';
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::as_text(data, size);
    const auto value = read_line_number(input);
    fuzz::check_reading(input, value);

    // A "-" put in front of an unsigned number negates it, and overflow stays
    // overflow: the sign never changes the magnitude read.
    if (starts_unsigned(input)) {
        const auto negated = read_line_number("-" + std::string(input));
        require(negated.has_value() == value.has_value());
        if (value) {
            require(*negated == -*value);
        }
    }

    // Line breaks are what the field reading skips in addition; without any
    // the two readings agree.
    if (!fuzz::has_any_of(input, "\n\r")) {
        require(read_field_number(input) == value);
    }
    return 0;
}
