// SPDX-License-Identifier: GPL-3.0-or-later
// Saves a picture of the main window in every unit and solve mode, and of
// every dialog, so a change to a layout can be looked at before it lands:
//   screenshots OUTPUT_FOLDER
#include "ui/diagrams.h"
#include "ui/main_window.h"
#include "ui/program.h"
#include "ui/program_style.h"
#include "ui/units_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QDir>

using namespace cylindra;

namespace {

void save(QWidget* w, const QString& folder, const QString& name) {
    w->show();
    QApplication::processEvents();
    w->grab().save(folder + "/" + name + ".png");
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    use_program_style();
    const QString folder = argc > 1 ? argv[1] : "screenshots";
    QDir().mkpath(folder);
    Program program;
    program.start();
    const std::pair<LengthUnit, const char*> units[] = {{LengthUnit::metric, "mm"},
                                                        {LengthUnit::metric_cm, "cm"},
                                                        {LengthUnit::inches, "ftin"},
                                                        {LengthUnit::decimalinches, "in"}};
    for (const auto& [unit, word] : units) {
        program.units_dialog().select_unit(unit);
        program.populateall();
        program.resolve_driver_data();
        for (const SolveMode mode : {SolveMode::opt_height, SolveMode::opt_vol}) {
            program.main_window().select_solve_mode(mode);
            save(&program.main_window(), folder,
                 QString("Form1_%1_%2").arg(word, mode == SolveMode::opt_vol ? "vol" : "height"));
        }
    }
    // The trim window is made when first opened.
    program.main_window().open_port_trim();
    for (QDialog* dialog : program.main_window().findChildren<QDialog*>()) {
        save(dialog, folder, dialog->objectName());
        dialog->hide();
    }
    // The eighteen sections, each drawn on its own.
    EnclosureDiagram diagram;
    diagram.resize(240, 340);
    diagram.set_design(program.design(), program.driver_in_use());
    for (const auto mounting : {DriverMounting::flushmounted, DriverMounting::surfacemounted}) {
        for (const auto cover : {CoverType::cover, CoverType::grille, CoverType::nocover}) {
            for (const auto flare : {FlareShape::unflared, FlareShape::flared, FlareShape::donut}) {
                const DiagramChoice choice{mounting, cover, flare};
                diagram.set_choice(choice);
                save(&diagram, folder, QString::fromStdString("diagram_" + choice.name()));
            }
        }
    }
    return 0;
}
