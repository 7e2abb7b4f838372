// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/drivers.h"

#include "tests/core/param_names.h"
#include <gtest/gtest.h>

using namespace cylindra;

namespace {

struct Listed {
    const char* name;
    int position;
    int row;
    const char* driver;
    int nominal;
    double dia;
};

class DriverList : public testing::TestWithParam<Listed> {};

TEST_P(DriverList, PositionLeadsToTheRowNotTheSameNumber) {
    const Listed& l = GetParam();
    const auto row = row_at_position(l.position);
    ASSERT_TRUE(row);
    EXPECT_EQ(*row, l.row);
    EXPECT_EQ(position_of_row(l.row), l.position);
    const DriverRow& r = driver_table()[*row];
    EXPECT_EQ(r.name, l.driver);
    EXPECT_EQ(r.nominal, l.nominal);
    EXPECT_EQ(r.dia, l.dia);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DriverList,
    testing::Values(Listed{"First", 0, 34, "Acoustic Elegance IB15", 15, 394},
                    Listed{"StartUp", 14, 23, "Ficar Audio Q12", 12, 318},
                    Listed{"IxlWithBlank", 17, 28, "Mach5 Audio IXL 18", 18, 462},
                    Listed{"IxlWithoutBlank", 18, 27, "Mach5 Audio IXL15", 15, 394},
                    Listed{"Sd12", 3, 36, "Creative Sound Solutions SD-12", 12, 313},
                    Listed{"Splinter", 24, 0, "Sound Splinter RL-P12", 12, 318},
                    Listed{"Last", 36, 3, "TC Sounds TC-2000 15inch", 15, 392}),
    [](const auto& info) { return info.param.name; });

TEST(DriverList, EveryRowHasOnePositionInNameOrder) {
    std::vector<bool> seen(kDriverCount);
    for (int p = 0; p < kDriverCount; ++p) {
        const int row = *row_at_position(p);
        EXPECT_FALSE(seen[row]);
        seen[row] = true;
        if (p > 0) {
            EXPECT_LT(driver_table()[*row_at_position(p - 1)].name, driver_table()[row].name);
        }
    }
    EXPECT_FALSE(row_at_position(-1));
    EXPECT_FALSE(row_at_position(37));
}

TEST(DriverList, ChoosingAnEntryCopiesItsRow) {
    Design d;
    apply_driver_row(d, 3); // Creative Sound Solutions SD-12
    EXPECT_EQ(d.driverindex, 3);
    EXPECT_EQ(d.drivernominal, 12);
    EXPECT_EQ(d.dia, 313);
    EXPECT_EQ(d.depth, 0);
    EXPECT_EQ(d.mass, 0);
    apply_driver_row(d, 400); // an index from a file beyond the list
    EXPECT_EQ(d.driverindex, 3);
    EXPECT_EQ(d.dia, 313);
}

TEST(DriverResolution, StartUpDriverTakesTheGenericWeight) {
    Design d;
    apply_driver_row(d, d.driverindex);
    const DriverResolution r = resolve_driver_data(d, {});
    EXPECT_EQ(r.values.drivervol, 4.5);
    EXPECT_EQ(r.values.driverdia, 318);
    EXPECT_EQ(r.values.driverdepth, 178);
    EXPECT_EQ(r.values.drivermass, 15);
    EXPECT_EQ(r.source[size_t(DriverQuantity::mass)], DriverSource::generic);
    EXPECT_EQ(r.source[size_t(DriverQuantity::vol)], DriverSource::entered);
}

TEST(DriverResolution, UnknownSizeKeepsThePreviousValues) {
    Design d;
    d.drivernominal = 11;
    d.vol = 2;
    const DriverResolution r = resolve_driver_data(d, {9, 8, 7, 6});
    EXPECT_EQ(r.values.drivervol, 2);
    EXPECT_EQ(r.values.driverdepth, 8);
    EXPECT_EQ(r.source[size_t(DriverQuantity::depth)], DriverSource::unchanged);
}

} // namespace
