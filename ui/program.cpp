// SPDX-License-Identifier: GPL-3.0-or-later
#include "program.h"

#include "about_dialog.h"
#include "diagrams.h"
#include "driver_dialog.h"
#include "endcaps_dialog.h"
#include "look.h"
#include "main_window.h"
#include "measurement_field.h"
#include "platform/platform.h"
#include "ports_dialog.h"
#include "sag_dialog.h"
#include "units_dialog.h"
#include "warnings_dialog.h"

#include "core/diagram.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace cylindra {

Program::Program() {
    m_main_window = std::make_unique<MainWindow>(*this);
    QWidget* parent = m_main_window.get();
    m_endcaps = new EndcapsDialog(*this, parent);
    m_warnings = new WarningsDialog(parent);
    m_units_dialog = new UnitsDialog(*this, parent);
    m_ports = new PortsDialog(*this, parent);
    m_drivers = new DriverDialog(*this, parent);
    m_sag = new SagDialog(parent);
    m_about = new AboutDialog(*this, parent);
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        auto* box = window_of(kFields[i].window)->findChild<QLineEdit*>(kFields[i].box.data());
        m_fields[i] = new MeasurementField(*this, i, box);
    }
}

// The windows go before the fields' handlers could see them go: a box that
// loses the focus as it is destroyed must not be read into a half-destroyed
// program.
Program::~Program() {
    for (MeasurementField* f : m_fields) {
        f->box()->removeEventFilter(f);
    }
}

QWidget* Program::window_of(Window w) {
    switch (w) {
    case Window::main:
        return m_main_window.get();
    case Window::endcaps:
        return m_endcaps;
    case Window::ports:
        return m_ports;
    case Window::driver:
        return m_drivers;
    }
    return nullptr;
}

MeasurementField& Program::field(std::string_view name) {
    return *m_fields[*field_index(name)];
}

void Program::start() {
    m_main_window->fit_to_screen();
    platform::place_window(m_main_window.get(), 0.4, 0.5);
    // Every window exists before the Units dialog selects millimetres, since
    // its choice rewrites captions in all of them.
    m_units_dialog->load();
    m_drivers->load();
    QCoreApplication::processEvents();
    m_design.projectname = "default";
    m_main_window->setWindowTitle(
        QString::fromStdString("Cylindra V" + m_design.version + " - " + m_design.projectname));
    m_main_window->show();
    m_files.load_settings();
    m_main_window->select_solve_mode(m_design.solvemode);
    calculate_all();
    m_files.mark_saved();
}

// The typed values are read while the unit is still millimetres; then the
// unit switches to the stored one.
void Program::apply_settings() {
    for (const char* name : {"dia", "vol", "depth", "mass"}) {
        field(name).populate();
    }
    apply_driver_selection();
    validateall();
    m_units_dialog->select_unit(m_design.storedlengthunit);
    if (is_inch_unit(m_design.storedlengthunit)) {
        m_units_dialog->set_litres_checked(m_design.storedvolumeunit == VolumeUnit::litres);
    }
    apply_construction_options();
    drawflares();
    populateall();
    resolve_driver_data();
}

// The values just read are shown first in the unit that was in force, then
// the unit of the project takes over and everything is shown again.
void Program::apply_project() {
    populateall();
    apply_driver_selection();
    m_units_dialog->select_unit(m_design.storedlengthunit);
    m_units_dialog->set_litres_checked(m_design.storedvolumeunit == VolumeUnit::litres);
    apply_construction_options();
    drawflares();
    populateall();
    resolve_driver_data();
    m_main_window->select_solve_mode(m_design.solvemode);
    calculate_all();
}

// The driver source, name, nominal size and list entry of the record. The
// source's handler keeps the driver values just read instead of clearing
// them for a driver typed by hand.
void Program::apply_driver_selection() {
    m_loadingdriver = true;
    m_drivers->select_source(m_design.drivermanual);
    m_loadingdriver = false;
    m_drivers->set_name(QString::fromStdString(m_design.drivername));
    m_drivers->select_nominal(m_design.drivernominal);
    if (!m_design.drivermanual) {
        m_drivers->select_entry(m_design.driverindex);
    }
}

void Program::apply_construction_options() {
    m_endcaps->select_cover(m_design.covertype);
    m_endcaps->set_flush_mounted(m_design.flush_mounted());
    m_ports->set_exit_flared(m_design.exit_flared());
    m_ports->set_intake_flared(m_design.intake_flared());
    m_ports->select_material(m_design.portmaterial);
}

void Program::calculate_all() {
    m_report = cylindra::calculate_all(m_design, m_driver, m_units, m_report.results);
    m_report.solved.apply_to(m_design);
    if (m_report.solved.mode == SolveMode::opt_vol) {
        field("workvol").populate();
        field("ftune").populate();
    } else {
        field("tubheight").populate();
        field("portlength").populate();
    }
    m_main_window->show_report(m_report);
    m_warnings->show_checks(m_report);
}

void Program::populateall() {
    for (MeasurementField* f : m_fields) {
        f->populate();
    }
    m_drivers->populategenerics();
}

void Program::validateall() {
    for (MeasurementField* f : m_fields) {
        f->validate();
    }
}

void Program::resolve_driver_data() {
    const DriverResolution resolution = cylindra::resolve_driver_data(m_design, m_driver);
    m_driver = resolution.values;
    show_driver_summary(resolution);
}

// The driver panel of the main window: each value in use as the driver
// dialog shows it, blue when entered, light red with a tooltip when a
// generic value stands in.
void Program::show_driver_summary(const DriverResolution& resolution) {
    const std::pair<DriverQuantity, const char*> panel[] = {{DriverQuantity::vol, "vol"},
                                                            {DriverQuantity::depth, "depth"},
                                                            {DriverQuantity::dia, "dia"},
                                                            {DriverQuantity::mass, "mass"}};
    for (const auto& [q, name] : panel) {
        auto* label = m_main_window->findChild<QLabel*>(QString("lbl_") + name);
        switch (resolution.source[static_cast<std::size_t>(q)]) {
        case DriverSource::entered:
            label->setText(field(name).box()->text());
            label->setToolTip({});
            look::set_text_colour(label, look::rgb(colour::ruleblue));
            continue;
        case DriverSource::generic:
            label->setText(m_drivers->generic_caption(m_design.drivernominal, q));
            break;
        case DriverSource::unchanged:
            break;
        }
        label->setToolTip(QString::fromStdString(substitution_tooltip(q)));
        look::set_text_colour(label, look::rgb(colour::warnred));
    }
    if (!m_drivers->list_source()) {
        m_main_window->set_driver_caption(QString::fromStdString(m_design.drivername));
    } else if (const auto row = m_drivers->selected_row()) {
        const auto name = driver_table()[*row].name;
        m_main_window->set_driver_caption("Driver - " +
                                          QString::fromUtf8(name.data(), int(name.size())));
    }
}

void Program::drawflares() {
    const Design& d = m_design;
    if (const auto shape = flare_shape(d.exit_flared(), d.intake_flared())) {
        m_main_window->diagram()->set_choice({d.drivermounting, d.covertype, *shape});
        m_ports->show_radius_rows(*shape);
    }
    m_endcaps->show_cover_rows(d.covertype);
}

} // namespace cylindra
