// SPDX-License-Identifier: GPL-3.0-or-later
// The sag calculator, the About box with its links, and the system
// information a bug report needs.
#include "fixture.h"

#include "core/calculation.h"
#include "ui/about_dialog.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/sag_dialog.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>

using namespace cylindra;
using namespace cylindra::testing;

class ToolsTest : public QObject {
    Q_OBJECT
    ProgramFixture f;
    QList<QUrl> m_links;

    QColor background(const char* window, const char* name) {
        return f.find<QWidget>(window, name)->palette().color(QPalette::Window);
    }

  private Q_SLOTS:
    void init() {
        f.start();
        m_links.clear();
        platform::set_link_handler([this](const QUrl& link) { m_links << link; });
    }
    void cleanup() {
        platform::set_link_handler({});
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void sagFollowsEveryKeystroke_data() {
        QTest::addColumn<QString>("xmax");
        QTest::addColumn<QString>("fs");
        QTest::addColumn<QString>("result");
        QTest::addColumn<uint>("colour");
        QTest::newRow("excessive") << "10"
                                   << "20"
                                   << "Sag of  6.2% is excessive" << uint(colour::red);
        QTest::newRow("rounded down, not to nearest")
            << "25"
            << "25"
            << "Sag of  1.5% is acceptable" << uint(colour::green);
        QTest::newRow("just under five") << "10"
                                         << "22.3"
                                         << "Sag of  4.9% is acceptable" << uint(colour::green);
        QTest::newRow("no upper limit") << "12"
                                        << "0.5"
                                        << "Sag of  8283% is excessive" << uint(colour::red);
        QTest::newRow("tiny sag shows zero") << "100"
                                             << "100"
                                             << "Sag of  0% is acceptable" << uint(colour::green);
        QTest::newRow("letters after the number")
            << "10 mm"
            << "20Hz"
            << "Sag of  6.2% is excessive" << uint(colour::red);
        QTest::newRow("zero clears") << "0"
                                     << "20"
                                     << "" << uint(colour::windowgrey);
        QTest::newRow("negative clears") << "-10"
                                         << "20"
                                         << "" << uint(colour::windowgrey);
        QTest::newRow("letters clear") << "ten"
                                       << "20"
                                       << "" << uint(colour::windowgrey);
        QTest::newRow("empty clears") << "10"
                                      << ""
                                      << "" << uint(colour::windowgrey);
    }
    void sagFollowsEveryKeystroke() {
        QFETCH(QString, xmax);
        QFETCH(QString, fs);
        QFETCH(QString, result);
        QFETCH(uint, colour);
        f.inside_next_modal([&](QDialog*) {
            f.retype(f.box("frmSag", "pe_xmax"), xmax);
            f.retype(f.box("frmSag", "pe_fs"), fs);
            QCOMPARE(f.text("frmSag", "Label13"), result);
            QCOMPARE(background("frmSag", "Label13"), look::rgb(colour));
            f.find<QPushButton>("frmSag", "Command1")->click();
        });
        f.program().main_window().findChild<QAction*>("mnu_sag")->trigger();
        QCOMPARE(f.modal_count(), 1);
    }

    void sagKeepsItsTextsAndFollowsPartialInput() {
        f.inside_next_modal([&](QDialog* sag) {
            f.retype(f.box("frmSag", "pe_fs"), "20");
            f.retype(f.box("frmSag", "pe_xmax"), "1");
            QCOMPARE(f.text("frmSag", "Label13"), QString("Sag of  62.1% is excessive"));
            QTest::keyClicks(f.box("frmSag", "pe_xmax"), "2");
            QCOMPARE(f.text("frmSag", "Label13"), QString("Sag of  5.1% is excessive"));
            QTest::keyClick(f.box("frmSag", "pe_xmax"), Qt::Key_Return); // Done is the default
            QVERIFY(sag->isHidden());
        });
        f.program().main_window().open_sag();
        QCOMPARE(f.program().sag().sagpercent(), 5.1);
        f.inside_next_modal([&](QDialog*) {
            QCOMPARE(f.text("frmSag", "pe_xmax"), QString("12"));
            QCOMPARE(f.text("frmSag", "Label13"), QString("Sag of  5.1% is excessive"));
        });
        f.program().main_window().open_sag();
    }

    void aboutShowsTheVersionAndOpensOurOwnLinks() {
        QCOMPARE(f.text("frmAbout", "Label1"), QString("Cylindra version 2.03"));
        QCOMPARE(f.program().about().windowTitle(), QString("About Cylindra"));
        for (const char* name : {"Label9", "Label8", "Label5"}) {
            auto* link = f.find<QLabel>("frmAbout", name);
            const QString text = link->text();
            const QString target = text.section('"', 1, 1);
            Q_EMIT link->linkActivated(target);
        }
        QCOMPARE(m_links.size(), 3);
        QCOMPARE(m_links[0].toString(), AboutDialog::page_link());
        QVERIFY(m_links[0].path().endsWith("/cylindra.htm"));
        QCOMPARE(m_links[1].scheme(), QString("mailto"));
        QCOMPARE(QUrlQuery(m_links[1]).queryItemValue("Subject", QUrl::FullyDecoded),
                 QString("Feedback from Cylindra v2.03"));
        QCOMPARE(m_links[2].toString(), AboutDialog::site_link());
        for (const QUrl& link : m_links) {
            // Our own pages and address only.
            QVERIFY(link.host().endsWith("cylindra.example.org") ||
                    link.path().endsWith("@cylindra.example.org"));
        }
        QVERIFY(f.find<QLabel>("frmAbout", "Label9")
                    ->toolTip()
                    .startsWith("Click link to launch your browser and go to https://"));
        QCOMPARE(f.find<QLabel>("frmAbout", "Label8")->toolTip(),
                 QString("Click to email feedback@cylindra.example.org"));
    }

    void systemInformationSaysWhatABugReportNeeds() {
        QString shown;
        f.inside_next_modal([&](QDialog* window) {
            QCOMPARE(window->windowTitle(), QString("System Information"));
            shown = window->findChild<QPlainTextEdit*>("txt_systeminfo")->toPlainText();
            window->findChild<QPushButton*>("cmdCopy")->click();
        });
        f.find<QPushButton>("frmAbout", "cmdSysInfo")->click();
        for (const QString& fact :
             {QString("Cylindra version 2.03"), QString("Qt version ") + qVersion(),
              QString("Operating system: "), QString("Kernel: "),
              QString("Platform plugin: offscreen"), QString("Screen 1 ("), QString("Locale: "),
              QString("Configuration folder: "),
              "Project folder: " + QString::fromStdString(f.design().projectfolder)}) {
            QVERIFY2(shown.contains(fact), qPrintable(fact));
        }
        QCOMPARE(QGuiApplication::clipboard()->text(), shown);
    }

    void helpMenuOpensTheAboutBox() {
        QString opened;
        f.inside_next_modal([&](QDialog* dialog) { opened = dialog->objectName(); });
        auto* about = f.program().main_window().findChild<QAction*>("mnu_about");
        QCOMPARE(about->shortcut(), QKeySequence(QKeySequence::HelpContents));
        about->trigger();
        QCOMPARE(opened, QString("frmAbout"));
    }
};

QTEST_MAIN(ToolsTest)
#include "tst_tools.moc"
