// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/number_text.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace cylindra;

namespace {

struct Written {
    const char* name;
    double value;
    const char* plain;
};

class PlainNumber : public testing::TestWithParam<Written> {};

TEST_P(PlainNumber, IsWrittenAsTheFilesAndLabelsShowIt) {
    EXPECT_EQ(plain_number(GetParam().value), GetParam().plain);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PlainNumber,
    testing::Values(Written{"Whole", 600, " 600"}, Written{"Decimal", 19.05, " 19.05"},
                    Written{"BelowOneHasNoLeadingZero", 0.5, " .5"}, Written{"Negative", -1, "-1"},
                    Written{"NegativeBelowOne", -0.5, "-.5"}, Written{"Zero", 0, " 0"},
                    Written{"NegativeZeroIsZero", -0.0, " 0"},
                    Written{"TinyUsesExponent", 0.00001, " 1E-05"},
                    Written{"SmallestWithoutExponent", 0.0001, " .0001"},
                    Written{"HugeUsesExponent", 1e15, " 1E+15"},
                    Written{"LargestWithoutExponent", 999999999999999, " 999999999999999"},
                    Written{"FifteenDigits", 0.1 + 0.2, " .3"},
                    Written{"ManyDigitsRoundTo15", 2.0 / 3, " .666666666666667"},
                    Written{"TinyMillimetres", 2.54e-5, " 2.54E-05"},
                    Written{"NotFiniteNeverReadsInf", std::numeric_limits<double>::infinity(),
                            " ERR"}),
    [](const auto& info) { return info.param.name; });

struct Read {
    const char* name;
    const char* text;
    double measure; // parser's reading
    double field;   // text box reading
    double line;    // file line reading
};

class Readings : public testing::TestWithParam<Read> {};

TEST_P(Readings, TakeTheLeadingNumber) {
    const Read& r = GetParam();
    EXPECT_EQ(read_measure_number(r.text), r.measure);
    EXPECT_EQ(read_field_number(r.text), r.field);
    EXPECT_EQ(read_line_number(r.text), r.line);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Readings,
    testing::Values(
        Read{"Empty", "", 0, 0, 0}, Read{"Letters", "abc", 0, 0, 0},
        Read{"TrailingLetters", "12abc", 12, 12, 12},
        Read{"BlanksInside", "12 34", 1234, 1234, 1234}, Read{"StopsAtFootSymbol", "1' 6", 1, 1, 1},
        Read{"Hertz", "15.6Hz", 15.6, 15.6, 15.6}, Read{"SecondPointStops", "1.2.3", 1.2, 1.2, 1.2},
        Read{"OnlySignReadsSign", "-5", 0, -5, -5}, Read{"PlusSign", "+7", 0, 7, 7},
        Read{"Exponent", "1E-05", 1, 1e-5, 1e-5}, Read{"LowerExponent", "2.5e3", 2.5, 2500, 2500},
        Read{"IncompleteExponent", "12e", 12, 12, 12},
        Read{"ExponentSignWithoutDigits", "12e+", 12, 12, 12},
        Read{"LeadingPoint", ".5", 0.5, 0.5, 0.5}, Read{"TrailingPoint", "5.", 5, 5, 5},
        Read{"LonePoint", ".", 0, 0, 0}, Read{"TabsSkippedByFieldsAndLines", "\t7", 0, 7, 7},
        Read{"LineFeedSkippedOnlyByFields", "\n8", 0, 8, 0},
        Read{"UnderflowReadsZero", "1e-999", 1, 0, 0}),
    [](const auto& info) { return info.param.name; });

TEST(Readings, NumbersBeyondADoubleAreReportedNotInfinite) {
    EXPECT_FALSE(read_field_number("1e999"));
    EXPECT_FALSE(read_line_number("-1e999"));
    EXPECT_FALSE(read_measure_number(std::string(400, '9')));
    EXPECT_EQ(read_field_number(std::string(400, '0') + "1"), 1);
    EXPECT_EQ(read_field_number("0." + std::string(400, '0') + "1e400"), 0.1);
}

TEST(Readings, LargestDoublesAreWrittenReadably) {
    const double largest = std::numeric_limits<double>::max();
    for (const double v : {largest, -largest, std::nextafter(largest, 0.0)}) {
        const auto back = read_line_number(plain_number(v));
        ASSERT_TRUE(back) << plain_number(v);
        EXPECT_NEAR(*back, v, std::fabs(v) * 1e-14);
    }
}

TEST(Readings, WrittenNumbersReadBackToFifteenDigits) {
    for (double v = 1e-7; v < 1e17; v *= 3.7) {
        for (const double value : {v, -v, v * 1.000000001}) {
            const auto back = read_line_number(plain_number(value));
            ASSERT_TRUE(back);
            EXPECT_NEAR(*back, value, std::fabs(value) * 1e-14) << plain_number(value);
        }
    }
}

} // namespace
