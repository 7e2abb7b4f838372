// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculation.h"

#include "core/number_text.h"
#include "core/startup.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <regex>

using namespace cylindra;

namespace {

const DriverValues kTenInchFiveLitres{5, 150, 266, 10};

// The worked design: start-up dimensions, a flush-mounted 10 inch driver of
// 5 litres, solved for volume and tuning.
Design worked_design() {
    Design d;
    d.solvemode = SolveMode::opt_vol;
    return d;
}

TEST(SolveForVolume, WorkedExample) {
    const Report r = calculate_all(worked_design(), kTenInchFiveLitres, {}, {});
    EXPECT_EQ(r.results.grossvol, 291);
    EXPECT_EQ(r.results.effectivelength, 758.5);
    EXPECT_NEAR(r.results.portvol, 14.67008, 1e-9);
    EXPECT_NEAR(r.results.driverdisplacement, 6.013414958, 1e-9);
    EXPECT_EQ(r.solved.workvol, 270);
    EXPECT_EQ(r.solved.ftune, 15.2);
    EXPECT_EQ(r.results.sonolength, 1225);
}

TEST(SolveForHeight, WorkedExampleGoesThereButNotBack) {
    Design d = worked_design();
    const Report vol = calculate_all(d, kTenInchFiveLitres, {}, {});
    vol.solved.apply_to(d);
    d.solvemode = SolveMode::opt_height;
    const Report r = calculate_all(d, kTenInchFiveLitres, {}, vol.results);
    EXPECT_EQ(r.results.effectivelength, 761);
    EXPECT_EQ(r.solved.portlength, 771);
    EXPECT_EQ(r.results.grossvol, 291);
    EXPECT_EQ(r.solved.tubheight, 1262);
}

TEST(SolveForHeight, NoTuningKeepsThePreviousEffectiveLengthRounded) {
    Design d = worked_design();
    const Report vol = calculate_all(d, kTenInchFiveLitres, {}, {});
    d.solvemode = SolveMode::opt_height;
    d.ftune = 0;
    const Report r = calculate_all(d, kTenInchFiveLitres, {}, vol.results);
    EXPECT_EQ(r.results.effectivelength, 759);
    EXPECT_EQ(r.solved.portlength, 769);
    EXPECT_EQ(r.results.grossvol,
              std::floor(260 + r.results.portvol + r.results.driverdisplacement + 0.5));
}

TEST(SolveForVolume, IntakeFlareCountsOnlyWithExitFlare) {
    Design d = worked_design();
    d.exitflare = ExitFlare::exitunflared;
    d.intakeflare = IntakeFlare::intakeflared;
    EXPECT_EQ(calculate_all(d, {}, {}, {}).results.effectivelength, 768);
    d.exitflare = ExitFlare::exitflared;
    EXPECT_EQ(calculate_all(d, {}, {}, {}).results.effectivelength, 768 - 9.5 - 9.5);
}

TEST(SolveForVolume, NoPortDiameterGivesNoTuningButAVolume) {
    Design d = worked_design();
    d.portid = 0;
    const Report r = calculate_all(d, kTenInchFiveLitres, {}, {});
    EXPECT_EQ(r.solved.ftune, 0);
    EXPECT_GT(r.solved.workvol, 270);
}

struct Labelled {
    const char* name;
    LengthUnit unit;
    bool litres;
    const char* netvol;
    const char* effective;
    const char* sono;
    const char* weight;
};

class ResultLabels : public testing::TestWithParam<Labelled> {};

TEST_P(ResultLabels, FollowTheUnits) {
    const Labelled& l = GetParam();
    const Report r = calculate_all(worked_design(), kTenInchFiveLitres, {l.unit, l.litres}, {});
    EXPECT_EQ(r.labels.netvol, l.netvol);
    EXPECT_EQ(r.labels.port_effectivelength, l.effective);
    EXPECT_EQ(r.labels.sonolength, l.sono);
    EXPECT_EQ(r.labels.weight, l.weight);
    EXPECT_EQ(r.results.weight, 42);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ResultLabels,
    testing::Values(Labelled{"Millimetres", LengthUnit::metric, false, "Gross Volume  291 litres",
                             "Effective length of port  758.5 mm", "Cut Sonotube to   1225 mm",
                             "Estimated weight  42 kg"},
                    Labelled{"CentimetresAlwaysLitres", LengthUnit::metric_cm, false,
                             "Gross Volume  291 litres", "Effective length of port  75.85 cm",
                             "Cut Sonotube to   122.5 cm", "Estimated weight  42 kg"},
                    Labelled{"FractionalCubicFeet", LengthUnit::inches, false,
                             "Gross Volume  10.27 cu.ft",
                             "Effective length of port 2' 5 7/8 inches",
                             "Cut Sonotube to  4' 1/4 inches", "Estimated weight  92 lbs"},
                    Labelled{"DecimalLitres", LengthUnit::decimalinches, true,
                             "Gross Volume  291 litres", "Effective length of port  29.86 inches",
                             "Cut Sonotube to   48.23 inches", "Estimated weight  92 lbs"}),
    [](const auto& info) { return info.param.name; });

TEST(BuildReport, TotalHeightAndTippingFollowTheCover) {
    Design d = worked_design();
    const double base = 19 + 80 + 1263;
    EXPECT_EQ(calculate_all(d, {}, {}, {}).results.totalheight, base + 160 + 19);
    d.covertype = CoverType::grille;
    const Report grille = calculate_all(d, {}, {}, {});
    EXPECT_EQ(grille.results.totalheight, base + 15);
    EXPECT_EQ(grille.results.tipping,
              std::floor(std::sqrt(600.0 * 600 + (base + 15) * (base + 15))));
    d.covertype = CoverType::nocover;
    EXPECT_EQ(calculate_all(d, {}, {}, {}).results.totalheight, base);
}

TEST(BuildReport, NarrowCoverTipsOverTheEndcapEdge) {
    Design d = worked_design();
    d.topcoverdia = 100;
    d.topgap = 1;
    d.topcoverthickness = 1;
    const Report r = calculate_all(d, {}, {}, {});
    EXPECT_EQ(r.results.tipping, std::floor(std::sqrt(600.0 * 600 + 1362.0 * 1362)));
}

TEST(Calculation, StartUpDesignIsSolvedForHeight) {
    const StartupDesign s = startup_design(LengthUnit::inches, SolveMode::opt_height);
    EXPECT_EQ(s.design.portlength, 759);
    EXPECT_EQ(s.design.tubheight, 1217);
    EXPECT_EQ(s.driver.drivermass, 15);
    const StartupDesign v = startup_design(LengthUnit::metric, SolveMode::opt_vol);
    EXPECT_EQ(v.design.tubheight, 1263);
    EXPECT_EQ(v.design.portlength, 768);
}

// Solving for height, then for volume from the solved height, gives the
// volume and tuning back within what the roundings allow: whole millimetres,
// whole litres and tenths of a hertz.
TEST(Calculation, SolvingThereAndBackKeepsTheInputsWithinRounding) {
    std::mt19937 rng(20261206);
    auto in = [&](double lo, double hi) { return std::uniform_real_distribution(lo, hi)(rng); };
    for (int i = 0; i < 3000; ++i) {
        Design d;
        d.workvol = std::floor(in(40, 600));
        d.ftune = std::floor(in(12, 40) * 10) / 10;
        d.tubid = in(300, 800);
        d.portid = in(50, 200);
        d.numports = 1 + (i % 2);
        d.exitflare = i % 3 ? ExitFlare::exitflared : ExitFlare::exitunflared;
        const DriverValues driver{in(0, 8), 150, 266, 10};
        const Report h = calculate_all(d, driver, {}, {});
        if (h.results.effectivelength < 50) {
            continue; // a port this short is no design
        }
        h.solved.apply_to(d);
        d.solvemode = SolveMode::opt_vol;
        const Report v = calculate_all(d, driver, {}, h.results);
        const double area = 3.14159265359 * d.tubid * d.tubid / 4 / 1e6;
        const double dv = 0.5 + 0.5 + 0.5 * area + 0.5 * 3.14 * d.portid * d.portid / 1e6 * 2;
        EXPECT_NEAR(v.solved.workvol, d.workvol, dv + 1) << i;
        const double acoustic = v.results.effectivelength + 0.732 * d.portid;
        const double df = 0.05 + d.ftune / 2 * ((dv + 1) / d.workvol + 1 / acoustic);
        EXPECT_NEAR(v.solved.ftune, d.ftune, df) << i;
    }
}

TEST(Calculation, ExtremeDesignsNeverShowInfinity) {
    const double values[] = {0, 1e-300, 0.05, 1, 1000, 1e12};
    for (const double a : values) {
        for (const double b : values) {
            for (const SolveMode mode : {SolveMode::opt_height, SolveMode::opt_vol}) {
                Design d;
                d.solvemode = mode;
                d.tubid = d.tubheight = d.workvol = d.numports = a;
                d.portid = d.portlength = d.ftune = d.topendcaptotalthickness = b;
                const Report r = calculate_all(d, {a, b, a, b}, {LengthUnit::inches, false}, {});
                const std::regex not_a_number(R"(\b(inf|nan|ERR)\b)", std::regex::icase);
                for (const std::string& line : report_lines(r)) {
                    EXPECT_FALSE(std::regex_search(line, not_a_number)) << line;
                }
            }
        }
    }
}

} // namespace
