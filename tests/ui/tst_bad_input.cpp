// SPDX-License-Identifier: GPL-3.0-or-later
// Whatever a user types into whichever box, in whichever unit, the program
// keeps working and never shows a number that is not one.
#include "fixture.h"

#include "core/fields.h"
#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/measurement_field.h"

#include <QRadioButton>
#include <QRegularExpression>

using namespace cylindra;
using namespace cylindra::testing;

class BadInputTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

    // Every text the windows show, checked for words that are not numbers.
    void expect_only_numbers() {
        static const QRegularExpression not_a_number(R"(\b(inf|nan|ERR)\b)",
                                                     QRegularExpression::CaseInsensitiveOption);
        // The dialogs are children of the main window.
        for (QWidget* window : {static_cast<QWidget*>(&f.program().main_window())}) {
            const auto labels = window->findChildren<QLabel*>();
            for (const QLabel* label : labels) {
                QVERIFY2(!not_a_number.match(label->text()).hasMatch(),
                         qPrintable(label->objectName() + ": " + label->text()));
            }
            const auto boxes = window->findChildren<QLineEdit*>();
            for (const QLineEdit* box : boxes) {
                QVERIFY2(!not_a_number.match(box->text()).hasMatch(),
                         qPrintable(box->objectName() + ": " + box->text()));
            }
        }
    }

  private Q_SLOTS:
    void init() {
        f.start();
        f.answer_every_message(platform::answer_ok);
    }
    void cleanup() { f.stop(); }

    void anyTextInAnyFieldInAnyUnit_data() {
        QTest::addColumn<QString>("unit");
        QTest::newRow("millimetres") << "Option1";
        QTest::newRow("centimetres") << "Option4";
        QTest::newRow("fractional") << "Option2";
        QTest::newRow("decimal") << "Option3";
    }

    void anyTextInAnyFieldInAnyUnit() {
        QFETCH(QString, unit);
        f.answer_every_message(0);
        f.choose_unit(qPrintable(unit), false);
        f.answer_every_message(platform::answer_ok);
        const QStringList texts = {"",
                                   "1e999",
                                   "-5",
                                   "abc",
                                   "1/0",
                                   ".",
                                   "\t7",
                                   "5\xC2\xBD",
                                   "1e308",
                                   "0",
                                   "'",
                                   "1' 2' 3",
                                   "99999999999999999999",
                                   QString(300, '9')};
        for (const SolveMode mode : {SolveMode::opt_height, SolveMode::opt_vol}) {
            f.find<QRadioButton>("Form1", mode == SolveMode::opt_vol ? "Opt_vol" : "Opt_height")
                ->click();
            for (const FieldSpec& field : kFields) {
                QLineEdit* box = f.program().field(field.name).box();
                if (!box->isEnabled()) {
                    continue; // the solved pair, or a list driver's values
                }
                for (const QString& text : texts) {
                    f.retype(box, text);
                    f.enter(box);
                    f.leave(box);
                    expect_only_numbers();
                }
            }
        }
    }
};

QTEST_MAIN(BadInputTest)
#include "tst_bad_input.moc"
