// SPDX-License-Identifier: GPL-3.0-or-later
// Impedance sweeps made up for the tests: the voice-coil impedance of a driver
// in a vented box, from its electrical equivalent circuit, with seeded noise,
// written as a measurement program's text export.
#pragma once

#include <cmath>
#include <complex>
#include <cstdint>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace cylindra::testing {

struct VentedBox {
    double fs = 25;     // driver resonance, Hz
    double qes = 0.45;  // electrical Q
    double qms = 5;     // mechanical Q
    double alpha = 1;   // Vas / Vb
    double fb = 25;     // Helmholtz tuning of box and port, Hz
    double ql = 7;      // box leakage Q
    double re = 6;      // voice-coil resistance, ohms
    double le = 0.5e-3; // voice-coil inductance, H
};

// Re and Le in series with the motional branches side by side: the cone's
// mass (a capacitance), its suspension (an inductance) and losses, and the
// box's air spring in series with the port's air mass and the leakage.
inline std::complex<double> impedance(const VentedBox& b, double hz) {
    const double pi = 3.14159265358979323846;
    const std::complex<double> s(0, 2 * pi * hz);
    const double ws = 2 * pi * b.fs, wb = 2 * pi * b.fb;
    const double cmes = b.qes / (ws * b.re), lces = b.re / (ws * b.qes);
    const double res = b.re * b.qms / b.qes;
    const double lceb = lces / b.alpha, cmep = 1 / (wb * wb * lceb), rel = wb * lceb / b.ql;
    const std::complex<double> box = s * lceb + 1.0 / (s * cmep) + rel;
    const std::complex<double> y = s * cmes + 1.0 / (s * lces) + 1 / res + 1.0 / box;
    return b.re + s * b.le + 1.0 / y;
}

// The lowest magnitude between the two peaks (the model has no others),
// found on a fine grid and then by golden-section search: what a sweep's
// minimum should be read as.
inline double impedance_minimum_hz(const VentedBox& b) {
    const auto mag = [&b](double logf) { return std::abs(impedance(b, std::exp(logf))); };
    const double from = std::log(2.0), to = std::log(2000.0);
    const int steps = 20000;
    const double h = (to - from) / steps;
    std::vector<double> m(steps + 1);
    for (int i = 0; i <= steps; ++i) {
        m[i] = mag(from + i * h);
    }
    std::vector<int> peaks;
    for (int i = 1; i < steps; ++i) {
        if (m[i] > m[i - 1] && m[i] >= m[i + 1]) {
            peaks.push_back(i);
        }
    }
    if (peaks.size() != 2) {
        return 0;
    }
    int best = peaks[0] + 1;
    for (int i = best; i < peaks[1]; ++i) {
        best = m[i] < m[best] ? i : best;
    }
    double a = from + (best - 1) * h, c = from + (best + 1) * h;
    const double g = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 100; ++i) {
        const double x1 = c - g * (c - a), x2 = a + g * (c - a);
        if (mag(x1) < mag(x2)) {
            c = x2;
        } else {
            a = x1;
        }
    }
    return std::exp((a + c) / 2);
}

struct SweepStyle {
    int points = 300;          // log-spaced
    double from = 5, to = 500; // Hz
    double noise = 0.01;       // each magnitude times 1 ± up to this
    std::uint32_t seed = 1;
    const char* separator = "\t";
    bool phase = true;
    const char* header = "* Impedance sweep\n* Freq(Hz)\tMag(ohm)\tPhase(deg)\n";
    const char* newline = "\n";
};

// The noise comes from the generator's raw output, which the standard fixes,
// so a seed gives the same sweep on every machine.
inline std::string sweep_text(const VentedBox& b, const SweepStyle& style = {}) {
    std::mt19937 random(style.seed);
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(10);
    out << style.header;
    for (int i = 0; i < style.points; ++i) {
        const double hz = style.from * std::pow(style.to / style.from, i / (style.points - 1.0));
        const std::complex<double> z = impedance(b, hz);
        const double u = random() / 4294967296.0;
        out << hz << style.separator << std::abs(z) * (1 + style.noise * (2 * u - 1));
        if (style.phase) {
            out << style.separator << std::arg(z) * 180 / 3.14159265358979323846;
        }
        out << style.newline;
    }
    return out.str();
}

} // namespace cylindra::testing
