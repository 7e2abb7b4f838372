// SPDX-License-Identifier: GPL-3.0-or-later
#include "number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace cylindra {

std::string number_text(double value) {
    if (!std::isfinite(value)) {
        return "ERR"; // never reached by a finite design; no "inf" may show
    }
    value += 0.0; // folds -0 into +0
    // The few doubles nearest the top of the range would round up, at 15
    // digits, past it and could not be read back; they are written as the
    // largest 15-digit number below.
    constexpr double kLargestWritable = 1.79769313486231e308;
    if (std::fabs(value) > kLargestWritable) {
        value = std::copysign(kLargestWritable, value);
    }
    char buf[40];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::general, 15);
    std::string text(buf, res.ptr);
    if (text.size() > 1 && text[0] == '0' && text[1] == '.') {
        text.erase(0, 1);
    }
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        }
    }
    return value < 0 ? "-" + text : text;
}

std::string plain_number(double value) {
    std::string text = number_text(value);
    if (text[0] != '-') {
        text.insert(text.begin(), ' ');
    }
    return text;
}

std::string_view trim_blanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

namespace {

struct ReadRules {
    bool skip_line_feeds;
    bool sign_and_exponent;
};

bool is_skipped(char c, const ReadRules& rules) {
    return c == ' ' || (rules.sign_and_exponent && c == '\t') ||
           (rules.skip_line_feeds && (c == '\n' || c == '\r'));
}

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

// Collects the leading number of a text into a compact token (skipped
// characters left out), stopping at the first character that cannot continue
// it. An exponent counts only once a digit follows its marker.
std::string leading_number(std::string_view text, const ReadRules& rules) {
    std::string token;
    bool digits = false, point = false;
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && is_skipped(text[i], rules)) {
            ++i;
        }
    };
    skip();
    if (rules.sign_and_exponent && i < text.size() && (text[i] == '+' || text[i] == '-')) {
        token += text[i++];
    }
    for (skip(); i < text.size(); ++i, skip()) {
        const char c = text[i];
        if (is_digit(c)) {
            token += c;
            digits = true;
        } else if (c == '.' && !point) {
            token += c;
            point = true;
        } else {
            break;
        }
    }
    if (!digits) {
        return {};
    }
    if (rules.sign_and_exponent && i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::string exponent = "e";
        ++i;
        skip();
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            exponent += text[i++];
        }
        bool exp_digits = false;
        for (skip(); i < text.size() && is_digit(text[i]); ++i, skip()) {
            exponent += text[i];
            exp_digits = true;
        }
        if (exp_digits) {
            token += exponent;
        }
    }
    return token;
}

// Rough decimal exponent of a token whose conversion ran out of range: tells
// an overflow (too large) from an underflow (too small, reads as 0).
bool token_is_large(const std::string& token) {
    const auto e = token.find('e');
    const std::string mantissa = token.substr(0, e);
    long long magnitude = 0;
    const auto point = mantissa.find('.');
    const auto first = mantissa.find_first_of("123456789");
    if (first != std::string::npos) {
        const auto int_end = point == std::string::npos ? mantissa.size() : point;
        magnitude = first < int_end ? static_cast<long long>(int_end - first)
                                    : -static_cast<long long>(first - int_end);
    }
    if (e != std::string::npos) {
        long long exponent = 0;
        std::size_t j = e + 1;
        const bool negative = j < token.size() && token[j] == '-';
        if (j < token.size() && (token[j] == '-' || token[j] == '+')) {
            ++j;
        }
        for (; j < token.size(); ++j) {
            exponent = std::min<long long>(exponent * 10 + (token[j] - '0'), 1'000'000'000);
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude > 0;
}

std::optional<double> convert(const std::string& token) {
    if (token.empty()) {
        return 0.0;
    }
    const char* begin = token.data();
    const bool negative = *begin == '-';
    if (*begin == '-' || *begin == '+') {
        ++begin;
    }
    double value = 0;
    const auto res = std::from_chars(begin, token.data() + token.size(), value);
    if (res.ec == std::errc::result_out_of_range) {
        if (token_is_large(token)) {
            return std::nullopt;
        }
        value = 0;
    } else if (res.ec != std::errc{}) {
        value = 0; // a lone "." or "-." holds no digits
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

} // namespace

std::optional<double> read_measure_number(std::string_view text) {
    return convert(leading_number(text, {false, false}));
}

std::optional<double> read_field_number(std::string_view text) {
    return convert(leading_number(text, {true, true}));
}

std::optional<double> read_line_number(std::string_view text) {
    return convert(leading_number(text, {false, true}));
}

} // namespace cylindra
