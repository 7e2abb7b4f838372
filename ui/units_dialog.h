// SPDX-License-Identifier: GPL-3.0-or-later
// The Units dialog: the length unit of every field and result, and whether
// volumes stay in litres in the inch units. Choosing a unit converts nothing;
// it changes the live unit and the unit words of the captions.
#pragma once

#include "core/design.h"

#include "placed_dialog.h"

class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace cylindra {

class OptionGroup;
class Program;

class UnitsDialog : public PlacedDialog {
  public:
    UnitsDialog(Program& program, QWidget* parent);

    // Runs once at start-up, when every window exists: places the dialog
    // and selects millimetres.
    void load();

    // Selections made by the program run the same handlers as clicks.
    void select_unit(LengthUnit unit);
    void set_litres_checked(bool checked);

  private:
    void unit_clicked(LengthUnit unit);
    void litres_clicked();
    void set_volume_captions(bool litres);
    void set_rules_look(bool imperial);
    void ok_clicked();

    Program& m_program;
    QRadioButton* m_options[4] = {}; // indexed by LengthUnit
    OptionGroup* m_group = nullptr;
    QCheckBox* m_litres = nullptr;
    QGroupBox* m_rules = nullptr;
};

} // namespace cylindra
