// SPDX-License-Identifier: GPL-3.0-or-later
#include "sweep.h"

#include "number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace cylindra {

namespace {

bool is_separator(char c) {
    return c == ' ' || c == '\t' || c == ',';
}

// The fields of a line, at most `most` of them.
std::vector<std::string_view> fields_of(std::string_view line, std::size_t most) {
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size() && out.size() < most) {
        while (i < line.size() && is_separator(line[i])) {
            ++i;
        }
        const std::size_t start = i;
        while (i < line.size() && !is_separator(line[i])) {
            ++i;
        }
        if (i > start) {
            out.push_back(line.substr(start, i - start));
        }
    }
    return out;
}

// A whole field as a number, in the C locale whatever the machine's.
std::optional<double> number_of(std::string_view field) {
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), value);
    if (ec != std::errc() || end != field.data() + field.size()) {
        return std::nullopt;
    }
    return value;
}

std::string at_line(std::size_t number) {
    return "line " + std::to_string(number) + ": ";
}

// Reads one data line into `points`; returns the reason it is rejected.
std::string read_point(const std::vector<std::string_view>& fields, std::vector<SweepPoint>& points,
                       std::size_t line) {
    const double hz = *number_of(fields[0]);
    const auto ohms = fields.size() > 1 ? number_of(fields[1]) : std::nullopt;
    if (!ohms) {
        return at_line(line) + "a frequency without an impedance after it";
    }
    if (!std::isfinite(hz) || !std::isfinite(*ohms)) {
        return at_line(line) + "a number that is not finite";
    }
    if (hz < kLowestSweepHz || hz > kHighestSweepHz) {
        return at_line(line) + "a frequency or impedance out of range (frequencies from 0.1 Hz "
                               "to 10 MHz)";
    }
    if (*ohms < 0 || *ohms > kHighestSweepOhms) {
        return at_line(line) + "a frequency or impedance out of range (impedances up to 1 megohm)";
    }
    if (!points.empty() && hz <= points.back().hz) {
        return at_line(line) + "the frequencies do not rise from line to line";
    }
    if (points.size() == kMostSweepPoints) {
        return "more than " + std::to_string(kMostSweepPoints) + " points";
    }
    points.push_back({hz, *ohms});
    return {};
}

} // namespace

SweepReading parse_sweep(std::string_view text) {
    SweepReading out;
    std::size_t line = 0;
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view row = text.substr(0, end);
        // "\r\n" ends one line, not two.
        const bool crlf =
            end != text.npos && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
        text.remove_prefix(end == text.npos ? text.size() : end + (crlf ? 2 : 1));
        ++line;
        if (row.size() > kLongestSweepLine) {
            return {{},
                    at_line(line) + "longer than " + std::to_string(kLongestSweepLine) +
                        " characters"};
        }
        const auto fields = fields_of(row, 2);
        if (fields.empty() || fields[0].front() == '*' || !number_of(fields[0])) {
            continue; // blank or a comment
        }
        if (std::string error = read_point(fields, out.points, line); !error.empty()) {
            return {{}, error};
        }
    }
    if (out.points.empty()) {
        return {{}, "no lines of frequency and impedance"};
    }
    if (out.points.size() < kFewestSweepPoints) {
        return {{},
                "only " + std::to_string(out.points.size()) + " points; a sweep has at least " +
                    std::to_string(kFewestSweepPoints)};
    }
    return out;
}

