// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary text to the sweep reader and whatever it reads to the
// tuning finder, as a builder may import any file as a sweep.
#include "core/sweep.h"
#include "fuzz_checks.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace cylindra;
using cylindra::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SweepReading sweep = parse_sweep(fuzz::as_text(data, size));

    // Read with no reason, or rejected with one and nothing read.
    require(sweep.error.empty() == !sweep.points.empty());
    require(!fuzz::shows_non_finite(sweep.error));
    if (!sweep.error.empty()) {
        return 0;
    }
    require(sweep.points.size() >= kFewestSweepPoints);
    require(sweep.points.size() <= kMostSweepPoints);
    for (std::size_t i = 0; i < sweep.points.size(); ++i) {
        const SweepPoint& p = sweep.points[i];
        require(std::isfinite(p.hz) && p.hz > 0);
        require(std::isfinite(p.ohms) && p.ohms >= 0);
        require(i == 0 || p.hz > sweep.points[i - 1].hz);
    }

    const TuningFound tuning = find_tuning(sweep.points);
    require(tuning.found == tuning.error.empty());
    if (!tuning.found) {
        return 0;
    }
    // The minimum lies between the two peaks, within the sweep, below them.
    require(std::isfinite(tuning.minimum.hz) && std::isfinite(tuning.minimum.ohms));
    require(sweep.points.front().hz <= tuning.low_peak.hz);
    require(tuning.low_peak.hz <= tuning.minimum.hz);
    require(tuning.minimum.hz <= tuning.high_peak.hz);
    require(tuning.high_peak.hz <= sweep.points.back().hz);
    require(tuning.minimum.ohms < tuning.low_peak.ohms ||
            tuning.minimum.ohms < tuning.high_peak.ohms);
    return 0;
}
