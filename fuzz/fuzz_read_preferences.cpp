// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the preferences file reader.
#include "design_file_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    cylindra::fuzz::check_reading(cylindra::fuzz::as_text(data, size),
                                  cylindra::fuzz::kPreferences);
    return 0;
}
