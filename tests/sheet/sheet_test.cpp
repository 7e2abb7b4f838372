// SPDX-License-Identifier: GPL-3.0-or-later
// The build sheet as written to a PDF file and read back: its pages and
// their paper, the calibration square measured on a drawn page, the cut list
// and page labels in its text, nothing drawn in the margins, and a failed
// write that leaves no file.
#include "sheet/build_sheet.h"

#include "core/measurement.h"
#include "core/startup.h"
#include "tests/core/param_names.h"
#include "tests/sheet/pdf_file.h"

#include <QDir>
#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace cylindra;
using namespace cylindra::test;

namespace {

SheetDesign sample(LengthUnit unit, const std::function<void(Design&)>& change = {}) {
    StartupDesign s = startup_design(unit, SolveMode::opt_height);
    s.design.projectname = "bass.cyl";
    if (change) {
        change(s.design);
        complete_opened(s, unit, std::nullopt);
    }
    return {s.design, s.units, s.driver, s.report};
}

struct Paper_ {
    const char* name;
    Paper paper;
    QSizeF points;
    double square_mm;      // the calibration square drawn in blue
    double inch_square_mm; // the one in orange, on Letter only
};

class SheetPaper : public testing::TestWithParam<Paper_> {
  protected:
    QTemporaryDir dir;
    QString path() const { return dir.path() + "/bass.pdf"; }
    SheetDesign sheet = sample(LengthUnit::metric);
    void write() {
        QString why;
        ASSERT_TRUE(write_build_sheet(sheet, {GetParam().paper, QDate(2026, 5, 1)}, path(), &why))
            << why.toStdString();
    }
};

TEST_P(SheetPaper, HasEveryPageOnThePaperChosen) {
    write();
    const QByteArray pdf = file_bytes(path());
    ASSERT_TRUE(pdf.startsWith("%PDF-"));
    const int pages = build_sheet_page_count(sheet, GetParam().paper);
    EXPECT_EQ(pdf_page_count(pdf), pages);
    // Summary, cut list, then 16 (A4) or 20 (Letter) pages for each of the
    // four 600 mm discs.
    EXPECT_EQ(pages, 2 + 4 * (GetParam().paper == Paper::a4 ? 16 : 20));
    const auto boxes = media_boxes(pdf);
    ASSERT_EQ(int(boxes.size()), pages);
    // The toolkit writes A4 to the whole point, 595 x 842: within a fifth of
    // a millimetre.
    for (const QSizeF& box : boxes) {
        EXPECT_NEAR(box.width(), GetParam().points.width(), 0.5);
        EXPECT_NEAR(box.height(), GetParam().points.height(), 0.5);
    }
}

// Measured in points on a template page drawn at 254 dpi (10 pixels to the
// millimetre): 100 mm is 283.46 points, 4 inches 288.
TEST_P(SheetPaper, CalibrationSquareMeasuresTrue) {
    write();
    for (const int page : {3, build_sheet_page_count(sheet, GetParam().paper)}) {
        const QImage image = render_page(path(), page, 254);
        ASSERT_FALSE(image.isNull());
        const double points = 72.0 / 254;
        EXPECT_NEAR(square_side(image, qRgb(0x37, 0x6A, 0xF0)) * points,
                    GetParam().square_mm / 25.4 * 72, 0.3)
            << "page " << page;
        EXPECT_NEAR(square_side(image, qRgb(0xD0, 0x60, 0x00)) * points,
                    GetParam().inch_square_mm / 25.4 * 72, 0.3);
    }
    // The summary and the cut list are not templates: no square.
    EXPECT_EQ(square_side(render_page(path(), 1, 50), qRgb(0x37, 0x6A, 0xF0)), 0);
}

// Pixels drawn in the outer 5 mm of a page.
int inked_margin(const QImage& image, int dpi) {
    const int edge = int(5 / 25.4 * dpi);
    int inked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool margin =
                x < edge || y < edge || x >= image.width() - edge || y >= image.height() - edge;
            inked += margin && (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
        }
    }
    return inked;
}

// Nothing runs off the paper: the outer 5 mm of every page stays white, so
// a printer's unprintable edge cuts nothing of the templates either.
TEST_P(SheetPaper, LeavesTheMarginsOfEveryPageBlank) {
    write();
    const int pages = build_sheet_page_count(sheet, GetParam().paper);
    for (int page = 1; page <= pages; ++page) {
        const QImage image = render_page(path(), page, 50);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(inked_margin(image, 50), 0) << "page " << page;
    }
}

