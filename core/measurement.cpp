// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurement.h"

#include "number_text.h"

#include <cmath>

namespace cylindra {

namespace {

constexpr std::string_view kTooLarge = "Number too large";

struct Counts {
    int dots = 0, slashes = 0, feet = 0, spaces = 0;
};

// Backslashes become slashes and runs of blanks shrink to one.
std::string clean_up(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i] == '\\' ? '/' : text[i];
        if (c == ' ' && i + 1 < text.size() && text[i + 1] == ' ') {
            continue;
        }
        out += c;
    }
    return out;
}

// Counts the marks of the text; false when a character is not allowed.
bool count_marks(std::string_view text, Counts& n) {
    bool valid = true;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            continue;
        }
        switch (c) {
        case '.':
            ++n.dots;
            break;
        case '/':
            ++n.slashes;
            break;
        case '\'':
            ++n.feet;
            break;
        case ' ':
            ++n.spaces;
            break;
        default:
            valid = false;
        }
    }
    return valid;
}

std::string_view form_error(const Counts& n) {
    if (n.dots > 1) {
        return "More than one dot";
    }
    if (n.slashes > 1) {
        return "More than one slash";
    }
    if (n.feet > 1) {
        return "More than one ' (foot) symbol";
    }
    if (n.dots > 0 && n.slashes > 0) {
        return "Fractions not allowed in decimal inches mode";
    }
    if (n.dots > 0 && n.feet > 0) {
        return "Feet not allowed in decimal inches mode and vice versa";
    }
    return {};
}

double whole_value(std::string_view text) {
    return read_measure_number(text).value_or(-1);
}

// A whole number is written plainly: no leading zeros, no inner blanks.
bool is_canonical(std::string_view text) {
    return number_text(whole_value(text)) == text;
}

struct Fraction {
    std::string_view feet, whole, fraction;
};

// The fractional form, step by step; each failing check replaces the message
// of an earlier one, so the last failure is the one reported.
std::string fractional_inches(std::string_view text, const Counts& n, double& inches) {
    std::string error;
    const auto slash = text.find('/');
    if (slash == 0) {
        error = "slash not allowed at start of field";
    }
    if (slash != std::string_view::npos && slash + 1 == text.size()) {
        error = "slash not allowed at end of field";
    }
    if (!error.empty()) {
        return error;
    }
    Fraction f;
    std::string_view rest = text;
    if (const auto foot = text.find('\''); foot != std::string_view::npos) {
        f.feet = text.substr(0, foot);
        rest = trim_blanks(text.substr(foot + 1));
    } else if (n.spaces > 1) {
        error = "Multiple spaces but no foot symbol   OR   spaces in fraction";
    }
    if (!f.feet.empty() && !is_canonical(f.feet)) {
        error = "Invalid feet";
    }
    if (error.empty() && !rest.empty()) {
        if (const auto space = rest.find(' '); space != std::string_view::npos && space > 0) {
            f.whole = trim_blanks(rest.substr(0, space));
            f.fraction = rest.substr(space + 1);
        } else if (rest.find('/') == std::string_view::npos) {
            f.whole = rest;
        } else {
            f.fraction = rest;
        }
    }
    if (!f.whole.empty() && !is_canonical(f.whole)) {
        error = "Invalid whole inches or spaces in fraction";
    }
    if (!f.fraction.empty() && error.empty()) {
        if (f.fraction.find(' ') != std::string_view::npos) {
            error = "Fraction cannot contain spaces";
        }
        if (f.fraction.front() == '/') {
            error = "Fraction not correctly specified or contains spaces";
        }
        if (f.fraction.find('/') == std::string_view::npos) {
            error = "Fraction must contain a slash";
        }
    }
    double numerator = 0, denominator = 0;
    if (error.empty() && !f.fraction.empty()) {
        const auto bar = f.fraction.find('/');
        const auto upper = trim_blanks(f.fraction.substr(0, bar));
        const auto lower = trim_blanks(f.fraction.substr(bar + 1));
        if (!is_canonical(upper)) {
            error = "Invalid Upper fraction";
        }
        if (lower != "2" && lower != "4" && lower != "8" && lower != "16") {
            error = "Allowable fractions are 1/2 1/4 1/8 1/16";
        }
        numerator = whole_value(upper);
        denominator = whole_value(lower);
    }
    if (error.empty()) {
        inches =
            read_measure_number(f.feet).value_or(0) * 12 + read_measure_number(f.whole).value_or(0);
        if (denominator >= 1) {
            inches += numerator / denominator;
        }
    }
    return error;
}

