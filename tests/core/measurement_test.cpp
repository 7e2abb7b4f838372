// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/measurement.h"

#include "core/number_text.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <cmath>

using namespace cylindra;

namespace {

struct Parsed {
    const char* name;
    const char* text;
    const char* result;
    const char* error;
};

class Parser : public testing::TestWithParam<Parsed> {};

TEST_P(Parser, GivesMillimetresOrTheReason) {
    const Parsed& p = GetParam();
    const MeasureParse out = parse_measurement(p.text);
    EXPECT_EQ(out.measureresult, p.result);
    EXPECT_EQ(out.measureerror, p.error);
    if (out.measureerror.empty()) {
        EXPECT_EQ(number_text(out.millimetres), p.result);
    } else {
        EXPECT_EQ(out.millimetres, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Parser,
    testing::Values(
        Parsed{"Empty", "", "0", ""}, Parsed{"OnlySpaces", "   ", "0", ""},
        Parsed{"WholeInches", "7", "177.8", ""}, Parsed{"Fraction", "3/4", "19.05", ""},
        Parsed{"FeetInchesFraction", "1' 6 3/8", "466.725", ""}, Parsed{"Feet", "5'", "1524", ""},
        Parsed{"FeetInches", "1'6", "457.2", ""}, Parsed{"FeetSpaceInches", "1' 6", "457.2", ""},
        Parsed{"FeetFraction", "1' 3/8", "314.325", ""}, Parsed{"Decimal", "12.5", "317.5", ""},
        Parsed{"LeadingPoint", ".5", "12.7", ""}, Parsed{"TrailingPoint", "5.", "127", ""},
        Parsed{"Zero", "0", "0", ""}, Parsed{"SpacesCollapse", "1  1/2", "38.1", ""},
        Parsed{"BackslashIsSlash", "1\\2", "12.7", ""},
        Parsed{"TopHeavyFraction", "5/4", "31.75", ""},
        Parsed{"SpacedDecimal", "1 2.5", "317.5", ""},
        Parsed{"NoZeroBeforePoint", ".01", ".254", ""},
        Parsed{"SurroundingSpaces", "  7  ", "177.8", ""},
        Parsed{"LeadingZeros", "00", "ERR", "Invalid whole inches or spaces in fraction"},
        Parsed{"FeetWithLeadingZero", "01'", "ERR", "Invalid feet"},
        Parsed{"SpaceBeforeFoot", "5 '", "ERR", "Invalid feet"},
        Parsed{"ThirtySecondths", "1/32", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        Parsed{"NoSlash", "1 2", "ERR", "Fraction must contain a slash"},
        Parsed{"SpaceBeforeSlash", "1 /2", "ERR",
               "Fraction not correctly specified or contains spaces"},
        Parsed{"SpaceAfterSlash", "1/ 2", "ERR", "Invalid whole inches or spaces in fraction"},
        Parsed{"ThreeNumbers", "1 2 3", "ERR",
               "Multiple spaces but no foot symbol   OR   spaces in fraction"},
        Parsed{"LoneSlashEndWins", "/", "ERR", "slash not allowed at end of field"},
        Parsed{"SlashAtStart", "/4", "ERR", "slash not allowed at start of field"},
        Parsed{"SlashAtEnd", "3/", "ERR", "slash not allowed at end of field"},
        Parsed{"Minus", "-5", "ERR", "Invalid Character"},
        Parsed{"InchSymbol", "5\"", "ERR", "Invalid Character"},
        Parsed{"Tab", "5\t", "ERR", "Invalid Character"},
        Parsed{"Unicode", "5\xC2\xBD", "ERR", "Invalid Character"},
        Parsed{"LeadingFoot", "'5", "ERR", "Foot symbol without any feet"},
        Parsed{"TwoDots", "1.2.3", "ERR", "More than one dot"},
        Parsed{"TwoSlashes", "1/2/4", "ERR", "More than one slash"},
        Parsed{"TwoFeet", "1'2'", "ERR", "More than one ' (foot) symbol"},
        Parsed{"DecimalFraction", "1.5/2", "ERR", "Fractions not allowed in decimal inches mode"},
        Parsed{"DecimalFeet", "1'2.5", "ERR",
               "Feet not allowed in decimal inches mode and vice versa"},
        Parsed{"FractionWithSpace", "1' 1 2/ 4", "ERR", "Fraction cannot contain spaces"},
        Parsed{"UpperWithLeadingZero", "03/4", "ERR", "Invalid Upper fraction"},
        Parsed{"ZeroDenominator", "1/0", "ERR", "Allowable fractions are 1/2 1/4 1/8 1/16"},
        Parsed{"HugeDecimal", "99999999999999999999.5", "ERR", "Number too large"},
        Parsed{"HugeFeet", "999999999999999'", "ERR", "Number too large"},
        Parsed{"TooManyDigitsForFeet", "1234567890123456789'", "ERR", "Invalid feet"}),
    [](const auto& info) { return info.param.name; });

TEST(Parser, TinyLengthComesBackAsANumber) {
    // ".000001" inch is 2.54E-05 mm: read back without its exponent that
    // text would give 2.54 mm.
    const MeasureParse out = parse_measurement(".000001");
    EXPECT_EQ(out.measureerror, "");
    EXPECT_DOUBLE_EQ(out.millimetres, 2.54e-5);
}

TEST(Parser, SurvivesLongTexts) {
    EXPECT_EQ(parse_measurement(std::string(100000, ' ')).measureresult, "0");
    EXPECT_EQ(parse_measurement(std::string(100000, '1')).measureerror,
              "Invalid whole inches or spaces in fraction");
    EXPECT_EQ(parse_measurement(std::string(100000, '/')).measureerror, "More than one slash");
}

struct Formatted {
    const char* name;
    const char* millimetres;
    const char* fractional;
    const char* decimal;
};

class Formatter : public testing::TestWithParam<Formatted> {};

TEST_P(Formatter, WritesBothInchForms) {
    const Formatted& f = GetParam();
    const MeasureFormat out = format_measurement(std::string_view(f.millimetres));
    EXPECT_EQ(out.measureresult, f.fractional);
    EXPECT_EQ(out.decimaltext, f.decimal);
    EXPECT_EQ(out.measureerror, std::string(f.fractional) == "ERR" ? "Invalid character" : "");
}

INSTANTIATE_TEST_SUITE_P(Table, Formatter,
                         testing::Values(Formatted{"Height", "1263", "4' 1 3/4", " 49.72"},
                                         Formatted{"TubeDiameter", "559", "1' 10", " 22.01"},
                                         Formatted{"RoundsUpToSix", "152", "6", " 5.98"},
                                         Formatted{"PortLength", "768", "2' 6 1/4", " 30.24"},
                                         Formatted{"FeetAndFraction", "1225", "4' 1/4", " 48.23"},
                                         Formatted{"Half", "12.7", "1/2", " .5"},
                                         Formatted{"OneFoot", "304.8", "1'", " 12"},
                                         Formatted{"FiveFeet", "1524", "5'", " 60"},
                                         Formatted{"FiveFeetHalf", "1536.7", "5' 1/2", " 60.5"},
                                         Formatted{"Sixteenth", "1.2", "1/16", " .05"},
                                         Formatted{"BelowThirtySecond", "0.7", "0", " .03"},
                                         Formatted{"Zero", "0", "0", " 0"},
                                         Formatted{"Empty", "", "0", "0"},
                                         Formatted{"Negative", "-5", "ERR", "ERR"},
                                         Formatted{"Comma", "5,5", "ERR", "ERR"},
                                         Formatted{"Exponent", "1E-05", "ERR", "ERR"},
                                         Formatted{"SecondPointStops", "12.7.5", "1/2", " .5"},
                                         Formatted{"RoundsIntoNextFoot", "304.5", "1'", " 11.99"}),
                         [](const auto& info) { return info.param.name; });

TEST(Formatter, NumberFormRejectsWhatTheTextFormRejects) {
    EXPECT_EQ(format_measurement(-5.0).measureresult, "ERR");
    EXPECT_EQ(format_measurement(std::nan("")).decimaltext, "ERR");
    EXPECT_EQ(format_measurement(2.54e-5).decimaltext, " 0");
    EXPECT_EQ(format_measurement(1e308).decimaltext, " 3.93700787401575E+306");
}

struct Shown {
    const char* name;
    double millimetres;
    LengthUnit unit;
    const char* text;
};

class LengthText : public testing::TestWithParam<Shown> {};

TEST_P(LengthText, ShowsLengthsInEveryUnit) {
    EXPECT_EQ(length_text(GetParam().millimetres, GetParam().unit), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LengthText,
    testing::Values(Shown{"Metric", 758.5, LengthUnit::metric, " 758.5"},
                    Shown{"Centimetres", 758.5, LengthUnit::metric_cm, " 75.85"},
                    Shown{"Fractional", 1225, LengthUnit::inches, "4' 1/4"},
                    Shown{"Decimal", 1263, LengthUnit::decimalinches, " 49.72"},
                    Shown{"NegativeMetric", -30, LengthUnit::metric, "-30"},
                    Shown{"NegativeFractional", -30.1625, LengthUnit::inches, "-1 3/16"},
                    Shown{"NegativeDecimal", -30, LengthUnit::decimalinches, "-1.18"},
                    Shown{"NegativeRoundingToZero", -0.5, LengthUnit::inches, "0"},
                    Shown{"NegativeDecimalToZero", -0.1, LengthUnit::decimalinches, " 0"}),
    [](const auto& info) { return info.param.name; });

TEST(Measurement, FormattedLengthsParseBackWithinA32ndInch) {
    constexpr double half_sixteenth = 25.4 / 32;
    for (double mm = 0; mm <= 10000; mm += 0.1) {
        for (const LengthUnit unit : {LengthUnit::inches, LengthUnit::decimalinches}) {
            const std::string text = length_text(mm, unit);
            const MeasureParse back = parse_measurement(text);
            ASSERT_EQ(back.measureerror, "") << mm << " shown as " << text;
            ASSERT_NEAR(back.millimetres, mm, half_sixteenth + 1e-9) << text;
        }
    }
}

} // namespace
