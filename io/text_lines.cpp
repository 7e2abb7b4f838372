// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_lines.h"

#include <optional>

namespace cylindra::io {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Length of the UTF-8 sequence starting at text[i], or 0 when none starts
// there.
std::size_t sequence_length(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t n = 0;
    unsigned min = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        n = 2, min = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        n = 3, min = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        n = 4, min = 0x10000;
    } else {
        return 0;
    }
    if (i + n > text.size()) {
        return 0;
    }
    unsigned code = lead & (0x7F >> n);
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            return 0;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < min || code > 0x10FFFF || surrogate ? 0 : n;
}

std::string latin1_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            out += c;
        } else {
            out += static_cast<char>(0xC0 | (b >> 6));
            out += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return out;
}

// The Latin-1 bytes of a UTF-8 text, or nothing when a character lies beyond
// Latin-1 (or the text is not UTF-8 at all).
std::optional<std::string> utf8_to_latin1(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t n = sequence_length(text, i);
        const auto b = static_cast<unsigned char>(text[i]);
        if (n == 1) {
            out += text[i];
        } else if (n == 2 && b <= 0xC3) {
            out += static_cast<char>(((b & 0x1F) << 6) | (text[i + 1] & 0x3F));
        } else {
            return std::nullopt;
        }
        i += n;
    }
    return out;
}

bool is_ascii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

} // namespace

bool valid_utf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t n = sequence_length(bytes, i);
        if (n == 0) {
            return false;
        }
        i += n;
    }
    return true;
}

std::string_view utf8_prefix(std::string_view text, std::size_t max_bytes) {
    if (text.size() <= max_bytes) {
        return text;
    }
    std::size_t end = max_bytes;
    // Step back over continuation bytes to the start of the cut character.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        --end;
    }
    return text.substr(0, end);
}

std::vector<TextLine> split_lines(std::string_view bytes, std::size_t max_lines) {
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::vector<std::string_view> raw;
    while (!bytes.empty() && raw.size() < max_lines) {
        const std::size_t end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        raw.push_back(line);
    }
    // One decision for the whole file: a Latin-1 name must not be read as
    // UTF-8 on one line and a UTF-8 name as Latin-1 on another. Only the
    // lines before the first one too long have a say: no later line is ever
    // applied, and a bounded read may have cut one in the middle of a
    // character.
    bool utf8 = true;
    for (const std::string_view line : raw) {
        if (line.size() > kMaxLineBytes) {
            break;
        }
        utf8 = utf8 && valid_utf8(line);
    }
    std::vector<TextLine> lines;
    lines.reserve(raw.size());
    for (const std::string_view line : raw) {
        TextLine t;
        t.too_long = line.size() > kMaxLineBytes;
        if (!t.too_long) {
            t.text = utf8 ? std::string(line) : latin1_to_utf8(line);
        }
        lines.push_back(std::move(t));
    }
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        for (const char c : line) {
            text += c == '\r' || c == '\n' ? ' ' : c;
        }
        text += "\r\n";
    }
    if (is_ascii(text)) {
        return text;
    }
    // Latin-1 bytes that happen to form UTF-8 would read back as other
    // characters: such a file is written in UTF-8.
    const auto latin1 = utf8_to_latin1(text);
    std::string bytes = latin1 && !valid_utf8(*latin1) ? *latin1 : std::move(text);
    // A first line that starts with the bytes of a byte-order mark (a folder
    // named so) would lose them to the reader; a mark in front keeps them.
    if (bytes.starts_with(kByteOrderMark)) {
        bytes.insert(0, kByteOrderMark);
    }
    return bytes;
}

} // namespace cylindra::io
