// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the number reading of the text fields.
#include "core/number_text.h"
#include "fuzz_checks.h"
#include "reading_checks.h"

#include <cstddef>
#include <cstdint>

using namespace cylindra;
using cylindra::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input = fuzz::as_text(data, size);
    const auto value = read_field_number(input);
    fuzz::check_reading(input, value);

    // The field reading differs from the file-line reading only in skipping
    // line breaks; without any, both must agree (overflow included).
    if (!fuzz::has_any_of(input, "\n\r")) {
        require(read_line_number(input) == value);
    }
    return 0;
}
