// SPDX-License-Identifier: GPL-3.0-or-later
#include "build_parts.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace cylindra {

namespace {

constexpr const char* kBoard = "Board (plywood or MDF)";
constexpr int kSpacers = 4;
// A grille reaches this far beyond the port mouths all round.
constexpr double kGrilleMargin = 25;
// More template pages than this for one part are not worth printing.
constexpr int kMostTiles = 400;

bool usable(double mm) {
    return std::isfinite(mm) && mm > 0;
}

// The outer edge of each port's mouth on the top face: the flare's rim when
// the exit is flared, else the hole for the tube; the widest of the two.
double mouth_diameter(const Design& d) {
    const double hole = d.portid + 2 * d.portwall;
    return d.exit_flared() ? std::max(hole, d.portid + 2 * d.exitflareradius) : hole;
}

// The inner disc of an endcap fits the tube; shown when the endcap has one.
void add_inner_disc(const Design& d, double total, double exposed, Part& cap) {
    if (total > exposed && usable(d.tubid)) {
        cap.holes.push_back(
            {HoleKind::inner_disc, 0, 0, d.tubid, true, "Inner disc: fits inside the tube"});
        cap.notes.push_back("Made of two discs glued together: the outer disc and an inner disc "
                            "of the tube's inner diameter that fits inside the tube");
    }
}

Part endcap(const Design& d, PartKind kind, const char* name, double total, double exposed) {
    Part cap{kind, name, 1, kBoard, {}, true, d.topendcapdia, {}, {}, {}};
    cap.sizes = {
        {"diameter", d.topendcapdia}, {"total thickness", total}, {"exposed thickness", exposed}};
    add_inner_disc(d, total, exposed, cap);
    return cap;
}

// The fit of the ports on the top endcap. Up to two ports the port fit check
// decides; for more it asks for a look, and the layout drawn says what it
// finds.
std::string port_fit_warning(const Design& d, const Report& report,
                             const std::vector<Point>& centres) {
    const CheckRow& check = report.checks[lbl_portcapfit];
    if (centres.size() <= 2) {
        return check.status == CheckStatus::fail ? check.text : std::string();
    }
    const double mouth = mouth_diameter(d);
    const double gap = std::hypot(centres[0].x - centres[1].x, centres[0].y - centres[1].y);
    const double reach = std::hypot(centres[0].x, centres[0].y) + mouth / 2;
    std::string found = "On this layout the ports have room";
    if (gap <= mouth) {
        found = "On this layout the port mouths overlap";
    } else if (reach >= d.tubid / 2) {
        found = "On this layout the port mouths reach the tube wall";
    }
    return check.text + ". " + found + ".";
}

Part top_endcap(const Design& d, const Report& report) {
    Part cap = endcap(d, PartKind::top_endcap, "Top endcap", d.topendcaptotalthickness,
                      d.topendcapexposedthickness);
    const std::vector<Point> centres = port_centres(port_count(d), d.tubid);
    const double hole = d.portid + 2 * d.portwall;
    for (std::size_t k = 0; k < centres.size(); ++k) {
        const Point c = centres[k];
        const std::string which = "Port " + std::to_string(k + 1);
        cap.holes.push_back({HoleKind::port, c.x, c.y, hole, false, which + ": cut for the tube"});
        if (d.exit_flared() && usable(d.exitflareradius)) {
            cap.holes.push_back({HoleKind::flare, c.x, c.y, d.portid + 2 * d.exitflareradius, false,
                                 which + ": rim of the exit flare"});
        }
    }
    cap.warning = port_fit_warning(d, report, centres);
    if (cap.warning.empty() && !centres.empty()) {
        cap.notes.push_back(report.checks[lbl_portcapfit].text);
    }
    return cap;
}

Part bottom_endcap(const Design& d, const DriverValues& driver) {
    Part cap = endcap(d, PartKind::bottom_endcap, "Bottom endcap", d.bottomendcaptotalthickness,
                      d.bottomendcapexposedthickness);
    if (usable(driver.driverdia)) {
        cap.holes.push_back(
            {HoleKind::driver, 0, 0, driver.driverdia, true, "Driver's outer diameter"});
    }
    cap.notes.push_back("Dashed circle: the driver's outer diameter. Take the exact cut-out from "
                        "the driver maker's data.");
    return cap;
}

Part top_part(const Design& d) {
    if (d.covertype == CoverType::cover) {
        Part cover{
            PartKind::top_cover, "Top cover plate", 1, kBoard, {}, true, d.topcoverdia, {}, {}, {}};
        cover.sizes = {{"diameter", d.topcoverdia}, {"thickness", d.topcoverthickness}};
        return cover;
    }
    // The grille covers the port mouths with a margin, within the endcap.
    double reach = 0;
    for (const Point c : port_centres(port_count(d), d.tubid)) {
        reach = std::max(reach, std::hypot(c.x, c.y) + mouth_diameter(d) / 2);
    }
    const double dia = std::min(d.topendcapdia, std::ceil(2 * (reach + kGrilleMargin)));
    Part grille{PartKind::grille,
                "Port grille",
                1,
                "Speaker grille (mesh or cloth on a frame)",
                {},
                true,
                dia,
                {},
                {},
                {}};
    grille.sizes = {{"diameter", dia}, {"height above the top endcap", d.grilleheight}};
    grille.notes.push_back("Covers the port mouths with 25 mm to spare, within the top endcap");
    return grille;
}

Part spacer(PartKind kind, const char* name, double gap, const char* between) {
    Part s{kind, name, kSpacers, "Board offcuts or hardwood blocks", {{"height", gap}}, false, 0,
           {},   {},   {}};
    s.notes.push_back(std::string("Set evenly near the edge between ") + between +
                      "; their height makes the gap");
    return s;
}

} // namespace

