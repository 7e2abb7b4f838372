// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/air_speed.h"

#include "core/calculation.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>

using namespace cylindra;

namespace {

// By hand: a 500 cm² cone moving 15 mm at 20 Hz pushes at most
// 2π · 20 · 0.05 m² · 0.015 m = 0.0942478 m³/s through one 152 mm port of
// π · 0.076² = 0.0181458 m²: 0.0942478 / 0.0181458 = 5.19391 m/s. For 17 m/s
// the port needs 0.0942478 / 17 = 0.00554399 m², a diameter of
// 2 · √(0.00554399 / π) = 0.0840168 m.
TEST(AirSpeedByHand, TenInchDriverInAStartUpPort) {
    const AirSpeed s = port_air_speed(500, 15, 20, 1, 152);
    ASSERT_TRUE(s.valid);
    EXPECT_NEAR(s.speed, 5.19391, 1e-5);
    EXPECT_NEAR(s.smallest_diameter, 84.0168, 1e-4);
    EXPECT_EQ(s.verdict, AirSpeedVerdict::comfortable);
}

// By hand: 1000 cm², 20 mm, 30 Hz: 2π · 30 · 0.1 · 0.02 = 0.376991 m³/s
// through a 100 mm port of π · 0.05² = 0.00785398 m² is 48.0 m/s; for 17 m/s
// 2 · √(0.376991 / (17 π)) = 0.168034 m.
TEST(AirSpeedByHand, LargeDriverInANarrowPort) {
    const AirSpeed s = port_air_speed(1000, 20, 30, 1, 100);
    EXPECT_NEAR(s.speed, 48.0, 1e-9);
    EXPECT_NEAR(s.smallest_diameter, 168.034, 1e-3);
    EXPECT_EQ(s.verdict, AirSpeedVerdict::above_limit);
}

struct Port {
    const char* name;
    double sd, xmax, tuning, numports, portid;
};

class DoubledPortArea : public testing::TestWithParam<Port> {};

// Twice the area, by a wider port or by a second one, halves the speed; the
// smallest diameter for the target depends on the driver and the ports' number only.
TEST_P(DoubledPortArea, HalvesTheSpeed) {
    const Port& p = GetParam();
    const AirSpeed one = port_air_speed(p.sd, p.xmax, p.tuning, p.numports, p.portid);
    const AirSpeed wider =
        port_air_speed(p.sd, p.xmax, p.tuning, p.numports, p.portid * std::numbers::sqrt2);
    const AirSpeed two = port_air_speed(p.sd, p.xmax, p.tuning, 2 * p.numports, p.portid);
    EXPECT_NEAR(wider.speed / one.speed, 0.5, 1e-12);
    EXPECT_NEAR(two.speed / one.speed, 0.5, 1e-12);
    EXPECT_DOUBLE_EQ(wider.smallest_diameter, one.smallest_diameter);
    EXPECT_NEAR(two.smallest_diameter * std::numbers::sqrt2 / one.smallest_diameter, 1, 1e-12);
    // The smallest diameter gives exactly the comfortable speed.
    const AirSpeed at_target =
        port_air_speed(p.sd, p.xmax, p.tuning, p.numports, one.smallest_diameter);
    EXPECT_NEAR(at_target.speed, kComfortableAirSpeed, 1e-9);
}

INSTANTIATE_TEST_SUITE_P(Table, DoubledPortArea,
                         testing::Values(Port{"TenInch", 330, 12, 22, 1, 102},
                                         Port{"FifteenInch", 855, 18, 17, 2, 152},
                                         Port{"EighteenInchThreePorts", 1225, 25, 15.6, 3, 152}),
                         [](const auto& info) { return info.param.name; });

struct Verdict {
    const char* name;
    double tuning; // with 500 cm², 10 mm, one 100 mm port: 0.4 m/s per hertz
    AirSpeedVerdict verdict;
    const char* text;
    std::uint32_t colour;
};

class AirSpeedVerdicts : public testing::TestWithParam<Verdict> {};

TEST_P(AirSpeedVerdicts, AgainstTheTargetAndTheLimit) {
    const AirSpeed s = port_air_speed(500, 10, GetParam().tuning, 1, 100);
    EXPECT_EQ(s.verdict, GetParam().verdict);
    EXPECT_EQ(air_speed_text(s), GetParam().text);
    EXPECT_EQ(air_speed_colour(s), GetParam().colour);
}

INSTANTIATE_TEST_SUITE_P(
    Table, AirSpeedVerdicts,
    testing::Values(Verdict{"JustUnderTarget", 42, AirSpeedVerdict::comfortable,
                            "Peak air speed 16.8 m/s: comfortable (under 17 m/s)", colour::green},
                    Verdict{"JustOverTarget", 43, AirSpeedVerdict::above_target,
                            "Peak air speed 17.2 m/s: may chuff (over 17 m/s)", colour::warnred},
                    Verdict{"JustUnderLimit", 84, AirSpeedVerdict::above_target,
                            "Peak air speed 33.6 m/s: may chuff (over 17 m/s)", colour::warnred},
                    Verdict{"OverLimit", 86, AirSpeedVerdict::above_limit,
                            "Peak air speed 34.4 m/s: too fast (over 34 m/s)", colour::red}),
    [](const auto& info) { return info.param.name; });

struct Diameter {
    const char* name;
    LengthUnit unit;
    const char* text;
};

class SmallestDiameterText : public testing::TestWithParam<Diameter> {};

// 84.0168 mm, from the first worked example, rounded up to each unit's step.
TEST_P(SmallestDiameterText, RoundedUpInTheUnit) {
    const AirSpeed s = port_air_speed(500, 15, 20, 1, 152);
    EXPECT_EQ(smallest_diameter_text(s, GetParam().unit), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SmallestDiameterText,
    testing::Values(
        Diameter{"Millimetres", LengthUnit::metric, "Smallest port diameter for 17 m/s: 85 mm"},
        Diameter{"Centimetres", LengthUnit::metric_cm, "Smallest port diameter for 17 m/s: 8.5 cm"},
        Diameter{"Fractions", LengthUnit::inches,
                 "Smallest port diameter for 17 m/s: 3 5/16 inches"},
        Diameter{"DecimalInches", LengthUnit::decimalinches,
                 "Smallest port diameter for 17 m/s: 3.31 inches"}),
    [](const auto& info) { return info.param.name; });

class UnusableAirSpeed : public testing::TestWithParam<Port> {};

TEST_P(UnusableAirSpeed, ShowsNothing) {
    const Port& p = GetParam();
    const AirSpeed s = port_air_speed(p.sd, p.xmax, p.tuning, p.numports, p.portid);
    EXPECT_FALSE(s.valid);
    EXPECT_EQ(air_speed_text(s), "");
    EXPECT_EQ(smallest_diameter_text(s, LengthUnit::metric), "");
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

INSTANTIATE_TEST_SUITE_P(Table, UnusableAirSpeed,
                         testing::Values(Port{"NoCone", 0, 12, 22, 1, 102},
                                         Port{"NegativeXmax", 330, -12, 22, 1, 102},
                                         Port{"NoTuning", 330, 12, 0, 1, 102},
                                         Port{"NoPorts", 330, 12, 22, 0, 102},
                                         Port{"NoPortDiameter", 330, 12, 22, 1, 0},
                                         Port{"NotANumber", kNaN, 12, 22, 1, 102},
                                         Port{"TinyPortOverflows", 1e12, 1e12, 1e12, 1, 1e-300}),
                         [](const auto& info) { return info.param.name; });

} // namespace
