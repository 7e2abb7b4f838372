// SPDX-License-Identifier: GPL-3.0-or-later
// The cut list: one row per part with its quantity, material and sizes in
// the sheet's unit (and in millimetres beside inches), and the pages of its
// template.
#include "sheet_page.h"

namespace cylindra::sheet {

namespace {

constexpr double kPoints = 8;

struct Column {
    const char* title;
    double width;
};

QString sizes_text(const Part& part, LengthUnit unit) {
    QStringList lines;
    for (const PartSize& s : part.sizes) {
        lines << text(s.name) + ": " + length_unit(s.mm, unit);
    }
    return lines.join('\n');
}

QString millimetres_text(const Part& part) {
    QStringList lines;
    for (const PartSize& s : part.sizes) {
        lines << millimetres(s.mm);
    }
    return lines.join('\n');
}

QString pages_text(const Context& c, std::size_t i) {
    const int first = c.plan.first_page[i];
    if (first == 0) {
        return c.plan.parts[i].circular ? "too large" : "-";
    }
    const int last = first + static_cast<int>(c.plan.tilings[i].tiles.size()) - 1;
    return first == last ? QString::number(first) : QString("%1-%2").arg(first).arg(last);
}

} // namespace

namespace {

std::vector<Column> columns_of(double width, bool inches) {
    std::vector<Column> columns{{"Part", 33}, {"Qty", 9}, {"Material", 38}};
    const double pages_w = 16;
    const double mm_w = inches ? 24 : 0;
    columns.push_back({"Sizes", width - 33 - 9 - 38 - mm_w - pages_w});
    if (inches) {
        columns.push_back({"mm", mm_w});
    }
    columns.push_back({"Template pages", pages_w});
    return columns;
}

// A row of cells, each wrapped in its column; returns the height taken.
double cells_row(Page& page, double y, const std::vector<Column>& columns, const QStringList& cells,
                 bool heading) {
    double x = kPageMargin, tall = 0;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        page.font(kPoints, heading || k == 0);
        const int align = k == 1 && !heading ? Qt::AlignHCenter : Qt::AlignLeft;
        tall = std::max(tall, page.text(x + 1, y, columns[k].width - 2, cells[int(k)], align));
        x += columns[k].width;
    }
    return tall;
}

// One part's row with its notes and any warning below it.
double part_row(Page& page, double y, const Context& c, const std::vector<Column>& columns,
                std::size_t i) {
    const Part& part = c.plan.parts[i];
    QStringList cells{text(part.name), QString::number(part.quantity), text(part.material),
                      sizes_text(part, c.unit())};
    if (is_inch_unit(c.unit())) {
        cells << millimetres_text(part);
    }
    cells << pages_text(c, i);
    const double top = y;
    y += 1.2;
    y += cells_row(page, y, columns, cells, false);
    const double notes_x = kPageMargin + 33 + 9 + 1;
    const double notes_w = page.size().width - kPageMargin - notes_x - 1;
    page.font(6.8);
    for (const std::string& note : part.notes) {
        y += page.text(notes_x, y, notes_w, text(note), Qt::AlignLeft, kFaint);
    }
    if (!part.warning.empty()) {
        y += page.text(notes_x, y, notes_w, text(part.warning), Qt::AlignLeft, kFail);
    }
    y += 1.2;
    page.line(kPageMargin, y, page.size().width - kPageMargin, y, page.pen(0.1, kFaint));
    return y - top;
}

} // namespace

void draw_cut_list(Page& page, const Context& c) {
    const double width = page.size().width - 2 * kPageMargin;
    const bool inches = is_inch_unit(c.unit());
    double y = kPageMargin;
    page.font(16, true);
    y += page.text(kPageMargin, y, width, "Cut list: " + c.project());
    page.font(8.5);
    y += page.text(kPageMargin, y, width,
                   QString("Sizes in %1%2  -  %3")
                       .arg(unit_words(c.unit()), inches ? ", and in millimetres" : "",
                            c.options.date.toString(Qt::ISODate)),
                   Qt::AlignLeft, kFaint) +
         3;
    const std::vector<Column> columns = columns_of(width, inches);
    QStringList titles;
    for (const Column& col : columns) {
        titles << col.title;
    }
    y += cells_row(page, y, columns, titles, true) + 1;
    page.line(kPageMargin, y, kPageMargin + width, y, page.pen(0.3));
    for (std::size_t i = 0; i < c.plan.parts.size(); ++i) {
        y += part_row(page, y, c, columns, i);
    }
    y += 5;
    page.font(8.5, true);
    y += page.text(kPageMargin, y, width, "Full-size templates") + 1;
    page.font(8.5);
    page.text(kPageMargin, y, width,
              "The circular parts follow at full size, each page with a calibration square. "
              "Print at actual size (100 %, no \"fit to page\") and check that the square "
              "measures 100 mm before cutting. Where a part takes several pages, trim one "
              "page along its dashed join line and lay it over the next so that the "
              "alignment marks meet; each page is labelled with its row and column.");
}

} // namespace cylindra::sheet
