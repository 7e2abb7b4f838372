// SPDX-License-Identifier: GPL-3.0-or-later
// The sag calculator: how far gravity pulls the cone of a driver mounted
// firing down, as a percentage of its Xmax, recomputed at every keystroke.
// It keeps its texts between showings and touches no design value.
#pragma once

#include "placed_dialog.h"

class QLabel;
class QLineEdit;

namespace cylindra {

class SagDialog : public PlacedDialog {
  public:
    explicit SagDialog(QWidget* parent);

    // The last sag shown, in percent rounded down to a tenth.
    double sagpercent() const { return m_sagpercent; }

  private:
    void findsag();

    QLineEdit* m_xmax = nullptr;
    QLineEdit* m_fs = nullptr;
    QLabel* m_result = nullptr;
    double m_sagpercent = 0;
};

} // namespace cylindra
