// SPDX-License-Identifier: GPL-3.0-or-later
// Window timings, measured and printed, never asserted. Run under Xvfb
// ("xvfb-run -a ui_bench"): both measures need a real X server.
//  - first paint: paint_watch (beside this program) launches each window in
//    a fresh process and times it from launch to its first drawing on the X
//    server, with the process's peak memory; Cylindra alternates with a bare
//    Qt window and with a window showing one label, built with the same flags;
//  - a keystroke: from a key press in the tube diameter box (millimetres,
//    which recalculates at every key) until the repaint it queues has been
//    drawn and flushed to the X server, median of 1000.
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/program_style.h"
#include "ui/units_dialog.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace cylindra;

namespace {

struct Spread {
    double median, low, high; // median and the middle half's ends
};

Spread spread(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v[v.size() / 2], v[v.size() / 4], v[v.size() * 3 / 4]};
}

// The two reference windows, shown until killed.
int show_reference(int argc, char** argv, bool with_label) {
    QApplication app(argc, argv);
    QApplication::setStyle("Fusion");
    QMainWindow window;
    if (with_label) {
        // Any text loads the font database, a cost no window with words
        // escapes; this window shows what that alone costs.
        window.setCentralWidget(new QLabel("Cylindra"));
    }
    window.show();
    return QApplication::exec();
}

struct Paint {
    double ms = 0, kib = 0;
};

Paint watch(const QString& watcher, const QString& program, const QStringList& args) {
    QProcess run;
    run.start(watcher, QStringList{program} + args);
    run.waitForFinished(60000);
    const QStringList out = QString::fromLatin1(run.readAllStandardOutput()).split(' ');
    return out.size() == 2 ? Paint{out[0].toDouble(), out[1].toDouble()} : Paint{-1, -1};
}

Spread column(const std::vector<Paint>& runs, double Paint::*value) {
    std::vector<double> out;
    for (const Paint& p : runs) {
        if (p.ms >= 0) { // a run the watcher could not time is left out
            out.push_back(p.*value);
        }
    }
    return out.empty() ? Spread{-1, -1, -1} : spread(out);
}

void report(const char* name, const std::vector<Paint>& runs, double bare_ms, double label_kib) {
    const Spread t = column(runs, &Paint::ms), m = column(runs, &Paint::kib);
    std::printf("%-22s first paint %6.1f ms (%.1f-%.1f) = %.2fx bare; peak %5.1f MiB (%.1f-%.1f) "
                "= %.2fx one label\n",
                name, t.median, t.low, t.high, t.median / bare_ms, m.median / 1024, m.low / 1024,
                m.high / 1024, m.median / label_kib);
}

void first_paint(const QString& self, const QStringList& programs, int pairs) {
    const QString watcher = QFileInfo(self).absolutePath() + "/paint_watch";
    QTemporaryDir home; // Cylindra starts as on a first run
    qputenv("HOME", home.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
    std::vector<Paint> bare, label, sized;
    std::vector<std::vector<Paint>> program(programs.size());
    for (int i = 0; i < pairs; ++i) {
        bare.push_back(watch(watcher, self, {"--show-bare"}));
        label.push_back(watch(watcher, self, {"--show-label"}));
        // As large as Cylindra's window: its pixels alone cost memory.
        sized.push_back(watch(watcher, self, {"--show-label", "-geometry", "712x414"}));
        for (qsizetype k = 0; k < programs.size(); ++k) {
            program[k].push_back(watch(watcher, programs[k], {}));
        }
    }
    const double bare_ms = column(bare, &Paint::ms).median;
    const double label_kib = column(label, &Paint::kib).median;
    std::printf("first paint from launch, medians (middle half) of %d alternating runs:\n", pairs);
    report("bare Qt window", bare, bare_ms, label_kib);
    report("window with one label", label, bare_ms, label_kib);
    report("the same, 712x414", sized, bare_ms, label_kib);
    for (qsizetype k = 0; k < programs.size(); ++k) {
        std::printf("%s:\n", qPrintable(programs[k]));
        report("Cylindra", program[k], bare_ms, label_kib);
    }
}

// Sees the main window's queued repaint go by: once it has been handled,
// the window's drawing has been handed to the X server.
class RepaintSeen : public QObject {
  public:
    bool seen = false;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::UpdateRequest && watched->isWidgetType()) {
            seen = true;
        }
        return false;
    }
};

