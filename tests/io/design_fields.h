// SPDX-License-Identifier: GPL-3.0-or-later
// The design record fields the two files carry, each with the project line
// that holds it, as text that compares numbers to 15 significant digits.
// Tests compare whole records through this table, so a reader that touches
// a field it should not shows up by name.
#pragma once

#include "core/design.h"
#include "core/number_text.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace cylindra::test {

struct FileField {
    const char* name;
    std::size_t project_line; // 0: only in the preferences (line 1)
    std::string (*text)(const Design&);
    double Design::*number = nullptr; // the value of a number line
};

template <double Design::*Member> std::string number_of(const Design& d) {
    return number_text(d.*Member);
}

template <auto Member> std::string word_of(const Design& d) {
    return std::string(word(d.*Member));
}

template <double Design::*Member>
constexpr FileField number_field(const char* name, std::size_t project_line) {
    return {name, project_line, number_of<Member>, Member};
}

inline std::string manual_of(const Design& d) {
    return d.drivermanual ? "manual" : "list";
}

inline std::string nominal_of(const Design& d) {
    return std::to_string(d.drivernominal);
}

inline std::string index_of(const Design& d) {
    return std::to_string(d.driverindex);
}

inline std::string name_of(const Design& d) {
    return d.drivername;
}

inline std::string folder_of(const Design& d) {
    return d.projectfolder;
}

inline const std::array<FileField, 39> kFileFields{{
    {"storedlengthunit", 1, word_of<&Design::storedlengthunit>},
    {"storedvolumeunit", 2, word_of<&Design::storedvolumeunit>},
    {"covertype", 3, word_of<&Design::covertype>},
    {"drivermounting", 4, word_of<&Design::drivermounting>},
    {"exitflare", 5, word_of<&Design::exitflare>},
    {"intakeflare", 6, word_of<&Design::intakeflare>},
    {"portmaterial", 7, word_of<&Design::portmaterial>},
    {"drivermanual", 8, manual_of},
    {"drivernominal", 9, nominal_of},
    {"driverindex", 10, index_of},
    {"drivername", 11, name_of},
    number_field<&Design::dia>("dia", 12),
    number_field<&Design::vol>("vol", 13),
    number_field<&Design::depth>("depth", 14),
    number_field<&Design::mass>("mass", 15),
    {"solvemode", 16, word_of<&Design::solvemode>},
    number_field<&Design::tubheight>("tubheight", 17),
    number_field<&Design::tubid>("tubid", 18),
    number_field<&Design::portid>("portid", 19),
    number_field<&Design::portlength>("portlength", 20),
    number_field<&Design::workvol>("workvol", 21),
    number_field<&Design::ftune>("ftune", 22),
    number_field<&Design::grilleheight>("grilleheight", 23),
    number_field<&Design::topcoverdia>("topcoverdia", 24),
    number_field<&Design::topcoverthickness>("topcoverthickness", 25),
    number_field<&Design::topendcapdia>("topendcapdia", 26),
    number_field<&Design::topendcapexposedthickness>("topendcapexposedthickness", 27),
    number_field<&Design::topendcaptotalthickness>("topendcaptotalthickness", 28),
    number_field<&Design::bottomendcaptotalthickness>("bottomendcaptotalthickness", 29),
    number_field<&Design::bottomendcapexposedthickness>("bottomendcapexposedthickness", 30),
    number_field<&Design::floorplatethickness>("floorplatethickness", 31),
    number_field<&Design::floorplatedia>("floorplatedia", 32),
    number_field<&Design::topgap>("topgap", 33),
    number_field<&Design::bottomgap>("bottomgap", 34),
    number_field<&Design::numports>("numports", 35),
    number_field<&Design::portwall>("portwall", 36),
    number_field<&Design::exitflareradius>("exitflareradius", 37),
    number_field<&Design::intakeflareradius>("intakeflareradius", 38),
    {"projectfolder", 0, folder_of},
}};

// The line of the preferences that holds a field, or 0 when only the
// project holds it.
inline std::size_t preference_line(const FileField& field) {
    if (field.project_line == 0) {
        return 1;
    }
    return field.project_line <= 16 ? field.project_line + 1 : 0;
}

// The text of every field, in table order.
inline std::vector<std::string> field_values(const Design& d) {
    std::vector<std::string> values;
    values.reserve(kFileFields.size());
    for (const FileField& f : kFileFields) {
        values.push_back(f.text(d));
    }
    return values;
}

// "name=value" for every field, for whole-record comparisons.
inline std::vector<std::string> field_texts(const Design& d) {
    std::vector<std::string> texts;
    for (const FileField& f : kFileFields) {
        texts.push_back(std::string(f.name) + "=" + f.text(d));
    }
    return texts;
}

// The record expected after reading the first `applied` lines of a file
// written from `file` into `current`: fields on those lines come from the
// file, the rest keep their values.
inline std::vector<std::string> expected_texts(const Design& file, const Design& current,
                                               std::size_t applied, bool preferences) {
    std::vector<std::string> texts;
    for (const FileField& f : kFileFields) {
        const std::size_t line = preferences ? preference_line(f) : f.project_line;
        const Design& from = line != 0 && line <= applied ? file : current;
        texts.push_back(std::string(f.name) + "=" + f.text(from));
    }
    return texts;
}

} // namespace cylindra::test
