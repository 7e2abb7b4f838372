// SPDX-License-Identifier: GPL-3.0-or-later
// A save killed at a random moment leaves the old file or the new one,
// whole: never a mix, never nothing. The save runs in a helper process that
// pauses between lines; the test kills it with SIGKILL.
#include "io/design_file.h"

#include "tests/core/param_names.h"
#include "tests/io/file_fixture.h"
#include "tests/io/sample_files.h"
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <chrono>
#include <csignal>
#include <cstdint>
#include <iostream>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace cylindra;
using namespace cylindra::test;

namespace {

constexpr std::uint64_t kSeed = 0xC0FFEE'2003;

// What the helper reported before it was killed.
struct Killed {
    bool started = false;
    int lines = 0; // lines it began to write
    bool finished = false;
};

// Runs the helper to save `source` over `target` and kills it after `delay`
// from the moment it starts the save.
Killed kill_during_save(const QString& source, const QString& target,
                        std::chrono::microseconds delay) {
    int out[2];
    if (pipe(out) != 0) {
        return {};
    }
    const QByteArray src = QFile::encodeName(source), dst = QFile::encodeName(target);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        execl(CYLINDRA_SLOW_SAVE, CYLINDRA_SLOW_SAVE, src.constData(), dst.constData(), nullptr);
        _exit(127);
    }
    close(out[1]);
    Killed k;
    char c = 0;
    k.started = read(out[0], &c, 1) == 1 && c == 's';
    std::this_thread::sleep_for(delay);
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    while (read(out[0], &c, 1) == 1) {
        k.lines += c == 'l';
        k.finished = k.finished || c == 'c' || c == 'f';
    }
    close(out[0]);
    return k;
}

struct Interruption {
    const char* name;
    bool old_exists;
    int runs;
};

class InterruptedSave : public testing::TestWithParam<Interruption> {};

TEST_P(InterruptedSave, LeavesTheOldOrTheNewFileWhole) {
    const Interruption& p = GetParam();
    QTemporaryDir dir, sources;
    ASSERT_TRUE(dir.isValid() && sources.isValid());
    const std::string old_bytes = io::project_bytes(distinct_design());
    const std::string new_bytes = io::project_bytes(default_design());
    const QString source = sources.path() + "/new.cyl", target = dir.path() + "/bass.cyl";
    ASSERT_TRUE(put_file(source, new_bytes));
    std::mt19937_64 rng(kSeed);
    // Up to a little more than the 38 pauses the save takes.
    std::uniform_int_distribution<int> delay_us(0, 70'000);
    int old_left = 0, new_left = 0, none_left = 0, mid_write = 0, leftovers = 0;
    for (int run = 0; run < p.runs; ++run) {
        QFile::remove(target);
        if (p.old_exists) {
            ASSERT_TRUE(put_file(target, old_bytes));
        }
        const Killed k = kill_during_save(source, target, std::chrono::microseconds(delay_us(rng)));
        ASSERT_TRUE(k.started) << "the helper did not start";
        mid_write += k.lines > 0 && k.lines < 38;
        const std::string state = state_of(target);
        old_left += p.old_exists && state == "file: " + old_bytes;
        new_left += state == "file: " + new_bytes;
        none_left += !p.old_exists && state == "missing";
        ASSERT_EQ(old_left + new_left + none_left, run + 1)
            << "seed " << kSeed << ", run " << run << ", " << k.lines << " lines begun: " << state;
        for (const QString& entry : entries(dir.path())) {
            leftovers += entry != "bass.cyl" && QFile::remove(dir.path() + "/" + entry);
        }
    }
    std::cout << p.runs << " runs: " << old_left << " old, " << new_left << " new, " << none_left
              << " no file; " << mid_write << " killed mid-write; " << leftovers
              << " temporary files left\n";
    // The kills must have landed inside the write often enough to mean
    // something.
    EXPECT_GE(mid_write, p.runs / 4);
}

INSTANTIATE_TEST_SUITE_P(Table, InterruptedSave,
                         testing::Values(Interruption{"OverAnOldFile", true, 200},
                                         Interruption{"FirstSave", false, 50}),
                         [](const auto& info) { return info.param.name; });

} // namespace
