// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/port_trim.h"

#include "core/calculation.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace cylindra;

namespace {

Design flared_both() {
    Design d;
    d.intakeflare = IntakeFlare::intakeflared;
    return d;
}

Design unflared_two_ports() {
    Design d;
    d.exitflare = ExitFlare::exitunflared;
    d.numports = 2;
    d.portid = 102;
    d.portlength = 540;
    d.ftune = 28;
    d.workvol = 95;
    return d;
}

struct Built {
    const char* name;
    Design design;
    double measured_share; // measured tuning over the design's
};

class TrimmedPort : public testing::TestWithParam<Built> {};

// The model, asked for the tuning of the new length, moves the measured tuning
// to the design's by exactly the ratio it moves its own prediction.
TEST_P(TrimmedPort, ModelGivesBackTheDesignTuning) {
    const Design& d = GetParam().design;
    const double measured = d.ftune * GetParam().measured_share;
    const PortTrim trim = port_trim(d, measured);
    ASSERT_TRUE(trim.valid);
    const double before = port_tuning(d, d.workvol, d.portlength - flare_allowance(d));
    const double after = port_tuning(d, d.workvol, trim.new_length - flare_allowance(d));
    EXPECT_NEAR(measured * after / before / d.ftune, 1, 1e-9);
    EXPECT_DOUBLE_EQ(trim.change, d.portlength - trim.new_length);
    // Measured low: the port is too long and is cut; measured high: too short.
    EXPECT_EQ(trim.change > 0, GetParam().measured_share < 1);
    EXPECT_EQ(trim.needs_longer, GetParam().measured_share > 1);
}

INSTANTIATE_TEST_SUITE_P(Table, TrimmedPort,
                         testing::Values(Built{"TenPercentLow", Design{}, 0.9},
                                         Built{"SlightlyLow", Design{}, 0.98},
                                         Built{"HighNeedsLonger", Design{}, 1.1},
                                         Built{"BothFlaresTenPercentLow", flared_both(), 0.9},
                                         Built{"TwoUnflaredPortsLow", unflared_two_ports(), 0.85},
                                         Built{"TwoUnflaredPortsHigh", unflared_two_ports(), 1.05}),
                         [](const auto& info) { return info.param.name; });

class OwnTuning : public testing::TestWithParam<Built> {};

TEST_P(OwnTuning, NeedsNoTrim) {
    const Design& d = GetParam().design;
    const PortTrim trim = port_trim(d, d.ftune);
    ASSERT_TRUE(trim.valid);
    EXPECT_NEAR(trim.change, 0, 1e-9);
    EXPECT_FALSE(trim.needs_longer);
    EXPECT_EQ(port_trim_text(trim, LengthUnit::metric),
              "No trim needed: the ports are the right length");
}

INSTANTIATE_TEST_SUITE_P(Table, OwnTuning,
                         testing::Values(Built{"StartUpDesign", Design{}, 1},
                                         Built{"BothFlares", flared_both(), 1},
                                         Built{"TwoUnflaredPorts", unflared_two_ports(), 1}),
                         [](const auto& info) { return info.param.name; });

// The start-up design measured 10% low, by hand: the flared exit counts
// 19 / 2 = 9.5 mm, so the effective length is 768 - 9.5 = 758.5 mm; the end
// correction is 152 * 0.732 = 111.264 mm; their sum 869.764 mm scales by
// 0.9² = 0.81 to 704.50884 mm, leaving 593.24484 mm effective and
// 602.74484 mm of port: 165.25516 mm come off.
TEST(PortTrimByHand, StartUpDesignMeasuredTenPercentLow) {
    const Design d;
    const PortTrim trim = port_trim(d, 0.9 * d.ftune);
    EXPECT_NEAR(trim.new_length, 602.74484, 1e-6);
    EXPECT_NEAR(trim.change, 165.25516, 1e-6);
}

struct Text {
    const char* name;
    double measured_share;
    LengthUnit unit;
    const char* text;
};

class TrimText : public testing::TestWithParam<Text> {};

TEST_P(TrimText, SaysWhatToDoInTheUnit) {
    const Design d;
    const Text& t = GetParam();
    EXPECT_EQ(port_trim_text(port_trim(d, t.measured_share * d.ftune), t.unit), t.text);
}

// 10% low takes 165.255 mm (6.506 inches) off, as worked out above; 10% high
// needs 869.764 * 1.21 - 111.264 + 9.5 = 950.65 mm of port, 182.65 mm more.
INSTANTIATE_TEST_SUITE_P(
    Table, TrimText,
    testing::Values(Text{"Millimetres", 0.9, LengthUnit::metric, "Cut 165 mm off each port"},
                    Text{"Centimetres", 0.9, LengthUnit::metric_cm, "Cut 16.5 cm off each port"},
                    Text{"Fractions", 0.9, LengthUnit::inches, "Cut 6 1/2 inches off each port"},
                    Text{"DecimalInches", 0.9, LengthUnit::decimalinches,
                         "Cut 6.51 inches off each port"},
                    Text{"LongerInMillimetres", 1.1, LengthUnit::metric,
                         "Lengthen each port to 951 mm (183 mm longer)"},
                    // 768 mm less the cut leaves less than the 38 mm endcap.
                    Text{"ShorterThanTheEndcap", 0.4, LengthUnit::metric,
                         "Cut 731 mm off each port: too short to reach through the top endcap - "
                         "measure again"}),
    [](const auto& info) { return info.param.name; });

struct Unusable {
    const char* name;
    Design design;
    double measured;
    const char* text; // empty when nothing usable was measured
};

constexpr const char* kNoLength = "No port length brings this box to the design's tuning";

class UnusableTrim : public testing::TestWithParam<Unusable> {};

TEST_P(UnusableTrim, GivesNoTrim) {
    const PortTrim trim = port_trim(GetParam().design, GetParam().measured);
    EXPECT_FALSE(trim.valid);
    EXPECT_EQ(port_trim_text(trim, LengthUnit::metric), GetParam().text);
}

Design with(double Design::*member, double value) {
    Design d;
    d.*member = value;
    return d;
}

INSTANTIATE_TEST_SUITE_P(
    Table, UnusableTrim,
    testing::Values(Unusable{"NothingMeasured", Design{}, 0, ""},
                    Unusable{"NegativeMeasured", Design{}, -15, ""},
                    Unusable{"NotANumber", Design{}, std::numeric_limits<double>::quiet_NaN(), ""},
                    Unusable{"Infinite", Design{}, std::numeric_limits<double>::infinity(), ""},
                    Unusable{"FarTooLowForAnyPort", Design{}, 4, kNoLength},
                    Unusable{"NoDesignTuning", with(&Design::ftune, 0), 15, kNoLength},
                    Unusable{"NoVolume", with(&Design::workvol, 0), 15, kNoLength},
                    Unusable{"NoPortDiameter", with(&Design::portid, 0), 15, kNoLength},
                    Unusable{"NoPorts", with(&Design::numports, 0), 15, kNoLength}),
    [](const auto& info) { return info.param.name; });

} // namespace
