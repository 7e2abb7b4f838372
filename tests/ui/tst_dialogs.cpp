// SPDX-License-Identifier: GPL-3.0-or-later
// The Units, driver, ports and endcaps dialogs, the diagrams and printing.
#include "fixture.h"

#include "core/calculation.h"
#include "platform/platform.h"
#include "ui/diagrams.h"
#include "ui/endcaps_dialog.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/units_dialog.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QTemporaryDir>

using namespace cylindra;
using namespace cylindra::testing;

class DialogsTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

    void click(const char* window, const char* name) {
        f.find<QAbstractButton>(window, name)->click();
    }
    // The colour most of a picture's strongly coloured pixels have, as the
    // label shows it on screen.
    static QString dominant_hue(QLabel* label) {
        const QImage image = label->grab().toImage();
        int red = 0, green = 0, yellow = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                red += c.red() > 150 && c.green() < 80 && c.blue() < 80;
                green += c.green() > 100 && c.red() < 80 && c.blue() < 80;
                yellow += c.red() > 200 && c.green() > 150 && c.blue() < 80;
            }
        }
        const int most = std::max({red, green, yellow});
        if (most < 10) {
            return "none";
        }
        return most == red ? "red" : most == green ? "green" : "yellow";
    }
    bool shown(const char* window, const char* name) {
        return !f.find<QWidget>(window, name)->isHidden();
    }

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void unitSwitchRewritesCaptionsAndTexts_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("litres");
        QTest::addColumn<QString>("tube");
        QTest::addColumn<QString>("tubeCaption");
        QTest::addColumn<QString>("volume");
        QTest::addColumn<QString>("volumeCaption");
        QTest::addColumn<QString>("wallCaption");
        QTest::addColumn<QString>("grossVolume");
        QTest::addColumn<QString>("mass");
        QTest::newRow("millimetres") << "Option1" << false << "559"
                                     << "Internal diameter of sonotube (mm)"
                                     << "260"
                                     << "Effective Volume (litres)"
                                     << "Port Wall thickness (mm)"
                                     << "Gross Volume  280 litres"
                                     << "0";
        QTest::newRow("centimetres") << "Option4" << false << "55.9"
                                     << "Internal diameter of sonotube (cm)"
                                     << "260"
                                     << "Effective Volume (litres)"
                                     << "Port Wall thickness (cm)"
                                     << "Gross Volume  280 litres"
                                     << "0";
        QTest::newRow("fractionalCubicFeet") << "Option2" << false << "1' 10"
                                             << "Internal diameter of sonotube (inches)"
                                             << "9.18"
                                             << "Effective Volume (cu.ft)"
                                             << "Port Wall thickness (inches)"
                                             << "Gross Volume  9.88 cu.ft"
                                             << "0";
        QTest::newRow("decimalLitres") << "Option3" << true << " 22.01"
                                       << "Internal diameter of sonotube (inches)"
                                       << "260"
                                       << "Effective Volume (litres)"
                                       << "Port Wall thickness (inches)"
                                       << "Gross Volume  280 litres"
                                       << "0";
    }

    void unitSwitchRewritesCaptionsAndTexts() {
        QFETCH(QString, option);
        QFETCH(bool, litres);
        f.choose_unit(qPrintable(option), litres);
        QTEST(f.text("Form1", "Text6"), "tube");
        QTEST(f.text("Form1", "Label6"), "tubeCaption");
        QTEST(f.text("Form1", "txt_workvol"), "volume");
        QTEST(f.text("Form1", "lbl_workvol"), "volumeCaption");
        QTEST(f.text("frmPorts", "Label12"), "wallCaption");
        QTEST(f.text("Form1", "lbl_netvol"), "grossVolume");
        QTEST(f.text("frmDrivers", "txt_mass"), "mass");
        QCOMPARE(f.design().tubid, 559.0);
        QCOMPARE(f.design().storedlengthunit, f.program().units().length);
    }

    void metricRulesAreGreyAndHideTheLitresBox() {
        f.choose_unit("Option4", false);
        QCOMPARE(f.colour("frmUnits", "Label8"), look::rgb(colour::grey));
        QVERIFY(!shown("frmUnits", "chk_litres"));
        QCOMPARE(f.text("frmDimensions", "Label16"),
                 QString("Top cover plate diameter (A) ... All sizes in cm"));
        f.choose_unit("Option3", true);
        QCOMPARE(f.colour("frmUnits", "Label8"), look::rgb(colour::ruleblue));
        QCOMPARE(f.text("frmUnits", "Label8"),
                 QString("\"\\\" is converted to \"/\" and is not allowed at start or end of "
                         "field"));
        QVERIFY(shown("frmUnits", "chk_litres"));
    }

    void litresBoxNeverGivesCubicFeetInMetric() {
        f.choose_unit("Option1", false);
        f.program().units_dialog().set_litres_checked(false);
        f.program().calculate_all();
        QCOMPARE(f.text("Form1", "Label23"), QString("Volume occupied (litres)"));
        QVERIFY(f.text("Form1", "lbl_netvol").endsWith(" litres"));
    }

    void closingUnitsUnchangedStillRepopulates() {
        f.design().tubid = 600;
        f.choose_unit("Option2", true);
        QCOMPARE(f.text("Form1", "Text6"), QString("1' 11 5/8"));
    }

    void manualDriverClearsValuesAndTakesGenerics() {
        f.inside_next_modal([this](QDialog*) {
            click("frmDrivers", "Option2");
            QCOMPARE(f.text("frmDrivers", "txt_dia"), QString("0"));
            QCOMPARE(f.text("frmDrivers", "txt_vol"), QString("0"));
            click("frmDrivers", "opt_15in");
            QCOMPARE(f.colour("frmDrivers", "lbl_15in_dia"), look::rgb(colour::warnred));
            QCOMPARE(f.colour("frmDrivers", "lbl_12in_dia"), look::rgb(colour::grey));
            click("frmDrivers", "Option1"); // back to the list restores its row
            QCOMPARE(f.design().dia, 318.0);
            QCOMPARE(f.text("frmDrivers", "txt_vol"), QString("4.5"));
            click("frmDrivers", "Option2");
            click("frmDrivers", "opt_15in");
            auto* name = f.box("frmDrivers", "Text1");
            f.retype(name, "My woofer");
            QCOMPARE(f.design().drivername, std::string("My woofer"));
            click("frmDrivers", "Command2");
        });
        f.program().main_window().open_driver();
        QCOMPARE(f.program().driver_in_use().driverdia, 392.0);
        QCOMPARE(f.text("Form1", "lbl_dia"), QString("1' 3 7/16"));
        QCOMPARE(f.colour("Form1", "lbl_dia"), look::rgb(colour::warnred));
        QCOMPARE(f.find<QLabel>("Form1", "lbl_depth")->toolTip(),
                 QString("Data missing, generic value substituted for Mounting Depth"));
        QCOMPARE(f.find<QGroupBox>("Form1", "Frame6")->title(), QString("My woofer"));
    }

    void sizeOptionsFormOneGroup() {
        const auto selected_sizes = [this] {
            int n = 0;
            for (const char* size : {"opt_8in", "opt_10in", "opt_12in", "opt_15in", "opt_18in"}) {
                n += f.find<QRadioButton>("frmDrivers", size)->isChecked();
            }
            return n;
        };
        QCOMPARE(selected_sizes(), 1);
        QVERIFY(f.find<QRadioButton>("frmDrivers", "opt_12in")->isChecked());
        click("frmDrivers", "Option2");
        click("frmDrivers", "opt_15in");
        QCOMPARE(selected_sizes(), 1);
        QVERIFY(f.find<QRadioButton>("frmDrivers", "Option2")->isChecked());
    }

    void clickingTheSelectedSourceKeepsTypedValues() {
        click("frmDrivers", "Option2");
        f.design().dia = 406.4;
        click("frmDrivers", "Option2");
        QCOMPARE(f.design().dia, 406.4);
    }

    void onlyALeftClickOpensTheWarnings() {
        auto* label = f.find<QLabel>("Form1", "lbl_warnings");
        QTest::mouseClick(label, Qt::RightButton);
        QCOMPARE(f.modal_count(), 0);
        f.inside_next_modal([](QDialog*) {});
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(f.modal_count(), 1);
    }

    void enteredValueTurnsBlueAfterOk() {
        f.choose_unit("Option1", false);
        f.inside_next_modal([this](QDialog*) {
            click("frmDrivers", "Option2");
            auto* dia = f.box("frmDrivers", "txt_dia");
            f.retype(dia, "400");
            QCOMPARE(f.colour("frmDrivers", "txt_dia"), look::rgb(colour::red));
            f.enter(dia);
            QCOMPARE(f.design().dia, 400.0);
            click("frmDrivers", "Command2");
        });
        f.program().main_window().open_driver();
        QCOMPARE(f.text("Form1", "lbl_dia"), QString("400"));
        QCOMPARE(f.colour("Form1", "lbl_dia"), look::rgb(colour::ruleblue));
        QCOMPARE(f.find<QLabel>("Form1", "lbl_dia")->toolTip(), QString());
    }

    void listEntryFollowsItsRowNotItsPosition() {
        f.inside_next_modal([this](QDialog*) {
            auto* list = f.find<QComboBox>("frmDrivers", "Combo1");
            QCOMPARE(list->currentText(), QString("Ficar Audio Q12"));
            QCOMPARE(list->itemText(17), QString("Mach5 Audio IXL 18"));
            list->setCurrentIndex(17);
            Q_EMIT list->activated(17);
            QCOMPARE(f.design().dia, 462.0);
            QCOMPARE(f.design().drivernominal, 18);
            QVERIFY(f.find<QRadioButton>("frmDrivers", "opt_18in")->isChecked());
            QCOMPARE(f.colour("frmDrivers", "lbl_18in_mass"), look::rgb(colour::warnred));
            // Typing into a list driver's boxes colours nothing.
            QVERIFY(!f.box("frmDrivers", "txt_dia")->isEnabled());
            click("frmDrivers", "Command2");
        });
        f.program().main_window().open_driver();
        QCOMPARE(f.find<QGroupBox>("Form1", "Frame6")->title(),
                 QString("Driver - Mach5 Audio IXL 18"));
        QCOMPARE(f.design().driverindex, 17);
    }

    void genericTableFollowsTheUnit() {
        f.choose_unit("Option2", false);
        QCOMPARE(f.text("frmDrivers", "lbl_8in_vol"), QString(" .07"));
        QCOMPARE(f.text("frmDrivers", "lbl_15in_mass"), QString(" 35.2"));
        f.choose_unit("Option4", false);
        QCOMPARE(f.text("frmDrivers", "lbl_8in_dia"), QString(" 21.6"));
        QCOMPARE(f.text("frmDrivers", "lbl_8in_depth"), QString(" 10"));
        QCOMPARE(f.text("frmDrivers", "Label27"), QString("Outside diameter (cm)"));
    }

    void exitFlareRuleGovernsTheIntake() {
        click("frmPorts", "Check_intakeflared");
        QCOMPARE(f.design().intakeflare, IntakeFlare::intakeflared);
        QVERIFY(shown("frmPorts", "txt_intakeflareradius"));
        QCOMPARE(f.program().main_window().diagram()->configuration_name(), QString("donut"));
        click("frmPorts", "Check_exitflared");
        auto* intake = f.find<QCheckBox>("frmPorts", "Check_intakeflared");
        QVERIFY(!intake->isChecked());
        QVERIFY(!intake->isEnabled());
        QCOMPARE(f.design().exitflare, ExitFlare::exitunflared);
        QCOMPARE(f.design().intakeflare, IntakeFlare::intakeunflared);
        QVERIFY(!shown("frmPorts", "txt_exitflareradius"));
        QVERIFY(!shown("frmPorts", "Label2"));
        QCOMPARE(f.program().main_window().diagram()->configuration_name(), QString("unflared"));
        click("frmPorts", "Check_exitflared");
        QVERIFY(intake->isEnabled());
        QVERIFY(!intake->isChecked());
        QVERIFY(shown("frmPorts", "Label1"));
        QVERIFY(!shown("frmPorts", "Label2"));
    }

    void portsRecalculateAfterTheDialogHowever() {
        f.inside_next_modal([this](QDialog*) {
            f.retype(f.box("frmPorts", "txt_numports"), "1.5");
            QCOMPARE(f.design().numports, 1.5);
            click("frmPorts", "opt_sonoport");
        });
        const double weight = f.program().last_report().results.weight;
        f.program().main_window().open_ports();
        QCOMPARE(f.design().portmaterial, PortMaterial::sonotube);
        QVERIFY(f.program().last_report().results.weight != weight);
    }

    // Cubic feet and pounds typed into the driver dialog in the inch units
    // are kept as litres and kilograms.
    void driverTakesCubicFeetAndPounds() {
        f.choose_unit("Option3", false); // decimal inches, volumes in cubic feet
        f.inside_next_modal([this](QDialog*) {
            click("frmDrivers", "Option2");
            f.retype(f.box("frmDrivers", "txt_vol"), ".25");
            f.enter(f.box("frmDrivers", "txt_vol"));
            f.retype(f.box("frmDrivers", "txt_mass"), "22");
            f.enter(f.box("frmDrivers", "txt_mass"));
            click("frmDrivers", "Command2");
        });
        f.program().main_window().open_driver();
        QCOMPARE(f.design().vol, .25 / kCubicFeetPerLitre);
        QCOMPARE(f.design().mass, 10.0);
        QCOMPARE(f.text("frmDrivers", "txt_vol"), QString(".25"));
        QCOMPARE(f.text("Form1", "lbl_vol"), QString(".25"));
        QCOMPARE(f.text("Form1", "lbl_mass"), QString("22"));
        QCOMPARE(f.colour("Form1", "lbl_mass"), look::rgb(colour::ruleblue));
    }

    void endcapsShowTheirUnitWhateverTheCover() {
        click("frmDimensions", "opt_nocover");
        QVERIFY(shown("frmDimensions", "lbl_sizes"));
        QCOMPARE(f.text("frmDimensions", "lbl_sizes"), QString("All sizes in inches"));
        f.choose_unit("Option4", false);
        QCOMPARE(f.text("frmDimensions", "lbl_sizes"), QString("All sizes in cm"));
    }

    void pdfIsNamedAfterTheWindowsCaption() {
        QCOMPARE(platform::pdf_file_name(&f.program().main_window()),
                 QString("Cylindra V2.03 - default.pdf"));
        QCOMPARE(platform::pdf_file_name(&f.program().endcaps()),
                 QString("Endcaps and Plates.pdf"));
        f.program().main_window().setWindowTitle("Cylindra - a/b:c.cyl");
        QCOMPARE(platform::pdf_file_name(&f.program().main_window()),
                 QString("Cylindra - a-b-c.cyl.pdf"));
    }

    void coverOptionShowsItsRows_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<bool>("plate");
        QTest::addColumn<bool>("grille");
        QTest::newRow("cover") << "opt_cover" << true << false;
        QTest::newRow("grille") << "opt_grille" << false << true;
        QTest::newRow("nocover") << "opt_nocover" << false << false;
    }

    void coverOptionShowsItsRows() {
        QFETCH(QString, option);
        QFETCH(bool, plate);
        QFETCH(bool, grille);
        click("frmDimensions", "opt_grille"); // start away from the default
        click("frmDimensions", qPrintable(option));
        for (const char* name : {"txt_topcoverdia", "Label16", "txt_topcoverthickness", "Label10",
                                 "txt_topgap", "Label3"}) {
            QCOMPARE(shown("frmDimensions", name), plate);
        }
        QCOMPARE(shown("frmDimensions", "txt_grilleheight"), grille);
        QCOMPARE(shown("frmDimensions", "Label4"), grille);
        QCOMPARE(shown("frmDimensions", "Picture1"), plate);
        QCOMPARE(shown("frmDimensions", "Picture2"), !plate);
        QVERIFY(shown("frmDimensions", "txt_bottomgap"));
    }

    void endcapsOkRecalculates() {
        f.inside_next_modal([this](QDialog*) {
            click("frmDimensions", "opt_nocover");
            QVERIFY(f.program().last_report().labels.totalheight.find("4' 10 7/8") !=
                    std::string::npos); // the option alone does not recalculate
            click("frmDimensions", "Command1");
        });
        f.program().main_window().open_endcaps();
        QCOMPARE(f.design().covertype, CoverType::nocover);
        QCOMPARE(f.text("Form1", "lbl_totalheight"), QString("Total height 4' 3 13/16 inches"));
    }

    void diagramFollowsEveryConfiguration_data() {
        QTest::addColumn<bool>("flush");
        QTest::addColumn<QString>("cover");
        QTest::addColumn<int>("flares"); // 0 none, 1 exit, 2 exit and intake
        QTest::addColumn<QString>("picture");
        const char* covers[][2] = {
            {"opt_cover", ""}, {"opt_grille", "grilletop"}, {"opt_nocover", "notop"}};
        const char* shapes[] = {"unflared", "flared", "donut"};
        for (const bool flush : {true, false}) {
            for (const auto& cover : covers) {
                for (int flares = 0; flares < 3; ++flares) {
                    const QString name = QString(flush ? "" : "dn_") + cover[1] + shapes[flares];
                    QTest::newRow(qPrintable(name)) << flush << cover[0] << flares << name;
                }
            }
        }
    }

    void diagramFollowsEveryConfiguration() {
        QFETCH(bool, flush);
        QFETCH(QString, cover);
        QFETCH(int, flares);
        auto set = [this](const char* window, const char* name, bool on) {
            auto* box = f.find<QCheckBox>(window, name);
            if (box->isChecked() != on) {
                box->click();
            }
        };
        set("frmDimensions", "Chk_flushmount", flush);
        click("frmDimensions", qPrintable(cover));
        set("frmPorts", "Check_exitflared", flares >= 1);
        set("frmPorts", "Check_intakeflared", flares == 2);
        QTEST(f.program().main_window().diagram()->configuration_name(), "picture");
        QCOMPARE(f.design().drivermounting,
                 flush ? DriverMounting::flushmounted : DriverMounting::surfacemounted);
    }

    void diagramIsDrawnToTheDesign() {
        EnclosureDiagram* diagram = f.program().main_window().diagram();
        QVERIFY(diagram->drawn_to_scale());
        f.design().tubid = 0;
        f.program().calculate_all();
        diagram->grab(); // paints without failing
        QVERIFY(!diagram->drawn_to_scale());
    }

    // The section is repainted after a calculation that changes its
    // drawing, and only then.
    void diagramIsRepaintedOnlyWhenItsDrawingChanges() {
        struct PaintCounter : QObject {
            int paints = 0;
            bool eventFilter(QObject*, QEvent* event) override {
                paints += event->type() == QEvent::Paint;
                return false;
            }
        } counter;
        EnclosureDiagram* diagram = f.program().main_window().diagram();
        diagram->installEventFilter(&counter);
        QTest::qWait(50);
        counter.paints = 0;
        f.program().calculate_all();
        QTest::qWait(50);
        QCOMPARE(counter.paints, 0);
        f.design().tubid = 450;
        f.program().calculate_all();
        QTRY_VERIFY(counter.paints > 0);
    }

    // Parts with straight edges are drawn unsmoothed: across the middle of
    // the section the tube's edges show the outline colour itself, not
    // blended into the colours beside them.
    void diagramDrawsStraightEdgesCrisp() {
        const QImage image = f.program().main_window().diagram()->grab().toImage();
        int outline = 0;
        for (int x = 0; x < image.width(); ++x) {
            outline += (image.pixel(x, image.height() / 2) & 0xFFFFFF) == 0x800000;
        }
        QVERIFY2(outline >= 4, qPrintable(QString("%1 outline pixels").arg(outline)));
    }

    void printAnsweredNoPrintsNothing() {
        bool asked_for_pdf = false;
        platform::set_save_path_handler([&](QWidget*) {
            asked_for_pdf = true;
            return QString();
        });
        f.answer_next_message(platform::answer_no);
        f.find<QAction>("Form1", "mnu_printmain")->trigger();
        QCOMPARE(f.messages(), QStringList("Print this form using current printer settings?"));
        QCOMPARE(f.titles(), QStringList("Would you like me to ..."));
        QVERIFY(!asked_for_pdf);
    }

    void printWithoutPrinterOffersAPdf() {
        QTemporaryDir dir;
        const QString path = dir.filePath("ports.pdf");
        platform::set_save_path_handler([&](QWidget*) { return path; });
        f.answer_next_message(platform::answer_yes);
        f.answer_next_message(platform::answer_yes);
        click("frmPorts", "Command2");
        QCOMPARE(f.messages().size(), 2);
        QVERIFY2(f.messages()[1].startsWith("No printer is installed"),
                 qPrintable(f.messages().join('|')));
        QVERIFY(QFileInfo(path).size() > 1000);
    }

    void warningsDialogShowsTheChecks() {
        f.design().numports = 3;
        f.design().bottomgap = 10;
        f.program().calculate_all();
        QCOMPARE(f.colour("Form1", "lbl_warnings"), look::rgb(colour::warnred));
        QVERIFY(shown("frmWarnings", "pic_exclaim"));
        QVERIFY(!shown("frmWarnings", "Picture8"));
        QCOMPARE(f.colour("frmWarnings", "lbl_portcapfit"), look::rgb(colour::red));
        // The pictures as drawn on the dialog: a red cross beside the failed
        // breathing-room check, a green tick beside the driver fit.
        QCOMPARE(dominant_hue(f.find<QLabel>("frmWarnings", "Picture5")), QString("red"));
        QCOMPARE(dominant_hue(f.find<QLabel>("frmWarnings", "Picture1")), QString("green"));
        QCOMPARE(dominant_hue(f.find<QLabel>("frmWarnings", "pic_exclaim")), QString("yellow"));
        f.inside_next_modal([this](QDialog*) { click("frmWarnings", "Command1"); });
        f.program().main_window().open_warnings();
        QCOMPARE(f.modal_count(), 1);
    }
};

QTEST_MAIN(DialogsTest)
#include "tst_dialogs.moc"
