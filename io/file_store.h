// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the design files on disk. A write goes through
// QSaveFile: the old file stays whole until the new one is complete, so an
// interrupted or failed save never destroys it. A read takes only the start
// of a file that its format can use.
#pragma once

#include "design_file.h"

#include <QString>

#include <functional>
#include <string>

namespace cylindra::io {

struct FileBytes {
    bool opened = false;
    std::string bytes; // at most the number asked for
    QString error;     // why it could not be opened
};

FileBytes read_file_start(const QString& path, std::size_t max_bytes);

// A project file read from disk into a copy of `current`.
struct ProjectFileReading {
    bool opened = false;
    DesignReading reading;
};
ProjectFileReading read_project_file(const QString& path, const Design& current);

struct WriteResult {
    bool ok = false;
    QString error; // the reason, for the user, when !ok
};

WriteResult write_file(const QString& path, const std::string& bytes);

// Tests stand between the writer and the disk: the hook runs before each
// line is written, with the offset it would be written at, and a false
// answer fails the write there as a full disk would. An empty hook
// removes it.
using WriteHook = std::function<bool(qint64 offset)>;
void set_write_hook(WriteHook hook);

} // namespace cylindra::io
