// SPDX-License-Identifier: GPL-3.0-or-later
#include "placed_dialog.h"

#include "look.h"
#include "measurement_field.h"
#include "platform/platform.h"

#include <QAbstractButton>
#include <QEvent>
#include <QLayout>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace cylindra {

PlacedDialog::PlacedDialog(QWidget* parent, double top_fraction, double left_fraction)
    : QDialog(parent), m_top(top_fraction), m_left(left_fraction) {
    look::grey_window(this);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_area = platform::content_area(this);
    m_body = m_area->widget();
    m_body->installEventFilter(this);
    outer->addWidget(m_area);
}

void PlacedDialog::use_as_ok(QPushButton* ok) {
    ok->setDefault(true);
    m_ok = ok;
}

void PlacedDialog::reject() {
    if (!m_ok || !m_ok->isEnabled() || m_closing) {
        QDialog::reject();
        return;
    }
    // A box still being typed into is read first, as a click on OK that
    // takes the focus would; a text it rejects keeps the dialog open, as
    // Enter does, so that the user sees what to mend.
    if (QWidget* typing = focusWidget()) {
        for (QObject* child : typing->children()) {
            if (auto* field = dynamic_cast<MeasurementField*>(child)) {
                field->leave();
                if (field->rejected()) {
                    return;
                }
            }
        }
    }
    m_closing = true;
    m_ok->click();
    m_closing = false;
}

// As large as the content, within the free area of the screen.
void PlacedDialog::fit_to_screen() {
    const QSize wanted = m_body->layout()->sizeHint();
    const QSize room = platform::free_size(this);
    if (wanted.width() <= room.width() && wanted.height() <= room.height()) {
        setFixedSize(wanted);
        return;
    }
    setMinimumSize(0, 0);
    setMaximumSize(room);
    resize(wanted.boundedTo(room));
}

bool PlacedDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_body && event->type() == QEvent::LayoutRequest && m_placed) {
        fit_to_screen(); // rows were shown or hidden
    }
    return QDialog::eventFilter(watched, event);
}

void PlacedDialog::showEvent(QShowEvent* event) {
    if (!m_placed) {
        m_placed = true;
        fit_to_screen();
        platform::place_window(this, m_top, m_left);
    }
    QDialog::showEvent(event);
}

} // namespace cylindra
