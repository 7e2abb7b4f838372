// SPDX-License-Identifier: GPL-3.0-or-later
// Saves the bytes of one file over another through write_file, pausing about
// a millisecond before each line so that a test can kill it part way. It
// reports on standard output: "s" as the save starts, "l" before each line,
// then "c" once committed or "f" when the save failed.
#include "io/file_store.h"

#include <QFile>

#include <chrono>
#include <thread>
#include <unistd.h>

namespace {

void tell(const char* what) {
    // Unbuffered, so the parent sees each mark before a kill can take it.
    [[maybe_unused]] const auto n = ::write(STDOUT_FILENO, what, 1);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        return 2;
    }
    QFile source(QFile::decodeName(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        return 2;
    }
    const QByteArray bytes = source.readAll();
    cylindra::io::set_write_hook([](qint64) {
        tell("l");
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
        return true;
    });
    tell("s");
    const auto result = cylindra::io::write_file(QFile::decodeName(argv[2]), bytes.toStdString());
    tell(result.ok ? "c" : "f");
    return result.ok ? 0 : 1;
}
