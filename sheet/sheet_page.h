// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing on one page of the build sheet in millimetres from the page's top
// left corner, whatever the device's resolution; and the plan of the pages.
#pragma once

#include "build_sheet.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QString>

#include <vector>

namespace cylindra::sheet {

// Colours of the sheet. The calibration squares have colours of their own,
// used for nothing else, so that a test can find them on a rendered page.
inline const QColor kInk(0x20, 0x20, 0x20);
inline const QColor kFaint(0x90, 0x90, 0x90);
inline const QColor kDimension(0x00, 0x50, 0x90);
inline const QColor kFail(0xC0, 0x00, 0x00);
inline const QColor kPass(0x00, 0x90, 0x00);
inline const QColor kSquareMm(0x37, 0x6A, 0xF0);
inline const QColor kSquareInch(0xD0, 0x60, 0x00);

class Page {
  public:
    Page(QPainter& painter, Paper paper);

    QPainter& painter() { return m_p; }
    Paper paper() const { return m_paper; }
    SizeMm size() const { return paper_size(m_paper); }
    // Device units per millimetre.
    double scale() const { return m_scale; }
    double px(double mm) const { return mm * m_scale; }
    QPointF at(double x, double y) const { return {px(x), px(y)}; }
    QRectF box(double x, double y, double w, double h) const {
        return {at(x, y), at(x + w, y + h)};
    }

    void font(double points, bool bold = false);
    // The height of a line of the current font, in millimetres.
    double line_height() const;
    double text_width(const QString& text) const;
    // Text in a box `width` wide from (x, y): wrapped when longer, or
    // aligned by `flags`; returns the height it took.
    double text(double x, double y, double width, const QString& text, int flags = Qt::AlignLeft,
                const QColor& colour = kInk);

    QPen pen(double width_mm, const QColor& colour = kInk,
             Qt::PenStyle style = Qt::SolidLine) const;
    void line(double x1, double y1, double x2, double y2, const QPen& pen);
    void circle(double cx, double cy, double diameter, const QPen& pen);

    // The page number and the project at the foot of the page.
    void footer(int page, int pages, const QString& project);

  private:
    QPainter& m_p;
    Paper m_paper;
    double m_scale;
};

// Texts in the sheet's unit.
QString length(double mm, LengthUnit unit);      // "3' 10 7/16", "1225"
QString length_unit(double mm, LengthUnit unit); // with " mm", " cm" or " inches"
QString millimetres(double mm);                  // "1225 mm"
QString unit_words(LengthUnit unit);             // "millimetres", ...
QString text(const std::string& s);
// A name the builder typed, cut to at most `most` characters with an
// ellipsis, so that no name can push the page's text off the paper.
QString shortened(const QString& name, int most = 40);

// What each page shows.
struct PagePlan {
    enum Kind { summary, cut_list, template_page } kind = summary;
    int part = -1; // templates: index into parts
    Tile tile;
};

struct SheetPlan {
    std::vector<Part> parts;
    std::vector<Tiling> tilings; // per part; empty for parts without a template
    std::vector<PagePlan> pages;
    std::vector<int> first_page; // per part: its first template page (1-based), 0 if none
};

SheetPlan plan_sheet(const SheetDesign& sheet, Paper paper);

struct Context {
    const SheetDesign& sheet;
    const SheetOptions& options;
    const SheetPlan& plan;
    int number = 0; // of the page being drawn, 1-based
    QString project() const;
    LengthUnit unit() const { return sheet.units.length; }
};

void draw_summary(Page& page, const Context& c);
void draw_cut_list(Page& page, const Context& c);
void draw_template(Page& page, const Context& c, const PagePlan& plan);

// The section through the enclosure at a true scale within `area` (mm),
// with dimension lines; its scale as "1:N".
void draw_section(Page& page, const Context& c, const QRectF& area);

} // namespace cylindra::sheet