MeasureParse finish(std::string error, double millimetres) {
    MeasureParse out;
    if (error.empty() && !(std::fabs(millimetres) <= kLargestValue)) {
        error = kTooLarge;
        out.too_large = true;
    }
    if (!error.empty()) {
        out.measureresult = "ERR";
        out.measureerror = std::move(error);
        return out;
    }
    // A field stores the number of the result text, not the product itself:
    // 3/8 inch is 9.525 mm, where 0.375 × 25.4 gives 9.524999999999999 and
    // would show as .37 inch. The text may be in exponent form ("2.54E-05"
    // for a millionth of an inch), so it is read with exponents.
    out.measureresult = number_text(millimetres);
    out.millimetres = read_field_number(out.measureresult).value_or(millimetres);
    return out;
}

} // namespace

MeasureParse parse_measurement(std::string_view measuretext) {
    const std::string_view trimmed = trim_blanks(measuretext);
    if (trimmed.empty()) {
        return finish({}, 0);
    }
    const std::string text = clean_up(trimmed);
    if (text.front() == '\'') {
        return finish("Foot symbol without any feet", 0);
    }
    Counts n;
    if (!count_marks(text, n)) {
        return finish("Invalid Character", 0);
    }
    if (const auto error = form_error(n); !error.empty()) {
        return finish(std::string(error), 0);
    }
    if (n.dots == 1) {
        const auto value = read_measure_number(text);
        // A number beyond a double's range is as much too large as any.
        return finish({}, value ? *value * kMillimetresPerInch : HUGE_VAL);
    }
    double inches = 0;
    std::string error = fractional_inches(text, n, inches);
    return finish(std::move(error), inches * kMillimetresPerInch);
}

namespace {

struct Sixteenths {
    double whole = 0, numerator = 0, denominator = 1;
};

// Rounds to the nearest sixteenth and reduces the fraction; each level
// recomputes its numerator from the fraction rather than halving.
Sixteenths to_sixteenths(double inches) {
    Sixteenths s;
    s.whole = std::floor(inches);
    const double fraction = inches - s.whole;
    if (fraction > 0) {
        s.denominator = 16;
        s.numerator = std::floor(16 * fraction + 0.5);
        for (const double coarser : {8.0, 4.0, 2.0}) {
            if (std::fmod(s.numerator, 2) != 0) {
                break;
            }
            s.denominator = coarser;
            s.numerator = std::floor(coarser * fraction + 0.5);
        }
        if (s.denominator == 2 && s.numerator == 2) {
            s.whole += 1;
            s.numerator = 0;
        }
    }
    return s;
}

std::string fraction_text(double inches) {
    Sixteenths s = to_sixteenths(inches);
    double feet = 0;
    if (s.whole > 0) {
        feet = std::floor(s.whole / 12);
        s.whole -= 12 * feet;
    }
    std::string text;
    if (feet != 0) {
        text += number_text(feet) + "' ";
    }
    if (s.whole != 0) {
        text += number_text(s.whole);
    }
    if (s.numerator != 0) {
        if (s.whole != 0) {
            text += ' ';
        }
        text += number_text(s.numerator) + "/" + number_text(s.denominator);
    }
    const std::string_view trimmed = trim_blanks(text);
    return trimmed.empty() ? "0" : std::string(trimmed);
}

MeasureFormat format_error() {
    return {"ERR", "ERR", "Invalid character"};
}

} // namespace

MeasureFormat format_measurement(double millimetres) {
    if (!std::isfinite(millimetres) || millimetres < 0) {
        return format_error();
    }
    const double inches = millimetres / kMillimetresPerInch;
    MeasureFormat out;
    // Beyond about 1e307 mm the hundredths overflow; such a length has no
    // hundredths worth rounding.
    const double hundredths = inches * 100;
    out.decimaltext =
        plain_number(std::isfinite(hundredths) ? std::floor(hundredths + 0.5) / 100 : inches);
    out.measureresult = fraction_text(inches);
    return out;
}

MeasureFormat format_measurement(std::string_view measuretext) {
    const std::string_view text = trim_blanks(measuretext);
    if (text.empty()) {
        return {"0", "0", ""};
    }
    for (const char c : text) {
        if (!(c >= '0' && c <= '9') && c != '.') {
            return format_error();
        }
    }
    const auto value = read_measure_number(text);
    return value ? format_measurement(*value) : format_error();
}

std::string length_text(double millimetres, LengthUnit unit) {
    switch (unit) {
    case LengthUnit::metric:
        return plain_number(millimetres);
    case LengthUnit::metric_cm:
        return plain_number(millimetres / 10);
    case LengthUnit::inches:
    case LengthUnit::decimalinches:
        break;
    }
    const bool negative = millimetres < 0;
    const MeasureFormat f = format_measurement(std::fabs(millimetres));
    std::string text(unit == LengthUnit::inches ? f.measureresult
                                                : std::string(trim_blanks(f.decimaltext)));
    if (!negative || text == "0") {
        return unit == LengthUnit::inches ? text : f.decimaltext;
    }
    return "-" + text;
}

} // namespace cylindra
