// SPDX-License-Identifier: GPL-3.0-or-later
// How the number lines of both files read: the leading number with blanks
// and tabs ignored, 0 without one, and rejection of what a design cannot
// hold. The driver list index is a 16-bit whole number, halves to even.
#include "io/design_file.h"

#include "tests/core/param_names.h"
#include "tests/io/line_reading.h"
#include <gtest/gtest.h>

#include <optional>
#include <tuple>

using namespace cylindra;
using namespace cylindra::io;
using namespace cylindra::test;

namespace {

struct NumberText {
    const char* name;
    const char* text;
    std::optional<double> value; // nothing: the line is rejected
};

// Where a number line lies: the first and last number lines of a project,
// one in between, and one in the preferences.
struct Place {
    const char* name;
    bool preferences;
    std::size_t line;
    double Design::*member;
};

class NumberLine : public testing::TestWithParam<std::tuple<NumberText, Place>> {};

TEST_P(NumberLine, ReadsTheLeadingNumberOrRejects) {
    const auto& [n, place] = GetParam();
    const auto r = read_replaced(place.preferences, place.line, n.text);
    if (!n.value) {
        expect_rejected_at(r, place.preferences, place.line);
        return;
    }
    EXPECT_EQ(r.outcome, ReadOutcome::complete);
    EXPECT_EQ(r.design.*place.member, *n.value);
    Design file = default_design();
    file.*place.member = *n.value;
    EXPECT_EQ(
        field_texts(r.design),
        expected_texts(file, distinct_design(), line_count(place.preferences), place.preferences));
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberLine,
    testing::Combine(
        testing::Values(
            NumberText{"BlankAndPointFive", " .5", 0.5},
            NumberText{"TrailingLettersIgnored", "12abc", 12},
            NumberText{"LettersReadZero", "abc", 0}, NumberText{"BlanksAloneReadZero", "   ", 0},
            NumberText{"BlanksAndTabsInsideIgnored", "1 2\t3", 123},
            NumberText{"BlanksInsideTheExponent", "1.5 E 3", 1500},
            NumberText{"Exponent", "1.5E3", 1500},
            NumberText{"NegativeValueAndExponent", "-2.5e-3", -0.0025},
            NumberText{"PlusSigns", "+4e+2", 400},
            NumberText{"SecondPointEndsTheNumber", "1.2.3", 1.2},
            NumberText{"ExponentWithoutDigitsIgnored", "7e", 7},
            NumberText{"ManyDigits", "123456789.012345", 123456789.012345},
            NumberText{"LargestDesignValue", "1E+12", 1e12},
            NumberText{"LargestNegativeDesignValue", "-1e12", -1e12},
            NumberText{"TinyValue", "1E-300", 1e-300},
            NumberText{"BelowTheSmallestDoubleReadsZero", "1e-999", 0},
            NumberText{"EmptyLineRejects", "", std::nullopt},
            // A solved value may exceed what a user can type; it must read back.
            NumberText{"BeyondTheLargestTypedValueReads", "1.000000000001e12", 1.000000000001e12},
            NumberText{"NegativeBeyondTheLargestTypedValueReads", "-2e12", -2e12},
            NumberText{"LargestWrittenDoubleReads", "1.79769313486231E+308", 1.79769313486231e308},
            NumberText{"BeyondADoubleRejects", "1e999", std::nullopt},
            NumberText{"NegativeBeyondADoubleRejects", "-1e999", std::nullopt}),
        testing::Values(Place{"ProjectDriverDiameter", false, 12, &Design::dia},
                        Place{"ProjectTubeHeight", false, 17, &Design::tubheight},
                        Place{"ProjectLastLine", false, 38, &Design::intakeflareradius},
                        Place{"PreferencesDriverMass", true, 16, &Design::mass})),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

struct IndexText {
    const char* name;
    const char* text;
    std::optional<int> index; // nothing: the line is rejected
};

class ProjectIndexLine : public testing::TestWithParam<IndexText> {};

TEST_P(ProjectIndexLine, RoundsHalvesToEvenWithinSixteenBits) {
    const IndexText& t = GetParam();
    const auto r = read_replaced(false, 10, t.text);
    if (!t.index) {
        expect_rejected_at(r, false, 10);
        return;
    }
    EXPECT_EQ(r.outcome, ReadOutcome::complete);
    EXPECT_EQ(r.design.driverindex, *t.index);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ProjectIndexLine,
    testing::Values(
        IndexText{"HalfRoundsDownToEven", "2.5", 2}, IndexText{"HalfRoundsUpToEven", "3.5", 4},
        IndexText{"NegativeHalfRoundsToZero", "-0.5", 0},
        IndexText{"NegativeHalfRoundsToEven", "-1.5", -2}, IndexText{"RoundsToNearest", "2.6", 3},
        IndexText{"AsWritten", " 14", 14}, IndexText{"BlanksInside", " 1 4", 14},
        IndexText{"Exponent", "1.2E3", 1200}, IndexText{"LettersReadZero", "abc", 0},
        IndexText{"LargestIndex", "32767", 32767}, IndexText{"SmallestIndex", "-32768", -32768},
        IndexText{"HalfBelowTheSmallestRoundsToEvenInside", "-32768.5", -32768},
        IndexText{"BeyondTheLargestRejects", "32768", std::nullopt},
        IndexText{"BeyondTheSmallestRejects", "-32769", std::nullopt},
        IndexText{"HalfAboveTheLargestRoundsOutside", "32767.5", std::nullopt},
        IndexText{"HugeRejects", "1e12", std::nullopt},
        IndexText{"BeyondADoubleRejects", "1e999", std::nullopt},
        IndexText{"EmptyLineRejects", "", std::nullopt}),
    [](const auto& info) { return info.param.name; });

enum class Index { rejected, kept, stored };

struct PreferenceIndex {
    const char* name;
    const char* text;
    Index outcome;
    int stored = 0;
};

class PreferenceIndexLine : public testing::TestWithParam<PreferenceIndex> {};

TEST_P(PreferenceIndexLine, IsStoredOnlyWhenAboveMinusOne) {
    const PreferenceIndex& p = GetParam();
    const auto r = read_replaced(true, 11, p.text);
    if (p.outcome == Index::rejected) {
        expect_rejected_at(r, true, 11);
        return;
    }
    EXPECT_EQ(r.outcome, ReadOutcome::complete);
    const int expected = p.outcome == Index::kept ? distinct_design().driverindex : p.stored;
    EXPECT_EQ(r.design.driverindex, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PreferenceIndexLine,
    testing::Values(PreferenceIndex{"MinusOneKeepsTheIndex", "-1", Index::kept},
                    PreferenceIndex{"NegativeKeepsTheIndex", "-200", Index::kept},
                    PreferenceIndex{"SmallestKeepsTheIndex", "-32768", Index::kept},
                    PreferenceIndex{"RoundingToMinusOneKeeps", "-0.6", Index::kept},
                    PreferenceIndex{"RoundingToZeroIsStored", "-0.5", Index::stored, 0},
                    PreferenceIndex{"ZeroIsStored", "0", Index::stored, 0},
                    PreferenceIndex{"HalfRoundsToEven", "2.5", Index::stored, 2},
                    PreferenceIndex{"BeyondTheDriverListStoredAsRead", "500", Index::stored, 500},
                    PreferenceIndex{"LargestIndex", "32767", Index::stored, 32767},
                    PreferenceIndex{"BeyondTheSmallestRejects", "-32769", Index::rejected},
                    PreferenceIndex{"BeyondTheLargestRejects", "32768", Index::rejected},
                    PreferenceIndex{"EmptyLineRejects", "", Index::rejected}),
    [](const auto& info) { return info.param.name; });

} // namespace
