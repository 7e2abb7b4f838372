// SPDX-License-Identifier: GPL-3.0-or-later
// Random sequences of what a user does (typing good and bad texts into every
// box that takes input and finishing with Enter, Tab or a click elsewhere,
// undoing, switching units and the solve mode, every dialog option, list and
// manual drivers), with the whole display checked after every event against
// what the core computes from the design record in the unit the test chose.
//
// The sequence is seeded and repeatable: CYLINDRA_EVENTS and CYLINDRA_SEED
// in the environment set its length and seed for longer runs.
#include "display_model.h"
#include "fixture.h"

#include "ui/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

#include <random>

using namespace cylindra;
using namespace cylindra::testing;

namespace {

int environment_number(const char* name, int fallback) {
    bool ok = false;
    const int value = qEnvironmentVariableIntValue(name, &ok);
    return ok ? value : fallback;
}

// Texts a user might type into a box: good ones in every unit's form, bad
// ones, empty, huge and tiny.
const char* const kTexts[] = {
    "600",   "12.5",   "0",   "",    "1' 6", "1'6",      "3/8",   "13 7/8",        "7 7/8",
    "322.5", "2' 1/2", "1/3", "abc", "1/32", "-40",      "1e999", "9999999999999", ".000001",
    " 45 ",  "5 5/16", "1/",  "'",   "14",   "2.54E-05", "19.05"};

} // namespace

class PropertyTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void displayAgreesWithTheRecordAfterEveryEvent() {
        const int events = environment_number("CYLINDRA_EVENTS", 2500);
        const auto seed = unsigned(environment_number("CYLINDRA_SEED", 20261206));
        std::mt19937 random(seed);
        DisplayModel model(f);
        f.answer_every_message(platform::answer_ok);
        model.check("start");
        if (QTest::currentTestFailed()) {
            return;
        }
        for (int n = 0; n < events; ++n) {
            const QString event = model.random_event(random, kTexts, std::size(kTexts));
            if (qEnvironmentVariableIsSet("CYLINDRA_TRACE")) {
                qDebug() << n << event << int(f.program().units().length)
                         << f.program().units().litres;
            }
            model.check(QString("event %1 (seed %2): %3").arg(n).arg(seed).arg(event));
            if (QTest::currentTestFailed()) {
                return;
            }
        }
    }
};

QTEST_MAIN(PropertyTest)
#include "tst_property.moc"
