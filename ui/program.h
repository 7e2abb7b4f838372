// SPDX-License-Identifier: GPL-3.0-or-later
// The running program: the one design record, the windows, and the routines
// that all windows share.
//
// Data flow. Every edit takes one road: a text box event (MeasurementField)
// reads the text into the design record and calls calculate_all; the core
// computes everything from the record, and calculate_all writes the solved
// pair back through its fields, the six result lines and the driver summary
// into MainWindow, and the check rows into WarningsDialog. Dialog options write their
// option word into the record in their own click handlers, so the record and
// the controls always agree and the core reads only the record. The windows
// live from start-up to the end; dialogs are hidden, never destroyed.
#pragma once

#include "core/calculation.h"
#include "core/design.h"
#include "core/drivers.h"

#include "project_files.h"

#include <QObject>

#include <array>
#include <memory>
#include <string_view>

class QWidget;

namespace cylindra {

class MainWindow;
class EndcapsDialog;
class DriverDialog;
class PortsDialog;
class UnitsDialog;
class WarningsDialog;
class MeasurementField;
class SagDialog;
class AboutDialog;

class Program : public QObject {
  public:
    Program();
    ~Program() override;

    // The start-up sequence: dialogs made and hidden, the main window shown,
    // the stored settings read and applied, and the design calculated.
    void start();

    Design& design() { return m_design; }
    DisplayUnits units() const { return m_units; }
    const DriverValues& driver_in_use() const { return m_driver; }
    const Report& last_report() const { return m_report; }

    // The live units, set by the Units dialog's options and litres box.
    void set_length_unit(LengthUnit unit) { m_units.length = unit; }
    void set_litres(bool litres) { m_units.litres = litres; }
    // True while the driver dialog takes the driver by hand.
    bool manual_driver() const { return m_design.drivermanual; }
    // True while stored settings choose the driver source: the driver's
    // values must then stay as read.
    bool loading_driver() const { return m_loadingdriver; }

    // Bring every window into line with the record after the preferences,
    // respectively a project, have been read into it: each control change
    // runs its own handler, as if the user had made it.
    void apply_settings();
    void apply_project();

    void calculate_all();
    void populateall();
    void validateall();
    void resolve_driver_data();
    void drawflares();

    MeasurementField& field(std::string_view name);
    QWidget* window_of(Window w);
    MainWindow& main_window() { return *m_main_window; }
    EndcapsDialog& endcaps() { return *m_endcaps; }
    WarningsDialog& warnings() { return *m_warnings; }
    UnitsDialog& units_dialog() { return *m_units_dialog; }
    PortsDialog& ports() { return *m_ports; }
    DriverDialog& drivers() { return *m_drivers; }
    ProjectFiles& files() { return m_files; }
    SagDialog& sag() { return *m_sag; }
    AboutDialog& about() { return *m_about; }

  private:
    void apply_driver_selection();
    void apply_construction_options();
    void show_driver_summary(const DriverResolution& resolution);

    Design m_design;
    DisplayUnits m_units;
    DriverValues m_driver;
    Report m_report;
    bool m_loadingdriver = false;

    std::unique_ptr<MainWindow> m_main_window;
    EndcapsDialog* m_endcaps = nullptr;
    WarningsDialog* m_warnings = nullptr;
    UnitsDialog* m_units_dialog = nullptr;
    PortsDialog* m_ports = nullptr;
    DriverDialog* m_drivers = nullptr;
    SagDialog* m_sag = nullptr;
    AboutDialog* m_about = nullptr;
    std::array<MeasurementField*, kFields.size()> m_fields{};
    ProjectFiles m_files{*this};
};

} // namespace cylindra
