// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_store.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <optional>

namespace cylindra::io {

namespace {

WriteHook& write_hook() {
    static WriteHook hook;
    return hook;
}

// Gives up a save: the new file is dropped and the old one stays.
WriteResult cancel(QSaveFile& file, const QString& reason) {
    file.cancelWriting();
    return {false, reason};
}

// Line by line, so that a test can fail or stop the write between lines.
// Returns why the write failed, if it did.
std::optional<QString> write_lines(QSaveFile& file, const std::string& bytes) {
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size() - 1) + 1;
        if (write_hook() && !write_hook()(static_cast<qint64>(start))) {
            return QStringLiteral("No space left on device");
        }
        const auto length = static_cast<qint64>(end - start);
        if (file.write(bytes.data() + start, length) != length) {
            return file.errorString();
        }
        start = end;
    }
    return std::nullopt;
}

} // namespace

FileBytes read_file_start(const QString& path, std::size_t max_bytes) {
    FileBytes result;
    QFile file(path);
    if (QFileInfo(path).isDir()) {
        result.error = QStringLiteral("It is a folder");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    result.opened = true;
    const QByteArray bytes = file.read(static_cast<qint64>(max_bytes));
    result.bytes.assign(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return result;
}

ProjectFileReading read_project_file(const QString& path, const Design& current) {
    const FileBytes file = read_file_start(path, bytes_needed(kProjectLines));
    if (!file.opened) {
        return {false, {current, 0, ReadOutcome::cannot_open}};
    }
    return {true, read_project(file.bytes, current)};
}

WriteResult write_file(const QString& path, const std::string& bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        return {false, file.errorString()};
    }
    if (const auto reason = write_lines(file, bytes)) {
        return cancel(file, *reason);
    }
    // With Qt 6.4, commit() was seen to rename the new file into place even
    // when the bytes it still buffered could not be written (a file size
    // limit), and to report success: a cut file replaced the old one. They
    // are written out here first, where a failure can still cancel the save.
    if (!file.flush()) {
        // A write cut short carries no reason; the next try, refused
        // outright, says why.
        file.flush();
        return cancel(file, file.errorString());
    }
    if (!file.commit()) {
        return {false, file.errorString()};
    }
    return {true, {}};
}

void set_write_hook(WriteHook hook) {
    write_hook() = std::move(hook);
}

} // namespace cylindra::io
