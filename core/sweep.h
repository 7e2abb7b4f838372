// SPDX-License-Identifier: GPL-3.0-or-later
// Impedance sweeps of a finished enclosure, as a measurement program exports
// them: one point a line, frequency in Hz, impedance magnitude in ohms and
// optionally the phase, separated by blanks, tabs or commas. Lines that start
// with "*" or with anything but a number are comments. The enclosure's tuning
// is the impedance minimum between the two peaks.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace cylindra {

struct SweepPoint {
    double hz = 0;
    double ohms = 0;
};

// Bounds on what a sweep may hold, so that no file can exhaust memory.
inline constexpr std::size_t kLongestSweepLine = 1024; // characters
inline constexpr std::size_t kMostSweepPoints = 100000;
inline constexpr std::size_t kFewestSweepPoints = 20;
// What a loudspeaker's impedance sweep can hold: frequencies from a tenth of
// a hertz to ten megahertz, impedances up to a megohm.
inline constexpr double kLowestSweepHz = 0.1;
inline constexpr double kHighestSweepHz = 1e7;
inline constexpr double kHighestSweepOhms = 1e6;

struct SweepReading {
    std::vector<SweepPoint> points; // frequencies rising; empty when rejected
    std::string error;              // "" or why the text is not a sweep
};

SweepReading parse_sweep(std::string_view text);

struct TuningFound {
    bool found = false;
    SweepPoint low_peak, minimum, high_peak; // on the smoothed curve, frequencies rising
    std::string error;                       // "" or why no tuning was found
};

// The two impedance peaks and the minimum between them. The curve is smoothed
// lightly over log frequency and its first and last few percent are ignored;
// the minimum is placed between the points by a fit of the valley's floor.
TuningFound find_tuning(const std::vector<SweepPoint>& points);

} // namespace cylindra
