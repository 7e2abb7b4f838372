// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sweep.h"

#include "tests/core/impedance_model.h"
#include "tests/core/param_names.h"
#include <gtest/gtest.h>

using namespace cylindra;
using cylindra::testing::SweepStyle;
using cylindra::testing::VentedBox;

namespace {

struct Alignment {
    const char* name;
    VentedBox box;
};

class GeneratedSweep : public ::testing::TestWithParam<Alignment> {};

// Subwoofer alignments tuned from 15 to 60 Hz, below, at and above the
// driver's resonance; each read from several noisy sweeps.
TEST_P(GeneratedSweep, MinimumFoundWithinOnePercent) {
    const VentedBox& box = GetParam().box;
    const double truth = cylindra::testing::impedance_minimum_hz(box);
    // The model's minimum lies near the tuning it was built with; losses move it a little.
    ASSERT_NEAR(truth / box.fb, 1, 0.08);
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        const SweepReading sweep = parse_sweep(cylindra::testing::sweep_text(box, {.seed = seed}));
        ASSERT_EQ(sweep.error, "");
        const TuningFound found = find_tuning(sweep.points);
        ASSERT_TRUE(found.found) << found.error;
        EXPECT_NEAR(found.minimum.hz / truth, 1, 0.01) << "seed " << seed;
        EXPECT_LT(found.low_peak.hz, found.minimum.hz);
        EXPECT_GT(found.high_peak.hz, found.minimum.hz);
        EXPECT_GT(found.low_peak.ohms, found.minimum.ohms);
        EXPECT_GT(found.high_peak.ohms, found.minimum.ohms);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, GeneratedSweep,
    ::testing::Values(
        Alignment{"Fb15WellBelowFs", {.fs = 22, .qes = 0.45, .alpha = 1.2, .fb = 15}},
        Alignment{"Fb18InALargeBox", {.fs = 24, .qes = 0.4, .alpha = 1.5, .fb = 18, .ql = 10}},
        Alignment{"Fb20", {.fs = 24, .qes = 0.4, .alpha = 1, .fb = 20}},
        Alignment{"Fb25AtFs", {.fs = 25, .qes = 0.45, .alpha = 1, .fb = 25}},
        Alignment{"Fb25LeakyBox", {.fs = 30, .qes = 0.45, .alpha = 1, .fb = 25, .ql = 3}},
        Alignment{"Fb32", {.fs = 28, .qes = 0.35, .alpha = 0.8, .fb = 32}},
        Alignment{"Fb40AboveFs", {.fs = 30, .qes = 0.45, .alpha = 0.5, .fb = 40}},
        Alignment{"Fb50", {.fs = 35, .qes = 0.35, .alpha = 0.7, .fb = 50}},
        Alignment{"Fb60", {.fs = 40, .qes = 0.35, .alpha = 0.8, .fb = 60}}),
    [](const auto& info) { return info.param.name; });

} // namespace

