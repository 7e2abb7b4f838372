// SPDX-License-Identifier: GPL-3.0-or-later
// Window timings, measured and printed, never asserted:
//  - start-up: from creating the application to the main window shown with
//    every value populated and calculated, against a bare Qt window, each in
//    a fresh process, alternating, medians of several runs;
//  - a keystroke: from a key press in the tube diameter box (millimetres,
//    which recalculates at every key) until every label and the warnings
//    dialog are written, median of 1000.
// Run under QT_QPA_PLATFORM=offscreen or a real display.
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/units_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace cylindra;

namespace {

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

enum class Start { bare, bare_text, program };

// One start in this process; prints the microseconds it took.
int time_start(int argc, char** argv, Start what) {
    const bool bare = what != Start::program;
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    std::unique_ptr<QMainWindow> window;
    std::unique_ptr<Program> program;
    if (bare) {
        window = std::make_unique<QMainWindow>();
        if (what == Start::bare_text) {
            // Any text loads the font database, a cost no window with words
            // escapes; this window shows what that alone costs.
            window->setCentralWidget(new QLabel("Cylindra"));
        }
        window->show();
    } else {
        program = std::make_unique<Program>();
        program->start();
    }
    QWidget* shown = bare ? window.get() : &program->main_window();
    if (!QTest::qWaitForWindowExposed(shown)) {
        return 1;
    }
    std::printf("%lld\n", static_cast<long long>(clock.nsecsElapsed() / 1000));
    return 0;
}

double run_child(const QString& self, const char* mode) {
    QProcess child;
    child.start(self, {mode});
    child.waitForFinished(60000);
    return child.readAllStandardOutput().trimmed().toDouble();
}

void startup(int argc, char** argv) {
    std::vector<double> bare, text, full;
    const QString self = QString::fromLocal8Bit(argv[0]);
    (void)argc;
    for (int i = 0; i < 15; ++i) {
        bare.push_back(run_child(self, "--bare"));
        text.push_back(run_child(self, "--bare-text"));
        full.push_back(run_child(self, "--program"));
    }
    const double b = median(bare), t = median(text), p = median(full);
    std::printf("start-up, median of 15: bare window %.1f ms, bare window with one label "
                "%.1f ms, Cylindra %.1f ms; ratio to bare %.2f, to one label %.2f\n",
                b / 1000, t / 1000, p / 1000, p / b, p / t);
}

void keystrokes(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    Program program;
    program.start();
    program.units_dialog().select_unit(LengthUnit::metric);
    program.populateall();
    program.calculate_all();
    auto* tube = program.main_window().findChild<QLineEdit*>("Text6");
    program.main_window().activateWindow();
    (void)QTest::qWaitForWindowActive(&program.main_window());
    tube->setFocus();
    tube->end(false);
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < 1000; ++i) {
        const Qt::Key key = i % 2 ? Qt::Key_Backspace : Qt::Key_1;
        clock.start();
        QTest::keyClick(tube, key);
        times.push_back(double(clock.nsecsElapsed()) / 1000);
    }
    std::printf("keystroke in Text6 (metric), median of 1000: %.1f us (slowest %.1f us)\n",
                median(times), *std::max_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char** argv) {
    const QString mode = argc > 1 ? argv[1] : "";
    if (mode == "--bare" || mode == "--bare-text" || mode == "--program") {
        return time_start(1, argv,
                          mode == "--bare"        ? Start::bare
                          : mode == "--bare-text" ? Start::bare_text
                                                  : Start::program);
    }
    startup(argc, argv);
    keystrokes(argc, argv);
    return 0;
}
