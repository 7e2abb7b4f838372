// SPDX-License-Identifier: GPL-3.0-or-later
// Every design written to either file reads back to the same record, to 15
// significant digits, through 100,000 seeded random designs each.
#include "io/design_file.h"

#include "tests/core/param_names.h"
#include "tests/io/design_fields.h"
#include "tests/io/random_designs.h"
#include "tests/io/sample_files.h"
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iomanip>
#include <map>
#include <set>

using namespace cylindra;
using namespace cylindra::io;
using namespace cylindra::test;

namespace {

constexpr std::uint64_t kSeed = 0x5EED'C71D'2003;
#ifdef CYLINDRA_ROUND_TRIPS
constexpr int kDesigns = CYLINDRA_ROUND_TRIPS;
#else
constexpr int kDesigns = 100'000;
#endif

struct FileKind {
    const char* name;
    bool preferences;
};

std::size_t field_on_project_line(std::size_t line) {
    std::size_t i = 0;
    while (kFileFields[i].project_line != line) {
        ++i;
    }
    return i;
}

// What a reading of the drawn design's file must leave in the current
// record, field by field, from the texts of both records' fields.
std::vector<std::string> expected_after_reading(const RandomDesigns::Drawn& drawn,
                                                std::vector<std::string> drawn_values,
                                                const std::vector<std::string>& current_values,
                                                bool preferences) {
    std::vector<std::string>& values = drawn_values;
    for (std::size_t i = 0; i < values.size(); ++i) {
        const FileField& f = kFileFields[i];
        if ((preferences ? preference_line(f) : f.project_line) == 0) {
            values[i] = current_values[i];
        }
    }
    values[field_on_project_line(11)] = drawn.name.read_back;
    if (preferences) {
        // An empty folder keeps the folder, and only a real list position is
        // kept.
        const std::size_t folder = field_on_project_line(0);
        values[folder] =
            drawn.folder.read_back.empty() ? current_values[folder] : drawn.folder.read_back;
        if (drawn.design.driverindex <= -1) {
            values[field_on_project_line(10)] = current_values[field_on_project_line(10)];
        }
    }
    return values;
}

// "name=value", for a readable difference.
std::vector<std::string> named(const std::vector<std::string>& values) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < values.size(); ++i) {
        texts.push_back(std::string(kFileFields[i].name) + "=" + values[i]);
    }
    return texts;
}

// A UTF-8 name's lead bytes tell its widest character.
std::string name_kind(const std::string& name) {
    std::string kind = "ASCII name";
    for (const char c : name) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0xC4) {
            return "wider name";
        }
        if (b == 0xC2 || b == 0xC3) {
            kind = "Latin-1 name";
        }
    }
    return kind;
}

// Tallies that show the draw reached every case it should, from a drawn
// record and the texts of its fields (in kFileFields order).
struct Coverage {
    std::set<std::string> words;
    std::map<std::string, int> values;

    void count(const std::vector<std::string>& texts, const Design& d) {
        for (std::size_t i = 0; i < kFileFields.size(); ++i) {
            const std::size_t line = kFileFields[i].project_line;
            const std::string& t = texts[i];
            if ((line >= 1 && line <= 9) || line == 16) {
                words.insert(std::string(kFileFields[i].name) + "=" + t);
            } else if (line >= 12) { // the number lines
                values[t == "0" ? "zero" : t[0] == '-' ? "negative" : "positive"]++;
                values["tiny"] += t.ends_with("E-300");
                values["largest"] += t == "1000000000000" || t == "-1000000000000";
            }
        }
        values["long name"] += d.drivername.size() > kLongestLine;
        values["empty name"] += d.drivername.empty();
        values[name_kind(d.drivername)]++;
        values["index -32768"] += d.driverindex == -32768;
        values["index 32767"] += d.driverindex == 32767;
    }
};

// The number fields hold the written value to 15 significant digits: within
// half a unit of the 15th digit (5e-15 of the value), and a rounding of the
// reading's own.
bool numbers_within_15_digits(const Design& written, const Design& read, bool preferences) {
    for (const FileField& f : kFileFields) {
        if (f.number == nullptr || (preferences && preference_line(f) == 0)) {
            continue;
        }
        const double v = written.*f.number;
        if (!(std::fabs(read.*f.number - v) <= 5.2e-15 * std::fabs(v))) {
            ADD_FAILURE() << f.name << ": " << std::setprecision(17) << v << " read as "
                          << read.*f.number;
            return false;
        }
    }
    return true;
}

class RoundTrip : public testing::TestWithParam<FileKind> {};

TEST_P(RoundTrip, ReadsBackEveryFieldOfRandomDesigns) {
    const bool preferences = GetParam().preferences;
    const Design current = default_design();
    const std::vector<std::string> current_values = field_values(current);
    RandomDesigns draw(kSeed);
    Coverage coverage;
    for (int i = 0; i < kDesigns; ++i) {
        const RandomDesigns::Drawn drawn = draw.next();
        std::vector<std::string> drawn_values = field_values(drawn.design);
        coverage.count(drawn_values, drawn.design);
        const std::string bytes =
            preferences ? preference_bytes(drawn.design) : project_bytes(drawn.design);
        const DesignReading r =
            preferences ? read_preferences(bytes, current) : read_project(bytes, current);
        const bool complete = r.outcome == ReadOutcome::complete &&
                              r.applied == (preferences ? kPreferenceLines : kProjectLines);
        const auto expected =
            expected_after_reading(drawn, std::move(drawn_values), current_values, preferences);
        if (!complete || field_values(r.design) != expected ||
            !numbers_within_15_digits(drawn.design, r.design, preferences)) {
            ADD_FAILURE() << "seed " << kSeed << ", design " << i << ", lines applied "
                          << r.applied;
            EXPECT_EQ(field_texts(r.design), named(expected));
            return;
        }
    }
    // Every option word (four length units, three cover types, five nominal
    // sizes, two of each other option) and every kind of value and name.
    EXPECT_EQ(coverage.words.size(), 4u + 2 + 3 + 2 + 2 + 2 + 2 + 2 + 5 + 2);
    for (const char* kind :
         {"zero", "negative", "positive", "tiny", "largest", "long name", "empty name",
          "ASCII name", "Latin-1 name", "wider name", "index -32768", "index 32767"}) {
        EXPECT_GT(coverage.values[kind], kDesigns / 1000) << kind;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RoundTrip,
                         testing::Values(FileKind{"Project", false}, FileKind{"Preferences", true}),
                         [](const auto& info) { return info.param.name; });

} // namespace
