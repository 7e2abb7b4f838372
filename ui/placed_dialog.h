// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog that places itself at fractions of the free screen space the
// first time it is shown: the same place as placing it when created, without
// laying out hidden dialogs while the program starts.
#pragma once

#include <QDialog>

namespace cylindra {

class PlacedDialog : public QDialog {
  public:
    PlacedDialog(QWidget* parent, double top_fraction, double left_fraction);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    double m_top, m_left;
    bool m_placed = false;
};

} // namespace cylindra
