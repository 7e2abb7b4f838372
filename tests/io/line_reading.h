// SPDX-License-Identifier: GPL-3.0-or-later
// Reading the sample files with one line changed or cut short, and what the
// record must hold afterwards.
#pragma once

#include "io/design_file.h"

#include "tests/io/design_fields.h"
#include "tests/io/sample_files.h"
#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace cylindra::test {

using io::DesignReading;
using io::ReadOutcome;

inline std::vector<std::string> file_lines(bool preferences, bool distinct) {
    const auto& project = distinct ? kDistinctProject : kDefaultProject;
    return preferences ? preference_file(distinct ? kDistinctFolder : kDefaultFolder, project)
                       : project;
}

inline DesignReading read_file(bool preferences, std::string_view bytes, const Design& current) {
    return preferences ? io::read_preferences(bytes, current) : io::read_project(bytes, current);
}

// The default design's file with one line replaced, read into the distinct
// design: every field the reading leaves alone shows as the distinct value.
inline DesignReading read_replaced(bool preferences, std::size_t line, std::string text) {
    auto lines = file_lines(preferences, false);
    lines.at(line - 1) = std::move(text);
    return read_file(preferences, file_of(lines), distinct_design());
}

inline std::size_t line_count(bool preferences) {
    return preferences ? io::kPreferenceLines : io::kProjectLines;
}

// The record after reading read_replaced's file, when the line was accepted
// and its field reads as `field_text`.
inline std::vector<std::string> accepted_texts(bool preferences, std::size_t line,
                                               const std::string& field_text) {
    auto texts =
        expected_texts(default_design(), distinct_design(), line_count(preferences), preferences);
    for (std::size_t i = 0; i < kFileFields.size(); ++i) {
        const FileField& f = kFileFields[i];
        if ((preferences ? preference_line(f) : f.project_line) == line) {
            texts[i] = std::string(f.name) + "=" + field_text;
        }
    }
    return texts;
}

inline void expect_rejected_at(const DesignReading& r, bool preferences, std::size_t line) {
    EXPECT_EQ(r.outcome, ReadOutcome::rejected_line);
    EXPECT_EQ(r.applied, line - 1);
    EXPECT_EQ(field_texts(r.design),
              expected_texts(default_design(), distinct_design(), line - 1, preferences));
}

} // namespace cylindra::test
