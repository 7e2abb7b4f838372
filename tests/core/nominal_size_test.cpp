// SPDX-License-Identifier: GPL-3.0-or-later
// Every rule that turns on the driver's nominal size, for each of the five
// sizes and in every unit: the generic values and their captions, the disc a
// flush mounting takes, the breathing room under the driver, the cone offset
// of the driver-to-top resonance and the driver hole of the weight model.
// Expected values are worked out from the rules, as the comment of each row
// shows, not taken from the program.
#include "core/calculation.h"
#include "core/drivers.h"
#include "core/field_text.h"
#include "core/fields.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

using namespace cylindra;

namespace {

constexpr DriverMounting kFlush = DriverMounting::flushmounted;
constexpr DriverMounting kSurface = DriverMounting::surfacemounted;

// Each length unit, and in the inch units both ways of showing volumes.
constexpr DisplayUnits kEveryUnit[] = {
    {LengthUnit::metric, false},        {LengthUnit::metric_cm, false},
    {LengthUnit::inches, false},        {LengthUnit::inches, true},
    {LengthUnit::decimalinches, false}, {LengthUnit::decimalinches, true}};

// A length text in each of the four length units.
struct Lengths {
    const char* mm;
    const char* cm;
    const char* feet_inches;
    const char* decimal_inches;