namespace {

const VentedBox kBox{.fs = 24, .qes = 0.4, .alpha = 1, .fb = 20};

struct Layout {
    const char* name;
    SweepStyle style;
};

class SweepLayout : public ::testing::TestWithParam<Layout> {};

// Every way a program may write its export reads as the same sweep.
TEST_P(SweepLayout, ReadsAsTheSameSweep) {
    const SweepReading plain = parse_sweep(cylindra::testing::sweep_text(kBox));
    const SweepReading read = parse_sweep(cylindra::testing::sweep_text(kBox, GetParam().style));
    ASSERT_EQ(read.error, "");
    ASSERT_EQ(read.points.size(), plain.points.size());
    for (std::size_t i = 0; i < read.points.size(); ++i) {
        EXPECT_DOUBLE_EQ(read.points[i].hz, plain.points[i].hz);
        EXPECT_DOUBLE_EQ(read.points[i].ohms, plain.points[i].ohms);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, SweepLayout,
    ::testing::Values(Layout{"Commas", {.separator = ","}},
                      Layout{"CommaAndBlank", {.separator = ", "}},
                      Layout{"Blanks", {.separator = "   "}}, Layout{"NoPhase", {.phase = false}},
                      Layout{"CrLf", {.newline = "\r\n"}}, Layout{"OldMacLines", {.newline = "\r"}},
                      Layout{"WordHeader", {.header = "Frequency Impedance Phase\nHz, Ohm, Deg\n"}},
                      Layout{"NoHeader", {.header = ""}},
                      Layout{"BlankLinesAndStars", {.header = "\n\n*\n** note\n\t\n"}}),
    [](const auto& info) { return info.param.name; });

struct Damaged {
    const char* name;
    std::string text;
    const char* reason; // part of the error
};

std::string lines(int count, const char* pattern) {
    std::string out;
    for (int i = 1; i <= count; ++i) {
        char line[64];
        std::snprintf(line, sizeof line, pattern, 10.0 * i, 5.0 + i);
        out += line;
    }
    return out;
}

class DamagedSweep : public ::testing::TestWithParam<Damaged> {};

TEST_P(DamagedSweep, RejectedWithItsReason) {
    const SweepReading read = parse_sweep(GetParam().text);
    EXPECT_TRUE(read.points.empty());
    EXPECT_NE(read.error.find(GetParam().reason), std::string::npos) << read.error;
}

INSTANTIATE_TEST_SUITE_P(
    Table, DamagedSweep,
    ::testing::Values(
        Damaged{"Empty", "", "no lines of frequency and impedance"},
        Damaged{"TextOnly", "This is a letter.\nDear builder,\n", "no lines of frequency"},
        Damaged{"OneColumn", lines(30, "%g\n"), "line 1: a frequency without an impedance"},
        Damaged{"TooFewPoints", lines(19, "%g %g\n"), "only 19 points"},
        Damaged{"NotANumber", lines(25, "%g %g\n") + "260 nan\n", "line 26: a number that is not"},
        Damaged{"Infinite", "inf 5\n" + lines(25, "%g %g\n"), "line 1: a number that is not"},
        Damaged{"Overflow", lines(25, "%g %g\n") + "260 1e999\n", "line 26: a frequency without"},
        Damaged{"ZeroFrequency", "0 5\n" + lines(25, "%g %g\n"), "line 1: a frequency or"},
        Damaged{"NegativeImpedance", lines(25, "%g %g\n") + "260 -3\n", "out of range"},
        // A frequency too small for its decade to be drawn once hung the plot.
        Damaged{"SubnormalFrequency", "5e-324 6.1\n" + lines(25, "%g %g\n"),
                "line 1: a frequency or"},
        Damaged{"BelowATenthOfAHertz", "0.09 6.1\n" + lines(25, "%g %g\n"),
                "from 0.1 Hz to 10 MHz"},
        Damaged{"AboveTenMegahertz", lines(25, "%g %g\n") + "2e7 6\n", "line 26: a frequency or"},
        Damaged{"MegohmImpedance", lines(25, "%g %g\n") + "260 2e6\n", "up to 1 megohm"},
        Damaged{"DecreasingFrequency", lines(25, "%g %g\n") + "200 6\n",
                "line 26: the frequencies"},
        Damaged{"RepeatedFrequency", lines(25, "%g %g\n") + "250 6\n", "do not rise"},
        Damaged{"CrLfCountsOneLine", lines(25, "%g %g\r\n") + "250 6\r\n",
                "line 26: the frequencies"},
        Damaged{"WordForImpedance", "20 six\n" + lines(25, "%g %g\n"),
                "line 1: a frequency without"},
        Damaged{"LongLine", lines(25, "%g %g\n") + std::string(2000, ' ') + "\n",
                "line 26: longer"},
        Damaged{"TooManyPoints", lines(int(kMostSweepPoints) + 1, "%.0f %g\n"),
                "more than 100000 points"}),
    [](const auto& info) { return info.param.name; });

struct Readable {
    const char* name;
    std::string text;
    std::size_t points;
};

class ReadableSweep : public ::testing::TestWithParam<Readable> {};

// Sweeps at the edge of what is accepted are read whole.
TEST_P(ReadableSweep, ReadsEveryPoint) {
    const SweepReading read = parse_sweep(GetParam().text);
    EXPECT_EQ(read.error, "");
    EXPECT_EQ(read.points.size(), GetParam().points);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadableSweep,
    ::testing::Values(Readable{"FewestPoints", lines(int(kFewestSweepPoints), "%g %g\n"), 20},
                      Readable{"LongestLine",
                               lines(25, "%g %g\n") + "260 6" +
                                   std::string(kLongestSweepLine - 5, ' ') + "\n",
                               26},
                      Readable{"PlusSigns", lines(25, "+%g +%g\n"), 25}),
    [](const auto& info) { return info.param.name; });

struct Shape {
    const char* name;
    double (*ohms)(double hz);
};

class NoTuning : public ::testing::TestWithParam<Shape> {};

// Curves without two peaks and a valley: no tuning is made up.
TEST_P(NoTuning, NotFound) {
    std::vector<SweepPoint> points;
    for (int i = 0; i < 200; ++i) {
        const double hz = 5 * std::pow(100.0, i / 199.0);
        points.push_back({hz, GetParam().ohms(hz)});
    }
    const TuningFound found = find_tuning(points);
    EXPECT_FALSE(found.found);
    EXPECT_EQ(found.error, "no two impedance peaks with a valley between them");
}

INSTANTIATE_TEST_SUITE_P(
    Table, NoTuning,
    ::testing::Values(Shape{"Flat", [](double) { return 6.0; }},
                      Shape{"SealedBoxOnePeak",
                            [](double hz) {
                                return 6 + 40 / (1 + std::pow(std::log(hz / 40) * 6, 2));
                            }},
                      Shape{"PeaksOnlyAtTheIgnoredEnds",
                            [](double hz) { return hz < 5.3 || hz > 470 ? 50.0 : 6.0; }},
                      Shape{"ValleyTooShallow",
                            [](double hz) {
                                return 6 + 1 / (1 + std::pow(std::log(hz / 20) * 6, 2)) +
                                       1 / (1 + std::pow(std::log(hz / 60) * 6, 2));
                            }}),
    [](const auto& info) { return info.param.name; });

} // namespace

namespace {

struct Stray {
    const char* name;
    double near_hz; // the point nearest this frequency is spoiled
    double ohms;
};

class StrayPoint : public ::testing::TestWithParam<Stray> {};

// One spoiled point, as a loose probe gives, moves neither the minimum nor
// lifts it above the peaks.
TEST_P(StrayPoint, LeavesTheMinimum) {
    const VentedBox box{.fs = 24, .qes = 0.4, .alpha = 1, .fb = 20};
    SweepReading sweep = parse_sweep(cylindra::testing::sweep_text(box));
    ASSERT_EQ(sweep.error, "");
    std::size_t nearest = 0;
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const auto distance = [&](std::size_t j) {
            return std::fabs(std::log(sweep.points[j].hz / GetParam().near_hz));
        };
        nearest = distance(i) < distance(nearest) ? i : nearest;
    }
    sweep.points[nearest].ohms = GetParam().ohms;
    const TuningFound found = find_tuning(sweep.points);
    ASSERT_TRUE(found.found);
    EXPECT_NEAR(found.minimum.hz / cylindra::testing::impedance_minimum_hz(box), 1, 0.01);
    EXPECT_LT(found.minimum.ohms, found.low_peak.ohms);
    EXPECT_LT(found.minimum.ohms, found.high_peak.ohms);
}

INSTANTIATE_TEST_SUITE_P(Table, StrayPoint,
                         ::testing::Values(Stray{"DropAtTheLowPeak", 12.9, 0.02},
                                           Stray{"DropAtTheHighPeak", 37, 0.02},
                                           Stray{"DropInTheValley", 20.5, 0.02},
                                           Stray{"SpikeInTheValley", 20.5, 500}),
                         [](const auto& info) { return info.param.name; });

} // namespace
