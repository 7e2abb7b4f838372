// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_file.h"

#include "core/number_text.h"

#include <array>
#include <cmath>
#include <type_traits>

namespace cylindra::io {

namespace {

// How one line is written from the record and applied to it when read; a
// reader returns false to reject the line.
struct LineFormat {
    std::string (*write)(const Design&);
    bool (*read)(Design&, std::string_view);
};

template <auto Member> using MemberType = std::remove_cvref_t<decltype(Design{}.*Member)>;

template <auto Member> std::string write_option(const Design& d) {
    return std::string(word(d.*Member));
}

template <auto Member> bool read_option(Design& d, std::string_view line) {
    const auto value = from_word<MemberType<Member>>(line);
    if (value) {
        d.*Member = *value;
    }
    return value.has_value();
}

template <double Design::*Member> std::string write_number(const Design& d) {
    return plain_number(d.*Member);
}

template <double Design::*Member> bool read_number(Design& d, std::string_view line) {
    const auto value = line.empty() ? std::nullopt : read_number_line(line);
    if (value) {
        d.*Member = *value;
    }
    return value.has_value();
}

std::string write_manual(const Design& d) {
    return d.drivermanual ? "drivermanual" : "driverlist";
}

bool read_manual(Design& d, std::string_view line) {
    if (line != "drivermanual" && line != "driverlist") {
        return false;
    }
    d.drivermanual = line == "drivermanual";
    return true;
}

std::string write_nominal(const Design& d) {
    return "nominal" + std::to_string(d.drivernominal);
}

bool read_nominal(Design& d, std::string_view line) {
    for (const int n : {8, 10, 12, 15, 18}) {
        if (line == "nominal" + std::to_string(n)) {
            d.drivernominal = static_cast<std::int16_t>(n);
            return true;
        }
    }
    return false;
}

std::string write_index(const Design& d) {
    return plain_number(d.driverindex);
}

// The list index as a 16-bit whole number, halves rounded to even.
std::optional<std::int16_t> index_of(std::string_view line) {
    const auto value = line.empty() ? std::nullopt : read_line_number(line);
    if (!value) {
        return std::nullopt;
    }
    const double whole = std::nearbyint(*value);
    if (!(whole >= -32768 && whole <= 32767)) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(whole);
}

bool read_project_index(Design& d, std::string_view line) {
    const auto index = index_of(line);
    if (index) {
        d.driverindex = *index;
    }
    return index.has_value();
}

// The preferences keep only a real list position.
bool read_preference_index(Design& d, std::string_view line) {
    const auto index = index_of(line);
    if (index && *index > -1) {
        d.driverindex = *index;
    }
    return index.has_value();
}

// A name longer than a reader accepts is cut, so that every file written can
// be read back.
std::string write_name(const Design& d) {
    return std::string(utf8_prefix(d.drivername, kMaxLineBytes));
}

// An empty name is a name: a driver typed in without one is written as an
// empty line and must read back.
bool read_name(Design& d, std::string_view line) {
    d.drivername = line;
    return true;
}

std::string write_folder(const Design& d) {
    return std::string(utf8_prefix(d.projectfolder, kMaxLineBytes));
}

bool read_folder(Design& d, std::string_view line) {
    if (!line.empty()) {
        d.projectfolder = line;
    }
    return true;
}

// Lines 1 to 16 of a project, 2 to 17 of the preferences, with the index
// line read by the given rule.
template <bool (*ReadIndex)(Design&, std::string_view)>
constexpr std::array<LineFormat, 16> kSettingLines{{
    {write_option<&Design::storedlengthunit>, read_option<&Design::storedlengthunit>},
    {write_option<&Design::storedvolumeunit>, read_option<&Design::storedvolumeunit>},
    {write_option<&Design::covertype>, read_option<&Design::covertype>},
    {write_option<&Design::drivermounting>, read_option<&Design::drivermounting>},
    {write_option<&Design::exitflare>, read_option<&Design::exitflare>},
    {write_option<&Design::intakeflare>, read_option<&Design::intakeflare>},
    {write_option<&Design::portmaterial>, read_option<&Design::portmaterial>},
    {write_manual, read_manual},
    {write_nominal, read_nominal},
    {write_index, ReadIndex},
    {write_name, read_name},
    {write_number<&Design::dia>, read_number<&Design::dia>},
    {write_number<&Design::vol>, read_number<&Design::vol>},
    {write_number<&Design::depth>, read_number<&Design::depth>},
    {write_number<&Design::mass>, read_number<&Design::mass>},
    {write_option<&Design::solvemode>, read_option<&Design::solvemode>},
}};

template <double Design::*Member> constexpr LineFormat number_line() {
    return {write_number<Member>, read_number<Member>};
}

// Lines 17 to 38 of a project: every dimension of the design.
constexpr std::array<LineFormat, 22> kDimensionLines{{
    number_line<&Design::tubheight>(),
    number_line<&Design::tubid>(),
    number_line<&Design::portid>(),
    number_line<&Design::portlength>(),
    number_line<&Design::workvol>(),
    number_line<&Design::ftune>(),
    number_line<&Design::grilleheight>(),
    number_line<&Design::topcoverdia>(),
    number_line<&Design::topcoverthickness>(),
    number_line<&Design::topendcapdia>(),
    number_line<&Design::topendcapexposedthickness>(),
    number_line<&Design::topendcaptotalthickness>(),
    number_line<&Design::bottomendcaptotalthickness>(),
    number_line<&Design::bottomendcapexposedthickness>(),
    number_line<&Design::floorplatethickness>(),
    number_line<&Design::floorplatedia>(),
    number_line<&Design::topgap>(),
    number_line<&Design::bottomgap>(),
    number_line<&Design::numports>(),
    number_line<&Design::portwall>(),
    number_line<&Design::exitflareradius>(),
    number_line<&Design::intakeflareradius>(),
}};

std::vector<LineFormat> project_format() {
    const auto& settings = kSettingLines<read_project_index>;
    std::vector<LineFormat> format(settings.begin(), settings.end());
    format.insert(format.end(), kDimensionLines.begin(), kDimensionLines.end());
    return format;
}

std::vector<LineFormat> preference_format() {
    const auto& settings = kSettingLines<read_preference_index>;
    std::vector<LineFormat> format{{write_folder, read_folder}};
    format.insert(format.end(), settings.begin(), settings.end());
    return format;
}

std::vector<std::string> write_lines(const std::vector<LineFormat>& format, const Design& d) {
    std::vector<std::string> lines;
    lines.reserve(format.size());
    for (const LineFormat& line : format) {
        lines.push_back(line.write(d));
    }
    return lines;
}

DesignReading read_lines(const std::vector<LineFormat>& format, const std::vector<TextLine>& lines,
                         const Design& current) {
    DesignReading reading{current, 0, ReadOutcome::complete};
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool readable = i < lines.size() && !lines[i].too_long;
        if (!readable || !format[i].read(reading.design, lines[i].text)) {
            reading.outcome = ReadOutcome::rejected_line;
            return reading;
        }
        reading.applied = i + 1;
    }
    return reading;
}

} // namespace

std::optional<double> read_number_line(std::string_view line) {
    return read_line_number(line);
}

std::vector<std::string> project_lines(const Design& design) {
    return write_lines(project_format(), design);
}

std::vector<std::string> preference_lines(const Design& design) {
    return write_lines(preference_format(), design);
}

std::string project_bytes(const Design& design) {
    return join_lines(project_lines(design));
}

std::string preference_bytes(const Design& design) {
    return join_lines(preference_lines(design));
}

DesignReading read_project_lines(const std::vector<TextLine>& lines, const Design& current) {
    return read_lines(project_format(), lines, current);
}

DesignReading read_preference_lines(const std::vector<TextLine>& lines, const Design& current) {
    return read_lines(preference_format(), lines, current);
}

DesignReading read_project(std::string_view bytes, const Design& current) {
    return read_project_lines(split_lines(bytes, kProjectLines), current);
}

DesignReading read_preferences(std::string_view bytes, const Design& current) {
    return read_preference_lines(split_lines(bytes, kPreferenceLines), current);
}

} // namespace cylindra::io
