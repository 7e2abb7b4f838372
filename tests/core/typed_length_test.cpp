// SPDX-License-Identifier: GPL-3.0-or-later
// A length typed in an inch unit is stored and shown again in every unit. The
// expected texts are worked out here with whole numbers only, so no floating
// point error of the program can hide in them.
#include "core/field_text.h"

#include "core/fields.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <string>

using namespace cylindra;

namespace {

constexpr DisplayUnits kMm{LengthUnit::metric, false};
constexpr DisplayUnits kFtIn{LengthUnit::inches, false};
constexpr DisplayUnits kDecIn{LengthUnit::decimalinches, false};

const FieldSpec& tubheight() {
    return kFields[*field_index("tubheight")];
}

// n sixteenths of an inch as a user types them: "1' 3 5/16", "7/8", "2'".
std::string fractional_text(int n) {
    const int feet = n / 192, inches = n % 192 / 16;
    int numerator = n % 16, denominator = 16;
    while (numerator != 0 && numerator % 2 == 0) {
        numerator /= 2;
        denominator /= 2;
    }
    std::string text;
    const auto add = [&](const std::string& part) { text += (text.empty() ? "" : " ") + part; };
    if (feet != 0) {
        text = std::to_string(feet) + "'";
    }
    if (inches != 0) {
        add(std::to_string(inches));
    }
    if (numerator != 0) {
        add(std::to_string(numerator) + "/" + std::to_string(denominator));
    }
    return text;
}

// Hundredths of an inch as the decimal-inch form writes them: a leading
// blank, no zero before the point, no trailing zeros (" .38", " 13.9", " 12").
std::string decimal_inch_text(long hundredths) {
    const long whole = hundredths / 100, cents = hundredths % 100;
    std::string text = " ";
    if (whole != 0 || cents == 0) {
        text += std::to_string(whole);
    }
    if (cents != 0) {
        text += "." + std::to_string(cents / 10);
        if (cents % 10 != 0) {
            text += std::to_string(cents % 10);
        }
    }
    return text;
}

// Whole numbers rounded half up: the numerator over the denominator.
long half_up(long numerator, long denominator) {
    return (2 * numerator + denominator) / (2 * denominator);
}

struct InchUnit {
    const char* name;
    DisplayUnits units;
};

class TypedLength : public testing::TestWithParam<InchUnit> {};

// 1/16 inch to 12 feet: n/16 inch is n × 100/16 hundredths and n × 254/160 mm.
TEST_P(TypedLength, SixteenthsShowTheExactRoundingInEveryUnit) {
    for (int n = 1; n <= 12 * 12 * 16; ++n) {
        const std::string typed = fractional_text(n);
        const FieldReading r = read_field(tubheight(), typed, GetParam().units);
        ASSERT_EQ(r.error, "") << typed;
        ASSERT_TRUE(r.value) << typed;
        EXPECT_EQ(field_text(tubheight(), *r.value, kFtIn), typed);
        EXPECT_EQ(field_text(tubheight(), *r.value, kDecIn),
                  decimal_inch_text(half_up(n * 100, 16)))
            << typed;
        EXPECT_EQ(field_text(tubheight(), *r.value, kMm), std::to_string(half_up(n * 254, 160)))
            << typed;
    }
}

// Hundredths typed in decimal form up to 400 inches show again as typed;
// h hundredths are h × 254/1000 mm.
TEST_P(TypedLength, DecimalHundredthsShowAsTypedAndInWholeMillimetres) {
    for (long h = 1; h <= 40000; ++h) {
        const std::string typed =
            std::to_string(h / 100) + "." + std::to_string(h % 100 / 10) + std::to_string(h % 10);
        const FieldReading r = read_field(tubheight(), typed, GetParam().units);
        ASSERT_EQ(r.error, "") << typed;
        ASSERT_TRUE(r.value) << typed;
        EXPECT_EQ(field_text(tubheight(), *r.value, kDecIn), decimal_inch_text(h)) << typed;
        EXPECT_EQ(field_text(tubheight(), *r.value, kMm), std::to_string(half_up(h * 254, 1000)))
            << typed;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, TypedLength,
                         testing::Values(InchUnit{"FeetInchesUnit", kFtIn},
                                         InchUnit{"DecimalInchesUnit", kDecIn}),
                         [](const auto& info) { return info.param.name; });

} // namespace
