// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/build_parts.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace cylindra;

namespace {

struct Built {
    Design design;
    Report report;
    std::vector<Part> parts;
};

// A design solved for volume, so that its sizes stay as set.
Built build(const std::function<void(Design&)>& change) {
    Design d;
    d.solvemode = SolveMode::opt_vol;
    change(d);
    const DriverValues driver{5, 150, 266, 10};
    Report r = calculate_all(d, driver, {LengthUnit::metric, false}, {});
    r.solved.apply_to(d);
    return {d, r, build_parts(d, driver, r)};
}

const Part& part(const Built& b, PartKind kind) {
    const auto it = std::find_if(b.parts.begin(), b.parts.end(),
                                 [kind](const Part& p) { return p.kind == kind; });
    EXPECT_NE(it, b.parts.end());
    return *it;
}

std::vector<Hole> holes(const Part& p, HoleKind kind) {
    std::vector<Hole> found;
    std::copy_if(p.holes.begin(), p.holes.end(), std::back_inserter(found),
                 [kind](const Hole& h) { return h.kind == kind; });
    return found;
}

struct Count {
    const char* name;
    CoverType cover;
    int ports;
    std::vector<PartKind> kinds;
};

class PartList : public testing::TestWithParam<Count> {};

TEST_P(PartList, HoldsEveryPartOnceWithThePortsOnTheTopEndcap) {
    const Count& c = GetParam();
    const Built b = build([&](Design& d) {
        d.covertype = c.cover;
        d.numports = c.ports;
        d.portid = 76;
    });
    std::vector<PartKind> kinds;
    for (const Part& p : b.parts) {
        kinds.push_back(p.kind);
    }
    EXPECT_EQ(kinds, c.kinds);
    EXPECT_EQ(part(b, PartKind::port).quantity, c.ports);
    const Part& top = part(b, PartKind::top_endcap);
    EXPECT_EQ(holes(top, HoleKind::port).size(), std::size_t(c.ports));
    for (const Hole& h : holes(top, HoleKind::port)) {
        EXPECT_DOUBLE_EQ(h.diameter, 76 + 2 * b.design.portwall); // the port tube passes
    }
    EXPECT_EQ(holes(top, HoleKind::flare).size(), std::size_t(c.ports)); // exit flared
    EXPECT_EQ(holes(part(b, PartKind::bottom_endcap), HoleKind::driver).size(), 1u);
    const auto circular =
        std::count_if(b.parts.begin(), b.parts.end(), [](const Part& p) { return p.circular; });
    EXPECT_EQ(circular, c.cover == CoverType::nocover ? 3 : 4);
}

using K = PartKind;
const std::vector<K> kWithCover{K::tube,      K::port,        K::top_endcap,   K::bottom_endcap,
                                K::top_cover, K::floor_plate, K::floor_spacer, K::cover_spacer};
const std::vector<K> kWithGrille{K::tube,   K::port,        K::top_endcap,  K::bottom_endcap,
                                 K::grille, K::floor_plate, K::floor_spacer};
const std::vector<K> kUncovered{K::tube,          K::port,        K::top_endcap,
                                K::bottom_endcap, K::floor_plate, K::floor_spacer};

std::vector<Count> counts() {
    std::vector<Count> rows;
    const char* names[3][4] = {{"Cover1", "Cover2", "Cover3", "Cover4"},
                               {"Grille1", "Grille2", "Grille3", "Grille4"},
                               {"NoCover1", "NoCover2", "NoCover3", "NoCover4"}};
    for (int n = 1; n <= 4; ++n) {
        rows.push_back({names[0][n - 1], CoverType::cover, n, kWithCover});
        rows.push_back({names[1][n - 1], CoverType::grille, n, kWithGrille});
        rows.push_back({names[2][n - 1], CoverType::nocover, n, kUncovered});
    }
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Table, PartList, testing::ValuesIn(counts()),
                         [](const auto& info) { return std::string(info.param.name); });

struct Layout {
    const char* name;
    std::function<void(Design&)> change;
};

class Holes : public testing::TestWithParam<Layout> {};

// Every circle lies inside its part, and the port mouths inside the tube,
// for designs whose checks pass.
TEST_P(Holes, LieInsideTheirPart) {
    const Built b = build(GetParam().change);
    for (const Part& p : b.parts) {
        for (const Hole& h : p.holes) {
            EXPECT_LE(std::hypot(h.x, h.y) + h.diameter / 2, p.diameter / 2 + 1e-9)
                << p.name << ": " << h.note;
            if (h.kind == HoleKind::port || h.kind == HoleKind::flare) {
                EXPECT_LE(std::hypot(h.x, h.y) + h.diameter / 2, b.design.tubid / 2) << h.note;
            }
        }
    }
    // No two port mouths overlap; a grille covers each with 25 mm to spare.
    const Part& top = part(b, PartKind::top_endcap);
    const auto mouths = holes(top, HoleKind::flare);
    for (std::size_t i = 0; i < mouths.size(); ++i) {
        for (std::size_t k = i + 1; k < mouths.size(); ++k) {
            EXPECT_GE(std::hypot(mouths[i].x - mouths[k].x, mouths[i].y - mouths[k].y),
                      mouths[i].diameter);
        }
        if (b.design.covertype == CoverType::grille) {
            const double reach = std::hypot(mouths[i].x, mouths[i].y) + mouths[i].diameter / 2;
            EXPECT_GE(part(b, PartKind::grille).diameter / 2,
                      std::min(reach + 25, top.diameter / 2));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, Holes,
    testing::Values(Layout{"StartUp", [](Design&) {}},
                    Layout{"TwoPorts", [](Design& d) { d.numports = 2, d.portid = 100; }},
                    Layout{"ThreePorts", [](Design& d) { d.numports = 3, d.portid = 100; }},
                    Layout{"FourPorts", [](Design& d) { d.numports = 4, d.portid = 80; }},
                    Layout{"SmallCoverWideFloor",
                           [](Design& d) { d.topcoverdia = 300, d.floorplatedia = 800; }},
                    Layout{"GrilleOverTwoPorts",
                           [](Design& d) {
                               d.covertype = CoverType::grille, d.numports = 2, d.portid = 100;
                           }}),
    [](const auto& info) { return std::string(info.param.name); });

struct PortFit {
    const char* name;
    double portid;
    double flare;
    bool fits;
};

class TwoPorts : public testing::TestWithParam<PortFit> {};

// Two ports lie along a diameter a quarter of the tube's inner diameter
// from the centre, so their flared mouths fit side by side exactly when the
// port fit check passes.
TEST_P(TwoPorts, SitSideBySideAlongADiameterAsTheFitCheckAssumes) {
    const PortFit& f = GetParam();
    const Built b = build([&](Design& d) {
        d.numports = 2;
        d.portid = f.portid;
        d.exitflareradius = f.flare;
    });
    const auto mouths = holes(part(b, PartKind::top_endcap), HoleKind::flare);
    ASSERT_EQ(mouths.size(), 2u);
    EXPECT_DOUBLE_EQ(mouths[0].x, -559.0 / 4);
    EXPECT_DOUBLE_EQ(mouths[1].x, 559.0 / 4);
    EXPECT_NEAR(mouths[0].y, 0, 1e-9);
    EXPECT_NEAR(mouths[1].y, 0, 1e-9);
    const bool room = mouths[1].x - mouths[1].diameter / 2 > 0 &&
                      mouths[1].x + mouths[1].diameter / 2 < 559.0 / 2;
    EXPECT_EQ(room, f.fits);
    EXPECT_EQ(b.report.checks[lbl_portcapfit].status == CheckStatus::pass, f.fits);
    EXPECT_EQ(part(b, PartKind::top_endcap).warning.empty(), f.fits);
}

INSTANTIATE_TEST_SUITE_P(Table, TwoPorts,
                         testing::Values(PortFit{"Fit", 152, 19, true},
                                         PortFit{"JustFit", 241.4, 19, true},
                                         PortFit{"TouchFails", 241.5, 19, false},
                                         PortFit{"TooWide", 260, 19, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ManyPorts, LieEvenlyOnACircleWithTheFitWarning) {
    for (const int n : {3, 4, 6}) {
        const std::vector<Point> c = port_centres(n, 559);
        ASSERT_EQ(c.size(), std::size_t(n));
        const double r = std::hypot(c[0].x, c[0].y);
        for (int k = 0; k < n; ++k) {
            const Point a = c[k], next = c[(k + 1) % n];
            EXPECT_NEAR(std::hypot(a.x, a.y), r, 1e-9);
            EXPECT_NEAR(std::hypot(a.x - next.x, a.y - next.y), 2 * r * std::sin(M_PI / n), 1e-9);
        }
    }
    // Four 152 mm ports with 19 mm flares have room on the circle; four of
    // 200 mm overlap there.
    for (const auto& [portid, found] : {std::pair{152.0, "have room"}, {200.0, "overlap"}}) {
        const Built b = build([portid](Design& d) { d.numports = 4, d.portid = portid; });
        const std::string& warning = part(b, PartKind::top_endcap).warning;
        EXPECT_EQ(warning.find(b.report.checks[lbl_portcapfit].text), 0u);
        EXPECT_NE(warning.find(found), std::string::npos) << warning;
    }
}

TEST(CutSizes, ComeFromTheCalculation) {
    const Built b = build([](Design& d) { d.tubheight = 1500; });
    EXPECT_EQ(part(b, PartKind::tube).sizes[0].mm, b.report.results.sonolength);
    EXPECT_EQ(part(b, PartKind::tube).sizes[0].mm, 1500 - 19 - 19);
    EXPECT_EQ(part(b, PartKind::port).sizes[0].mm, b.report.results.effectivelength);
    EXPECT_EQ(part(b, PartKind::floor_spacer).sizes[0].mm, 80);
    EXPECT_EQ(part(b, PartKind::cover_spacer).sizes[0].mm, 160);
    EXPECT_EQ(part(b, PartKind::top_cover).diameter, 600);
}

struct TileCase {
    const char* name;
    SizeMm part;
    Paper paper;
    int tiles;
};

class Tiles : public testing::TestWithParam<TileCase> {};

bool covered(const Tiling& t, SizeMm area, double x, double y) {
    return std::any_of(t.tiles.begin(), t.tiles.end(), [&](const Tile& tile) {
        return x >= tile.x && x <= tile.x + area.width && y >= tile.y && y <= tile.y + area.height;
    });
}

TEST_P(Tiles, CoverThePartWithTheStatedOverlap) {
    const TileCase& c = GetParam();
    const SizeMm area = template_area(c.paper);
    const Tiling t = tile_part(c.part, area, kTileOverlap);
    ASSERT_EQ(int(t.tiles.size()), c.tiles);
    EXPECT_EQ(t.rows * t.columns, c.tiles);
    for (double x = 0; x <= c.part.width; x += c.part.width / 50) {
        for (double y = 0; y <= c.part.height; y += c.part.height / 50) {
            EXPECT_TRUE(covered(t, area, x, y)) << x << ", " << y;
        }
    }
    for (const Tile& a : t.tiles) {
        for (const Tile& b : t.tiles) {
            if (b.row == a.row && b.column == a.column + 1) {
                EXPECT_NEAR(a.x + area.width - b.x, kTileOverlap, 1e-9);
            }
            if (b.column == a.column && b.row == a.row + 1) {
                EXPECT_NEAR(a.y + area.height - b.y, kTileOverlap, 1e-9);
            }
        }
    }
    // Centred: what the tiles cover beyond the part is the same on each side.
    const Tile& last = t.tiles.back();
    EXPECT_NEAR(-t.tiles.front().x, last.x + area.width - c.part.width, 1e-9);
    EXPECT_NEAR(-t.tiles.front().y, last.y + area.height - c.part.height, 1e-9);
}

// A4 leaves 190 x 164 mm for the drawing, Letter 195.9 x 146.4 mm.
INSTANTIATE_TEST_SUITE_P(Table, Tiles,
                         testing::Values(TileCase{"SmallOnA4", {150, 150}, Paper::a4, 1},
                                         TileCase{"SmallOnLetter", {150, 140}, Paper::letter, 1},
                                         TileCase{"ExactlyOnePageA4", {190, 164}, Paper::a4, 1},
                                         TileCase{"JustOverOnePageA4", {191, 164}, Paper::a4, 2},
                                         TileCase{"EndcapOnA4", {600, 600}, Paper::a4, 16},
                                         TileCase{"EndcapOnLetter", {600, 600}, Paper::letter, 20},
                                         TileCase{"WideOnLetter", {900, 100}, Paper::letter, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiscTiles, DropOnlyCornersThatHoldNothingOfTheDisc) {
    for (const Paper paper : {Paper::a4, Paper::letter}) {
        const SizeMm area = template_area(paper);
        const Tiling square = tile_part({1200, 1200}, area, kTileOverlap);
        const Tiling disc = tile_disc(1200, area, kTileOverlap);
        EXPECT_LT(disc.tiles.size(), square.tiles.size());
        for (double a = 0; a < 2 * M_PI; a += 0.01) {
            for (const double r : {0.0, 300.0, 599.0}) {
                EXPECT_TRUE(covered(disc, area, 600 + r * std::cos(a), 600 + r * std::sin(a)));
            }
        }
    }
    EXPECT_TRUE(tile_disc(600, {10, 10}, 12).tiles.empty()); // area within the overlap
    EXPECT_TRUE(tile_disc(0, template_area(Paper::a4), 12).tiles.empty());
    EXPECT_TRUE(tile_disc(1e7, template_area(Paper::a4), 12).tiles.empty()); // too many pages
}

} // namespace
