// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping designs through the windows: the Project menu with the file
// chooser answered by the test, the captions, the two reading messages, the
// unsaved-changes question, and the preferences written at close and read at
// the next start.
#include "fixture.h"

#include "core/calculation.h"
#include "core/field_text.h"
#include "core/number_text.h"
#include "core/startup.h"
#include "io/design_file.h"
#include "io/file_store.h"
#include "ui/main_window.h"
#include "ui/measurement_field.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QMimeData>
#include <QRadioButton>

#include <random>

using namespace cylindra;
using namespace cylindra::testing;

namespace {

QByteArray file_bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void put_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray first_lines(const QByteArray& bytes, int count) {
    return bytes.split('\n').mid(0, count).join('\n') + '\n';
}

// Every value a project keeps, as its number text, so that two records
// compare to 15 significant digits.
QStringList kept_values(const Design& d) {
    QStringList values;
    for (const std::string& line : io::project_lines(d)) {
        values << QString::fromStdString(line);
    }
    return values;
}

} // namespace

class ProjectsTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

    void trigger(const char* action) {
        f.program().main_window().findChild<QAction*>(action)->trigger();
    }
    QString caption() { return f.program().main_window().windowTitle(); }
    QString project(const char* name) { return f.folder() + "/" + name; }

    // Open through the menu, letting go of any unsaved change.
    void open_through_menu(const QString& path) {
        if (f.program().files().has_unsaved_changes()) {
            f.answer_next_message(platform::answer_discard);
        }
        f.answer_next_file(path);
        trigger("mnu_load");
    }

    // Every box that is not being edited shows its value in the live unit,
    // and the result lines are what the core makes of the record.
    void check_display() {
        for (const FieldSpec& bound : kFields) {
            const QString box = f.program().field(bound.name).box()->text();
            const double value = f.design().*bound.value;
            QCOMPARE(box, QString::fromStdString(field_text(bound, value, f.program().units())));
        }
        const Report again = calculate_all(f.design(), f.program().driver_in_use(),
                                           f.program().units(), f.program().last_report().results);
        QCOMPARE(f.text("Form1", "lbl_netvol"), QString::fromStdString(again.labels.netvol));
        QCOMPARE(f.text("Form1", "lbl_tipping"), QString::fromStdString(again.labels.tipping));
        QCOMPARE(f.text("Form1", "lbl_weight"), QString::fromStdString(again.labels.weight));
    }

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    void saveAsOffersTheProjectNameInTheProjectFolder() {
        f.answer_next_file("");
        trigger("mnu_save");
        QCOMPARE(int(f.file_requests().size()), 1);
        const platform::FileRequest& r = f.file_requests().front();
        QCOMPARE(r.kind, platform::FileChoice::save_project);
        QCOMPARE(r.title, QString("Save Project As ..."));
        QCOMPARE(r.name, QString("default"));
        QCOMPARE(r.folder, QString::fromStdString(f.design().projectfolder));
        QVERIFY(r.folder.endsWith("/Documents"));
        QCOMPARE(caption(), QString("Cylindra V2.03 - default"));
    }

    void savingWritesThirtyEightLinesAndTheCaption() {
        f.answer_next_file(project("bass"));
        trigger("mnu_save");
        const QByteArray bytes = file_bytes(project("bass.cyl"));
        QCOMPARE(bytes.count("\r\n"), 38);
        QVERIFY(bytes.startsWith("inches\r\nlitres\r\ncover\r\n"));
        QCOMPARE(caption(), QString("Cylindra - bass.cyl"));
        QCOMPARE(QString::fromStdString(f.design().projectname), QString("bass.cyl"));
        QCOMPARE(QString::fromStdString(f.design().projectfolder), f.folder());
        QVERIFY(!f.program().files().has_unsaved_changes());
        // Both dialogs now start where the save was.
        f.answer_next_file("");
        trigger("mnu_load");
        QCOMPARE(f.file_requests().back().folder, f.folder());
        QCOMPARE(f.file_requests().back().name, QString());
        QCOMPARE(f.file_requests().back().title, QString("Open Project"));
    }

    void nameRuleCutsTheFileNameOnlyNeverTheFolder() {
        QVERIFY(QDir(f.folder()).mkpath("my.designs"));
        f.answer_next_file(project("my.designs/bass.v2.old"));
        trigger("mnu_save");
        QVERIFY(QFile::exists(project("my.designs/bass.cyl")));
        QCOMPARE(caption(), QString("Cylindra - bass.cyl"));
        f.answer_next_file(project("my.designs/.hidden"));
        trigger("mnu_save");
        QVERIFY(QFile::exists(project("my.designs/.cyl")));
    }

    void openRestoresTheDesignInItsOwnUnit() {
        f.choose_unit("Option1", false); // millimetres
        f.retype(f.box("Form1", "Text6"), "600");
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        f.answer_next_file(project("metric"));
        trigger("mnu_save");
        const QStringList saved = kept_values(f.design());
        f.choose_unit("Option3", true); // decimal inches
        f.retype(f.box("Form1", "Text6"), "20");
        f.enter(f.box("Form1", "Text6"));
        f.find<QRadioButton>("Form1", "Opt_height")->click();
        open_through_menu(project("metric.cyl"));
        QCOMPARE(f.messages().last(), QString("Save changes to metric.cyl?"));
        QCOMPARE(caption(), QString("Cylindra V2.03 - metric.cyl"));
        QCOMPARE(kept_values(f.design()), saved);
        QCOMPARE(f.text("Form1", "Text6"), QString("600"));
        QVERIFY(f.find<QRadioButton>("Form1", "Opt_vol")->isChecked());
        QVERIFY(f.find<QRadioButton>("frmUnits", "Option1")->isChecked());
        QCOMPARE(f.text("Form1", "Label6"), QString("Internal diameter of sonotube (mm)"));
        check_display();
    }

    void messageAKeepsTheNameCaptionAndFolder() {
        const Design before = f.design();
        f.answer_next_message(platform::answer_ok);
        f.answer_next_file(project("missing"));
        trigger("mnu_load");
        QCOMPARE(f.messages().last(),
                 QString("A problem occured opening project - all fields remain unchanged"));
        QCOMPARE(f.titles().last(), QString("Open Project"));
        QCOMPARE(caption(), QString("Cylindra V2.03 - default"));
        QCOMPARE(f.design().projectname, before.projectname);
        QCOMPARE(f.design().projectfolder, before.projectfolder);
        QCOMPARE(kept_values(f.design()), kept_values(before));
        // Save still asks where, since no project is open.
        f.answer_next_file("");
        trigger("mnu_savecurrent");
        QCOMPARE(f.file_requests().back().kind, platform::FileChoice::save_project);
    }

    void messageBKeepsTheLinesBeforeTheFailingOne() {
        Design d;
        d.storedlengthunit = LengthUnit::metric;
        d.covertype = CoverType::grille;
        d.tubheight = 1500;
        d.tubid = 700;
        d.portid = 99;
        put_file(project("short.cyl"),
                 first_lines(QByteArray::fromStdString(io::project_bytes(d)), 18));
        const double portid_before = f.design().portid;
        f.answer_next_message(platform::answer_ok);
        f.answer_next_file(project("short.cyl"));
        trigger("mnu_load");
        QCOMPARE(f.messages().last(), QString("A problem occured loading project - some values "
                                              "will remain at default values"));
        QCOMPARE(f.titles().last(), QString("Load Project"));
        QCOMPARE(f.design().covertype, CoverType::grille);
        QCOMPARE(f.design().tubid, 700.0);
        QCOMPARE(f.design().portid, portid_before);
        QCOMPARE(caption(), QString("Cylindra V2.03 - short.cyl"));
        QCOMPARE(f.text("Form1", "Text6"), QString("700"));
        check_display();
    }

    void capitalisedUnitIsRejectedBeforeAnythingIsApplied() {
        Design d;
        d.covertype = CoverType::nocover;
        std::string bytes = io::project_bytes(d);
        bytes.replace(0, 6, "Metric");
        put_file(project("capital.cyl"), QByteArray::fromStdString(bytes));
        const QStringList before = kept_values(f.design());
        f.answer_next_message(platform::answer_ok);
        f.answer_next_file(project("capital.cyl"));
        trigger("mnu_load");
        QCOMPARE(f.titles().last(), QString("Load Project"));
        QCOMPARE(kept_values(f.design()), before);
    }

    // The name rule may turn a new name into another project's: that one is
    // replaced only when the user says so.
    void saveAsNeverReplacesAnotherProjectUnasked_data() {
        QTest::addColumn<int>("answer");
        QTest::newRow("no keeps it") << int(platform::answer_no);
        QTest::newRow("yes replaces it") << int(platform::answer_yes);
    }
    void saveAsNeverReplacesAnotherProjectUnasked() {
        QFETCH(int, answer);
        put_file(project("other.cyl"), "not yet\r\n");
        f.answer_next_message(answer);
        f.answer_next_file(project("other.v2"));
        trigger("mnu_save");
        QCOMPARE(f.messages(), QStringList{"other.cyl already exists. Do you want to replace it?"});
        QCOMPARE(f.titles(), QStringList{"Save Project"});
        const bool replaced = answer == platform::answer_yes;
        QCOMPARE(file_bytes(project("other.cyl")) != "not yet\r\n", replaced);
        QCOMPARE(caption(),
                 replaced ? QString("Cylindra - other.cyl") : QString("Cylindra V2.03 - default"));
        // The file chosen as it stands is replaced without a question.
        f.answer_next_file(project("other.cyl"));
        trigger("mnu_save");
        QCOMPARE(f.messages().size(), 1);
    }

    void chosenFileOpensAsItStands() {
        Design d;
        d.tubid = 611;
        d.storedlengthunit = LengthUnit::metric;
        put_file(project("bass.v2.cyl"), QByteArray::fromStdString(io::project_bytes(d)));
        f.answer_next_file(project("bass.v2.cyl"));
        trigger("mnu_load");
        QCOMPARE(caption(), QString("Cylindra V2.03 - bass.v2.cyl"));
        QCOMPARE(f.design().tubid, 611.0);
        // A typed name without the extension still finds its project.
        put_file(project("typed.cyl"), QByteArray::fromStdString(io::project_bytes(d)));
        f.answer_next_file(project("typed"));
        trigger("mnu_load");
        QCOMPARE(caption(), QString("Cylindra V2.03 - typed.cyl"));
    }

    // A file that is not a project is not adopted: Save must not write over
    // it, and the caption must not claim it.
    void fileThatIsNoProjectIsNotAdopted() {
        put_file(project("notes.cyl"), "shopping list\r\nmilk\r\n");
        f.answer_next_message(platform::answer_ok);
        f.answer_next_file(project("notes.cyl"));
        trigger("mnu_load");
        QCOMPARE(f.titles(), QStringList{"Load Project"});
        QCOMPARE(caption(), QString("Cylindra V2.03 - default"));
        f.answer_next_file("");
        trigger("mnu_savecurrent");
        QCOMPARE(f.file_requests().back().kind, platform::FileChoice::save_project);
        QCOMPARE(file_bytes(project("notes.cyl")), QByteArray("shopping list\r\nmilk\r\n"));
    }

    // A partly read design is not the file's: Save asks where, closing asks.
    void partlyReadProjectIsNotSavedOverUnasked() {
        Design d;
        put_file(project("part.cyl"),
                 first_lines(QByteArray::fromStdString(io::project_bytes(d)), 20));
        f.answer_next_message(platform::answer_ok);
        f.answer_next_file(project("part.cyl"));
        trigger("mnu_load");
        QCOMPARE(caption(), QString("Cylindra V2.03 - part.cyl"));
        QVERIFY(f.program().files().has_unsaved_changes());
        QVERIFY(f.program().files().current_path().isEmpty());
    }

    void emptyDriverNameReadsBack() {
        f.design().drivername = "";
        f.answer_next_file(project("noname"));
        trigger("mnu_save");
        f.answer_next_file(project("noname.cyl"));
        trigger("mnu_load");
        QCOMPARE(f.messages(), QStringList());
        QCOMPARE(f.design().drivername, std::string());
    }

    void badFileNameWhenOpeningSaysSo() {
        f.answer_next_message(platform::answer_ok);
        f.answer_next_file(f.folder() + "/.");
        trigger("mnu_load");
        QCOMPARE(f.messages(), QStringList{"Bad file name"});
        QCOMPARE(caption(), QString("Cylindra V2.03 - default"));
    }

    void failedSaveKeepsTheOldFileAndSaysWhy_data() {
        QTest::addColumn<bool>("hook");
        QTest::newRow("disk full part way") << true;
        QTest::newRow("parent is a file") << false;
    }
    void failedSaveKeepsTheOldFileAndSaysWhy() {
        QFETCH(bool, hook);
        f.answer_next_file(project("keep.cyl"));
        trigger("mnu_save");
        const QByteArray old = file_bytes(project("keep.cyl"));
        f.retype(f.box("Form1", "txt_ftune"), "30");
        QString target = project("keep");
        if (hook) {
            io::set_write_hook([](qint64 offset) { return offset < 100; });
        } else {
            target = project("keep.cyl/inner");
        }
        f.answer_next_message(platform::answer_ok);
        f.answer_next_file(target);
        trigger("mnu_save");
        QVERIFY(f.messages().last().startsWith(hook ? "Could not save keep.cyl: "
                                                    : "Could not save inner.cyl: "));
        QVERIFY(f.messages().last().size() > QString("Could not save keep.cyl: ").size());
        QCOMPARE(f.titles().last(), QString("Save Project"));
        QCOMPARE(file_bytes(project("keep.cyl")), old);
        QCOMPARE(caption(), QString("Cylindra - keep.cyl"));
        QCOMPARE(QString::fromStdString(f.design().projectfolder), f.folder());
        QVERIFY(f.program().files().has_unsaved_changes());
    }

    void saveWritesTheOpenProjectWithoutAsking() {
        f.answer_next_file(project("again"));
        trigger("mnu_save");
        f.retype(f.box("Form1", "txt_ftune"), "22");
        trigger("mnu_savecurrent");
        QCOMPARE(int(f.file_requests().size()), 1);
        const io::DesignReading r =
            io::read_project(file_bytes(project("again.cyl")).toStdString(), {});
        QCOMPARE(r.outcome, io::ReadOutcome::complete);
        QCOMPARE(r.design.ftune, 22.0);
    }

    void closingAsksOnlyAboutUnsavedChanges_data() {
        QTest::addColumn<bool>("change");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<bool>("saved");
        QTest::newRow("nothing changed") << false << 0 << true << false;
        QTest::newRow("cancel") << true << int(platform::answer_cancel) << false << false;
        QTest::newRow("discard") << true << int(platform::answer_discard) << true << false;
        QTest::newRow("save") << true << int(platform::answer_save) << true << true;
    }
    void closingAsksOnlyAboutUnsavedChanges() {
        QFETCH(bool, change);
        QFETCH(int, answer);
        QFETCH(bool, closes);
        QFETCH(bool, saved);
        if (change) {
            f.retype(f.box("Form1", "txt_ftune"), "25");
            f.answer_next_message(answer);
        }
        if (saved) {
            f.answer_next_file(project("closing"));
        }
        const bool closed = f.program().main_window().close();
        QCOMPARE(closed, closes);
        QCOMPARE(f.messages(), change ? QStringList{"Save changes to default?"} : QStringList());
        QCOMPARE(QFile::exists(project("closing.cyl")), saved);
        QCOMPARE(QFile::exists(f.program().files().preferences_path()), closes);
    }

    void preferencesCarryChoicesToTheNextStart() {
        f.choose_unit("Option4", false); // centimetres
        f.find<QRadioButton>("Form1", "Opt_vol")->click();
        f.find<QAbstractButton>("frmDimensions", "opt_grille")->click();
        f.find<QAbstractButton>("frmPorts", "opt_sonoport")->click();
        f.find<QAbstractButton>("frmDrivers", "Option2")->click();
        f.find<QLineEdit>("frmDrivers", "Text1")->setText("Home made");
        f.design().drivername = "Home made";
        f.answer_next_file(project("prefs"));
        trigger("mnu_save");
        QVERIFY(f.program().main_window().close());
        const QByteArray prefs = file_bytes(f.program().files().preferences_path());
        QCOMPARE(prefs.count("\r\n"), 17);
        QVERIFY(prefs.startsWith((f.folder() + "\r\nmetric-cm\r\n").toUtf8()));
        f.restart();
        QVERIFY(f.find<QRadioButton>("frmUnits", "Option4")->isChecked());
        QVERIFY(f.find<QRadioButton>("Form1", "Opt_vol")->isChecked());
        QVERIFY(f.find<QRadioButton>("frmDimensions", "opt_grille")->isChecked());
        QVERIFY(f.find<QRadioButton>("frmPorts", "opt_sonoport")->isChecked());
        QVERIFY(f.find<QRadioButton>("frmDrivers", "Option2")->isChecked());
        QCOMPARE(f.text("frmDrivers", "Text1"), QString("Home made"));
        QCOMPARE(f.find<QGroupBox>("Form1", "Frame6")->title(), QString("Home made"));
        QCOMPARE(QString::fromStdString(f.design().projectfolder), f.folder());
        // The dimensions start from their defaults on every run.
        QCOMPARE(f.text("Form1", "Text6"), QString("55.9"));
        check_display();
    }

    void shortPreferencesApplyWhatTheyHaveAndSaySo() {
        Design d;
        d.storedlengthunit = LengthUnit::metric;
        d.projectfolder = f.folder().toStdString();
        const QByteArray all = QByteArray::fromStdString(io::preference_bytes(d));
        QVERIFY(QDir().mkpath(QFileInfo(f.program().files().preferences_path()).absolutePath()));
        put_file(f.program().files().preferences_path(),
                 first_lines(all, 16).replace("opt_height", "opt_vol"));
        f.answer_next_message(platform::answer_ok);
        f.restart();
        QCOMPARE(f.messages(), QStringList{"A problem occured loading preferences - some "
                                           "settings will remain at default values"});
        QCOMPARE(f.titles(), QStringList{"Load preferences"});
        QVERIFY(f.find<QRadioButton>("frmUnits", "Option1")->isChecked());
        QVERIFY(f.find<QRadioButton>("Form1", "Opt_height")->isChecked());
        QCOMPARE(f.text("Form1", "Text6"), QString("559"));
    }

    void droppedProjectOpensAsItIs() {
        Design d;
        d.tubid = 640;
        d.storedlengthunit = LengthUnit::metric;
        put_file(project("dropped.v1.cyl"), QByteArray::fromStdString(io::project_bytes(d)));
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(project("dropped.v1.cyl"))});
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        // Straight to the window: without a drag in progress the application
        // would not route a drop at all.
        static_cast<QObject&>(f.program().main_window()).event(&drop);
        QTRY_COMPARE(caption(), QString("Cylindra V2.03 - dropped.v1.cyl"));
        QCOMPARE(f.text("Form1", "Text6"), QString("640"));
    }

    // What --report prints for a project is what the window shows after a
    // first run opens it.
    void reportOfAProjectMatchesTheWindow() {
        Design d;
        d.storedlengthunit = LengthUnit::decimalinches;
        d.storedvolumeunit = VolumeUnit::cu_ft;
        d.solvemode = SolveMode::opt_vol;
        d.drivermanual = true;
        d.drivernominal = 15;
        d.mass = 20;
        put_file(project("report.cyl"), QByteArray::fromStdString(io::project_bytes(d)));
        f.program().files().open_path(project("report.cyl"));
        StartupDesign s = startup_design(LengthUnit::inches, SolveMode::opt_height);
        s.design = io::read_project(io::project_bytes(d), s.design).design;
        complete_opened(s, std::nullopt, std::nullopt);
        const std::vector<std::string> lines = report_lines(s.report);
        QCOMPARE(f.text("Form1", "lbl_netvol"), QString::fromStdString(lines[0]));
        QCOMPARE(f.text("Form1", "lbl_weight"), QString::fromStdString(lines[1]));
        QCOMPARE(f.text("Form1", "lbl_totalheight"), QString::fromStdString(lines[2]));
        QCOMPARE(f.text("Form1", "lbl_port_effectivelength"), QString::fromStdString(lines[4]));
        QCOMPARE(f.text("Form1", "txt_workvol"),
                 QString::fromStdString(field_text(kFields[4], s.design.workvol, s.units)));
    }

    // Random designs saved in their unit and opened while another is in
    // force come back whole, and the window shows them as the core does.
    void randomDesignsSurviveSaveAndOpen() {
        std::mt19937_64 random(20261206);
        const auto pick = [&](int n) { return int(random() % unsigned(n)); };
        const auto length = [&] { return std::ldexp(double(random() % 100000) + 1, -6) * 64; };
        const char* units[] = {"Option1", "Option2", "Option3", "Option4"};
        const char* names[] = {"", "Sub 12", "Müller Bass", "Bass № 5", "x"};
        for (int round = 0; round < 400; ++round) {
            Design d;
            d.storedlengthunit = LengthUnit(pick(4));
            d.storedvolumeunit = VolumeUnit(pick(2));
            d.covertype = CoverType(pick(3));
            d.drivermounting = DriverMounting(pick(2));
            d.exitflare = ExitFlare(pick(2));
            d.intakeflare = IntakeFlare(pick(2));
            d.portmaterial = PortMaterial(pick(2));
            d.solvemode = SolveMode(pick(2));
            d.drivermanual = pick(2);
            d.drivername = names[pick(5)];
            d.driverindex = std::int16_t(pick(40));
            d.drivernominal = std::int16_t(kNominalSizes[std::size_t(pick(5))]);
            for (const FieldSpec& bound : kFields) {
                d.*bound.value = bound.variant == Variant::E ? 1 + pick(300) / 10.0 : length();
            }
            put_file(project("a.cyl"), QByteArray::fromStdString(io::project_bytes(d)));
            open_through_menu(project("a.cyl"));
            const QStringList opened = kept_values(f.design());
            f.answer_next_file(project("b.cyl"));
            trigger("mnu_save");
            f.choose_unit(units[pick(4)], pick(2));
            open_through_menu(project("b.cyl"));
            QCOMPARE(kept_values(f.design()), opened);
            check_display();
        }
        QCOMPARE(f.unexpected(), QStringList());
    }
};

QTEST_MAIN(ProjectsTest)
#include "tst_projects.moc"
