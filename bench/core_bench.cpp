// SPDX-License-Identifier: GPL-3.0-or-later
// How long the core takes for what the windows do on every keystroke: one
// calculate_all with all its result and check texts, reading a typed inch
// length and formatting a length for an inch box; and the start-up report.
#include "core/calculation.h"
#include "core/measurement.h"
#include "core/startup.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace {

using cylindra::LengthUnit;
using cylindra::SolveMode;

// One recalculation as a window performs it after an edit: the design as a
// first run shows it, with the previous results handed back in the way the
// windows do between calls.
void BM_CalculateAll(benchmark::State& state, LengthUnit unit, SolveMode mode) {
    const cylindra::StartupDesign start = cylindra::startup_design(unit, mode);
    cylindra::Results previous = start.report.results;
    for (auto _ : state) {
        cylindra::Report report =
            cylindra::calculate_all(start.design, start.driver, start.units, previous);
        benchmark::DoNotOptimize(report);
        previous = report.results;
    }
}

BENCHMARK_CAPTURE(BM_CalculateAll, metric_opt_height, LengthUnit::metric, SolveMode::opt_height);
BENCHMARK_CAPTURE(BM_CalculateAll, metric_opt_vol, LengthUnit::metric, SolveMode::opt_vol);
BENCHMARK_CAPTURE(BM_CalculateAll, metric_cm_opt_height, LengthUnit::metric_cm,
                  SolveMode::opt_height);
BENCHMARK_CAPTURE(BM_CalculateAll, metric_cm_opt_vol, LengthUnit::metric_cm, SolveMode::opt_vol);
BENCHMARK_CAPTURE(BM_CalculateAll, inches_opt_height, LengthUnit::inches, SolveMode::opt_height);
BENCHMARK_CAPTURE(BM_CalculateAll, inches_opt_vol, LengthUnit::inches, SolveMode::opt_vol);
BENCHMARK_CAPTURE(BM_CalculateAll, decimalinches_opt_height, LengthUnit::decimalinches,
                  SolveMode::opt_height);
BENCHMARK_CAPTURE(BM_CalculateAll, decimalinches_opt_vol, LengthUnit::decimalinches,
                  SolveMode::opt_vol);

// Texts as users type them into inch boxes: fractional, decimal, feet only,
// and a few that are rejected.
constexpr std::array<std::string_view, 12> kTypedLengths{"1' 6 3/8", "49 3/4", "4' 1 3/4", "18.38",
                                                         "3/4",      "5'",     "12",       "1262.9",
                                                         "10 1\\16", "",       "1 2.5",    "7/3"};

// One pass over the whole table per iteration, so the time is that of
// kTypedLengths.size() parses.
void BM_ParseMeasurement(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string_view text : kTypedLengths) {
            cylindra::MeasureParse parsed = cylindra::parse_measurement(text);
            benchmark::DoNotOptimize(parsed);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTypedLengths.size()));
}
BENCHMARK(BM_ParseMeasurement);

// Millimetre values of the start-up design and neighbours: whole, fractional,
// below an inch and a tube several metres high.
constexpr std::array<double, 10> kLengthsMm{1263, 559,     152,     768, 19,
                                            0.5,  466.725, 1262.94, 0,   12345.678};

void BM_FormatMeasurement(benchmark::State& state) {
    for (auto _ : state) {
        for (const double mm : kLengthsMm) {
            cylindra::MeasureFormat formatted = cylindra::format_measurement(mm);
            benchmark::DoNotOptimize(formatted);
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kLengthsMm.size()));
}
BENCHMARK(BM_FormatMeasurement);

// The batch report of a first run: start-up design (two calculations) and
// its lines, as one job.
void BM_StartupReport(benchmark::State& state, LengthUnit unit, SolveMode mode) {
    for (auto _ : state) {
        auto lines = cylindra::report_lines(cylindra::startup_design(unit, mode).report);
        benchmark::DoNotOptimize(lines);
    }
}
BENCHMARK_CAPTURE(BM_StartupReport, metric_opt_height, LengthUnit::metric, SolveMode::opt_height);
BENCHMARK_CAPTURE(BM_StartupReport, inches_opt_height, LengthUnit::inches, SolveMode::opt_height);

} // namespace
