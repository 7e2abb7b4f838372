// SPDX-License-Identifier: GPL-3.0-or-later
// Files on disk for the store tests: plain reads and writes that do not go
// through the code under test, and what a folder holds.
#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <string>

namespace cylindra::test {

inline bool put_file(const QString& path, const std::string& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) &&
           file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
               static_cast<qint64>(bytes.size());
}

// Every entry of a folder, hidden ones included.
inline QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// A path's state: a file's bytes, a folder's entries, or that it is missing.
inline std::string state_of(const QString& path) {
    const QFileInfo info(path);
    if (info.isDir()) {
        return "folder: " + entries(path).join(", ").toStdString();
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "missing";
    }
    return "file: " + file.readAll().toStdString();
}

} // namespace cylindra::test
