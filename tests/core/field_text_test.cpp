// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/field_text.h"

#include "core/fields.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

using namespace cylindra;

namespace {

const FieldSpec& field(std::string_view name) {
    return kFields[*field_index(name)];
}

constexpr DisplayUnits kMm{LengthUnit::metric, false};
constexpr DisplayUnits kCm{LengthUnit::metric_cm, false};
constexpr DisplayUnits kFtIn{LengthUnit::inches, false};
constexpr DisplayUnits kFtInLitres{LengthUnit::inches, true};
constexpr DisplayUnits kDecIn{LengthUnit::decimalinches, false};

struct Populated {
    const char* name;
    const char* field;
    double value;
    DisplayUnits units;
    const char* text;
};

class Populate : public testing::TestWithParam<Populated> {};

TEST_P(Populate, ShowsTheValueInTheLiveUnit) {
    const Populated& p = GetParam();
    EXPECT_EQ(field_text(field(p.field), p.value, p.units), p.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Populate,
    testing::Values(Populated{"MetricRoundsHalfUp", "tubheight", 1262.5, kMm, "1263"},
                    Populated{"MetricWhole", "tubid", 12.6, kMm, "13"},
                    Populated{"CentimetresOneDecimal", "tubheight", 1263, kCm, "126.3"},
                    Populated{"CentimetresWhole", "topcoverdia", 600, kCm, "60"},
                    Populated{"CentimetresFromWholeMm", "tubid", 559.4, kCm, "55.9"},
                    Populated{"Fractional", "tubheight", 1263, kFtIn, "4' 1 3/4"},
                    Populated{"DecimalKeepsLeadingBlank", "tubheight", 1263, kDecIn, " 49.72"},
                    Populated{"DriverDiameter", "dia", 318, kFtIn, "1' 1/2"},
                    Populated{"VolumeLitresInMetric", "workvol", 259.949, kMm, "259.949"},
                    Populated{"VolumeCubicFeetCut", "workvol", 260, kFtIn, "9.18"},
                    Populated{"VolumeKeptInLitres", "workvol", 260, kFtInLitres, "260"},
                    Populated{"TypedCubicFeetShowsAsTyped", "workvol", 0.29 / kCubicFeetPerLitre,
                              kDecIn, ".29"},
                    Populated{"TypedCubicFeetNineEighteen", "workvol", 9.18 / kCubicFeetPerLitre,
                              kFtIn, "9.18"},
                    Populated{"DriverVolumeCubicFeet", "vol", 4.5, kFtIn, ".15"},
                    Populated{"MassKilograms", "mass", 10, kCm, "10"},
                    Populated{"MassPounds", "mass", 10, kFtIn, "22"},
                    Populated{"TuningHasLeadingBlank", "ftune", 15.6, kFtIn, " 15.6"},
                    Populated{"PortsHaveNone", "numports", 1.5, kMm, "1.5"}),
    [](const auto& info) { return info.param.name; });

TEST(Populate, EveryTypedTwoDecimalCubicFeetValueShowsAsTyped) {
    for (int hundredths = 0; hundredths <= 100000; ++hundredths) {
        const double typed = hundredths / 100.0;
        const auto stored = read_field(field("workvol"), std::to_string(typed), kFtIn).value;
        ASSERT_TRUE(stored);
        ASSERT_EQ(cubic_feet_cut(*stored), typed) << typed;
    }
}

struct Validated {
    const char* name;
    const char* field;
    const char* text;
    DisplayUnits units;
    double value;
};

class Validate : public testing::TestWithParam<Validated> {};

TEST_P(Validate, ReadsTheTextIntoTheInternalUnit) {
    const Validated& v = GetParam();
    const FieldReading r = read_field(field(v.field), v.text, v.units);
    EXPECT_EQ(r.error, "");
    ASSERT_TRUE(r.value);
    EXPECT_NEAR(*r.value, v.value, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Validate,
    testing::Values(Validated{"Millimetres", "tubheight", "12.6", kMm, 12.6},
                    Validated{"Centimetres", "tubheight", "55.94", kCm, 559.4},
                    Validated{"NegativeStoresMagnitude", "tubid", "-559", kMm, 559},
                    Validated{"NoNumberIsZero", "tubid", "abc", kMm, 0},
                    Validated{"FeetInches", "tubheight", "1' 6 3/8", kFtIn, 466.725},
                    Validated{"DecimalInchesTakeFractions", "portid", "6 1/2", kDecIn, 165.1},
                    Validated{"CubicFeet", "workvol", "9.18", kFtIn, 9.18 / kCubicFeetPerLitre},
                    Validated{"LitresKept", "workvol", "9.18", kFtInLitres, 9.18},
                    Validated{"LitresInMetricWhateverTheBox", "vol", "4.5", kCm, 4.5},
                    Validated{"Pounds", "mass", "22", kDecIn, 10},
                    Validated{"TuningWithUnit", "ftune", "15.6Hz", kFtIn, 15.6},
                    Validated{"EmptyTuning", "ftune", "", kMm, 0},
                    Validated{"FractionalPorts", "numports", "1.5", kFtIn, 1.5}),
    [](const auto& info) { return info.param.name; });

struct Rejected {
    const char* name;
    const char* field;
    const char* text;
    DisplayUnits units;
    const char* message;
};

class RejectedInchText : public testing::TestWithParam<Rejected> {};

TEST_P(RejectedInchText, GivesZeroAndTheReason) {
    const Rejected& r = GetParam();
    const FieldReading reading = read_field(field(r.field), r.text, r.units);
    ASSERT_TRUE(reading.value);
    EXPECT_EQ(*reading.value, 0);
    EXPECT_EQ(format_message(r.field, reading.error), r.message);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RejectedInchText,
    testing::Values(Rejected{"ThirtySecondths", "topgap", "1/32", kFtIn,
                             "topgap field contains incorrect format: - Allowable fractions are "
                             "1/2 1/4 1/8 1/16"},
                    // An inch text has no exponent: "1e999" is a typing error
                    // there, not a number too large.
                    Rejected{"ExponentIsAnInvalidCharacter", "dia", "1e999", kDecIn,
                             "dia field contains incorrect format: - Invalid Character"}),
    [](const auto& info) { return info.param.name; });

// Four hundred nines and a point: no double holds it.
const std::string kBeyondADouble = std::string(400, '9') + ".";

struct Limit {
    const char* name;
    DisplayUnits units;
    const char* text;
    double millimetres; // 0: beyond the largest value, the old value stays
};

class LengthLimit : public testing::TestWithParam<Limit> {};

// Every length field, in every unit, keeps its previous value for a number
// beyond 1e12 mm, without a message, and takes the largest values below.
TEST_P(LengthLimit, BeyondTheLargestValueKeepsThePreviousValueSilently) {
    const Limit& l = GetParam();
    for (const FieldSpec& f : kFields) {
        if (f.variant != Variant::A && f.variant != Variant::B) {
            continue;
        }
        const FieldReading r = read_field(f, l.text, l.units);
        EXPECT_EQ(r.error, "") << f.name;
        if (l.millimetres == 0) {
            EXPECT_FALSE(r.value) << f.name;
        } else {
            ASSERT_TRUE(r.value) << f.name;
            EXPECT_EQ(*r.value, l.millimetres) << f.name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, LengthLimit,
    testing::Values(Limit{"MetricOverflow", kMm, "1e999", 0},
                    Limit{"MetricExponent", kMm, "1e13", 0},
                    Limit{"MetricNegativeHuge", kMm, "-1e300", 0},
                    Limit{"MetricJustAbove", kMm, "1000000000001", 0},
                    Limit{"MetricLargest", kMm, "1e12", 1e12},
                    Limit{"CentimetresOverflow", kCm, "1e999", 0},
                    Limit{"CentimetresJustAbove", kCm, "100000000001", 0},
                    // 10^11 cm is 10^12 mm.
                    Limit{"CentimetresLargest", kCm, "100000000000", 1e12},
                    Limit{"FractionalHugeDecimal", kFtIn, "99999999999999999999.5", 0},
                    Limit{"FractionalHugeFeet", kFtIn, "999999999999999'", 0},
                    // 1e12 / 25.4 = 39370078740.157...: one inch more is too much.
                    Limit{"FractionalJustAbove", kFtIn, "39370078741", 0},
                    Limit{"FractionalJustAboveWithFraction", kFtIn, "39370078740 1/2", 0},
                    // 39370078740 × 25.4 = 999999999996
                    Limit{"FractionalLargest", kFtIn, "39370078740", 999999999996},
                    Limit{"DecimalBeyondADouble", kDecIn, kBeyondADouble.c_str(), 0},
                    Limit{"DecimalHugeFeet", kDecIn, "999999999999999'", 0},
                    Limit{"DecimalJustAbove", kDecIn, "39370078740.2", 0},
                    // 39370078740.15 × 25.4 = 999999999999.81
                    Limit{"DecimalLargest", kDecIn, "39370078740.15", 999999999999.81}),
    [](const auto& info) { return info.param.name; });

struct Beyond {
    const char* name;
    const char* field;
    const char* text;
    DisplayUnits units;
};

class OtherFieldLimit : public testing::TestWithParam<Beyond> {};

TEST_P(OtherFieldLimit, BeyondTheLargestValueKeepsThePreviousValueSilently) {
    const Beyond& b = GetParam();
    const FieldReading r = read_field(field(b.field), b.text, b.units);
    EXPECT_FALSE(r.value);
    EXPECT_EQ(r.error, "");
}

INSTANTIATE_TEST_SUITE_P(Table, OtherFieldLimit,
                         testing::Values(Beyond{"VolumeLitres", "workvol", "1e13", kMm},
                                         // 3.6e10 cubic feet are 1.02e12 litres.
                                         Beyond{"VolumeCubicFeet", "vol", "3.6e10", kFtIn},
                                         Beyond{"MassPounds", "mass", "1e999", kDecIn},
                                         // 2.2000001e12 pounds are just over 1e12 kg.
                                         Beyond{"MassJustAbove", "mass", "2.2000001e12", kFtIn},
                                         Beyond{"Tuning", "ftune", "1e13", kFtIn},
                                         Beyond{"Ports", "numports", "-1e300", kCm}),
                         [](const auto& info) { return info.param.name; });

} // namespace
