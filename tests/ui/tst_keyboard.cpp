// SPDX-License-Identifier: GPL-3.0-or-later
// Cylindra with the keyboard alone and through a screen reader's eyes: the
// tab order, the arrow keys in option groups, the names boxes are announced
// by, Alt letters and shortcuts.
#include "fixture.h"

#include "platform/platform.h"
#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QRadioButton>

using namespace cylindra;
using namespace cylindra::testing;

class KeyboardTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

    static QString spoken_name(QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        return a ? a->text(QAccessible::Name) : QString();
    }

    void click(const char* window, const char* name) {
        f.find<QAbstractButton>(window, name)->click();
    }

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    // Every box of every window is announced by its caption.
    void everyBoxIsAnnouncedByItsCaption() {
        f.program().main_window().open_port_trim(); // made on first use
        QList<QWidget*> windows{&f.program().main_window()};
        for (QDialog* d : f.program().main_window().findChildren<QDialog*>()) {
            windows << d;
        }
        int boxes = 0;
        for (QWidget* window : windows) {
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                const QString name = spoken_name(box);
                QVERIFY2(!name.isEmpty(), qPrintable(box->objectName() + " has no name"));
                bool captioned = false;
                for (QLabel* label : window->findChildren<QLabel*>()) {
                    captioned = captioned || (label->buddy() == box && label->text() == name);
                }
                QVERIFY2(captioned, qPrintable(box->objectName() + " is announced as " + name));
                ++boxes;
            }
        }
        // 26 fields, the driver's name, the sag calculator's two and the port trim's three
        QVERIFY(boxes >= 32);
        QCOMPARE(spoken_name(f.box("Form1", "Text6")),
                 QString("Internal diameter of sonotube (inches)"));
        QCOMPARE(spoken_name(f.find<QWidget>("Form1", "Opt_vol")),
                 QString("Solve for effective volume and tuning frequency"));
    }

    void tabReachesEveryControlOfTheMainWindowAndTheWarnings() {
        f.type(f.box("Form1", "txt_workvol"), {});
        QStringList reached;
        for (int i = 0; i < 20; ++i) {
            reached << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        for (const char* name : {"txt_workvol", "txt_ftune", "Text6", "Text11", "lbl_warnings"}) {
            QVERIFY2(reached.contains(name), qPrintable(reached.join(' ')));
        }
        // The solve options are one stop; the arrow keys choose between them.
        QVERIFY(reached.contains("Opt_vol") || reached.contains("Opt_height"));
        auto* warnings = f.find<QLabel>("Form1", "lbl_warnings");
        warnings->setFocus(Qt::TabFocusReason);
        QVERIFY(warnings->font().underline());
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
            f.inside_next_modal(
                [](QDialog* d) { QCOMPARE(d->objectName(), QString("frmWarnings")); });
            QTest::keyClick(warnings, key);
        }
        QCOMPARE(f.modal_count(), 2);
    }

    void arrowKeysChooseTheUnit() {
        f.inside_next_modal([&](QDialog* units) {
            auto* mm = f.find<QRadioButton>("frmUnits", "Option1");
            mm->click();
            mm->setFocus(Qt::TabFocusReason);
            QTest::keyClick(mm, Qt::Key_Down);
            QVERIFY(f.find<QRadioButton>("frmUnits", "Option4")->isChecked());
            QTest::keyClick(f.find<QRadioButton>("frmUnits", "Option4"), Qt::Key_Down);
            QVERIFY(f.find<QRadioButton>("frmUnits", "Option2")->isChecked());
            QTest::keyClick(f.find<QRadioButton>("frmUnits", "Option2"), Qt::Key_Up);
            QVERIFY(f.find<QRadioButton>("frmUnits", "Option4")->isChecked());
            QTest::keyClick(f.find<QRadioButton>("frmUnits", "Option4"), Qt::Key_Return);
            QVERIFY(units->isHidden()); // Enter pressed OK
        });
        f.program().main_window().open_units();
        QCOMPARE(f.design().storedlengthunit, LengthUnit::metric_cm);
    }

    void shortcutsAndAltLettersAreDistinct() {
        QWidget& main = f.program().main_window();
        QCOMPARE(main.findChild<QAction*>("mnu_printmain")->text(), QString("Pr&int"));
        QCOMPARE(main.findChild<QAction*>("mnu_printmain")->shortcut(),
                 QKeySequence(QKeySequence::Print));
        QCOMPARE(main.findChild<QAction*>("mnu_quit")->shortcut(), QKeySequence("Ctrl+Q"));
        // The menu bar's own letters, one each.
        QStringList letters;
        for (const char* name :
             {"mnu_project", "mnu_dimensions", "mnu_ports", "mnu_driver", "mnu_units", "mnu_sag",
              "mnu_porttrim", "mnu_printmain", "mnu_help"}) {
            const QString text = main.findChild<QAction*>(name)->text();
            letters << text.mid(text.indexOf('&') + 1, 1).toLower();
        }
        QCOMPARE(QSet<QString>(letters.begin(), letters.end()).size(), letters.size());
    }
    // Escape and the window frame close a dialog as its OK button does, so
    // the main window never shows a driver or a design other than the
    // dialog's; the Units and Ports commands still do their work afterwards.
    void dialogsClosedByEscapeOrFrameActAsOk_data() {
        QTest::addColumn<bool>("escape");
        QTest::newRow("escape") << true;
        QTest::newRow("frame") << false;
    }
    void dialogsClosedByEscapeOrFrameActAsOk() {
        QFETCH(bool, escape);
        const auto close = [escape](QDialog* dialog) {
            if (escape) {
                QTest::keyClick(dialog, Qt::Key_Escape);
            } else {
                dialog->close();
            }
            QVERIFY(dialog->isHidden());
        };
        f.inside_next_modal([&](QDialog* d) {
            click("frmPorts", "opt_sonoport");
            close(d);
        });
        const double weight = f.program().last_report().results.weight;
        f.program().main_window().open_ports();
        QVERIFY(f.program().last_report().results.weight != weight);
        f.box("Form1", "Text6")->setText("typed over");
        f.inside_next_modal(close);
        f.program().main_window().open_units();
        QCOMPARE(f.text("Form1", "Text6"), QString("1' 10"));
        f.inside_next_modal([&](QDialog* d) {
            click("frmDimensions", "opt_nocover");
            close(d);
        });
        const std::string tipping = f.program().last_report().labels.tipping;
        f.program().main_window().open_endcaps();
        QVERIFY(f.program().last_report().labels.tipping != tipping);
        f.inside_next_modal([&](QDialog* d) {
            click("frmDrivers", "Option2");
            f.retype(f.box("frmDrivers", "txt_mass"), "44"); // still red, not yet read
            close(d);
        });
        f.program().main_window().open_driver();
        QCOMPARE(f.text("Form1", "lbl_mass"), QString("44"));
    }

    // Escape with a rejected text in a box shows the message and stays, as
    // Enter does: the user must first mend it.
    void escapeKeepsADialogWithARejectedText() {
        f.inside_next_modal([&](QDialog* d) {
            f.retype(f.box("frmPorts", "txt_portwall"), "1/");
            f.answer_next_message(platform::answer_ok);
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(d->isVisible());
            QCOMPARE(f.messages().size(), 1);
            f.retype(f.box("frmPorts", "txt_portwall"), "1/4");
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY(d->isHidden());
        });
        f.program().main_window().open_ports();
        QCOMPARE(f.design().portwall, 6.35);
    }

    // Enter in a box reads it and presses OK, unless the text was rejected.
    void enterPressesOkUnlessTheTextIsRejected() {
        f.inside_next_modal([&](QDialog* d) {
            click("frmDrivers", "Option2");
            f.retype(f.box("frmDrivers", "txt_dia"), "1/3");
            f.answer_next_message(platform::answer_ok);
            f.enter(f.box("frmDrivers", "txt_dia"));
            QVERIFY(d->isVisible());
            f.retype(f.box("frmDrivers", "txt_dia"), "1' 1");
            f.enter(f.box("frmDrivers", "txt_dia"));
            QVERIFY(d->isHidden());
        });
        f.program().main_window().open_driver();
        QCOMPARE(f.text("Form1", "lbl_dia"), QString("1' 1"));
        f.inside_next_modal([&](QDialog* d) {
            f.retype(f.box("frmSag", "pe_xmax"), "12");
            f.enter(f.box("frmSag", "pe_xmax"));
            QVERIFY(d->isHidden());
        });
        f.program().main_window().open_sag();
    }
};

QTEST_MAIN(KeyboardTest)
#include "tst_keyboard.moc"
