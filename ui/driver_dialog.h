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

class DriverDialog : public PlacedDialog {
  public:
    DriverDialog(Program& program, QWidget* parent);
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
    void list_source_clicked();
    void manual_source_clicked();
    void list_entry_chosen(int position);
    void nominal_clicked(int nominal);
    void ok_clicked();
    QLabel* generic_label(int nominal, DriverQuantity quantity) const;
    void enable_manual_controls(bool manual);

    Program& m_program;
    QRadioButton* m_from_list = nullptr;
    QRadioButton* m_by_hand = nullptr;
    OptionGroup* m_source_options = nullptr;
    OptionGroup* m_size_options = nullptr;
    QComboBox* m_driver_list = nullptr;
    QRadioButton* m_sizes[kNominalSizes.size()] = {};
};

} // namespace cylindra