// Waits until the X server has carried out every request sent so far.
void sync_with_server() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
}

// Presses 1 and Backspace in turn in the tube diameter box, each until
// drawn on the X server; returns the microseconds of each.
std::vector<double> keystrokes(Program& program, int count) {
    MainWindow& window = program.main_window();
    auto* tube = window.findChild<QLineEdit*>("Text6");
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    tube->setFocus();
    tube->end(false);
    RepaintSeen repaint;
    window.installEventFilter(&repaint);
    std::vector<double> times;
    QElapsedTimer clock;
    for (int i = 0; i < count; ++i) {
        repaint.seen = false;
        clock.start();
        QTest::keyClick(tube, i % 2 ? Qt::Key_Backspace : Qt::Key_1);
        while (!repaint.seen) {
            QCoreApplication::processEvents();
        }
        sync_with_server();
        times.push_back(double(clock.nsecsElapsed()) / 1000);
    }
    return times;
}

// One start in this process, until the main window has been drawn; then
// COUNT keys. Run under callgrind with COUNT 0 and 200, the difference gives
// the instructions of a key; "bare" and "label" give the reference windows.
int counted_run(int argc, char** argv, const QString& what, int count) {
    QApplication app(argc, argv);
    if (what == "program") {
        use_program_style();
    } else {
        QApplication::setStyle("Fusion");
    }
    if (what != "program") {
        QMainWindow window;
        if (what == "label") {
            window.setCentralWidget(new QLabel("Cylindra"));
        }
        window.show();
        return QTest::qWaitForWindowExposed(&window) ? 0 : 1;
    }
    Program program;
    program.start();
    if (!QTest::qWaitForWindowExposed(&program.main_window())) {
        return 1;
    }
    program.units_dialog().select_unit(LengthUnit::metric);
    keystrokes(program, count);
    return 0;
}

void timed_keystrokes(int argc, char** argv) {
    QApplication app(argc, argv);
    use_program_style();
    Program program;
    program.start();
    program.units_dialog().select_unit(LengthUnit::metric);
    QTest::qWait(200);
    const Spread t = spread(keystrokes(program, 1000));
    std::printf("keystroke in Text6 (mm) until drawn on the X server, median of 1000: %.1f us "
                "(middle half %.1f-%.1f us)\n",
                t.median, t.low, t.high);
}

} // namespace

// ui_bench [CYLINDRA...]: first paint of each program given (by default the
// one built beside this benchmark), alternating with the reference windows,
// then keystrokes in this process.
int main(int argc, char** argv) {
    const QString mode = argc > 1 ? argv[1] : "";
    if (mode == "--show-bare" || mode == "--show-label") {
        return show_reference(argc, argv, mode == "--show-label");
    }
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == "offscreen" || qgetenv("DISPLAY").isEmpty()) {
        std::fprintf(stderr, "ui_bench needs an X server: run it under xvfb-run -a\n");
        return 2;
    }
    if (mode == "--count" && argc == 4) { // --count bare|label|program KEYS
        return counted_run(1, argv, argv[2], std::atoi(argv[3]));
    }
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    QStringList programs;
    for (int i = 1; i < argc; ++i) {
        programs << QFileInfo(QString::fromLocal8Bit(argv[i])).absoluteFilePath();
    }
    if (programs.isEmpty()) {
        programs << QFileInfo(self).absolutePath() + "/../app/cylindra";
    }
    const int pairs = qEnvironmentVariableIntValue("CYLINDRA_PAIRS");
    first_paint(self, programs, pairs > 0 ? pairs : 21);
    timed_keystrokes(1, argv);
    return 0;
}
