// SPDX-License-Identifier: GPL-3.0-or-later
#include "placed_dialog.h"

#include "look.h"
#include "platform/platform.h"

namespace cylindra {

PlacedDialog::PlacedDialog(QWidget* parent, double top_fraction, double left_fraction)
    : QDialog(parent), m_top(top_fraction), m_left(left_fraction) {
    look::grey_window(this);
}

void PlacedDialog::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        adjustSize();
        platform::place_window(this, m_top, m_left);
    }
    QDialog::showEvent(event);
}

} // namespace cylindra