int port_count(const Design& design) {
    const double n = std::floor(design.numports + 0.5);
    return std::isfinite(n) && n > 0 ? static_cast<int>(std::min(n, 1000.0)) : 0;
}

std::vector<Point> port_centres(int ports, double tube_id) {
    std::vector<Point> centres;
    if (ports == 1) {
        centres.push_back({0, 0});
    }
    if (ports < 2) {
        return centres;
    }
    // The radius on which n mouths of the largest possible size fit: each
    // reaches the tube wall and touches its neighbours. For two ports it is a
    // quarter of the tube's inner diameter.
    const double pi = std::numbers::pi;
    const double r = tube_id / (2 * (1 + std::sin(pi / ports)));
    for (int k = 0; k < ports; ++k) {
        const double angle = ports == 2 ? pi * (1 - k) : pi / 2 + 2 * pi * k / ports;
        centres.push_back({r * std::cos(angle), r * std::sin(angle)});
    }
    return centres;
}

std::vector<Part> build_parts(const Design& d, const DriverValues& driver, const Report& report) {
    std::vector<Part> parts;
    Part tube{
        PartKind::tube, "Tube", 1, "Cardboard form tube (Sonotube)", {}, false, 0, {}, {}, {}};
    tube.sizes = {{"cut length", report.results.sonolength}, {"inner diameter", d.tubid}};
    parts.push_back(tube);
    if (const int n = port_count(d); n > 0) {
        Part port{PartKind::port,
                  "Port tube",
                  n,
                  d.portmaterial == PortMaterial::PVC ? "PVC pipe" : "Cardboard tube (Sonotube)",
                  {},
                  false,
                  0,
                  {},
                  {},
                  {}};
        port.sizes = {{"length after flare allowances", report.results.effectivelength},
                      {"inner diameter", d.portid},
                      {"wall", d.portwall}};
        port.notes.push_back("The port length less the flare allowances (the effective length); "
                             "the length to cut depends on how any flares are made");
        parts.push_back(port);
    }
    parts.push_back(top_endcap(d, report));
    parts.push_back(bottom_endcap(d, driver));
    if (d.covertype != CoverType::nocover) {
        parts.push_back(top_part(d));
    }
    Part floor{
        PartKind::floor_plate, "Floor plate", 1, kBoard, {}, true, d.floorplatedia, {}, {}, {}};
    floor.sizes = {{"diameter", d.floorplatedia}, {"thickness", d.floorplatethickness}};
    parts.push_back(floor);
    parts.push_back(spacer(PartKind::floor_spacer, "Floor plate spacer", d.bottomgap,
                           "the floor plate and the bottom endcap"));
    if (d.covertype == CoverType::cover) {
        parts.push_back(spacer(PartKind::cover_spacer, "Top cover spacer", d.topgap,
                               "the top endcap and the top cover plate"));
    }
    for (Part& p : parts) {
        p.circular = p.circular && usable(p.diameter);
    }
    return parts;
}

SizeMm paper_size(Paper paper) {
    return paper == Paper::a4 ? SizeMm{210, 297} : SizeMm{215.9, 279.4};
}

SizeMm template_area(Paper paper) {
    const SizeMm page = paper_size(paper);
    return {page.width - 2 * kPageMargin,
            page.height - 2 * kPageMargin - kHeaderHeight - kCalibrationBand};
}

namespace {

// Tiles along one side: their count and the position of the first.
int tiles_along(double size, double room, double overlap) {
    if (size <= room) {
        return 1;
    }
    return static_cast<int>(std::ceil((size - overlap) / (room - overlap) - 1e-9));
}

} // namespace

Tiling tile_part(SizeMm part, SizeMm area, double overlap) {
    if (!usable(part.width) || !usable(part.height) || !(overlap >= 0) || !(area.width > overlap) ||
        !(area.height > overlap) || !std::isfinite(area.width) || !std::isfinite(area.height)) {
        return {};
    }
    const double columns = tiles_along(part.width, area.width, overlap);
    const double rows = tiles_along(part.height, area.height, overlap);
    if (columns * rows > kMostTiles) {
        return {};
    }
    Tiling t{static_cast<int>(rows), static_cast<int>(columns), {}};
    const double step_x = area.width - overlap, step_y = area.height - overlap;
    // The grid is centred: what it covers beyond the part is shared equally.
    const double x0 = (part.width - (columns * step_x + overlap)) / 2;
    const double y0 = (part.height - (rows * step_y + overlap)) / 2;
    for (int r = 0; r < t.rows; ++r) {
        for (int c = 0; c < t.columns; ++c) {
            t.tiles.push_back({r, c, x0 + c * step_x, y0 + r * step_y});
        }
    }
    return t;
}

Tiling tile_disc(double diameter, SizeMm area, double overlap) {
    Tiling t = tile_part({diameter, diameter}, area, overlap);
    const double r = diameter / 2;
    std::erase_if(t.tiles, [&](const Tile& tile) {
        const double nx = std::clamp(r, tile.x, tile.x + area.width);
        const double ny = std::clamp(r, tile.y, tile.y + area.height);
        return std::hypot(nx - r, ny - r) >= r;
    });
    return t;
}

} // namespace cylindra
