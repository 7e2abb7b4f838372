// SPDX-License-Identifier: GPL-3.0-or-later
// Every window stays on its screen, even a small one at a scale of 2: the
// test runs at QT_SCALE_FACTOR 1 and 2 (see CMakeLists.txt).
#include "fixture.h"

#include "ui/main_window.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QToolButton>

#include <algorithm>
#include <memory>

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

    // Largest difference of one colour channel between two pictures.
    static int largest_difference(const QImage& a, const QImage& b) {
        int largest = a.size() == b.size() ? 0 : 255;
        for (int y = 0; largest < 255 && y < a.height(); ++y) {
            for (int x = 0; x < a.width(); ++x) {
                const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
                largest =
                    std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                              std::abs(qBlue(p) - qBlue(q))});
            }
        }
        return largest;
    }

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void mainWindowStaysOnTheScreen() { check_inside(&f.program().main_window()); }

    // The program's style copies a text box's frame from one drawn before;
    // with and without the focus it looks as Fusion draws it, within a step
    // of rounding, and the focus still shows.
    void textBoxFramesLookAsFusionDrawsThem() {
        QLineEdit* box = f.box("Form1", "Text6");
        std::unique_ptr<QStyle> fusion(QStyleFactory::create("Fusion"));
        QLineEdit twin;
        twin.setStyle(fusion.get());
        twin.setPalette(box->palette());
        twin.setFont(box->font());
        twin.setFixedSize(box->size());
        twin.setText(box->text());
        twin.setAlignment(box->alignment());
        QImage focused;
        for (const bool focus : {false, true}) {
            QStyleOptionFrame option;
            option.initFrom(box);
            option.state.setFlag(QStyle::State_HasFocus, focus);
            QImage ours(box->size(), QImage::Format_ARGB32_Premultiplied);
            QImage theirs = ours;
            ours.fill(Qt::white);
            theirs.fill(Qt::white);
            QPainter on_ours(&ours);
            box->style()->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &on_ours, box);
            on_ours.end();
            QPainter on_theirs(&theirs);
            fusion->drawPrimitive(QStyle::PE_FrameLineEdit, &option, &on_theirs, &twin);
            on_theirs.end();
            QVERIFY2(largest_difference(ours, theirs) <= 2, focus ? "focused" : "unfocused");
            if (focus) {
                QVERIFY(largest_difference(ours, focused) > 20); // the focus ring shows
            }
            focused = ours;
        }
    }

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
