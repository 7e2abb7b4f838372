// SPDX-License-Identifier: GPL-3.0-or-later
#include "drivers.h"

#include <algorithm>
#include <string>

namespace cylindra {

namespace {

constexpr std::array<DriverRow, kDriverCount> kTable{{
    {"Sound Splinter RL-P12", 12, 5, 318, 175, 16},
    {"TC Sounds TC-2000 12inch", 12, 3.3, 316, 206, 15},
    {"Sound Splinter RL-P15", 15, 5.9, 397, 215, 18},
    {"TC Sounds TC-2000 15inch", 15, 3.9, 392, 207, 16},
    {"Dayton Titanic Mk III 15inch", 15, 0, 395, 213, 12.7},
    {"TC Sounds 18LMS-5400 18inch", 18, 4.5, 467, 332, 35},
    {"Dayton DVC 15inch", 15, 0, 384, 187, 9},
    {"Dayton Quattro 8inch", 8, 0, 210, 102, 2.9},
    {"Dayton Reference 10inch", 10, 0, 267, 127, 8.2},
    {"Dayton Reference 12inch", 12, 0, 314, 137, 11.4},
    {"Dayton Reference 15inch", 15, 0, 389, 156, 13.6},
    {"TC Sounds 10LMS-4000 10inch", 10, 2.8, 271, 229, 16.6},
    {"TC Sounds 12LMS-4000 12inch", 12, 3.3, 321, 248, 17},
    {"TC Sounds 15LMS-4000 15inch", 15, 3.9, 398, 273, 17.7},
    {"TC Sounds 12LMS-5400 12inch", 12, 3.3, 321, 273, 31.6},
    {"TC Sounds 15LMS-5400 15inch", 15, 4.2, 398, 311, 32.8},
    {"Sound Splinter RL-S12 12inch", 12, 0, 323, 212, 20},
    {"Sound Splinter RL-S15 15inch", 15, 0, 400, 248, 22.3},
    {"Adire Shiva 12inch", 12, 3, 311, 130, 0},
    {"Adire Tempest 15inch", 15, 5, 385, 174, 0},
    {"Sound Splinter RL-P18", 18, 5.7, 467, 260, 18.6},
    {"Ficar Audio Q18", 18, 6.8, 470, 254, 0},
    {"Ficar Audio Q15", 15, 5.4, 397, 216, 0},
    {"Ficar Audio Q12", 12, 4.5, 318, 178, 0},
    {"Ficar Audio BTL18", 18, 7.4, 470, 248, 0},
    {"Ficar Audio BTL15", 15, 6, 397, 210, 0},
    {"Ficar Audio BTL12", 12, 5.1, 318, 171, 0},
    {"Mach5 Audio IXL15", 15, 0, 394, 223, 0},
    {"Mach5 Audio IXL 18", 18, 0, 462, 248, 0},
    {"Mach5 Audio MJ-18", 18, 0, 460, 203, 0},
    {"Mach5 Audio SPL12", 12, 0, 318, 190, 0},
    {"Mach5 Audio MAW10", 10, 0, 267, 127, 0},
    {"Mach5 Audio MAW12", 12, 0, 318, 140, 0},
    {"Mach5 Audio MAW15", 15, 0, 394, 140, 0},
    {"Acoustic Elegance IB15", 15, 0, 394, 191, 8.6},
    {"Creative Sound Solutions SDX-15", 15, 0, 388, 0, 0},
    {"Creative Sound Solutions SD-12", 12, 0, 313, 0, 0},
}};

// Rows in list order: the list sorts its entries by name.
std::array<int, kDriverCount> sorted_rows() {
    std::array<int, kDriverCount> rows{};
    for (int i = 0; i < kDriverCount; ++i) {
        rows[i] = i;
    }
    std::sort(rows.begin(), rows.end(),
              [](int a, int b) { return kTable[a].name < kTable[b].name; });
    return rows;
}

const std::array<int, kDriverCount>& list_rows() {
    static const auto rows = sorted_rows();
    return rows;
}

} // namespace

const std::array<DriverRow, kDriverCount>& driver_table() {
    return kTable;
}

std::optional<int> row_at_position(int position) {
    if (position < 0 || position >= kDriverCount) {
        return std::nullopt;
    }
    return list_rows()[position];
}

int position_of_row(int row) {
    const auto& rows = list_rows();
    return static_cast<int>(std::find(rows.begin(), rows.end(), row) - rows.begin());
}

namespace {

// The member of each record that holds a quantity, in DriverQuantity order.
constexpr double GenericDriver::*kGenericOf[] = {&GenericDriver::dia, &GenericDriver::vol,
                                                 &GenericDriver::depth, &GenericDriver::mass};
constexpr double DriverValues::*kInUseOf[] = {&DriverValues::driverdia, &DriverValues::drivervol,
                                              &DriverValues::driverdepth,
                                              &DriverValues::drivermass};
constexpr double Design::*kFieldOf[] = {&Design::dia, &Design::vol, &Design::depth, &Design::mass};

} // namespace

double GenericDriver::get(DriverQuantity q) const {
    return this->*kGenericOf[static_cast<std::size_t>(q)];
}

std::optional<GenericDriver> generic_driver(int nominal) {
    switch (nominal) {
    case 8:
        return GenericDriver{216, 2, 100, 8};
    case 10:
        return GenericDriver{266, 3.5, 150, 10};
    case 12:
        return GenericDriver{318, 4.2, 200, 15};
    case 15:
        return GenericDriver{392, 5, 250, 16};
    case 18:
        return GenericDriver{466, 6.5, 330, 25};
    default:
        return std::nullopt;
    }
}

void apply_driver_row(Design& design, int position) {
    const auto row = row_at_position(position);
    if (!row) {
        return; // an index from a file outside the list selects nothing
    }
    const DriverRow& r = kTable[*row];
    design.driverindex = static_cast<std::int16_t>(position);
    design.drivernominal = static_cast<std::int16_t>(r.nominal);
    design.vol = r.vol;
    design.depth = r.depth;
    design.dia = r.dia;
    design.mass = r.mass;
}

double DriverValues::get(DriverQuantity q) const {
    return this->*kInUseOf[static_cast<std::size_t>(q)];
}

void DriverValues::set(DriverQuantity q, double v) {
    this->*kInUseOf[static_cast<std::size_t>(q)] = v;
}

double driver_field(const Design& design, DriverQuantity q) {
    return design.*kFieldOf[static_cast<std::size_t>(q)];
}

DriverResolution resolve_driver_data(const Design& design, const DriverValues& previous) {
    DriverResolution out{previous, {}};
    const auto generic = generic_driver(design.drivernominal);
    for (const DriverQuantity q : kResolveOrder) {
        const auto i = static_cast<std::size_t>(q);
        const double field = driver_field(design, q);
        if (field != 0) {
            out.values.set(q, field);
            out.source[i] = DriverSource::entered;
        } else if (generic) {
            out.values.set(q, generic->get(q));
            out.source[i] = DriverSource::generic;
        } else {
            out.source[i] = DriverSource::unchanged;
        }
    }
    return out;
}

std::string substitution_tooltip(DriverQuantity q) {
    static constexpr std::array<std::string_view, 4> words{"Outside diameter", "Volume occupied",
                                                           "Mounting Depth", "Weight"};
    return "Data missing, generic value substituted for " +
           std::string(words[static_cast<std::size_t>(q)]);
}

} // namespace cylindra
