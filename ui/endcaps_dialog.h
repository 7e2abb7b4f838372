// SPDX-License-Identifier: GPL-3.0-or-later
// The endcaps and plates dialog: twelve dimensions, what covers the port and
// whether the driver is flush mounted, beside the lettered drawing.
#pragma once

#include "core/design.h"

#include "placed_dialog.h"

class QCheckBox;
class QRadioButton;

namespace cylindra {

class OptionGroup;
class PartsDrawing;
class Program;

class EndcapsDialog : public PlacedDialog {
  public:
    EndcapsDialog(Program& program, QWidget* parent);

    // Settings applied by the program run the same handlers as clicks.
    void select_cover(CoverType cover);
    void set_flush_mounted(bool flush);

    // Shows the rows that apply to the selected cover: the cover plate's
    // diameter, thickness and gap, or the grille's height, or none.
    void show_cover_rows(CoverType cover);

  private:
    void build_fields();
    void build_options();
    void cover_clicked(CoverType cover);
    void flush_clicked();

    Program& m_program;
    QRadioButton* m_covers[3] = {}; // indexed by CoverType
    OptionGroup* m_cover_group = nullptr;
    QCheckBox* m_flush = nullptr;
    PartsDrawing* m_with_cover = nullptr;
    PartsDrawing* m_without_cover = nullptr;
};

} // namespace cylindra
