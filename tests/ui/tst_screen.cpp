// SPDX-License-Identifier: GPL-3.0-or-later
// Every window stays on its screen, even a small one at a scale of 2: the
// test runs at QT_SCALE_FACTOR 1 and 2 (see CMakeLists.txt).
#include "fixture.h"

#include "ui/main_window.h"

#include <QAbstractButton>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QToolButton>

using namespace cylindra;
using namespace cylindra::testing;

class ScreenTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

    static void check_inside(QWidget* window) {
        const QRect free = window->screen()->availableGeometry();
        const QRect shown = window->geometry();
        QVERIFY2(free.contains(shown),
                 qPrintable(QString("%1 at %2,%3 %4x%5 leaves the screen %6x%7")
                                .arg(window->objectName())
                                .arg(shown.x())
                                .arg(shown.y())
                                .arg(shown.width())
                                .arg(shown.height())
                                .arg(free.width())
                                .arg(free.height())));
    }

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void mainWindowStaysOnTheScreen() { check_inside(&f.program().main_window()); }

    // A window narrower than its menus shows the menu bar's overflow button,
    // whose arrow the program draws itself.
    void narrowWindowShowsTheMenuOverflowArrow() {
        MainWindow& window = f.program().main_window();
        window.setMinimumSize(0, 0);
        window.centralWidget()->setMinimumSize(0, 0);
        window.resize(90, window.height());
        QApplication::processEvents();
        auto* more = window.menuBar()->findChild<QToolButton*>();
        QVERIFY(more && more->isVisible());
        const QImage arrow = more->icon().pixmap(16, 16).toImage();
        int drawn = 0;
        for (int y = 0; y < arrow.height(); ++y) {
            for (int x = 0; x < arrow.width(); ++x) {
                drawn += qAlpha(arrow.pixel(x, y)) > 128;
            }
        }
        QVERIFY2(drawn > 10, qPrintable(QString("%1 pixels drawn").arg(drawn)));
    }

    void everyDialogStaysOnTheScreenWithItsOkWithinReach_data() {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<QString>("ok");
        QTest::newRow("units") << "frmUnits"
                               << "Command1";
        QTest::newRow("warnings") << "frmWarnings"
                                  << "Command1";
        QTest::newRow("driver") << "frmDrivers"
                                << "Command2";
        QTest::newRow("ports") << "frmPorts"
                               << "Command1";
        QTest::newRow("endcaps") << "frmDimensions"
                                 << "Command1";
        QTest::newRow("sag") << "frmSag"
                             << "Command1";
        QTest::newRow("about") << "frmAbout"
                               << "cmdOK";
    }
    void everyDialogStaysOnTheScreenWithItsOkWithinReach() {
        QFETCH(QString, dialog);
        QFETCH(QString, ok);
        auto* window = f.program().main_window().findChild<QDialog*>(dialog);
        QVERIFY(window);
        window->show();
        QApplication::processEvents();
        check_inside(window);
        // The OK button is on show, or the dialog scrolls to it.
        auto* button = window->findChild<QAbstractButton*>(ok);
        auto* area = window->findChild<QScrollArea*>();
        area->ensureWidgetVisible(button);
        QApplication::processEvents();
        const QRect in_dialog(button->mapTo(window, QPoint(0, 0)), button->size());
        QVERIFY(window->rect().contains(in_dialog));
        window->hide();
    }
};

QTEST_MAIN(ScreenTest)
#include "tst_screen.moc"
