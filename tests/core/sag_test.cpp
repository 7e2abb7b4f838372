// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/sag.h"

#include "core/calculation.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

using namespace cylindra;

namespace {

struct Sag {
    const char* name;
    const char* xmax;
    const char* fs;
    const char* text; // "" for a cleared result
    std::uint32_t background;
};

class SagCalculator : public testing::TestWithParam<Sag> {};

TEST_P(SagCalculator, ShowsTheSagAndItsVerdict) {
    const Sag& s = GetParam();
    const SagResult r = findsag(s.xmax, s.fs);
    EXPECT_EQ(r.text, s.text);
    EXPECT_EQ(r.shown, *s.text != '\0');
    EXPECT_EQ(r.background, s.background);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SagCalculator,
    testing::Values(
        Sag{"Excessive", "10", "20", "Sag of  6.2% is excessive", colour::red},
        Sag{"RoundedDown", "25", "25", "Sag of  1.5% is acceptable", colour::green},
        Sag{"JustBelowFive", "10", "22.3", "Sag of  4.9% is acceptable", colour::green},
        Sag{"FivePointZeroIsAcceptable", "49.2", "10", "Sag of  5% is acceptable", colour::green},
        Sag{"Tiny", "100", "100", "Sag of  0% is acceptable", colour::green},
        Sag{"NoUpperLimit", "12", "0.5", "Sag of  8283% is excessive", colour::red},
        Sag{"TrailingLetters", "10mm", "20 Hz", "Sag of  6.2% is excessive", colour::red},
        Sag{"Empty", "", "20", "", colour::windowgrey},
        Sag{"Zero", "10", "0", "", colour::windowgrey},
        Sag{"Negative", "-10", "20", "", colour::windowgrey},
        Sag{"Letters", "ten", "20", "", colour::windowgrey},
        Sag{"TinyXmaxWouldOverflow", "1e-320", "1e-10", "", colour::windowgrey},
        Sag{"TinyFsWouldOverflow", "10", "1e-200", "", colour::windowgrey}),
    [](const auto& info) { return info.param.name; });

} // namespace
