// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a first run shows it, the solve modes, and the field
// protocol of its text boxes.
#include "fixture.h"

#include "core/calculation.h"
#include "core/field_text.h"
#include "core/measurement.h"
#include "platform/platform.h"
#include "ui/look.h"
#include "ui/main_window.h"

#include <QFrame>
#include <QGroupBox>
#include <QRadioButton>

using namespace cylindra;
using namespace cylindra::testing;

class MainWindowTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void firstRunShowsFeetAndInches() {
        QCOMPARE(f.program().main_window().windowTitle(), QString("Cylindra V2.03 - default"));
        QCOMPARE(f.text("Form1", "Text6"), QString("1' 10"));
        QCOMPARE(f.text("Form1", "Text11"), QString("6"));
        QCOMPARE(f.text("Form1", "txt_workvol"), QString("260"));
        QCOMPARE(f.text("Form1", "txt_ftune"), QString(" 15.6"));
        QCOMPARE(f.text("Form1", "Label6"), QString("Internal diameter of sonotube (inches)"));
        QCOMPARE(f.text("Form1", "lbl_workvol"), QString("Effective Volume (litres)"));
        QVERIFY(f.find<QRadioButton>("Form1", "Opt_height")->isChecked());
    }

    void firstRunSolvesHeightAndPortLength() {
        QCOMPARE(f.design().tubheight, 1217.0);
        QCOMPARE(f.design().portlength, 759.0);
        QCOMPARE(f.text("Form1", "Text5"), QString("3' 11 15/16"));
        QCOMPARE(f.text("Form1", "Text10"), QString("2' 5 7/8"));
        QCOMPARE(f.text("Form1", "lbl_netvol"), QString("Gross Volume  280 litres"));
        QCOMPARE(f.text("Form1", "lbl_weight"), QString("Estimated weight  101 lbs"));
        QCOMPARE(f.colour("Form1", "lbl_warnings"), look::rgb(colour::ruleblue));
    }

    void firstRunTakesTheListDriverWithGenericWeight() {
        QCOMPARE(f.find<QGroupBox>("Form1", "Frame6")->title(),
                 QString("Driver - Ficar Audio Q12"));
        QCOMPARE(f.text("Form1", "lbl_vol"), QString("4.5"));
        QCOMPARE(f.colour("Form1", "lbl_vol"), look::rgb(colour::ruleblue));
        QCOMPARE(f.text("Form1", "lbl_mass"), QString(" 33")); // 15 kg in pounds
        QCOMPARE(f.colour("Form1", "lbl_mass"), look::rgb(colour::warnred));
        QCOMPARE(f.find<QLabel>("Form1", "lbl_mass")->toolTip(),
                 QString("Data missing, generic value substituted for Weight"));
        QCOMPARE(f.program().driver_in_use().drivermass, 15.0);
        QCOMPARE(f.program().driver_in_use().driverdia, 318.0);
    }

    void solvedPairIsBoldBlueOnTheWindowGrey() {
        auto* height = f.box("Form1", "Text5");
        auto* volume = f.box("Form1", "txt_workvol");
        QVERIFY(!height->isEnabled());
        QVERIFY(!height->hasFrame());
        QVERIFY(height->font().bold());
        QCOMPARE(height->palette().color(QPalette::Text), look::rgb(colour::ruleblue));
        QCOMPARE(height->palette().color(QPalette::Base), look::rgb(colour::windowgrey));
        QVERIFY(f.find<QLabel>("Form1", "Label5")->font().bold());
        QVERIFY(volume->isEnabled());
        QVERIFY(volume->hasFrame());
        QVERIFY(!volume->font().bold());
        QCOMPARE(volume->palette().color(QPalette::Text), look::rgb(colour::black));
    }

    void switchingToVolumeSolvesFromTheSolvedHeight() {
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        QVERIFY(!f.find<QFrame>("Form1", "Frame3")->isEnabled());
        QVERIFY(f.find<QFrame>("Form1", "Frame2")->isEnabled());
        QVERIFY(f.box("Form1", "txt_ftune")->font().bold());
        QVERIFY(!f.box("Form1", "Text5")->font().bold());
        QCOMPARE(f.design().tubheight, 1217.0); // the solved height became the input
        QCOMPARE(f.design().solvemode, SolveMode::opt_vol);
        QVERIFY(std::abs(f.design().workvol - 260) <= 2);
        QCOMPARE(f.text("Form1", "txt_workvol"), QString::number(f.design().workvol));
    }

    void solveModeSwitchKeepsEveryRowInPlace() {
        QWidget& main = f.program().main_window();
        const auto places = [&] {
            QList<QRect> rects;
            for (const char* name :
                 {"Text5", "Text10", "txt_workvol", "txt_ftune", "Text6", "Text11", "Label5",
                  "lbl_tune", "lbl_warnings", "lbl_netvol"}) {
                auto* w = f.find<QWidget>("Form1", name);
                rects << QRect(w->mapTo(&main, QPoint(0, 0)), w->size());
            }
            return rects;
        };
        const QList<QRect> before = places();
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        QApplication::processEvents();
        QCOMPARE(places(), before);
    }

    void tuningRecalculatesAtEveryKeystrokeInEveryUnit_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<int>("unit");
        QTest::newRow("millimetres") << "Option1" << int(LengthUnit::metric);
        QTest::newRow("centimetres") << "Option4" << int(LengthUnit::metric_cm);
        QTest::newRow("feet and inches") << "Option2" << int(LengthUnit::inches);
        QTest::newRow("decimal inches") << "Option3" << int(LengthUnit::decimalinches);
    }
    void tuningRecalculatesAtEveryKeystrokeInEveryUnit() {
        QFETCH(QString, option);
        QFETCH(int, unit);
        f.choose_unit(qPrintable(option), true);
        auto* tune = f.box("Form1", "txt_ftune");
        f.retype(tune, "2");
        QCOMPARE(f.design().ftune, 2.0);
        const double at_two = f.design().tubheight;
        for (const char* key : {"0", ".", "5"}) {
            QTest::keyClicks(tune, key);
            QCOMPARE(f.text("Form1", "Text5"),
                     QString::fromStdString(
                         field_text(kFields[0], f.design().tubheight, {LengthUnit(unit), true})));
        }
        QCOMPARE(f.design().ftune, 20.5);
        QVERIFY(f.design().tubheight != at_two);
    }

    // Centimetres typed are read as tenths of a millimetre and shown again
    // rounded to whole millimetres.
    void centimetresTypedInTheWindow_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole") << "60" << 600.0 << "60";
        QTest::newRow("tenth") << "55.9" << 559.0 << "55.9";
        QTest::newRow("hundredth rounds on show") << "55.94" << 559.4 << "55.9";
        QTest::newRow("half millimetre rounds up") << "55.95" << 559.5 << "56";
    }
    void centimetresTypedInTheWindow() {
        QFETCH(QString, typed);
        QFETCH(double, stored);
        QFETCH(QString, shown);
        f.choose_unit("Option4", false);
        auto* tube = f.box("Form1", "Text6");
        f.retype(tube, typed);
        QCOMPARE(f.colour("Form1", "Text6"), look::rgb(colour::red));
        f.enter(tube);
        QCOMPARE(f.design().tubid, stored);
        QCOMPARE(f.text("Form1", "Text6"), shown);
        QCOMPARE(f.colour("Form1", "Text6"), look::rgb(colour::black));
    }

    void doubleClickOnTheDriverPanelOpensTheDriverDialog() {
        QString opened;
        f.inside_next_modal([&](QDialog* dialog) { opened = dialog->objectName(); });
        QTest::mouseDClick(f.find<QGroupBox>("Form1", "Frame6"), Qt::LeftButton);
        QCOMPARE(opened, QString("frmDrivers"));
        QCOMPARE(f.modal_count(), 1);
    }

    void metricRecalculatesAtEveryKeystroke() {
        f.choose_unit("Option1", false);
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        auto* tube = f.box("Form1", "Text6");
        f.retype(tube, "6");
        QCOMPARE(f.design().tubid, 6.0);
        QTest::keyClicks(tube, "00");
        QCOMPARE(f.design().tubid, 600.0);
        QCOMPARE(f.text("Form1", "txt_workvol"), QString::number(f.design().workvol));
        QCOMPARE(f.colour("Form1", "Text6"), look::rgb(colour::black));
        QTest::keyClicks(tube, ".6");
        f.leave(tube);
        QCOMPARE(f.design().tubid, 600.6);
        QCOMPARE(f.text("Form1", "Text6"), QString("601"));
    }

    void inchTextWaitsRedUntilEnter() {
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        auto* tube = f.box("Form1", "Text6");
        const QString volume = f.text("Form1", "txt_workvol");
        f.retype(tube, "2' 1/2");
        QCOMPARE(f.colour("Form1", "Text6"), look::rgb(colour::red));
        QCOMPARE(f.text("Form1", "txt_workvol"), volume);
        QVERIFY(f.design().edited[*field_index("tubid")]);
        f.enter(tube);
        QCOMPARE(f.design().tubid, 622.3);
        QCOMPARE(f.colour("Form1", "Text6"), look::rgb(colour::black));
        QCOMPARE(f.text("Form1", "Text6"), QString("2' 1/2"));
        QVERIFY(f.text("Form1", "txt_workvol") != volume);
    }

    void rejectedInchTextKeepsItsMessageRedAndZero() {
        auto* tube = f.box("Form1", "Text6");
        f.retype(tube, "1/32");
        f.answer_next_message(platform::answer_ok);
        f.enter(tube);
        QCOMPARE(f.messages(),
                 QStringList("tubid field contains incorrect format: - Allowable fractions are "
                             "1/2 1/4 1/8 1/16"));
        QCOMPARE(f.titles(), QStringList(QString()));
        QCOMPARE(f.design().tubid, 0.0);
        QCOMPARE(f.text("Form1", "Text6"), QString("1/32"));
        QCOMPARE(f.colour("Form1", "Text6"), look::rgb(colour::red));
        QCOMPARE(f.design().tubheight, 0.0 + 38 + 38); // recalculated with no tube at all
        // Leaving the still rejected box validates it again.
        f.answer_next_message(platform::answer_ok);
        f.leave(tube);
        QCOMPARE(f.messages().size(), 2);
    }

    // After a rejection the box counts as changed until a text is accepted:
    // typing back the text shown before, or undoing, must read it again.
    void rejectedThenRestoredTextIsReadAgain_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("undo");
        QTest::addColumn<bool>("byEnter");
        QTest::newRow("tube retyped, Enter") << "Form1"
                                             << "Text6" << false << true;
        QTest::newRow("tube undone, Tab") << "Form1"
                                          << "Text6" << true << false;
        QTest::newRow("wall retyped, Enter") << "frmPorts"
                                             << "txt_portwall" << false << true;
        QTest::newRow("driver depth undone, Enter") << "frmDrivers"
                                                    << "txt_depth" << true << true;
        QTest::newRow("driver diameter retyped, Enter") << "frmDrivers"
                                                        << "txt_dia" << false << true;
    }
    void rejectedThenRestoredTextIsReadAgain() {
        QFETCH(QString, window);
        QFETCH(QString, box);
        QFETCH(bool, undo);
        QFETCH(bool, byEnter);
        if (window == "frmDrivers") {
            f.find<QRadioButton>("frmDrivers", "Option2")->click();
            f.retype(f.box("frmDrivers", "txt_dia"), "1' 1");
            f.enter(f.box("frmDrivers", "txt_dia"));
            f.retype(f.box("frmDrivers", "txt_depth"), "7");
            f.enter(f.box("frmDrivers", "txt_depth"));
        }
        auto* edit = f.box(qPrintable(window), qPrintable(box));
        const FieldSpec& bound = *std::find_if(kFields.begin(), kFields.end(), [&](const auto& s) {
            return s.box == box.toStdString();
        });
        const double before = f.design().*bound.value;
        const QString shown = edit->text();
        QVERIFY(before > 0);
        f.retype(edit, "1/3");
        f.answer_next_message(platform::answer_ok);
        f.enter(edit);
        QCOMPARE(f.design().*bound.value, 0.0);
        if (undo) {
            edit->undo();
        } else {
            f.retype(edit, shown);
        }
        QCOMPARE(edit->text(), shown);
        f.type(edit, {}); // back in the box, so that Tab leaves it
        byEnter ? f.enter(edit) : f.leave(edit);
        QCOMPARE(f.messages().size(), 1);
        QCOMPARE(
            QString::fromStdString(field_text(bound, f.design().*bound.value, f.program().units())),
            shown);
        QVERIFY(f.design().*bound.value > 0);
        QCOMPARE(edit->palette().color(QPalette::Text), look::rgb(colour::black));
    }

    // A pasted name must not stretch the window beyond the screen: the
    // frame's caption is cut short and the whole name is in its tooltip.
    void longDriverNameKeepsTheWindowSize_data() {
        QTest::addColumn<int>("length");
        QTest::newRow("250 characters") << 250;
        QTest::newRow("10,000 characters") << 10000;
    }
    void longDriverNameKeepsTheWindowSize() {
        QFETCH(int, length);
        QWidget& main = f.program().main_window();
        const int width = main.sizeHint().width();
        const QString name =
            QString("Very long driver name ").repeated(length / 22 + 1).left(length);
        f.find<QRadioButton>("frmDrivers", "Option2")->click();
        auto* text1 = f.box("frmDrivers", "Text1");
        f.type(text1, {});
        text1->selectAll();
        text1->insert(name);
        f.find<QAbstractButton>("frmDrivers", "Command2")->click();
        auto* frame = f.find<QGroupBox>("Form1", "Frame6");
        QCOMPARE(frame->toolTip(), name);
        QVERIFY(frame->title().endsWith(QChar(0x2026)));
        QVERIFY(frame->title().size() < 80);
        QVERIFY(main.sizeHint().width() <= width);
        QVERIFY(main.minimumSizeHint().width() <= width);
    }

    void enterInAnUnchangedFieldRecalculatesWithoutRounding() {
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        auto* tube = f.box("Form1", "Text6");
        f.type(tube, {});
        f.design().bottomgap = 1; // only a recalculation shows this
        f.enter(tube);
        QCOMPARE(f.design().tubid, 559.0); // not 558.8, the sixteenth shown
        QCOMPARE(f.colour("Form1", "lbl_warnings"), look::rgb(colour::warnred));
    }

    void leavingAnUnchangedLengthDoesNothing() {
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        auto* port = f.box("Form1", "Text11");
        f.type(port, {});
        f.design().bottomgap = 1;
        f.leave(port);
        QCOMPARE(f.design().portid, 152.0);
        QCOMPARE(f.colour("Form1", "lbl_warnings"), look::rgb(colour::ruleblue));
    }

    void tabbingThroughCubicFeetKeepsTheVolume() {
        f.choose_unit("Option2", false);
        auto* volume = f.box("Form1", "txt_workvol");
        QCOMPARE(volume->text(), QString("9.18"));
        f.type(volume, {});
        f.leave(volume);
        QCOMPARE(f.design().workvol, 260.0);
        f.retype(volume, "0.29");
        f.enter(volume);
        QCOMPARE(volume->text(), QString(".29"));
    }

    // A result line keeps its width while its texts fit and widens for a
    // longer one: no result is cut short. A tube some 833,000 feet high
    // gives lengths longer than any the window started with.
    void resultLinesWidenForALongerText() {
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        auto* height = f.box("Form1", "Text5");
        f.retype(height, "9999999"); // inches: feet, inches and sixteenths
        f.enter(height);
        for (const char* name : {"lbl_netvol", "lbl_weight", "lbl_totalheight", "lbl_sonolength",
                                 "lbl_port_effectivelength", "lbl_tipping"}) {
            auto* line = f.find<QLabel>("Form1", name);
            QVERIFY2(line->width() >= line->fontMetrics().horizontalAdvance(line->text()),
                     qPrintable(line->text()));
        }
    }

    void numbersTooLargeKeepThePreviousValue() {
        f.choose_unit("Option1", false);
        auto* tube = f.box("Form1", "Text6");
        f.retype(tube, "1e999");
        QCOMPARE(f.design().tubid, 1e9); // "1e9", the last keystroke a design can hold
        f.leave(tube);
        QCOMPARE(f.text("Form1", "Text6"), QString("1000000000"));
        for (const char* name : {"lbl_netvol", "lbl_weight", "lbl_tipping"}) {
            QVERIFY2(!f.text("Form1", name).contains("inf"), name);
        }
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
