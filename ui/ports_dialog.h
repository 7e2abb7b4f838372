// SPDX-License-Identifier: GPL-3.0-or-later
// The ports dialog: number of ports, wall thickness, the two flares with
// their radii, and the port material.
#pragma once

#include "core/design.h"
#include "core/diagram.h"

#include "placed_dialog.h"

class QCheckBox;
class QRadioButton;

namespace cylindra {

class OptionGroup;
class Program;

class PortsDialog : public PlacedDialog {
  public:
    PortsDialog(Program& program, QWidget* parent);

    // Settings applied by the program run the same handlers as clicks.
    void set_exit_flared(bool flared);
    void set_intake_flared(bool flared);
    void select_material(PortMaterial material);

    // Shows the radius rows that the flare shape uses.
    void show_radius_rows(FlareShape shape);

  private:
    void exit_clicked();
    void intake_clicked();

    Program& m_program;
    QCheckBox* m_exit = nullptr;
    QCheckBox* m_intake = nullptr;
    QRadioButton* m_pvc = nullptr;
    QRadioButton* m_sono = nullptr;
    OptionGroup* m_material = nullptr;
};

} // namespace cylindra
