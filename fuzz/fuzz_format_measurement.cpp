// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary millimetre texts and arbitrary doubles to the inch formatter
// that fills the inch-unit boxes, and checks that what it writes reads back.
#include "core/measurement.h"
#include "core/number_text.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace cylindra;
using cylindra::fuzz::require;

namespace {

// Half a sixteenth of an inch: the most the fractional form may be off.
constexpr double kHalfSixteenthMm = kMillimetresPerInch / 32; // 0.79375
// Half a hundredth of an inch: the most the decimal form may be off.
constexpr double kHalfHundredthMm = kMillimetresPerInch / 200; // 0.127
// Up to here the fractional form is plain feet and inches that the parser
// takes back; beyond, exponent forms may appear.
constexpr double kFractionChecked = 1e9;

bool is_error(const MeasureFormat& f) {
    return f.measureresult == "ERR" && f.decimaltext == "ERR" && !f.measureerror.empty();
}

bool same(const MeasureFormat& a, const MeasureFormat& b) {
    return a.measureresult == b.measureresult && a.decimaltext == b.decimaltext &&
           a.measureerror == b.measureerror;
}

void check_no_non_finite(const MeasureFormat& f) {
    require(!fuzz::shows_non_finite(f.measureresult));
    require(!fuzz::shows_non_finite(f.decimaltext));
    require(!fuzz::shows_non_finite(f.measureerror));
}

// What a formatted length must satisfy when the formatter accepted `mm`.
void check_accepted(const MeasureFormat& f, double mm) {
    require(f.measureerror.empty());
    require(f.measureresult != "ERR");
    if (mm > kLargestValue) {
        return; // no design holds such a length; only the text checks apply
    }
    // The decimal form carries its leading blank and reads back to the
    // nearest hundredth of an inch.
    require(!f.decimaltext.empty() && f.decimaltext.front() == ' ');
    const auto decimal = read_line_number(f.decimaltext);
    require(decimal.has_value());
    const double decimal_mm = *decimal * kMillimetresPerInch;
    require(std::fabs(decimal_mm - mm) <= kHalfHundredthMm + 1e-14 * mm + 1e-9);

    if (mm > kFractionChecked) {
        return;
    }
    // The fractional form is one the parser takes, and it reads back to the
    // nearest sixteenth of an inch.
    const MeasureParse back = parse_measurement(f.measureresult);
    require(back.measureerror.empty());
    require(std::fabs(back.millimetres - mm) <= kHalfSixteenthMm + 1e-14 * mm + 1e-9);
}

void check_text_form(std::string_view input) {
    const MeasureFormat f = format_measurement(input);
    check_no_non_finite(f);
    const bool rejected = f.measureresult == "ERR";
    require(f.measureerror.empty() == !rejected);
    if (rejected) {
        require(is_error(f));
        return;
    }
    if (trim_blanks(input).empty()) {
        return; // an empty box stays "0"
    }
    // Accepted text holds only digits and one number: its value must be
    // readable and format exactly as the same number given directly.
    const auto value = read_measure_number(input);
    require(value.has_value());
    require(std::isfinite(*value) && *value >= 0);
    require(same(f, format_measurement(*value)));
    check_accepted(f, *value);
}

void check_number_form(double mm) {
    const MeasureFormat f = format_measurement(mm);
    check_no_non_finite(f);
    if (!std::isfinite(mm) || mm < 0) {
        require(is_error(f));
        return;
    }
    check_accepted(f, mm);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    check_text_form(fuzz::as_text(data, size));
    if (size >= sizeof(double)) {
        double mm;
        std::memcpy(&mm, data, sizeof mm);
        check_number_form(mm);
    }
    return 0;
}
