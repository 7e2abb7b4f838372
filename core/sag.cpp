// SPDX-License-Identifier: GPL-3.0-or-later
#include "sag.h"

#include "calculation.h"
#include "number_text.h"

#include <cmath>

namespace cylindra {

SagResult findsag(std::string_view xmax_text, std::string_view fs_text) {
    const double xmax = read_line_number(xmax_text).value_or(0);
    const double fs = read_line_number(fs_text).value_or(0);
    SagResult out;
    if (!(xmax > 0 && fs > 0)) {
        return out;
    }
    const double tenths = std::floor(24849 / (fs * xmax * fs) * 10);
    // Tiny inputs overflow the sag; no finite percentage means no result.
    if (!std::isfinite(tenths)) {
        return out;
    }
    out.shown = true;
    out.sagpercent = tenths / 10;
    const bool excessive = out.sagpercent > 5;
    out.text = "Sag of " + plain_number(out.sagpercent) +
               (excessive ? "% is excessive" : "% is acceptable");
    out.background = excessive ? colour::red : colour::green;
    return out;
}

} // namespace cylindra
