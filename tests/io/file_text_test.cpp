// SPDX-License-Identifier: GPL-3.0-or-later
// The files as bytes: line ends, byte-order mark, Latin-1 and UTF-8 text,
// the longest line read, and the lines after the last that are never read.
#include "io/design_file.h"

#include "tests/core/param_names.h"
#include "tests/io/line_reading.h"
#include <gtest/gtest.h>

using namespace cylindra;
using namespace cylindra::io;
using namespace cylindra::test;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

std::string distinct_file(bool preferences, std::string_view end = "\r\n") {
    return file_of(file_lines(preferences, true), end);
}

std::string without_last_line_end(std::string bytes) {
    bytes.erase(bytes.find_last_not_of("\r\n") + 1);
    return bytes;
}

// Every other line ended by a bare line feed.
std::string mixed_line_ends() {
    std::string bytes;
    const auto& lines = kDistinctProject;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bytes += lines[i] + (i % 2 == 0 ? "\r\n" : "\n");
    }
    return bytes;
}

struct FileBytes {
    const char* name;
    bool preferences;
    std::string (*bytes)();
    std::size_t applied;
};

class LineEnds : public testing::TestWithParam<FileBytes> {};

TEST_P(LineEnds, SplitTheFileIntoItsLines) {
    const FileBytes& f = GetParam();
    const auto r = read_file(f.preferences, f.bytes(), default_design());
    EXPECT_EQ(r.applied, f.applied);
    EXPECT_EQ(r.outcome, f.applied == line_count(f.preferences) ? ReadOutcome::complete
                                                                : ReadOutcome::rejected_line);
    EXPECT_EQ(field_texts(r.design),
              expected_texts(distinct_design(), default_design(), f.applied, f.preferences));
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineEnds,
    testing::Values(
        FileBytes{"CarriageReturnAndLineFeed", false, [] { return distinct_file(false); }, 38},
        FileBytes{"LineFeedAlone", false, [] { return distinct_file(false, "\n"); }, 38},
        FileBytes{"NoEndAfterTheLastLine", false,
                  [] { return without_last_line_end(distinct_file(false)); }, 38},
        FileBytes{"LineFeedsAndNoEndAfterTheLast", false,
                  [] { return without_last_line_end(distinct_file(false, "\n")); }, 38},
        FileBytes{"MixedLineEnds", false, mixed_line_ends, 38},
        FileBytes{"ByteOrderMark", false, [] { return kBom + distinct_file(false); }, 38},
        FileBytes{"EmptyLineAfterTheLast", false, [] { return distinct_file(false) + "\r\n"; }, 38},
        FileBytes{"GarbageAfterTheLastLine", false,
                  [] { return distinct_file(false) + "Metric\r\n" + std::string(5000, 'x'); }, 38},
        FileBytes{"CarriageReturnAloneEndsNoLine", false, [] { return distinct_file(false, "\r"); },
                  0},
        FileBytes{"SecondByteOrderMarkIsText", false,
                  [] { return kBom + kBom + distinct_file(false); }, 0},
        FileBytes{"PreferencesLineFeedAlone", true, [] { return distinct_file(true, "\n"); }, 17},
        FileBytes{"PreferencesByteOrderMark", true, [] { return kBom + distinct_file(true); }, 17},
        FileBytes{"PreferencesGarbageAfterTheLastLine", true,
                  [] { return distinct_file(true) + "x\r\n"; }, 17}),
    [](const auto& info) { return info.param.name; });

// The distinct project with its name line, and optionally one more line,
// replaced by raw bytes.
struct NameBytes {
    const char* name;
    const char* name_line;
    std::size_t other_line; // 0: none
    const char* other_text;
    const char* read_name; // UTF-8
};

class NameEncoding : public testing::TestWithParam<NameBytes> {};