// Names the builder typed, pasted long and without a blank, are cut short
// rather than run over the footer or off the paper.
TEST_P(SheetPaper, LongNamesStayOnThePage) {
    sheet = sample(LengthUnit::metric, [](Design& d) {
        d.drivermanual = true;
        d.drivername = std::string(10000, 'W');
    });
    sheet.design.projectname = std::string(10000, 'W');
    write();
    for (const int page : {1, 2, 3}) {
        const QImage image = render_page(path(), page, 50);
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(inked_margin(image, 50), 0) << "page " << page;
    }
    const QString summary = page_text(path(), 1, 1);
    EXPECT_TRUE(summary.contains(QString(39, 'W') + QChar(0x2026)))
        << summary.left(200).toStdString();
    EXPECT_FALSE(summary.contains(QString(41, 'W')));
}

INSTANTIATE_TEST_SUITE_P(Table, SheetPaper,
                         testing::Values(Paper_{"A4", Paper::a4, {595.28, 841.89}, 100, 0},
                                         Paper_{"Letter", Paper::letter, {612, 792}, 100, 101.6}),
                         [](const auto& info) { return std::string(info.param.name); });

// Sizes the sheet works out itself (hole circles, centres) are given to a
// tenth of a millimetre, as a builder can mark them.
TEST(SheetText, GivesComputedSizesToATenthOfAMillimetre) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/sheet.pdf";
    const SheetDesign sheet = sample(LengthUnit::metric, [](Design& d) {
        d.numports = 3;
        d.portid = 100;
        d.tubid = 591;
    });
    ASSERT_TRUE(write_build_sheet(sheet, {Paper::a4, QDate(2026, 5, 1)}, path, nullptr));
    const QString all = page_text(path, 1, build_sheet_page_count(sheet, Paper::a4));
    EXPECT_TRUE(all.contains("circle"));
    const QRegularExpressionMatch fine = QRegularExpression("[0-9]\\.[0-9]{2,} mm").match(all);
    EXPECT_FALSE(fine.hasMatch()) << fine.captured().toStdString();
}

// What the pages say, as pdftotext reads them.
TEST(SheetText, ListsEveryPartAndLabelsEveryTemplatePage) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/sheet.pdf";
    const SheetDesign sheet = sample(LengthUnit::inches, [](Design& d) {
        d.covertype = CoverType::grille;
        d.numports = 3;
        d.portid = 100;
        d.drivermounting = DriverMounting::surfacemounted;
    });
    ASSERT_TRUE(write_build_sheet(sheet, {Paper::a4, QDate(2026, 5, 1)}, path, nullptr));
    const int pages = pdf_page_count(file_bytes(path));
    // Ligatures ("ff" as one glyph) read back as their letters.
    const QString summary = page_text(path, 1, 1).normalized(QString::NormalizationForm_KC);
    EXPECT_TRUE(summary.contains("Build sheet: bass.cyl")) << summary.toStdString();
    EXPECT_TRUE(summary.contains("2026-05-01"));
    EXPECT_TRUE(summary.contains("More than two ports"));
    EXPECT_TRUE(summary.contains("Surface mounted"));
    EXPECT_TRUE(summary.contains(QString("Page 1 of %1").arg(pages)));
    // The section's tube is the tube cut to length.
    EXPECT_TRUE(summary.contains(
        "tube cut " +
        QString::fromStdString(length_text(sheet.report.results.sonolength, LengthUnit::inches))
            .trimmed()))
        << summary.toStdString();
    // The result lines as the main window shows them.
    for (const std::string& line : {sheet.report.labels.totalheight, sheet.report.labels.sonolength,
                                    sheet.report.labels.port_effectivelength}) {
        EXPECT_TRUE(summary.simplified().contains(QString::fromStdString(line).simplified()))
            << line;
    }
    const QString cut = page_text(path, 2, 2);
    for (const char* part : {"Tube", "Port tube", "Top endcap", "Bottom endcap", "Port grille",
                             "Floor plate", "Floor plate spacer"}) {
        EXPECT_TRUE(cut.contains(part)) << part;
    }
    EXPECT_FALSE(cut.contains("Top cover plate"));
    EXPECT_TRUE(cut.contains(" mm")); // inch sizes are given in millimetres too
    const std::vector<Part> parts = build_parts(sheet.design, sheet.driver, sheet.report);
    int page = 3;
    for (const Part& p : parts) {
        if (!p.circular) {
            continue;
        }
        const int first = page;
        for (const Tile& t : tile_disc(p.diameter, template_area(Paper::a4), kTileOverlap).tiles) {
            const QString text = page_text(path, page, page);
            EXPECT_TRUE(text.contains(QString::fromStdString(p.name))) << page;
            EXPECT_TRUE(
                text.contains(QString("Row %1, Column %2").arg(t.row + 1).arg(t.column + 1)))
                << page;
            if (p.kind == PartKind::top_endcap) {
                EXPECT_TRUE(text.contains("More than two ports")) << page;
            }
            EXPECT_TRUE(text.contains(QString("Page %1 of %2").arg(page).arg(pages))) << page;
            ++page;
        }
        // The cut list names the part's template pages.
        EXPECT_TRUE(cut.contains(QString("%1-%2").arg(first).arg(page - 1))) << p.name;
    }
    EXPECT_EQ(page - 1, pages);
}