namespace {

// Half the width of the smoothing window: a twelfth of an octave each way.
const double kSmoothing = std::log(2.0) / 12;
// The share of the log-frequency span ignored at each end.
constexpr double kIgnoredEnds = 0.03;
// A peak stands at least this much above the valley beside it.
constexpr double kPeakOverValley = 1.2;

// The magnitudes with single-point spikes removed: the median of five.
std::vector<double> despiked(const std::vector<double>& ohms) {
    const std::size_t n = ohms.size();
    std::vector<double> median(n);
    for (std::size_t i = 0; i < n; ++i) {
        const std::size_t from = i < 2 ? 0 : i - 2, to = std::min(n, i + 3);
        std::array<double, 5> window{};
        std::copy(ohms.begin() + from, ohms.begin() + to, window.begin());
        const std::size_t count = to - from;
        std::nth_element(window.begin(), window.begin() + count / 2, window.begin() + count);
        median[i] = window[count / 2];
    }
    return median;
}

// The despiked magnitudes averaged over the smoothing window.
std::vector<double> smoothed(const std::vector<double>& logf, const std::vector<double>& median) {
    const std::size_t n = median.size();
    std::vector<double> sums(n + 1, 0);
    for (std::size_t i = 0; i < n; ++i) {
        sums[i + 1] = sums[i] + median[i];
    }
    std::vector<double> out(n);
    std::size_t lo = 0, hi = 0;
    for (std::size_t i = 0; i < n; ++i) {
        while (logf[i] - logf[lo] > kSmoothing) {
            ++lo;
        }
        while (hi < n && logf[hi] - logf[i] <= kSmoothing) {
            ++hi;
        }
        out[i] = (sums[hi] - sums[lo]) / double(hi - lo);
    }
    return out;
}

struct Valley {
    std::size_t low_peak = 0, high_peak = 0; // indices; 0 and 0 when none
};

// The highest peak and the peak beside it with the deepest valley between
// them, among the local maxima strictly inside [first, last].
Valley two_peaks(const std::vector<double>& s, std::size_t first, std::size_t last) {
    const auto is_peak = [&](std::size_t i) {
        return i > first && i < last && s[i] > s[i - 1] && s[i] >= s[i + 1];
    };
    std::size_t top = 0;
    for (std::size_t i = first + 1; i < last; ++i) {
        if (is_peak(i) && (top == 0 || s[i] > s[top])) {
            top = i;
        }
    }
    Valley best;
    double deepest = 0;
    for (const int step : {-1, 1}) {
        double floor = s[top];
        for (std::size_t i = top + step; top != 0 && i > first && i < last; i += step) {
            if (is_peak(i) && s[i] >= kPeakOverValley * floor && s[i] - floor > deepest) {
                deepest = s[i] - floor;
                best = {std::min(i, top), std::max(i, top)};
            }
            floor = std::min(floor, s[i]);
        }
    }
    return best;
}

// The spread of the points about the smoothed curve, as a share of it: a
// robust standard deviation from the median deviation.
double noise_of(const std::vector<double>& ohms, const std::vector<double>& s) {
    std::vector<double> deviation;
    deviation.reserve(ohms.size());
    for (std::size_t i = 0; i < ohms.size(); ++i) {
        deviation.push_back(s[i] > 0 ? std::fabs(ohms[i] / s[i] - 1) : 0);
    }
    const auto middle = deviation.begin() + deviation.size() / 2;
    std::nth_element(deviation.begin(), middle, deviation.end());
    return 1.4826 * *middle;
}

// Solves the 4x4 normal equations of a cubic by elimination with partial
// pivoting; false when they are singular.
bool solve4(std::array<std::array<double, 5>, 4>& m, std::array<double, 4>& c) {
    for (std::size_t col = 0; col < 4; ++col) {
        std::size_t pivot = col;
        for (std::size_t r = col + 1; r < 4; ++r) {
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col])) {
                pivot = r;
            }
        }
        if (!(std::fabs(m[pivot][col]) > 1e-300)) {
            return false;
        }
        std::swap(m[col], m[pivot]);
        for (std::size_t r = 0; r < 4; ++r) {
            const double factor = r == col ? 0 : m[r][col] / m[col][col];
            for (std::size_t k = col; k < 5; ++k) {
                m[r][k] -= factor * m[col][k];
            }
        }
    }
    for (std::size_t i = 0; i < 4; ++i) {
        c[i] = m[i][4] / m[i][i];
    }
    return std::isfinite(c[0]) && std::isfinite(c[1]) && std::isfinite(c[2]) && std::isfinite(c[3]);
}

