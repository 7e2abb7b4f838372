// SPDX-License-Identifier: GPL-3.0-or-later
// Lines of the project and preferences files as bytes on disk. Files come
// from other systems and other programs: lines may end in CR LF or LF, the
// last line may have no end, and text may be UTF-8 or Latin-1. Reading is
// bounded, so a file of any size or content costs at most a few hundred
// kilobytes.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cylindra::io {

// Longest line a reader accepts; a longer one is rejected as its line.
inline constexpr std::size_t kMaxLineBytes = 4096;

struct TextLine {
    std::string text;      // UTF-8, without its line end
    bool too_long = false; // longer than kMaxLineBytes on disk
};

// Bytes from the start of a file that hold everything its first max_lines
// lines can contribute: a reader never needs more.
constexpr std::size_t bytes_needed(std::size_t max_lines) {
    return max_lines * (kMaxLineBytes + 2) + 3; // +3: a UTF-8 byte-order mark
}

// The first max_lines lines of a file's bytes. The lines are read as UTF-8
// when those before the first too long one are valid UTF-8, and as Latin-1
// otherwise; a leading byte-order mark is skipped.
std::vector<TextLine> split_lines(std::string_view bytes, std::size_t max_lines);

// The bytes of a file: each line ended by CR LF. Line breaks inside a line
// become blanks, since they would split it. Latin-1 is written when every
// character fits and the result cannot be mistaken for UTF-8 when read back;
// UTF-8 otherwise. A byte-order mark goes in front only when the text itself
// starts with those three bytes, which the reader would otherwise skip.
std::string join_lines(const std::vector<std::string>& lines);

// True when the bytes are well-formed UTF-8 (shortest forms, no surrogates).
bool valid_utf8(std::string_view bytes);

// The longest start of a UTF-8 text that has at most max_bytes bytes and
// does not cut a character in two.
std::string_view utf8_prefix(std::string_view text, std::size_t max_bytes);

} // namespace cylindra::io
