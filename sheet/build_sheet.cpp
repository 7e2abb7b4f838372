// SPDX-License-Identifier: GPL-3.0-or-later
#include "build_sheet.h"

#include "sheet_page.h"

#include "io/file_store.h"

#include <QBuffer>
#include <QLocale>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <array>

namespace cylindra {

namespace {

// A PDF's own resolution: fine enough that every line lies within a
// hundredth of a millimetre of where it belongs.
constexpr int kPdfDpi = 1200;

} // namespace

QPageLayout sheet_page_layout(Paper paper) {
    const QPageSize size(paper == Paper::a4 ? QPageSize::A4 : QPageSize::Letter);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

Paper default_paper(const QLocale& locale) {
    static constexpr std::array kLetter{
        QLocale::UnitedStates,     QLocale::Canada,    QLocale::Mexico,     QLocale::Chile,
        QLocale::Colombia,         QLocale::CostaRica, QLocale::Guatemala,  QLocale::Panama,
        QLocale::ElSalvador,       QLocale::Venezuela, QLocale::PuertoRico, QLocale::Philippines,
        QLocale::DominicanRepublic};
    return std::find(kLetter.begin(), kLetter.end(), locale.territory()) != kLetter.end()
               ? Paper::letter
               : Paper::a4;
}

std::optional<Paper> paper_from_word(std::string_view word) {
    if (word == "a4") {
        return Paper::a4;
    }
    if (word == "letter") {
        return Paper::letter;
    }
    return std::nullopt;
}

namespace sheet {

SheetPlan plan_sheet(const SheetDesign& s, Paper paper) {
    SheetPlan plan;
    plan.parts = build_parts(s.design, s.driver, s.report);
    plan.pages.push_back({PagePlan::summary, -1, {}});
    plan.pages.push_back({PagePlan::cut_list, -1, {}});
    for (std::size_t i = 0; i < plan.parts.size(); ++i) {
        const Part& part = plan.parts[i];
        plan.tilings.push_back(part.circular
                                   ? tile_disc(part.diameter, template_area(paper), kTileOverlap)
                                   : Tiling{});
        plan.first_page.push_back(
            plan.tilings.back().tiles.empty() ? 0 : static_cast<int>(plan.pages.size()) + 1);
        for (const Tile& tile : plan.tilings.back().tiles) {
            plan.pages.push_back({PagePlan::template_page, static_cast<int>(i), tile});
        }
    }
    return plan;
}

} // namespace sheet

int build_sheet_page_count(const SheetDesign& sheet, Paper paper) {
    return static_cast<int>(sheet::plan_sheet(sheet, paper).pages.size());
}

bool paint_build_sheet(QPagedPaintDevice& device, const SheetDesign& s,
                       const SheetOptions& options) {
    using namespace sheet;
    if (!device.setPageLayout(sheet_page_layout(options.paper))) {
        return false;
    }
    const SheetPlan plan = plan_sheet(s, options.paper);
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    const int pages = static_cast<int>(plan.pages.size());
    for (int i = 0; i < pages; ++i) {
        if (i > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        Page page(painter, options.paper);
        Context c{s, options, plan, i + 1};
        const PagePlan& p = plan.pages[static_cast<std::size_t>(i)];
        switch (p.kind) {
        case PagePlan::summary:
            draw_summary(page, c);
            break;
        case PagePlan::cut_list:
            draw_cut_list(page, c);
            break;
        case PagePlan::template_page:
            draw_template(page, c, p);
            break;
        }
        page.footer(i + 1, pages, c.project());
    }
    return painter.end();
}

bool write_build_sheet(const SheetDesign& sheet, const SheetOptions& options, const QString& path,
                       QString* error) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfDpi);
        writer.setCreator(QStringLiteral("Cylindra"));
        writer.setTitle("Build sheet - " + QString::fromStdString(sheet.design.projectname));
        if (!paint_build_sheet(writer, sheet, options)) {
            if (error) {
                *error = QStringLiteral("The pages could not be drawn");
            }
            return false;
        }
    }
    const QByteArray& bytes = buffer.data();
    const io::WriteResult result = io::write_file(
        path, std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!result.ok && error) {
        *error = result.error;
    }
    return result.ok;
}

} // namespace cylindra
