// SPDX-License-Identifier: GPL-3.0-or-later
// What each line of the project and preferences files accepts, and what a
// reading that stops early leaves behind.
#include "io/design_file.h"

#include "tests/core/param_names.h"
#include "tests/io/line_reading.h"
#include <gtest/gtest.h>

#include <optional>

using namespace cylindra;
using namespace cylindra::io;
using namespace cylindra::test;

namespace {

struct Written {
    const char* name;
    bool preferences;
    bool distinct;
};

class WrittenFile : public testing::TestWithParam<Written> {};

TEST_P(WrittenFile, HoldsOneValueOnEachLineInTableOrder) {
    const Written& w = GetParam();
    const Design d = w.distinct ? distinct_design() : default_design();
    EXPECT_EQ(w.preferences ? preference_lines(d) : project_lines(d),
              file_lines(w.preferences, w.distinct));
}

TEST_P(WrittenFile, ReadsIntoTheRecordItWasWrittenFrom) {
    const Written& w = GetParam();
    const Design file = w.distinct ? distinct_design() : default_design();
    const Design current = w.distinct ? default_design() : distinct_design();
    const auto r =
        read_file(w.preferences, file_of(file_lines(w.preferences, w.distinct)), current);
    EXPECT_EQ(r.outcome, ReadOutcome::complete);
    EXPECT_EQ(r.applied, line_count(w.preferences));
    EXPECT_EQ(field_texts(r.design),
              expected_texts(file, current, line_count(w.preferences), w.preferences));
}

INSTANTIATE_TEST_SUITE_P(Table, WrittenFile,
                         testing::Values(Written{"DefaultProject", false, false},
                                         Written{"DistinctProject", false, true},
                                         Written{"DefaultPreferences", true, false},
                                         Written{"DistinctPreferences", true, true}),
                         [](const auto& info) { return info.param.name; });

struct EarlyEnd {
    const char* name;
    bool preferences;
    std::size_t lines; // lines the file holds
};

class ShortFile : public testing::TestWithParam<EarlyEnd> {};

TEST_P(ShortFile, AppliesItsLinesThenRejectsTheMissingOne) {
    const EarlyEnd& e = GetParam();
    auto lines = file_lines(e.preferences, true);
    lines.resize(e.lines);
    const auto r = read_file(e.preferences, file_of(lines), default_design());
    EXPECT_EQ(r.outcome, ReadOutcome::rejected_line);
    EXPECT_EQ(r.applied, e.lines);
    EXPECT_EQ(field_texts(r.design),
              expected_texts(distinct_design(), default_design(), e.lines, e.preferences));
}

INSTANTIATE_TEST_SUITE_P(Table, ShortFile,
                         testing::Values(EarlyEnd{"EmptyProject", false, 0},
                                         EarlyEnd{"ProjectOfOneLine", false, 1},
                                         EarlyEnd{"ProjectEndingAfterTheName", false, 11},
                                         EarlyEnd{"ProjectOfTwentyLines", false, 20},
                                         EarlyEnd{"ProjectWithoutItsLastLine", false, 37},
                                         EarlyEnd{"EmptyPreferences", true, 0},
                                         EarlyEnd{"PreferencesWithOnlyTheFolder", true, 1},
                                         EarlyEnd{"PreferencesWithoutTheSolveMode", true, 16}),
                         [](const auto& info) { return info.param.name; });

// A line whose text is checked against a fixed set of words, or taken as it
// stands (the name and the folder). field_text: what the field reads as
// afterwards, or null when the line is rejected.
struct OneLine {
    const char* name;
    bool preferences;
    std::size_t line;
    const char* text;
    const char* field_text;
};

class LineText : public testing::TestWithParam<OneLine> {};

TEST_P(LineText, IsAcceptedOnlyAsTheLineTableSays) {
    const OneLine& o = GetParam();
    const auto r = read_replaced(o.preferences, o.line, o.text);
    if (o.field_text == nullptr) {
        expect_rejected_at(r, o.preferences, o.line);
        return;
    }
    EXPECT_EQ(r.outcome, ReadOutcome::complete);
    EXPECT_EQ(r.applied, line_count(o.preferences));
    EXPECT_EQ(field_texts(r.design), accepted_texts(o.preferences, o.line, o.field_text));
}

INSTANTIATE_TEST_SUITE_P(
    Options, LineText,
    testing::Values(OneLine{"CapitalisedUnitRejectsTheFirstLine", false, 1, "Metric", nullptr},
                    OneLine{"LeadingBlankRejects", false, 1, " metric", nullptr},
                    OneLine{"TrailingBlankRejects", false, 1, "metric ", nullptr},
                    OneLine{"TrailingTabRejects", false, 1, "metric\t", nullptr},
                    OneLine{"Metric", false, 1, "metric", "metric"},
                    OneLine{"Centimetres", false, 1, "metric-cm", "metric-cm"},
                    OneLine{"DecimalInches", false, 1, "decimalinches", "decimalinches"},
                    OneLine{"CubicFeet", false, 2, "cu.ft", "cu.ft"},
                    OneLine{"CapitalisedVolumeRejects", false, 2, "Litres", nullptr},
                    OneLine{"Grille", false, 3, "grille", "grille"},
                    OneLine{"EmptyOptionRejects", false, 3, "", nullptr},
                    OneLine{"SurfaceMounted", false, 4, "surfacemounted", "surfacemounted"},
                    OneLine{"ExitUnflared", false, 5, "exitunflared", "exitunflared"},
                    OneLine{"IntakeFlared", false, 6, "intakeflared", "intakeflared"},
                    OneLine{"Sonotube", false, 7, "sonotube", "sonotube"},
                    OneLine{"LowerCasePvcRejects", false, 7, "pvc", nullptr},
                    OneLine{"DriverManual", false, 8, "drivermanual", "manual"},
                    OneLine{"BooleanWordRejects", false, 8, "True", nullptr},
                    OneLine{"EightInch", false, 9, "nominal8", "8"},
                    OneLine{"EighteenInch", false, 9, "nominal18", "18"},
                    OneLine{"NominalOutsideTheFiveRejects", false, 9, "nominal9", nullptr},
                    OneLine{"NominalWithBlankRejects", false, 9, "nominal 10", nullptr},
                    OneLine{"BareNominalNumberRejects", false, 9, "10", nullptr},
                    OneLine{"SolveForVolume", false, 16, "opt_vol", "opt_vol"},
                    OneLine{"CapitalisedSolveModeRejects", false, 16, "Opt_vol", nullptr},
                    OneLine{"PreferencesCapitalisedUnitRejects", true, 2, "Metric", nullptr},
                    OneLine{"PreferencesSolveForVolume", true, 17, "opt_vol", "opt_vol"},
                    OneLine{"PreferencesLowerCasePvcRejects", true, 8, "pvc", nullptr}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Texts, LineText,
    testing::Values(OneLine{"EmptyNameIsAName", false, 11, "", ""},
                    OneLine{"NameKeepsItsBlanks", false, 11, " Bass  15 ", " Bass  15 "},
                    OneLine{"NameMayLookLikeAnOption", false, 11, "metric", "metric"},
                    OneLine{"NameMayLookLikeANumber", false, 11, " 12", " 12"},
                    OneLine{"PreferencesEmptyName", true, 12, "", ""},
                    OneLine{"EmptyFolderKeepsTheFolder", true, 1, "", kDistinctFolder},
                    OneLine{"FolderThatNeedNotExist", true, 1, "/no/such/folder",
                            "/no/such/folder"},
                    OneLine{"BlankFolderIsAFolder", true, 1, " ", " "}),
    [](const auto& info) { return info.param.name; });

} // namespace
