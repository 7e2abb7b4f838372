// SPDX-License-Identifier: GPL-3.0-or-later
// A save that fails, wherever and however it fails, leaves the old file as
// it was, reports why, and leaves no temporary file behind.
#include "io/design_file.h"
#include "io/file_store.h"

#include "tests/core/param_names.h"
#include "tests/io/file_fixture.h"
#include "tests/io/sample_files.h"
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <csignal>
#include <functional>
#include <iostream>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

using namespace cylindra;
using namespace cylindra::io;
using namespace cylindra::test;

namespace {

const std::string kOld = project_bytes(distinct_design());
const std::string kNew = project_bytes(default_design());

struct Scene {
    QString target;               // where the new file is written
    QString kept;                 // what must stay as it was (may be empty)
    QString folder;               // where no temporary file may be left
    QStringList folder_holds;     // what that folder holds afterwards
    QString kept_before{};        // where it was before the save, when elsewhere
    std::function<void()> undo{}; // puts the machine back as it was
    const char* skip = nullptr;   // why the scene cannot be set up here
};

struct Failure {
    const char* name;
    Scene (*prepare)(const QString& dir);
};

Scene read_only_folder(const QString& dir) {
    const QString folder = dir + "/locked";
    QDir().mkdir(folder);
    put_file(folder + "/bass.cyl", kOld);
    chmod(QFile::encodeName(folder).constData(), 0555);
    Scene s{folder + "/bass.cyl", folder + "/bass.cyl", folder, {"bass.cyl"}};
    s.undo = [folder] { chmod(QFile::encodeName(folder).constData(), 0755); };
    if (geteuid() == 0) {
        s.skip = "the superuser writes into read-only folders";
    }
    return s;
}

Scene vanished_folder(const QString& dir) {
    QDir().mkdir(dir + "/gone");
    QDir().rmdir(dir + "/gone");
    return {dir + "/gone/bass.cyl", {}, dir, {}};
}

// The folder is renamed while the file is being written: the save must not
// land anywhere, and the old file stays whole where the folder went.
Scene folder_moved_mid_write(const QString& dir) {
    QDir().mkdir(dir + "/a");
    put_file(dir + "/a/bass.cyl", kOld);
    set_write_hook([dir](qint64 offset) {
        if (offset > 0 && QFileInfo::exists(dir + "/a")) {
            QDir().rename(dir + "/a", dir + "/b");
        }
        return true;
    });
    return {
        dir + "/a/bass.cyl", dir + "/b/bass.cyl", dir + "/b", {"bass.cyl"}, dir + "/a/bass.cyl"};
}

Scene parent_is_a_file(const QString& dir) {
    put_file(dir + "/bass", kOld);
    return {dir + "/bass/bass.cyl", dir + "/bass", dir, {"bass"}};
}

Scene target_is_a_folder(const QString& dir) {
    QDir().mkpath(dir + "/bass.cyl/inside");
    return {dir + "/bass.cyl", dir + "/bass.cyl", dir, {"bass.cyl"}};
}

// The system refuses to grow a file past a size, as a full disk does; the
// superuser is held to it too.
Scene file_size_limit(const QString& dir) {
    put_file(dir + "/bass.cyl", kOld);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit small = old;
    small.rlim_cur = 100;
    std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    Scene s{dir + "/bass.cyl", dir + "/bass.cyl", dir, {"bass.cyl"}};
    s.undo = [old] {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, SIG_DFL);
    };
    return s;
}

class FailedSave : public testing::TestWithParam<Failure> {
  protected:
    void TearDown() override {
        set_write_hook({});
        if (m_scene.undo) {
            m_scene.undo();
        }
    }
    QTemporaryDir m_dir;
    Scene m_scene;
};

TEST_P(FailedSave, KeepsTheOldFileAndSaysWhy) {
    ASSERT_TRUE(m_dir.isValid());
    m_scene = GetParam().prepare(m_dir.path());
    if (m_scene.skip != nullptr) {
        GTEST_SKIP() << m_scene.skip;
    }
    const QString before_path = m_scene.kept_before.isEmpty() ? m_scene.kept : m_scene.kept_before;
    const std::string before = before_path.isEmpty() ? "" : state_of(before_path);
    const WriteResult result = write_file(m_scene.target, kNew);
    set_write_hook({});
    if (m_scene.undo) {
        std::exchange(m_scene.undo, nullptr)();
    }
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_NE(result.error, QStringLiteral("Unknown error")) << "the user is told why";
    std::cout << GetParam().name << ": " << result.error.toStdString() << "\n";
    if (!m_scene.kept.isEmpty()) {
        EXPECT_EQ(state_of(m_scene.kept), before);
    }
    EXPECT_EQ(entries(m_scene.folder), m_scene.folder_holds);
}

INSTANTIATE_TEST_SUITE_P(Table, FailedSave,
                         testing::Values(Failure{"ReadOnlyFolder", read_only_folder},
                                         Failure{"FolderThatVanished", vanished_folder},
                                         Failure{"FolderMovedAwayMidWrite", folder_moved_mid_write},
                                         Failure{"ParentIsAFile", parent_is_a_file},
                                         Failure{"TargetIsAFolder", target_is_a_folder},
                                         Failure{"FileSizeLimit", file_size_limit}),
                         [](const auto& info) { return info.param.name; });

// Where each line of the new file starts, counted by hand from its line ends.
std::vector<qint64> line_starts(const std::string& bytes) {
    std::vector<qint64> starts{0};
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            starts.push_back(static_cast<qint64>(i + 1));
        }
    }
    return starts;
}

class FailingLine : public testing::TestWithParam<std::tuple<int, bool>> {
  protected:
    void TearDown() override { set_write_hook({}); }
    QTemporaryDir m_dir;
};

TEST_P(FailingLine, LeavesTheOldFileOrNoneAndNoTemporaryFile) {
    const auto [line, old_exists] = GetParam();
    const QString target = m_dir.path() + "/bass.cyl";
    if (old_exists) {
        ASSERT_TRUE(put_file(target, kOld));
    }
    std::vector<qint64> offsets;
    set_write_hook([&offsets, line](qint64 offset) {
        offsets.push_back(offset);
        return offsets.size() <= static_cast<std::size_t>(line);
    });
    const WriteResult result = write_file(target, kNew);
    set_write_hook({});
    EXPECT_FALSE(result.ok);
    EXPECT_FALSE(result.error.isEmpty());
    const auto starts = line_starts(kNew);
    ASSERT_EQ(starts.size(), kProjectLines);
    EXPECT_EQ(offsets, std::vector<qint64>(starts.begin(), starts.begin() + line + 1));
    EXPECT_EQ(state_of(target), old_exists ? "file: " + kOld : "missing");
    EXPECT_EQ(entries(m_dir.path()), old_exists ? QStringList{"bass.cyl"} : QStringList{});
}

INSTANTIATE_TEST_SUITE_P(Table, FailingLine,
                         testing::Combine(testing::Range(0, 38), testing::Bool()),
                         [](const auto& info) {
                             return "Line" + std::to_string(std::get<0>(info.param) + 1) +
                                    (std::get<1>(info.param) ? "OverAnOldFile" : "FirstSave");
                         });

} // namespace