TEST_P(NameEncoding, IsUtf8WhenTheFileIsValidUtf8AndLatin1Otherwise) {
    const NameBytes& n = GetParam();
    auto lines = kDistinctProject;
    lines[10] = n.name_line;
    if (n.other_line != 0) {
        lines.resize(std::max(lines.size(), n.other_line));
        lines[n.other_line - 1] = n.other_text;
    }
    const auto r = read_project(file_of(lines), default_design());
    EXPECT_EQ(r.applied, 38u);
    EXPECT_EQ(r.design.drivername, n.read_name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NameEncoding,
    testing::Values(
        NameBytes{"Latin1", "Caf\xE9", 0, "", "Caf\xC3\xA9"},
        NameBytes{"Utf8", "Caf\xC3\xA9", 0, "", "Caf\xC3\xA9"},
        NameBytes{"Utf8BeyondLatin1", "\xCE\xA9 \xE2\x82\xAC \xF0\x9F\x94\x8A", 0, "",
                  "\xCE\xA9 \xE2\x82\xAC \xF0\x9F\x94\x8A"},
        NameBytes{"Latin1ByteOnAnotherLineMakesTheFileLatin1", "Caf\xC3\xA9", 17, " 1500\xB0",
                  "Caf\xC3\x83\xC2\xA9"},
        NameBytes{"Latin1ByteAfterTheLastLineIsNotRead", "Caf\xC3\xA9", 39, "\xE9", "Caf\xC3\xA9"},
        NameBytes{"BrokenUtf8ReadsAsLatin1", "\xC3(", 0, "", "\xC3\x83("},
        NameBytes{"OverlongFormIsNotUtf8", "\xC0\xAF", 0, "", "\xC3\x80\xC2\xAF"},
        NameBytes{"SurrogateIsNotUtf8", "\xED\xA0\x80", 0, "", "\xC3\xAD\xC2\xA0\xC2\x80"},
        NameBytes{"BeyondUnicodeIsNotUtf8", "\xF4\x90\x80\x80", 0, "",
                  "\xC3\xB4\xC2\x90\xC2\x80\xC2\x80"},
        NameBytes{"CutSequenceIsNotUtf8", "ab\xE2\x82", 0, "", "ab\xC3\xA2\xC2\x82"}),
    [](const auto& info) { return info.param.name; });

struct WrittenName {
    const char* name;
    std::string record_name; // UTF-8, as the driver dialog holds it
    std::string on_disk;     // the name line's bytes
    std::string read_back;
};

class NameWriting : public testing::TestWithParam<WrittenName> {};

TEST_P(NameWriting, UsesLatin1WhenItFitsAndReadsBack) {
    const WrittenName& w = GetParam();
    Design d = distinct_design();
    d.drivername = w.record_name;
    const std::string bytes = project_bytes(d);
    auto lines = kDistinctProject;
    lines[10] = w.on_disk;
    EXPECT_EQ(bytes, file_of(lines));
    const auto r = read_project(bytes, default_design());
    EXPECT_EQ(r.applied, 38u);
    EXPECT_EQ(r.design.drivername, w.read_back);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NameWriting,
    testing::Values(WrittenName{"Ascii", "Bass 15", "Bass 15", "Bass 15"},
                    WrittenName{"Empty", "", "", ""},
                    WrittenName{"Latin1", "Caf\xC3\xA9", "Caf\xE9", "Caf\xC3\xA9"},
                    WrittenName{"BeyondLatin1", "\xCE\xA9", "\xCE\xA9", "\xCE\xA9"},
                    WrittenName{"Latin1AndBeyond", "\xC3\xA9\xE2\x82\xAC", "\xC3\xA9\xE2\x82\xAC",
                                "\xC3\xA9\xE2\x82\xAC"},
                    WrittenName{"Latin1ThatWouldReadAsUtf8", "\xC3\x83\xC2\xA9", "\xC3\x83\xC2\xA9",
                                "\xC3\x83\xC2\xA9"},
                    WrittenName{"LineFeedBecomesABlank", "a\nb", "a b", "a b"},
                    WrittenName{"CarriageReturnAndLineFeedBecomeBlanks", "a\r\nb", "a  b", "a  b"},
                    WrittenName{"LongestLine", std::string(4096, 'x'), std::string(4096, 'x'),
                                std::string(4096, 'x')},
                    WrittenName{"LongNameIsCut", std::string(5000, 'x'), std::string(4096, 'x'),
                                std::string(4096, 'x')},
                    WrittenName{"CutNeverSplitsACharacter", std::string(4095, 'x') + "\xC3\xA9",
                                std::string(4095, 'x'), std::string(4095, 'x')},
                    WrittenName{"CutCountsUtf8Bytes", std::string(4094, 'x') + "\xC3\xA9",
                                std::string(4094, 'x') + "\xE9",
                                std::string(4094, 'x') + "\xC3\xA9"},
                    WrittenName{"CutKeepsAWholeFourByteCharacter",
                                std::string(4092, 'x') + "\xF0\x9F\x94\x8A" + "y",
                                std::string(4092, 'x') + "\xF0\x9F\x94\x8A",
                                std::string(4092, 'x') + "\xF0\x9F\x94\x8A"}),
    [](const auto& info) { return info.param.name; });

// A line of `count` times `unit` on disk, reading as `count` times
// `unit_read` when accepted.
struct LongLine {
    const char* name;
    bool preferences;
    std::size_t line;
    const char* unit;
    const char* unit_read;
    std::size_t count;
    bool accepted;
};

class LineLength : public testing::TestWithParam<LongLine> {};

TEST_P(LineLength, BeyondTheLongestLineRejectsThatLine) {
    const LongLine& l = GetParam();
    std::string text;
    for (std::size_t i = 0; i < l.count; ++i) {
        text += l.unit;
    }
    const auto r = read_replaced(l.preferences, l.line, text);
    if (!l.accepted) {
        expect_rejected_at(r, l.preferences, l.line);
        return;
    }
    EXPECT_EQ(r.applied, line_count(l.preferences));
    std::string read;
    for (std::size_t i = 0; i < l.count; ++i) {
        read += l.unit_read;
    }
    EXPECT_EQ(l.line == 1 ? r.design.projectfolder : r.design.drivername, read);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LineLength,
    testing::Values(LongLine{"NameOf4096Bytes", false, 11, "x", "x", 4096, true},
                    LongLine{"NameOf4097BytesRejects", false, 11, "x", "x", 4097, false},
                    LongLine{"NameOf5000BytesRejects", false, 11, "x", "x", 5000, false},
                    LongLine{"Utf8NameOf4096Bytes", false, 11, "\xC3\xA9", "\xC3\xA9", 2048, true},
                    LongLine{"Latin1NameOf4096Bytes", false, 11, "\xE9", "\xC3\xA9", 4096, true},
                    LongLine{"Latin1NameOf4097BytesRejects", false, 11, "\xE9", "", 4097, false},
                    LongLine{"NumberLineOf5000BytesRejects", false, 17, "1", "", 5000, false},
                    LongLine{"LastLineOf5000BytesRejects", false, 38, " ", "", 5000, false},
                    LongLine{"OptionLineOf5000BytesRejects", false, 1, "x", "", 5000, false},
                    LongLine{"FolderOf4096Bytes", true, 1, "/", "/", 4096, true},
                    LongLine{"FolderOf5000BytesRejects", true, 1, "/", "", 5000, false},
                    LongLine{"PreferencesNameOf5000BytesRejects", true, 12, "x", "", 5000, false}),
    [](const auto& info) { return info.param.name; });

struct Folder {
    const char* name;
    const char* folder; // UTF-8, as the record holds it
    const char* read_back;
};

class FolderWriting : public testing::TestWithParam<Folder> {};

TEST_P(FolderWriting, ReadsBackFromTheFirstLineOfThePreferences) {
    Design d = distinct_design();
    d.projectfolder = GetParam().folder;
    const auto r = read_preferences(preference_bytes(d), default_design());
    EXPECT_EQ(r.applied, 17u);
    EXPECT_EQ(r.design.projectfolder, GetParam().read_back);
}

INSTANTIATE_TEST_SUITE_P(Table, FolderWriting,
                         testing::Values(Folder{"Ascii", "/home/ann", "/home/ann"},
                                         Folder{"Latin1", "/home/Zo\xC3\xAB", "/home/Zo\xC3\xAB"},
                                         Folder{"BeyondLatin1", "/home/\xCE\xA9", "/home/\xCE\xA9"},
                                         Folder{"LineFeedBecomesABlank", "/a\nb", "/a b"},
                                         Folder{"StartingWithZeroWidthNoBreakSpace",
                                                "\xEF\xBB\xBF/home", "\xEF\xBB\xBF/home"},
                                         Folder{"StartingWithTheLatin1LettersOfAByteOrderMark",
                                                "\xC3\xAF\xC2\xBB\xC2\xBF/home/\xC3\xA9",
                                                "\xC3\xAF\xC2\xBB\xC2\xBF/home/\xC3\xA9"}),
                         [](const auto& info) { return info.param.name; });

// The distinct project up to a UTF-8 name, then a line too long to be read.
std::string name_then_long_line(std::string_view long_line) {
    auto lines = kDistinctProject;
    lines[10] = "Caf\xC3\xA9";
    lines[11] = long_line;
    lines.resize(12);
    return file_of(lines);
}

// A UTF-8 file whose line 12 is too long and whose line 13 holds a two-byte
// character that the read bound cuts in half.
std::string character_across_the_read_bound() {
    const std::size_t bound = bytes_needed(kProjectLines);
    std::string head = name_then_long_line("");
    head.resize(head.size() - 2); // line 12 grows to end 99 bytes before the bound
    head += std::string(bound - 99 - 2 - head.size(), '1') + "\r\n";
    return head + std::string(98, 'a') + "\xC3\xA9\r\n";
}

struct Decision {
    const char* name;
    std::string (*bytes)();
    const char* read_name;
};

class EncodingDecision : public testing::TestWithParam<Decision> {};

TEST_P(EncodingDecision, RestsOnTheLinesThatCanBeApplied) {
    const auto r = read_project(GetParam().bytes(), default_design());
    EXPECT_EQ(r.applied, 11u);
    EXPECT_EQ(r.design.drivername, GetParam().read_name);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EncodingDecision,
    testing::Values(Decision{"Latin1ByteInATooLongLine",
                             [] { return name_then_long_line("12\xB0" + std::string(5000, '0')); },
                             "Caf\xC3\xA9"},
                    Decision{"WholeFileWithACharacterAcrossTheReadBound",
                             character_across_the_read_bound, "Caf\xC3\xA9"},
                    Decision{"ReadBoundCuttingACharacterInHalf",
                             [] {
                                 return character_across_the_read_bound().substr(0,
                                                                                 bytes_needed(38));
                             },
                             "Caf\xC3\xA9"},
                    Decision{"Latin1ByteBeforeATooLongLineStillDecides",
                             [] {
                                 std::string bytes = name_then_long_line(std::string(5000, '0'));
                                 return bytes.replace(bytes.find(" 3\r\n"), 2, " 3\xB0");
                             },
                             "Caf\xC3\x83\xC2\xA9"}),
    [](const auto& info) { return info.param.name; });

} // namespace
