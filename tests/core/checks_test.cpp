// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/calculation.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <functional>

using namespace cylindra;

namespace {

// Checks run on a design solved for volume, so the inputs stay as set.
Report check(const std::function<void(Design&, DriverValues&)>& change,
             LengthUnit unit = LengthUnit::metric, Results previous = {}) {
    Design d;
    d.solvemode = SolveMode::opt_vol;
    DriverValues v{5, 150, 266, 10};
    change(d, v);
    return calculate_all(d, v, {unit, false}, previous);
}

struct Boundary {
    const char* name;
    std::function<void(Design&, DriverValues&)> change;
    CheckRowId row;
    CheckStatus status;
};

class CheckBoundary : public testing::TestWithParam<Boundary> {};

TEST_P(CheckBoundary, PassesOrFailsExactlyAtItsLimit) {
    const Boundary& b = GetParam();
    const Report r = check(b.change);
    EXPECT_EQ(r.checks[b.row].status, b.status) << r.checks[b.row].text;
    const bool failed = b.status == CheckStatus::fail || b.status == CheckStatus::exclaim;
    EXPECT_EQ(r.checks[b.row].colour(), failed ? colour::red : colour::black);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CheckBoundary,
    testing::Values(
        Boundary{"DriverFitsAtFiftyFails", [](Design&, DriverValues& v) { v.driverdia = 509; },
                 lbl_driverfit, CheckStatus::fail},
        Boundary{"DriverFitsAtFiftyAndAHalf", [](Design&, DriverValues& v) { v.driverdia = 508.5; },
                 lbl_driverfit, CheckStatus::pass},
        Boundary{"PortFitsWithClearanceZeroFails",
                 [](Design& d, DriverValues&) { d.portlength = 1263 - 150 - 20; }, lbl_portfit,
                 CheckStatus::fail},
        Boundary{"PortFitsWithOneMillimetre",
                 [](Design& d, DriverValues&) { d.portlength = 1263 - 150 - 21; }, lbl_portfit,
                 CheckStatus::pass},
        Boundary{"IntakeClearanceEqualToPortFails",
                 [](Design& d, DriverValues&) { d.portlength = 1263 - 150 - 20 - 152; },
                 lbl_portclearance, CheckStatus::fail},
        Boundary{"IntakeClearanceAbovePort",
                 [](Design& d, DriverValues&) { d.portlength = 1263 - 150 - 20 - 153; },
                 lbl_portclearance, CheckStatus::pass},
        Boundary{"TopGapEqualToPortPasses", [](Design& d, DriverValues&) { d.topgap = 152; },
                 lbl_topcoverclearance, CheckStatus::pass},
        Boundary{"TopGapBelowPortFails", [](Design& d, DriverValues&) { d.topgap = 151.9; },
                 lbl_topcoverclearance, CheckStatus::fail},
        Boundary{"TwoFlaredPortsFit", [](Design& d, DriverValues&) { d.numports = 2; },
                 lbl_portcapfit, CheckStatus::pass},
        Boundary{"FlaredPortsJustTooWide",
                 [](Design& d, DriverValues&) {
                     d.numports = 2;
                     d.tubid = 380;
                 },
                 lbl_portcapfit, CheckStatus::fail},
        Boundary{"UnflaredPortsUseTheBareDiameter",
                 [](Design& d, DriverValues&) {
                     d.numports = 2.5;
                     d.tubid = 380.1;
                     d.exitflare = ExitFlare::exitunflared;
                 },
                 lbl_portcapfit, CheckStatus::pass},
        Boundary{"ThreePortsAlwaysExclaim", [](Design& d, DriverValues&) { d.numports = 3; },
                 lbl_portcapfit, CheckStatus::exclaim}),
    [](const auto& info) { return info.param.name; });

TEST(Checks, StartUpDesignPassesEverythingWithABlueLabel) {
    const Report r = check([](Design&, DriverValues&) {});
    EXPECT_EQ(r.warnings_colour, colour::ruleblue);
    EXPECT_EQ(r.checks[lbl_portclearance].text,
              "Port has sufficient clearance between intake and driver ( 325 mm)");
    EXPECT_EQ(r.checks[lbl_resonance].text, "First Port resonance is  226 hz");
    EXPECT_EQ(r.checks[lbl_drv2topres].text,
              "Driver to box top resonance is  140 hz - add some damping material to inside of "
              "top endcap");
}

TEST(Checks, AnyFailureTurnsTheWarningsLabelLightRed) {
    EXPECT_EQ(check([](Design& d, DriverValues&) { d.bottomgap = 1; }).warnings_colour,
              colour::warnred);
    EXPECT_EQ(check([](Design& d, DriverValues&) { d.numports = 3; }).warnings_colour,
              colour::warnred);
}

TEST(Checks, TooLongPortHidesTheClearanceRowAndShowsANegativeLength) {
    for (const auto& [unit, text] :
         {std::pair{LengthUnit::metric, "-30 mm"}, std::pair{LengthUnit::metric_cm, "-3 cm"},
          std::pair{LengthUnit::inches, "-1 3/16 inches"},
          std::pair{LengthUnit::decimalinches, "-1.18 inches"}}) {
        const Report r =
            check([](Design& d, DriverValues&) { d.portlength = 1263 - 150 + 10; }, unit);
        EXPECT_FALSE(r.checks[lbl_portclearance].visible);
        EXPECT_EQ(r.checks[lbl_portclearance].text,
                  std::string("Port clearance between intake and driver is only ") + text +
                      " - should not be less than port diameter");
    }
}

TEST(Checks, OnlyACoverPlateIsChecked) {
    const Report r = check([](Design& d, DriverValues&) { d.covertype = CoverType::grille; });
    EXPECT_FALSE(r.checks[lbl_topcoverclearance].visible);
    EXPECT_TRUE(r.checks[lbl_portclearance].visible);
}

TEST(Checks, DriverFitTextNamesTheMarginInTheUnit) {
    EXPECT_EQ(
        check([](Design&, DriverValues&) {}, LengthUnit::decimalinches).checks[lbl_driverfit].text,
        "Driver will fit into bottom endcap with at least 1 inch between basket and "
        "Sonotube wall");
    EXPECT_EQ(check([](Design&, DriverValues& v) { v.driverdia = 600; }, LengthUnit::metric_cm)
                  .checks[lbl_driverfit]
                  .text,
              "Driver will NOT fit into bottom endcap with 2.5 cm between basket and Sonotube "
              "wall");
}

TEST(Checks, ResonanceWithoutAPortLengthCannotBeDetermined) {
    for (const double length : {9.5, 5.0, 0.0}) {
        const Report r = check([&](Design& d, DriverValues&) { d.portlength = length; });
        EXPECT_EQ(r.checks[lbl_resonance].text,
                  "First Port resonance could not be determined (effective length=0)");
    }
}

TEST(Checks, DriverAtTheTopGivesALineWithoutANumber) {
    // 10 inch flush: cone offset 30; endcap inner part 19: distance 0.
    Results previous;
    previous.topresonance = 140;
    for (const double height : {49.0, 20.0, 49.000000000001}) {
        const Report r = check([&](Design& d, DriverValues&) { d.tubheight = height; },
                               LengthUnit::metric, previous);
        const std::string& text = r.checks[lbl_drv2topres].text;
        EXPECT_EQ(text.find("inf"), std::string::npos) << text;
        if (height <= 49) {
            EXPECT_EQ(text, "Driver to box top resonance could not be determined (no space "
                            "between driver and top endcap)");
            EXPECT_EQ(r.results.topresonance, 140);
        }
    }
}

} // namespace