    std::string in(LengthUnit unit) const {
        const char* texts[] = {mm, cm, feet_inches, decimal_inches};
        return texts[static_cast<int>(unit)];
    }
};

// The start-up design solved for volume (tube 559 mm inside, 1263 mm high,
// endcaps 38 mm total and 19 exposed, one 152 mm port with 4 mm wall, 768 mm
// long, exit flared with radius 19), with a driver of which nothing is known,
// so that all four values in use are the generic ones of its size.
Design unknown_driver(int nominal, DriverMounting mounting) {
    Design d;
    d.solvemode = SolveMode::opt_vol;
    d.drivernominal = static_cast<std::int16_t>(nominal);
    d.drivermounting = mounting;
    return d;
}

Report calculate(const Design& d, DisplayUnits units, const Results& previous = {}) {
    return calculate_all(d, resolve_driver_data(d, {}).values, units, previous);
}

struct GenericRow {
    const char* name;
    int nominal;
    double dia, vol, depth, mass; // mm, litres, mm, kg
    Lengths dia_text, depth_text;
    const char* litres;
    const char* cubic_feet; // Int(vol × 0.0353146667214886 × 100) / 100
    const char* kilograms;
    const char* pounds; // mass × 2.2
};

class GenericValues : public testing::TestWithParam<GenericRow> {};

TEST_P(GenericValues, StandInForEveryUnknownValueOfTheSize) {
    const GenericRow& g = GetParam();
    const DriverResolution r = resolve_driver_data(unknown_driver(g.nominal, kFlush), {});
    EXPECT_EQ(r.values.driverdia, g.dia);
    EXPECT_EQ(r.values.drivervol, g.vol);
    EXPECT_EQ(r.values.driverdepth, g.depth);
    EXPECT_EQ(r.values.drivermass, g.mass);
    for (const DriverSource s : r.source) {
        EXPECT_EQ(s, DriverSource::generic);
    }
}

TEST_P(GenericValues, CaptionsShowThemInEveryUnit) {
    const GenericRow& g = GetParam();
    for (const DisplayUnits units : kEveryUnit) {
        const LengthUnit u = units.length;
        SCOPED_TRACE(std::string(word(u)) + (units.litres ? " litres" : ""));
        EXPECT_EQ(generic_value_text(DriverQuantity::dia, g.dia, units), g.dia_text.in(u));
        EXPECT_EQ(generic_value_text(DriverQuantity::depth, g.depth, units), g.depth_text.in(u));
        EXPECT_EQ(generic_value_text(DriverQuantity::vol, g.vol, units),
                  units.cubic_feet() ? g.cubic_feet : g.litres);
        EXPECT_EQ(generic_value_text(DriverQuantity::mass, g.mass, units),
                  is_inch_unit(u) ? g.pounds : g.kilograms);
    }
}

// Inch forms: mm / 25.4; hundredths rounded half up; the fraction rounded to
// sixteenths and reduced (a sixteenth is .0625).
INSTANTIATE_TEST_SUITE_P(
    Table, GenericValues,
    testing::Values(
        // 216 mm = 8.5039 in: 8.50, 8 + 8.06/16 → 8 1/2. 100 mm = 3.9370 in:
        // 3.94, 3 + 14.99/16 → 3 15/16. 2 × .0353 = .0706 → .07; 8 × 2.2 = 17.6.
        GenericRow{"EightInch",
                   8,
                   216,
                   2,
                   100,
                   8,
                   {" 216", " 21.6", "8 1/2", " 8.5"},
                   {" 100", " 10", "3 15/16", " 3.94"},
                   " 2",
                   " .07",
                   " 8",
                   " 17.6"},
        // 266 mm = 10.4724 in: 10.47, 10 + 7.56/16 → 8/16 = 1/2. 150 mm =
        // 5.9055 in: 5.91, 5 + 14.49/16 → 14/16 = 7/8. 3.5 × .0353 = .1236 →
        // .12; 10 × 2.2 = 22.
        GenericRow{"TenInch",
                   10,
                   266,
                   3.5,
                   150,
                   10,
                   {" 266", " 26.6", "10 1/2", " 10.47"},
                   {" 150", " 15", "5 7/8", " 5.91"},
                   " 3.5",
                   " .12",
                   " 10",
                   " 22"},
        // 318 mm = 12.5197 in: 12.52, 1 foot + 8.32/16 → 1' 1/2. 200 mm =
        // 7.8740 in: 7.87, 7 + 13.98/16 → 14/16 = 7/8. 4.2 × .0353 = .1483 →
        // .14; 15 × 2.2 = 33.
        GenericRow{"TwelveInch",
                   12,
                   318,
                   4.2,
                   200,
                   15,
                   {" 318", " 31.8", "1' 1/2", " 12.52"},
                   {" 200", " 20", "7 7/8", " 7.87"},
                   " 4.2",
                   " .14",
                   " 15",
                   " 33"},
        // 392 mm = 15.4331 in: 15.43, 1 foot 3 + 6.93/16 → 1' 3 7/16. 250 mm =
        // 9.8425 in: 9.84, 9 + 13.48/16 → 9 13/16. 5 × .0353 = .1766 → .17;
        // 16 × 2.2 = 35.2.
        GenericRow{"FifteenInch",
                   15,
                   392,
                   5,
                   250,
                   16,
                   {" 392", " 39.2", "1' 3 7/16", " 15.43"},
                   {" 250", " 25", "9 13/16", " 9.84"},
                   " 5",
                   " .17",
                   " 16",
                   " 35.2"},
        // 466 mm = 18.3465 in: 18.35, 1 foot 6 + 5.54/16 → 6/16 = 3/8. 330 mm =
        // 12.9921 in: 12.99, 12 + 15.87/16 → 13 → 1' 1. 6.5 × .0353 = .2295 →
        // .22; 25 × 2.2 = 55.
        GenericRow{"EighteenInch",
                   18,
                   466,
                   6.5,
                   330,
                   25,
                   {" 466", " 46.6", "1' 6 3/8", " 18.35"},
                   {" 330", " 33", "1' 1", " 12.99"},
                   " 6.5",
                   " .22",
                   " 25",
                   " 55"}),
    [](const auto& info) { return info.param.name; });

struct RecessRow {
    const char* name;
    int nominal;
    DriverMounting mounting;
    double driverdisplacement; // litres: generic volume, plus the disc when flush
    const char* litres;        // workvol = Int(291 - 14.67008 - displacement + 0.5)
    const char* cubic_feet;    // Int(workvol × 0.0353146667214886 × 100) / 100
    double intakeclearance;    // Int(1263 - generic depth - 768), - 20 when flush
};

class DriverRecess : public testing::TestWithParam<RecessRow> {};

TEST_P(DriverRecess, TakesTheDiscOfTheNominalSizeFromTheWorkingVolume) {
    const RecessRow& row = GetParam();
    for (const DisplayUnits units : kEveryUnit) {
        SCOPED_TRACE(std::string(word(units.length)) + (units.litres ? " litres" : ""));
        const Report r = calculate(unknown_driver(row.nominal, row.mounting), units);
        EXPECT_NEAR(r.results.driverdisplacement, row.driverdisplacement, 1e-9);
        EXPECT_EQ(field_text(kFields[*field_index("workvol")], r.solved.workvol, units),
                  units.cubic_feet() ? row.cubic_feet : row.litres);
        EXPECT_EQ(r.results.intakeclearance, row.intakeclearance);
    }
}

// Gross volume (1263 - 76) × 279.5² × 3.14159265359 / 1e6 = 291.31 → 291;
// ports (768 - 38) × 3.14 × 80² / 1e6 = 14.67008. The disc is (D / 2)² ×
// 3.14159265359 × 20 / 10000 litres for its diameter D in cm.
INSTANTIATE_TEST_SUITE_P(
    Table, DriverRecess,
    testing::Values(
        // Disc 10.16² = 103.2256 × π × .002 = .648585573245; 2 + disc.
        // 291 - 14.67008 - 2.648586 = 273.68 → 274 → 9.676 → 9.67.
        // Depth 100: 395 - 20.
        RecessRow{"EightInchFlush", 8, kFlush, 2.648585573245, "274", "9.67", 375},
        // 291 - 14.67008 - 2 = 274.33 → 274.
        RecessRow{"EightInchSurface", 8, kSurface, 2, "274", "9.67", 395},
        // Disc 12.7² = 161.29 × π × .002 = 1.013414958195; 3.5 + disc.
        // 271.82 → 272 → 9.605 → 9.6. Depth 150: 345 - 20.
        RecessRow{"TenInchFlush", 10, kFlush, 4.513414958195, "272", "9.6", 325},
        // 291 - 14.67008 - 3.5 = 272.83 → 273 → 9.641 → 9.64.
        RecessRow{"TenInchSurface", 10, kSurface, 3.5, "273", "9.64", 345},
        // Disc 15.24² = 232.2576 × π × .002 = 1.459317539801; 4.2 + disc.
        // 270.67 → 271 → 9.570 → 9.57. Depth 200: 295 - 20.
        RecessRow{"TwelveInchFlush", 12, kFlush, 5.659317539801, "271", "9.57", 275},
        // 291 - 14.67008 - 4.2 = 272.13 → 272 → 9.6.
        RecessRow{"TwelveInchSurface", 12, kSurface, 4.2, "272", "9.6", 295},
        // Disc 19.05² = 362.9025 × π × .002 = 2.280183655939; 5 + disc.
        // 269.05 → 269 → 9.4996 → 9.49. Depth 250: 245 - 20.
        RecessRow{"FifteenInchFlush", 15, kFlush, 7.280183655939, "269", "9.49", 225},
        // 291 - 14.67008 - 5 = 271.33 → 271 → 9.57.
        RecessRow{"FifteenInchSurface", 15, kSurface, 5, "271", "9.57", 245},
        // Disc 22.86² = 522.5796 × π × .002 = 3.283464464552; 6.5 + disc.
        // 266.55 → 267 → 9.429 → 9.42. Depth 330: 165 - 20.
        RecessRow{"EighteenInchFlush", 18, kFlush, 9.783464464552, "267", "9.42", 145},
        // 291 - 14.67008 - 6.5 = 269.83 → 270 → 9.535 → 9.53.
        RecessRow{"EighteenInchSurface", 18, kSurface, 6.5, "270", "9.53", 165},
        // No generic values and no disc: nothing taken. 276.33 → 276 → 9.747
        // → 9.74. Depth in use stays 0: 1263 - 768 - 20 = 475.
        RecessRow{"ElevenInchHasNoDisc", 11, kFlush, 0, "276", "9.74", 475}),
    [](const auto& info) { return info.param.name; });

struct BreathingRow {
    const char* name;
    int nominal;
    DriverMounting mounting;
    double floorgapneeded; // Int(nominal × 25.4 / 4), + 20 when surface mounted
    Lengths needed;        // as the failed check names it
};

class BreathingRoom : public testing::TestWithParam<BreathingRow> {};

TEST_P(BreathingRoom, NeedsAQuarterOfTheNominalDiameterBelowTheDriver) {
    const BreathingRow& row = GetParam();
    Design d = unknown_driver(row.nominal, row.mounting);
    for (const DisplayUnits units : kEveryUnit) {
        const LengthUnit u = units.length;
        SCOPED_TRACE(word(u));
        d.bottomgap = row.floorgapneeded;
        const Report enough = calculate(d, units);
        EXPECT_EQ(enough.results.floorgapneeded, row.floorgapneeded);
        EXPECT_EQ(enough.checks[lbl_breathingroom].status, CheckStatus::pass);
        d.bottomgap = row.floorgapneeded - 0.5;
        EXPECT_EQ(calculate(d, units).checks[lbl_breathingroom].text,
                  "Bottom endcap to floorplate gap is insufficient for driver to breathe. A "
                  "minimum of " +
                      row.needed.in(u) + " is required");
    }
}

// Inch forms: mm / 25.4, hundredths rounded half up, sixteenths reduced.
INSTANTIATE_TEST_SUITE_P(
    Table, BreathingRoom,
    testing::Values(
        // 203.2 / 4 = 50.8 → 50 = 1.9685 in: 1 + 15.50/16 → 1 15/16; 1.97.
        BreathingRow{
            "EightInchFlush", 8, kFlush, 50, {" 50 mm", " 5 cm", "1 15/16 inches", " 1.97 inches"}},
        // 70 = 2.7559 in: 2 + 12.09/16 → 12/16 = 3/4; 2.76.
        BreathingRow{"EightInchSurface",
                     8,
                     kSurface,
                     70,
                     {" 70 mm", " 7 cm", "2 3/4 inches", " 2.76 inches"}},
        // 254 / 4 = 63.5 → 63 = 2.4803 in: 2 + 7.69/16 → 8/16 = 1/2; 2.48.
        BreathingRow{
            "TenInchFlush", 10, kFlush, 63, {" 63 mm", " 6.3 cm", "2 1/2 inches", " 2.48 inches"}},
        // 83 = 3.2677 in: 3 + 4.28/16 → 4/16 = 1/4; 3.27.
        BreathingRow{"TenInchSurface",
                     10,
                     kSurface,
                     83,
                     {" 83 mm", " 8.3 cm", "3 1/4 inches", " 3.27 inches"}},
        // 304.8 / 4 = 76.2 → 76 = 2.9921 in: 2 + 15.87/16 → 16/16 → 3; 2.99.
        BreathingRow{
            "TwelveInchFlush", 12, kFlush, 76, {" 76 mm", " 7.6 cm", "3 inches", " 2.99 inches"}},
        // 96 = 3.7795 in: 3 + 12.47/16 → 12/16 = 3/4; 3.78.
        BreathingRow{"TwelveInchSurface",
                     12,
                     kSurface,
                     96,
                     {" 96 mm", " 9.6 cm", "3 3/4 inches", " 3.78 inches"}},
        // 381 / 4 = 95.25 → 95 = 3.7402 in: 3 + 11.84/16 → 12/16 = 3/4; 3.74.
        BreathingRow{"FifteenInchFlush",
                     15,
                     kFlush,
                     95,
                     {" 95 mm", " 9.5 cm", "3 3/4 inches", " 3.74 inches"}},
        // 115 = 4.5276 in: 4 + 8.44/16 → 8/16 = 1/2; 4.53.
        BreathingRow{"FifteenInchSurface",
                     15,
                     kSurface,
                     115,
                     {" 115 mm", " 11.5 cm", "4 1/2 inches", " 4.53 inches"}},
        // 457.2 / 4 = 114.3 → 114 = 4.4882 in: 4 + 7.81/16 → 8/16 = 1/2; 4.49.
        BreathingRow{"EighteenInchFlush",
                     18,
                     kFlush,
                     114,
                     {" 114 mm", " 11.4 cm", "4 1/2 inches", " 4.49 inches"}},
        // 134 = 5.2756 in: 5 + 4.41/16 → 4/16 = 1/4; 5.28.
        BreathingRow{"EighteenInchSurface",
                     18,
                     kSurface,
                     134,
                     {" 134 mm", " 13.4 cm", "5 1/4 inches", " 5.28 inches"}}),
    [](const auto& info) { return info.param.name; });

struct ConeRow {
    const char* name;
    int nominal;
    DriverMounting mounting;
    double coneoffset;   // 3 mm per inch of nominal size, - 20 when surface mounted
    double topresonance; // Int(344 / D × 250) × 2, D = 400 - coneoffset - (38 - 19)
};

class ConeOffset : public testing::TestWithParam<ConeRow> {};

// A 400 mm tube, short enough that every millimetre of offset moves the
// resonance. The previous offset, 30, stays for a size without a rule.
TEST_P(ConeOffset, SetsTheDriverToTopResonance) {
    const ConeRow& row = GetParam();
    Design d = unknown_driver(row.nominal, row.mounting);
    d.tubheight = 400;
    Results previous;
    previous.coneoffset = 30;
    for (const DisplayUnits units : kEveryUnit) {
        SCOPED_TRACE(word(units.length));
        const Report r = calculate(d, units, previous);
        EXPECT_EQ(r.results.coneoffset, row.coneoffset);
        EXPECT_EQ(r.results.topresonance, row.topresonance);
        EXPECT_EQ(r.checks[lbl_drv2topres].text,
                  "Driver to box top resonance is  " + std::to_string(int(row.topresonance)) +
                      " hz - add some damping material to inside of top endcap");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ConeOffset,
                         testing::Values(
                             // D = 400 - 24 - 19 = 357: 86000 / 357 = 240.9 → 240 × 2.
                             ConeRow{"EightInchFlush", 8, kFlush, 24, 480},
                             // 24 - 20 = 4, D = 377: 228.1 → 228 × 2.
                             ConeRow{"EightInchSurface", 8, kSurface, 4, 456},
                             // D = 351: 245.01 → 245 × 2.
                             ConeRow{"TenInchFlush", 10, kFlush, 30, 490},
                             // 10, D = 371: 231.8 → 231 × 2.
                             ConeRow{"TenInchSurface", 10, kSurface, 10, 462},
                             // D = 345: 249.3 → 249 × 2.
                             ConeRow{"TwelveInchFlush", 12, kFlush, 36, 498},
                             // 16, D = 365: 235.6 → 235 × 2.
                             ConeRow{"TwelveInchSurface", 12, kSurface, 16, 470},
                             // D = 336: 255.95 → 255 × 2.
                             ConeRow{"FifteenInchFlush", 15, kFlush, 45, 510},
                             // 25, D = 356: 241.6 → 241 × 2.
                             ConeRow{"FifteenInchSurface", 15, kSurface, 25, 482},
                             // D = 327: 262.997 → 262 × 2.
                             ConeRow{"EighteenInchFlush", 18, kFlush, 54, 524},
                             // 34, D = 347: 247.8 → 247 × 2.
                             ConeRow{"EighteenInchSurface", 18, kSurface, 34, 494},
                             // No rule for 11 inch: the previous 30 stays, D = 351 as for 10 inch.
                             ConeRow{"ElevenInchFlushKeepsTheOffset", 11, kFlush, 30, 490},
                             // 30 - 20 = 10, D = 371.
                             ConeRow{"ElevenInchSurfaceTakesTwentyOff", 11, kSurface, 10, 462}),
                         [](const auto& info) { return info.param.name; });

struct HoleRow {
    const char* name;
    int nominal;
    double nominalmm;   // nominal × 25.4
    double endcapsolid; // litres
    const char* kilograms;
    const char* pounds; // Int(weight × 2.2 + 0.5)
};

class DriverHole : public testing::TestWithParam<HoleRow> {};

TEST_P(DriverHole, HasTheNominalDiameterInTheWeight) {
    const HoleRow& row = GetParam();
    for (const DisplayUnits units : kEveryUnit) {
        SCOPED_TRACE(word(units.length));
        const Report r = calculate(unknown_driver(row.nominal, kFlush), units);
        EXPECT_NEAR(r.results.nominalmm, row.nominalmm, 1e-9);
        EXPECT_NEAR(r.results.endcapsolid, row.endcapsolid, 1e-9);
        EXPECT_EQ(r.labels.weight, std::string("Estimated weight ") +
                                       (is_inch_unit(units.length) ? row.pounds : row.kilograms));
    }
}

// Endcaps, with port radius h = 80, tube radius 279.5 and endcap radius 300,
// 19 mm exposed and 19 inside at each end: π × [19 × (300² - 80²) + 19 ×
// (279.5² - 80²) + 19 × (300² - r²) + 19 × (279.5² - r²)] / 1e6 =
// π × (6145369.5 - 38 r²) / 1e6 for the driver hole radius r. The weight adds
// (plates 10.7442468753 + endcaps) × .673270960267079, the PVC port
// 1.46694784 × 1.26 = 1.84835428, the tube 12.9077046562 × .91 = 11.7460112371
// and the generic mass, and is cut to whole kg.
INSTANTIATE_TEST_SUITE_P(
    Table, DriverHole,
    testing::Values(
        // r = 101.6, r² = 10322.56: π × 5753112.22 / 1e6 = 18.073935085631.
        // caps 19.402445 + 1.848354 + 11.746011 + 8 = 40.997 → 40; 88.
        HoleRow{"EightInch", 8, 203.2, 18.073935085631, " 40 kg", " 88 lbs"},
        // r = 127, r² = 16129: π × 5532467.5 / 1e6 = 17.380759254225.
        // caps 18.935750 + 1.848354 + 11.746011 + 10 = 42.53 → 42; 92.4 → 92.
        HoleRow{"TenInch", 10, 254, 17.380759254225, " 42 kg", " 92 lbs"},
        // r = 152.4, r² = 23225.76: π × 5262790.62 / 1e6 = 16.533544349174.
        // caps 18.365345 + ... + 15 = 46.96 → 46; 101.2 → 101.
        HoleRow{"TwelveInch", 12, 304.8, 16.533544349174, " 46 kg", " 101 lbs"},
        // r = 190.5, r² = 36290.25: π × 4766340 / 1e6 = 14.973898728512.
        // caps 17.315281 + ... + 16 = 46.91 → 46; 101.
        HoleRow{"FifteenInch", 15, 381, 14.973898728512, " 46 kg", " 101 lbs"},
        // r = 228.6, r² = 52257.96: π × 4159567.02 / 1e6 = 13.067665192147.
        // caps 16.031869 + ... + 25 = 54.63 → 54; 118.8 → 119.
        HoleRow{"EighteenInch", 18, 457.2, 13.067665192147, " 54 kg", " 119 lbs"}),
    [](const auto& info) { return info.param.name; });

} // namespace
