// SPDX-License-Identifier: GPL-3.0-or-later
// Reading back a PDF the way a builder's printer would: its pages and their
// sizes from the file itself, its pages drawn as pictures and its text, both
// by poppler's own tools (pdftoppm, pdftotext).
#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace cylindra::test {

inline QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Page objects, not the page tree ("/Type /Pages").
inline int pdf_page_count(const QByteArray& pdf) {
    static const QRegularExpression page(R"(/Type\s*/Page(?!s))");
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(pdf)); it.hasNext(); it.next()) {
        ++count;
    }
    return count;
}

// Width and height in points of every page's media box.
inline std::vector<QSizeF> media_boxes(const QByteArray& pdf) {
    static const QRegularExpression box(
        R"(/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\])");
    std::vector<QSizeF> sizes;
    for (auto it = box.globalMatch(QString::fromLatin1(pdf)); it.hasNext();) {
        const auto m = it.next();
        sizes.emplace_back(m.captured(3).toDouble() - m.captured(1).toDouble(),
                           m.captured(4).toDouble() - m.captured(2).toDouble());
    }
    return sizes;
}

// Runs a poppler tool; its standard output, or nothing when it failed.
inline QByteArray run_tool(const QString& tool, const QStringList& args) {
    QProcess p;
    p.start(tool, args);
    if (!p.waitForFinished(60000) || p.exitCode() != 0) {
        return {};
    }
    return p.readAllStandardOutput();
}

// One page drawn without smoothing, so that every colour stays as drawn.
inline QImage render_page(const QString& pdf, int page, int dpi) {
    QTemporaryDir dir;
    const QString prefix = dir.path() + "/page";
    run_tool(CYLINDRA_PDFTOPPM,
             {"-png", "-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-singlefile",
              "-f", QString::number(page), "-l", QString::number(page), pdf, prefix});
    return QImage(prefix + ".png");
}

inline QString page_text(const QString& pdf, int first, int last) {
    return QString::fromUtf8(run_tool(CYLINDRA_PDFTOTEXT, {"-layout", "-f", QString::number(first),
                                                           "-l", QString::number(last), pdf, "-"}));
}

// The side of a square outline drawn in one colour, in pixels from the
// middle of one line to the middle of the other; 0 when there is none.
inline double square_side(const QImage& image, QRgb colour) {
    int left = image.width(), right = -1, top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
                left = std::min(left, x), right = std::max(right, x);
                top = std::min(top, y), bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        return 0;
    }
    // The line's own thickness, on the left side half way down.
    int line = 0;
    const int mid = (top + bottom) / 2;
    while (left + line <= right &&
           (image.pixel(left + line, mid) & 0xFFFFFF) == (colour & 0xFFFFFF)) {
        ++line;
    }
    const double width = right - left + 1 - line, height = bottom - top + 1 - line;
    return std::abs(width - height) <= 2 ? (width + height) / 2 : 0;
}

} // namespace cylindra::test
