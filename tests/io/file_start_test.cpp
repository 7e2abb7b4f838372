// SPDX-License-Identifier: GPL-3.0-or-later
// Opening a design file reads no more of it than its format can use, however
// large it is.
#include "io/design_file.h"
#include "io/file_store.h"

#include "tests/core/param_names.h"
#include "tests/io/file_fixture.h"
#include "tests/io/sample_files.h"
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <fstream>
#include <optional>
#include <random>

using namespace cylindra;
using namespace cylindra::io;
using namespace cylindra::test;

namespace {

// Bytes this process has read through system calls so far, or nothing when
// the system does not count them.
std::optional<long long> bytes_read_so_far() {
    std::ifstream io("/proc/self/io");
    std::string key;
    long long value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    return std::nullopt;
}

std::string random_bytes(std::size_t size) {
    std::mt19937_64 rng(0xBAD'F11E);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(rng());
    }
    return bytes;
}

TEST(FileStart, TenMegabytesOfGarbageCostNoMoreThanTheBound) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/garbage.cyl";
    ASSERT_TRUE(put_file(path, random_bytes(10'000'000)));
    const std::size_t bound = bytes_needed(kProjectLines);
    const auto before = bytes_read_so_far();
    const FileBytes file = read_file_start(path, bound);
    const auto after = bytes_read_so_far();
    ASSERT_TRUE(file.opened);
    EXPECT_EQ(file.bytes.size(), bound);
    if (before && after) {
        // One read-ahead buffer at most beyond the bound.
        EXPECT_LE(*after - *before, static_cast<long long>(bound) + 65536);
    }
    const DesignReading r = read_project(file.bytes, default_design());
    EXPECT_EQ(r.outcome, ReadOutcome::rejected_line);
    EXPECT_EQ(r.applied, 0u);
}

struct Opening {
    const char* name;
    QString (*prepare)(const QString& dir); // the path to open
    bool opened;
    std::size_t size; // bytes read
};

class FileOpening : public testing::TestWithParam<Opening> {};

TEST_P(FileOpening, ReadsAtMostTheBytesAskedFor) {
    QTemporaryDir dir;
    const QString path = GetParam().prepare(dir.path());
    const FileBytes file = read_file_start(path, 100);
    EXPECT_EQ(file.opened, GetParam().opened);
    EXPECT_EQ(file.error.isEmpty(), GetParam().opened);
    EXPECT_EQ(file.bytes.size(), GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FileOpening,
    testing::Values(Opening{"MissingFile", [](const QString& d) { return d + "/none.cyl"; }, false,
                            0},
                    Opening{"Folder", [](const QString& d) { return d; }, false, 0},
                    Opening{"EmptyFile",
                            [](const QString& d) {
                                put_file(d + "/empty.cyl", "");
                                return d + "/empty.cyl";
                            },
                            true, 0},
                    Opening{"ShortFile",
                            [](const QString& d) {
                                put_file(d + "/short.cyl", "metric\r\n");
                                return d + "/short.cyl";
                            },
                            true, 8},
                    Opening{"LongFileCutAtTheBound",
                            [](const QString& d) {
                                put_file(d + "/long.cyl", std::string(1000, 'x'));
                                return d + "/long.cyl";
                            },
                            true, 100}),
    [](const auto& info) { return info.param.name; });

} // namespace
