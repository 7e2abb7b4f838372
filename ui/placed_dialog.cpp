// SPDX-License-Identifier: GPL-3.0-or-later
#include "placed_dialog.h"

#include "look.h"
#include "platform/platform.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLayout>

namespace cylindra {

PlacedDialog::PlacedDialog(QWidget* parent, double top_fraction, double left_fraction)
    : QDialog(parent), m_top(top_fraction), m_left(left_fraction) {
    look::grey_window(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void PlacedDialog::reject() {
    if (m_ok) {
        // A box still being typed into is read first, as a click on OK
        // that takes the focus would. The focus itself stays: the dialog is
        // about to be hidden.
        if (QWidget* typing = focusWidget()) {
            QFocusEvent leaving(QEvent::FocusOut, Qt::OtherFocusReason);
            QCoreApplication::sendEvent(typing, &leaving);
        }
        m_ok->click();
    } else {
        QDialog::reject();
    }
}

void PlacedDialog::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        // A fixed border that follows the rows the dialog shows.
        layout()->setSizeConstraint(QLayout::SetFixedSize);
        adjustSize();
        platform::place_window(this, m_top, m_left);
    }
    QDialog::showEvent(event);
}

} // namespace cylindra
