// SPDX-License-Identifier: GPL-3.0-or-later
// Seeded random design records for round trips through the files: every
// option word, both driver sources and solve modes, the whole 16-bit index
// range, numbers from 1e-300 to the largest design value of either sign, and
// names from empty to longer than a line may be, in ASCII, Latin-1 and
// beyond. Alongside each record, what its texts read back as.
#pragma once

#include "core/design.h"
#include "core/number_text.h"
#include "tests/io/design_fields.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

namespace cylindra::test {

// Longest line the files hold, in bytes.
inline constexpr std::size_t kLongestLine = 4096;

inline void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

struct RandomText {
    std::string utf8;      // as the record holds it
    std::string read_back; // line breaks as blanks, cut to whole characters within a line
};

class RandomDesigns {
  public:
    explicit RandomDesigns(std::uint64_t seed) : m_rng(seed) {}

    struct Drawn {
        Design design;
        RandomText name;
        RandomText folder;
    };

    Drawn next() {
        Drawn d;
        Design& r = d.design;
        r.storedlengthunit = option<LengthUnit>();
        r.storedvolumeunit = option<VolumeUnit>();
        r.covertype = option<CoverType>();
        r.drivermounting = option<DriverMounting>();
        r.exitflare = option<ExitFlare>();
        r.intakeflare = option<IntakeFlare>();
        r.portmaterial = option<PortMaterial>();
        r.solvemode = option<SolveMode>();
        r.drivermanual = pick(2) == 1;
        r.drivernominal = static_cast<std::int16_t>(std::array{8, 10, 12, 15, 18}[pick(5)]);
        r.driverindex = index();
        for (const FileField& f : kFileFields) {
            if (f.number != nullptr) {
                r.*f.number = value();
            }
        }
        d.name = text();
        d.folder = text();
        r.drivername = d.name.utf8;
        r.projectfolder = d.folder.utf8;
        return d;
    }

  private:
    // Characters where Latin-1 and UTF-8 are easily confused, line breaks,
    // the byte-order mark and the edges of each UTF-8 length.
    static constexpr std::array<char32_t, 20> kAwkward{
        U'\r', U'\n', U'\t', 0x00, 0x7F,  0x80,  0x9F,  0xA0,   0xBB,   0xBF,
        0xC3,  0xE9,  0xEF,  0xFF, 0x100, 0x7FF, 0x800, 0xFEFF, 0xFFFD, 0x10FFFF};

    std::size_t pick(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(m_rng);
    }

    template <class E> E option() { return static_cast<E>(pick(Words<E>::list.size())); }

    std::int16_t index() {
        if (pick(4) == 0) {
            return static_cast<std::int16_t>(std::array{-32768, -1, 0, 14, 32767}[pick(5)]);
        }
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(m_rng));
    }

    double value() {
        const double sign = pick(3) == 0 ? -1.0 : 1.0;
        switch (pick(6)) {
        case 0:
            return std::array{0.0, -0.0, 1e12, -1e12, 1e-300, -1e-300, 1e-4, 1e-5}[pick(8)];
        case 1: // whole millimetres and halves
            return sign * static_cast<double>(pick(20001)) / 2;
        case 2: // 17 significant digits, of which the file keeps 15
            return sign * std::uniform_real_distribution<double>(0, 1e12)(m_rng);
        default: { // any magnitude from 1e-300 to 1e12
            const int exponent = std::uniform_int_distribution<int>(-300, 11)(m_rng);
            const double mantissa = std::uniform_real_distribution<double>(1, 10)(m_rng);
            return sign * mantissa * std::pow(10.0, exponent);
        }
        }
    }

    char32_t character(std::size_t kind) {
        const auto in = [&](char32_t lo, char32_t hi) {
            return std::uniform_int_distribution<char32_t>(lo, hi)(m_rng);
        };
        if (pick(8) == 0) {
            return kAwkward[pick(kAwkward.size())];
        }
        switch (kind) {
        case 0:
            return in(0x20, 0x7E);
        case 1:
            return in(0x20, 0xFF);
        default: {
            const char32_t c = pick(2) == 0 ? in(0x100, 0xFFFF) : in(0x10000, 0x10FFFF);
            return c >= 0xD800 && c <= 0xDFFF ? U'?' : c;
        }
        }
    }

    // Empty, ASCII, Latin-1 or wider; a few characters, or a text ending
    // within 100 bytes either side of the longest line, so the writer's cut
    // falls at every kind of character boundary.
    RandomText text() {
        const std::size_t kind = pick(4);
        if (kind == 3) {
            return {};
        }
        const bool long_text = pick(50) == 0;
        const std::size_t characters = long_text ? kLongestLine : 1 + pick(40);
        const std::size_t bytes = long_text ? kLongestLine - 100 + pick(201) : 4 * characters;
        RandomText t;
        bool cut = false;
        for (std::size_t i = 0; i < characters && t.utf8.size() < bytes; ++i) {
            const char32_t c = character(kind);
            append_utf8(t.utf8, c);
            std::string read;
            append_utf8(read, c == U'\r' || c == U'\n' ? U' ' : c);
            cut = cut || t.read_back.size() + read.size() > kLongestLine;
            if (!cut) {
                t.read_back += read;
            }
        }
        return t;
    }

    std::mt19937_64 m_rng;
};

} // namespace cylindra::test
