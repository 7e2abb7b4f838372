// SPDX-License-Identifier: GPL-3.0-or-later
// The parts a builder cuts for a design, with their sizes and the holes of
// the circular ones, and how a full-size template of a part is spread over
// pages. The build sheet draws what these return; nothing here knows paper
// or ink.
#pragma once

#include "calculation.h"

#include <string>
#include <vector>

namespace cylindra {

enum class PartKind {
    tube,
    port,
    top_endcap,
    bottom_endcap,
    top_cover,
    grille,
    floor_plate,
    floor_spacer,
    cover_spacer
};

// One size of a part, in millimetres: "cut length", "inner diameter" ...
struct PartSize {
    std::string name;
    double mm = 0;
};

enum class HoleKind {
    port,       // cut: the port tube passes through
    driver,     // dashed: the driver's outer diameter, a guide only
    inner_disc, // dashed: the endcap's disc that fits inside the tube
    flare       // the outer edge of the flare rounded into the top face
};

// A circle on a circular part, its centre measured from the part's centre
// (x to the right, y up).
struct Hole {
    HoleKind kind = HoleKind::port;
    double x = 0, y = 0;
    double diameter = 0;
    bool dashed = false;
    std::string note;
};

struct Part {
    PartKind kind = PartKind::tube;
    std::string name;
    int quantity = 1;
    std::string material;
    std::vector<PartSize> sizes;
    // Circular parts get a full-size template of this diameter.
    bool circular = false;
    double diameter = 0;
    std::vector<Hole> holes;
    // Printed with the part: in the cut list and on its template.
    std::vector<std::string> notes;
    // A fit problem the template shows in red; empty when none.
    std::string warning;
};

// The parts of a design whose solved pair is filled in, with the driver
// values in use and the report calculate_all made of it, in building order:
// tube, port tubes, top endcap, bottom endcap, top cover or grille, floor
// plate, then the spacers for the gaps.
std::vector<Part> build_parts(const Design& design, const DriverValues& driver,
                              const Report& report);

// Number of port tubes: the design's count, rounded, never negative.
int port_count(const Design& design);

// Where the port centres lie on the top endcap, from its centre. One port is
// centred; two lie side by side along a diameter, a quarter of the tube's
// inner diameter from the centre, as the port fit check assumes (each takes
// half the diameter); three or more lie evenly on the circle that leaves the
// most room for each.
struct Point {
    double x = 0, y = 0;
};
std::vector<Point> port_centres(int ports, double tube_id);

// Paper and the area of a template page that holds the drawing of a part,
// in millimetres.
enum class Paper { a4, letter };
struct SizeMm {
    double width = 0, height = 0;
};
SizeMm paper_size(Paper paper);

// Page layout of a template page: margins all round, a header strip and, at
// the foot, the calibration band with its 100 mm square.
inline constexpr double kPageMargin = 10;
inline constexpr double kHeaderHeight = 10;
inline constexpr double kCalibrationBand = 103;
inline constexpr double kTileOverlap = 12;
SizeMm template_area(Paper paper);

// One page of a tiled template: its row and column in the grid, and the top
// left corner of the area it shows, measured from the top left corner of the
// part's bounding square (x to the right, y down).
struct Tile {
    int row = 0, column = 0;
    double x = 0, y = 0;
};

struct Tiling {
    int rows = 0, columns = 0;
    std::vector<Tile> tiles; // row by row
};

// Tiles of `area` that cover a part of `width` by `height`, neighbours
// sharing `overlap` millimetres; the grid is centred on the part. A part that
// fits one area takes one tile. Nothing for an area not larger than the
// overlap or a part without size.
Tiling tile_part(SizeMm part, SizeMm area, double overlap);
// The same for a disc, without the corner tiles that hold nothing of it.
Tiling tile_disc(double diameter, SizeMm area, double overlap);

} // namespace cylindra
