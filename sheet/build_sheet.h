// SPDX-License-Identifier: GPL-3.0-or-later
// The printable build sheet: a summary page, the cut list and full-size
// templates of the circular parts, drawn on any paged device (a PDF writer or
// a printer) at true scale. The window's Build Sheet command and the command
// line's --sheet both make it here.
#pragma once

#include "core/build_parts.h"
#include "core/calculation.h"

#include <QDate>
#include <QString>

#include <optional>
#include <string_view>

class QLocale;
class QPageLayout;
class QPagedPaintDevice;

namespace cylindra {

// A design as the main window shows it: the record with its solved pair
// filled in, the units shown, the driver values in use and the report that
// calculate_all made of them in those units.
struct SheetDesign {
    Design design;
    DisplayUnits units;
    DriverValues driver;
    Report report;
};

struct SheetOptions {
    Paper paper = Paper::a4;
    QDate date; // printed under the project name
};

// Letter where it is the usual paper (the Americas that use it and the
// Philippines), A4 elsewhere.
Paper default_paper(const QLocale& locale);
// "a4" or "letter".
std::optional<Paper> paper_from_word(std::string_view word);

// The paper in portrait, without margins: the sheet places everything itself.
QPageLayout sheet_page_layout(Paper paper);

// Pages of the sheet: summary, cut list, then every template page.
int build_sheet_page_count(const SheetDesign& sheet, Paper paper);

// Draws every page on the device, which takes the paper without margins.
bool paint_build_sheet(QPagedPaintDevice& device, const SheetDesign& sheet,
                       const SheetOptions& options);

// Writes the sheet as a PDF file; the old file stays whole when the write
// fails, and `error` says why.
bool write_build_sheet(const SheetDesign& sheet, const SheetOptions& options, const QString& path,
                       QString* error);

} // namespace cylindra
