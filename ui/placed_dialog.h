// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog that places itself at fractions of the free screen space the
// first time it is shown: the same place as placing it when created, without
// laying out hidden dialogs while the program starts.
#pragma once

#include <QDialog>

class QAbstractButton;

namespace cylindra {

class PlacedDialog : public QDialog {
  public:
    PlacedDialog(QWidget* parent, double top_fraction, double left_fraction);

    // Escape and the window frame close the dialog the way its OK button
    // does, so that the dialog and the main window never disagree.
    void set_ok_button(QAbstractButton* ok) { m_ok = ok; }
    void reject() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    double m_top, m_left;
    bool m_placed = false;
    QAbstractButton* m_ok = nullptr;
};

} // namespace cylindra