// The template itself measures true: on the top endcap of a small design,
// drawn on one page at 254 dpi (10 pixels to the millimetre), the outline is
// 150 mm across both ways and the centred port hole (48 mm: 40 mm inside,
// 4 mm walls) cuts a chord of 2 * sqrt(24^2 - 15^2) = 37.47 mm 15 mm above
// the centre. Only the outline, the holes and the centre mark are black.
TEST(SheetTemplate, OutlineAndHolesMeasureTrue) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/small.pdf";
    const SheetDesign sheet = sample(LengthUnit::metric, [](Design& d) {
        d.topendcapdia = d.floorplatedia = d.topcoverdia = 150;
        d.tubid = 120;
        d.portid = 40;
        d.numports = 1;
    });
    ASSERT_TRUE(write_build_sheet(sheet, {Paper::a4, QDate(2026, 5, 1)}, path, nullptr));
    const QImage page = render_page(path, 3, 254); // the top endcap, one page
    ASSERT_FALSE(page.isNull());
    auto black = [&](int x, int y) {
        const QRgb c = page.pixel(x, y);
        return qRed(c) < 90 && qGreen(c) < 90 && qBlue(c) < 90;
    };
    auto blacks_in_row = [&](int y) {
        std::vector<int> xs; // the first pixel of each line crossed
        int last = -10;
        for (int x = 0; x < page.width(); ++x) {
            if (black(x, y)) {
                if (x > last + 3) {
                    xs.push_back(x);
                }
                last = x;
            }
        }
        return xs;
    };
    // The widest row below the title is the outline's diameter.
    int widest = 0, centre = 0;
    for (int y = 250; y < page.height() * 6 / 10; ++y) {
        const std::vector<int> xs = blacks_in_row(y);
        if (xs.size() >= 2 && xs.back() - xs.front() > widest) {
            widest = xs.back() - xs.front();
            centre = y;
        }
    }
    EXPECT_NEAR(widest / 10.0, 150, 0.5);
    const std::vector<int> row = blacks_in_row(centre - 150);
    ASSERT_EQ(row.size(), 4u) << "outline, hole, hole, outline: " << ::testing::PrintToString(row);
    EXPECT_NEAR((row[2] - row[1]) / 10.0, 37.47, 0.5);
    // The hole sits in the middle of the outline.
    EXPECT_NEAR((row[1] - row[0]) / 10.0, (row[3] - row[2]) / 10.0, 0.5);
}

TEST(SheetFile, FailedWriteSaysWhyAndLeavesNoFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/missing/sheet.pdf";
    QString why;
    EXPECT_FALSE(write_build_sheet(sample(LengthUnit::metric), {}, path, &why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SheetPaperChoice, FollowsTheLocale) {
    EXPECT_EQ(default_paper(QLocale(QLocale::English, QLocale::UnitedStates)), Paper::letter);
    EXPECT_EQ(default_paper(QLocale(QLocale::French, QLocale::Canada)), Paper::letter);
    EXPECT_EQ(default_paper(QLocale(QLocale::English, QLocale::UnitedKingdom)), Paper::a4);
    EXPECT_EQ(default_paper(QLocale(QLocale::German, QLocale::Germany)), Paper::a4);
    EXPECT_EQ(paper_from_word("letter"), Paper::letter);
    EXPECT_EQ(paper_from_word("A4"), std::nullopt);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv); // fonts for the text of the pages
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
