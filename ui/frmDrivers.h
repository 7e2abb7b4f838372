// SPDX-License-Identifier: GPL-3.0-or-later
// The driver dialog: a driver from the built-in list or typed in by hand,
// its nominal size, and the table of generic values that stand in for any
// value entered as zero, with the column of the current size highlighted.
#pragma once

#include "core/drivers.h"

#include "placed_dialog.h"

#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace cylindra {

class OptionGroup;
class Program;

class frmDrivers : public PlacedDialog {
  public:
    frmDrivers(Program& program, QWidget* parent);
    void load();

    // Selections made by the program run the same handlers as clicks.
    void select_source(bool manual);
    void select_nominal(int nominal);
    void select_entry(int position);
    void set_name(const QString& name);

    void populategenerics();
    // Caption of the generic label for a size and quantity ("" for a size
    // the table does not have).
    QString generic_caption(int nominal, DriverQuantity quantity) const;
    // Row of the table behind the selected list entry.
    std::optional<int> selected_row() const;
    bool list_source() const;

  private:
    void build_values();
    void option1_clicked();
    void option2_clicked();
    void combo_clicked(int position);
    void nominal_clicked(int nominal);
    void ok_clicked();
    QLabel* generic_label(int nominal, DriverQuantity quantity) const;
    void enable_manual_controls(bool manual);

    Program& m_program;
    QRadioButton* m_option1 = nullptr;
    QRadioButton* m_option2 = nullptr;
    OptionGroup* m_source = nullptr;
    OptionGroup* m_size = nullptr;
    QComboBox* m_combo = nullptr;
    QRadioButton* m_sizes[kNominalSizes.size()] = {};
};

} // namespace cylindra