// The lowest point of the least-squares cubic through (x, y), x scaled to
// [-1, 1]: where its slope is zero and it curves upwards. Empty when the
// points do not make such a floor.
std::optional<double> cubic_floor(const std::vector<double>& x, const std::vector<double>& y) {
    const double scale = std::max(std::fabs(x.front()), std::fabs(x.back()));
    std::array<std::array<double, 5>, 4> m{};
    for (std::size_t i = 0; i < x.size(); ++i) {
        std::array<double, 7> power{1};
        for (std::size_t p = 1; p < 7; ++p) {
            power[p] = power[p - 1] * x[i] / scale;
        }
        for (std::size_t r = 0; r < 4; ++r) {
            for (std::size_t c = 0; c < 4; ++c) {
                m[r][c] += power[r + c];
            }
            m[r][4] += power[r] * y[i];
        }
    }
    std::array<double, 4> c{};
    if (!(scale > 0) || !solve4(m, c)) {
        return std::nullopt;
    }
    // The slope a t² + b t + k is zero there, at the root where the
    // curvature 2a t + b, which equals the discriminant's square root, is
    // positive.
    const double a = 3 * c[3], b = 2 * c[2], k = c[1];
    std::optional<double> t;
    if (std::fabs(a) < 1e-12 * (std::fabs(b) + std::fabs(k))) {
        if (b > 0) {
            t = -k / b;
        }
    } else if (const double disc = b * b - 4 * a * k; disc >= 0) {
        t = (-b + std::sqrt(disc)) / (2 * a);
    }
    if (!t || !std::isfinite(*t)) {
        return std::nullopt;
    }
    return std::clamp(*t, -1.0, 1.0) * scale;
}

// The points of the valley's floor around its lowest smoothed point k: those
// below a level a little above it, at least seven, never the peaks.
std::pair<std::size_t, std::size_t> valley_floor(const std::vector<double>& s, std::size_t k,
                                                 Valley v, double level) {
    std::size_t l = k, r = k;
    while (l > v.low_peak + 1 && s[l - 1] <= level) {
        --l;
    }
    while (r + 1 < v.high_peak && s[r + 1] <= level) {
        ++r;
    }
    while (r - l < 6 && (l > v.low_peak + 1 || r + 1 < v.high_peak)) {
        l = l > v.low_peak + 1 ? l - 1 : l;
        r = r + 1 < v.high_peak ? r + 1 : r;
    }
    return {l, r};
}

// The minimum between the peaks: the lowest smoothed point, moved to the
// floor of a cubic fitted to the points around it. The floor takes in the
// points within three noise deviations and a twentieth of the valley's
// depth, so that a flat valley is fitted over enough points to average its
// noise and a sharp one over few enough to keep its shape.
SweepPoint valley_minimum(const std::vector<double>& logf, const std::vector<double>& ohms,
                          const std::vector<double>& s, Valley v) {
    std::size_t k = v.low_peak + 1;
    for (std::size_t i = k; i < v.high_peak; ++i) {
        k = s[i] < s[k] ? i : k;
    }
    const double depth = std::min(s[v.low_peak], s[v.high_peak]) - s[k];
    const double level = s[k] * (1 + 3 * noise_of(ohms, s)) + 0.05 * depth;
    const auto [l, r] = valley_floor(s, k, v, level);
    std::vector<double> x, y;
    for (std::size_t i = l; i <= r; ++i) {
        x.push_back(logf[i] - logf[k]);
        y.push_back(ohms[i]);
    }
    const double offset = x.size() >= 5 ? cubic_floor(x, y).value_or(0) : 0;
    const double clamped = std::clamp(offset, x.front(), x.back());
    return {std::exp(logf[k] + clamped), s[k]};
}

} // namespace

TuningFound find_tuning(const std::vector<SweepPoint>& points) {
    TuningFound out;
    if (points.size() < kFewestSweepPoints) {
        out.error = "too few points";
        return out;
    }
    std::vector<double> logf, ohms;
    for (const SweepPoint& p : points) {
        logf.push_back(std::log(p.hz));
        ohms.push_back(p.ohms);
    }
    // The valley's floor is fitted to the despiked points, the peaks and the
    // valley are found on the smoothed curve.
    const std::vector<double> median = despiked(ohms);
    const std::vector<double> s = smoothed(logf, median);
    const double ignored = kIgnoredEnds * (logf.back() - logf.front());
    std::size_t first = 0, last = points.size() - 1;
    while (first < last && logf[first] < logf.front() + ignored) {
        ++first;
    }
    while (last > first && logf[last] > logf.back() - ignored) {
        --last;
    }
    const Valley v = two_peaks(s, first, last);
    if (v.high_peak == 0) {
        out.error = "no two impedance peaks with a valley between them";
        return out;
    }
    out.found = true;
    // On the smoothed curve, as the minimum: a stray point at a peak does not
    // move its mark.
    out.low_peak = {points[v.low_peak].hz, s[v.low_peak]};
    out.high_peak = {points[v.high_peak].hz, s[v.high_peak]};
    out.minimum = valley_minimum(logf, median, s, v);
    return out;
}

} // namespace cylindra
