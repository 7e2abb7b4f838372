// SPDX-License-Identifier: GPL-3.0-or-later
// The port trim window: the trim follows the typed tuning and the design,
// sweeps are imported through the file chooser, and the air speed check.
#include "fixture.h"

#include "core/port_trim.h"
#include "tests/core/impedance_model.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/sweep_plot.h"

#include <QAction>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>

using namespace cylindra;
using namespace cylindra::testing;

namespace {

// The start-up design solves a 759 mm port for 15.6 Hz: 749.5 mm effective
// behind the flared exit's 9.5 mm, plus 152 * 0.732 = 111.264 mm of end
// correction, 860.764 mm in all. Measured at 14.04 Hz (10% low) that becomes
// 860.764 * 0.81 = 697.21884 mm, so the port is 595.45484 mm long: 163.545 mm
// (6.439 inches) come off. Measured at 17.16 Hz (10% high) it becomes
// 860.764 * 1.21 - 111.264 + 9.5 = 939.76844 mm, 180.768 mm longer.
const char* const kCut = "14.04";
const char* const kLonger = "17.16";

} // namespace

class PortTrimTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

    QDialog* open_window() {
        f.program().main_window().findChild<QAction*>("mnu_porttrim")->trigger();
        auto* window = f.program().main_window().findChild<QDialog*>("frmPortTrim");
        return window;
    }
    QString write_file(const QString& name, const std::string& text) {
        const QString path = f.folder() + "/" + name;
        QFile file(path);
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(text.data(), qint64(text.size()));
        return path;
    }
    void import(const QString& path) {
        f.answer_next_file(path);
        f.find<QPushButton>("frmPortTrim", "cmd_import")->click();
    }

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void opensBesideTheMainWindowFromTheMenu() {
        auto* action = f.program().main_window().findChild<QAction*>("mnu_porttrim");
        QCOMPARE(action->text(), QString("Port &Trim..."));
        QVERIFY(!f.program().main_window().findChild<QDialog*>("frmPortTrim"));
        QDialog* window = open_window();
        QVERIFY(window && window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(f.modal_count(), 0);
        QCOMPARE(f.text("frmPortTrim", "lbl_design"),
                 QString("Design tuning 15.6 Hz with ports 2' 5 7/8 inches long"));
        QCOMPARE(f.text("frmPortTrim", "lbl_trim"), QString());
        QTest::keyClick(window, Qt::Key_Escape);
        QVERIFY(window->isHidden());
        QCOMPARE(open_window(), window); // the same window again
    }

    void trimFollowsTheTypedTuning_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("trim");
        QTest::newRow("millimetres") << "Option1" << kCut << "Cut 164 mm off each port";
        QTest::newRow("fractions") << "Option2" << kCut << "Cut 6 7/16 inches off each port";
        QTest::newRow("longer") << "Option1" << kLonger
                                << "Lengthen each port to 940 mm (181 mm longer)";
        QTest::newRow("unit letters after it") << "Option1"
                                               << "14.04 Hz"
                                               << "Cut 164 mm off each port";
        QTest::newRow("not a tuning") << "Option1"
                                      << "low"
                                      << "";
    }
    void trimFollowsTheTypedTuning() {
        QFETCH(QString, unit);
        QFETCH(QString, typed);
        QFETCH(QString, trim);
        f.choose_unit(qPrintable(unit), false);
        open_window();
        auto* box = f.box("frmPortTrim", "txt_measured");
        f.retype(box, typed.left(2));
        QTest::keyClicks(box, typed.mid(2)); // follows every keystroke
        QCOMPARE(f.text("frmPortTrim", "lbl_trim"), trim);
    }

    // The window shows the design as it stands after every calculation.
    void followsTheDesignWhileOpen() {
        f.choose_unit("Option1", false);
        open_window();
        f.retype(f.box("frmPortTrim", "txt_measured"), kCut);
        const QString before = f.text("frmPortTrim", "lbl_trim");
        f.retype(f.box("Form1", "txt_ftune"), "20");
        f.enter(f.box("Form1", "txt_ftune"));
        QCOMPARE(f.design().ftune, 20.0);
        QVERIFY(f.text("frmPortTrim", "lbl_design").startsWith("Design tuning 20 Hz"));
        const QString after = f.text("frmPortTrim", "lbl_trim");
        QVERIFY(after != before);
        QCOMPARE(after.toStdString(),
                 port_trim_text(port_trim(f.design(), 14.04), LengthUnit::metric));
        QVERIFY(after.startsWith("Cut")); // 14.04 Hz is far below 20 Hz
    }

    void importFindsTheTuningOfAGeneratedSweep_data() {
        QTest::addColumn<double>("fb");
        QTest::addColumn<double>("fs");
        QTest::newRow("15 Hz") << 15.0 << 22.0;
        QTest::newRow("25 Hz") << 25.0 << 25.0;
        QTest::newRow("40 Hz") << 40.0 << 30.0;
    }
    void importFindsTheTuningOfAGeneratedSweep() {
        QFETCH(double, fb);
        QFETCH(double, fs);
        const VentedBox box{.fs = fs, .qes = 0.45, .alpha = 1, .fb = fb};
        const double truth = impedance_minimum_hz(box);
        open_window();
        import(write_file("sweep.txt", sweep_text(box, {.separator = ",", .newline = "\r\n"})));
        QCOMPARE(f.file_requests().back().kind, platform::FileChoice::open_sweep);
        const double measured = f.text("frmPortTrim", "txt_measured").toDouble();
        QVERIFY2(std::fabs(measured / truth - 1) < 0.01,
                 qPrintable(QString("%1 Hz found for %2 Hz").arg(measured).arg(truth)));
        auto* plot = f.find<SweepPlot>("frmPortTrim", "pic_sweep");
        QVERIFY(plot->has_sweep());
        QVERIFY(!f.text("frmPortTrim", "lbl_trim").isEmpty());
        // A screen reader hears the minimum between the two peaks.
        const auto said = QRegularExpression("^Minimum at (\\S+) Hz between peaks at (\\S+) and "
                                             "(\\S+) Hz$")
                              .match(plot->accessibleDescription());
        QVERIFY2(said.hasMatch(), qPrintable(plot->accessibleDescription()));
        QVERIFY(std::fabs(said.captured(1).toDouble() / truth - 1) < 0.01);
        QVERIFY(said.captured(2).toDouble() < said.captured(1).toDouble());
        QVERIFY(said.captured(3).toDouble() > said.captured(1).toDouble());
    }

    void fileThatIsNotASweepChangesNothing_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("letter") << "Dear builder,\nthe box sounds fine.\n"
                                << "letter.txt is not an impedance sweep: no lines of frequency "
                                   "and impedance.";
        QTest::newRow("falling frequencies")
            << "* sweep\n100 6\n90 7\n"
            << "letter.txt is not an impedance sweep: line 3: the frequencies do not rise from "
               "line to line.";
        QTest::newRow("one peak") << QString::fromStdString([] {
            std::string s;
            for (int i = 0; i < 100; ++i) {
                const double hz = 5 * std::pow(100.0, i / 99.0);
                s += std::to_string(hz) + " " +
                     std::to_string(6 + 40 / (1 + std::pow(std::log(hz / 40) * 6, 2))) + "\n";
            }
            return s;
        }()) << "letter.txt shows no tuning: no two impedance peaks with a valley between them.";
    }
    void fileThatIsNotASweepChangesNothing() {
        QFETCH(QString, text);
        QFETCH(QString, message);
        open_window();
        f.retype(f.box("frmPortTrim", "txt_measured"), kCut);
        const QString trim = f.text("frmPortTrim", "lbl_trim");
        f.answer_next_message(platform::answer_ok);
        import(write_file("letter.txt", text.toStdString()));
        QCOMPARE(f.messages(), QStringList{message});
        QCOMPARE(f.text("frmPortTrim", "txt_measured"), QString(kCut));
        QCOMPARE(f.text("frmPortTrim", "lbl_trim"), trim);
        QVERIFY(!f.find<SweepPlot>("frmPortTrim", "pic_sweep")->has_sweep());
    }

    void cancelledChooserChangesNothing() {
        open_window();
        import({});
        QCOMPARE(f.text("frmPortTrim", "txt_measured"), QString());
        QVERIFY(f.messages().isEmpty());
    }

    // With the start-up design's 15.6 Hz and one 152 mm port. 500 cm² and
    // 15 mm: 2 · 15.6 · 0.05 · 0.015 / 0.076² = 4.05 m/s; 17 m/s needs
    // √(8 · 15.6 · 0.05 · 0.015 / 17) = 74.2 mm. 1200 cm² and 30 mm:
    // 19.45 m/s, and 162.6 mm (6.40 inches).
    void airSpeedFollowsTheTypedDriver_data() {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("sd");
        QTest::addColumn<QString>("xmax");
        QTest::addColumn<QString>("speed");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<uint>("colour");
        QTest::newRow("comfortable")
            << "Option1"
            << "500"
            << "15"
            << "Peak air speed 4.1 m/s: comfortable (under 17 m/s)"
            << "Smallest port diameter for 17 m/s: 75 mm" << uint(colour::green);
        QTest::newRow("may chuff")
            << "Option2"
            << "1200"
            << "30"
            << "Peak air speed 19.4 m/s: may chuff (over 17 m/s)"
            << "Smallest port diameter for 17 m/s: 6 7/16 inches" << uint(colour::warnred);
        QTest::newRow("no excursion") << "Option1"
                                      << "500"
                                      << ""
                                      << ""
                                      << "" << uint(colour::black);
    }
    void airSpeedFollowsTheTypedDriver() {
        QFETCH(QString, unit);
        QFETCH(QString, sd);
        QFETCH(QString, xmax);
        QFETCH(QString, speed);
        QFETCH(QString, diameter);
        QFETCH(uint, colour);
        f.choose_unit(qPrintable(unit), false);
        open_window();
        f.retype(f.box("frmPortTrim", "txt_sd"), sd);
        f.retype(f.box("frmPortTrim", "txt_xmax"), xmax);
        QCOMPARE(f.text("frmPortTrim", "lbl_airspeed"), speed);
        QCOMPARE(f.text("frmPortTrim", "lbl_mindia"), diameter);
        QCOMPARE(f.colour("frmPortTrim", "lbl_airspeed"), look::rgb(colour));
    }
};

QTEST_MAIN(PortTrimTest)
#include "tst_port_trim.moc"
