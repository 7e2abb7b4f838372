// SPDX-License-Identifier: GPL-3.0-or-later
#include "measurement_field.h"

#include "look.h"
#include "platform/platform.h"
#include "program.h"

#include "core/calculation.h"
#include "core/field_text.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>

namespace cylindra {

MeasurementField::MeasurementField(Program& program, std::size_t index, QLineEdit* box)
    : QObject(box), m_program(program), m_index(index), m_box(box) {
    m_populated = box->text();
    // textEdited fires for typing only, never for populate's own writing: it
    // does what a guard around every populate would do.
    connect(box, &QLineEdit::textEdited, this, &MeasurementField::on_change);
    box->installEventFilter(this);
}

double& MeasurementField::value() {
    return m_program.design().*(definition().value);
}

bool MeasurementField::edited() const {
    return m_program.design().edited[m_index];
}

void MeasurementField::set_edited(bool edited) {
    m_program.design().edited[m_index] = edited;
}

// The driver's boxes are disabled while the driver comes from the list:
// their text then looks disabled, whatever its colour.
void MeasurementField::set_colour(const QColor& colour) {
    if (definition().window == Window::driver) {
        look::set_enabled_text_colour(m_box, colour);
        return;
    }
    look::set_text_colour(m_box, colour);
}

// Driver fields wait for the driver dialog's OK; the others recalculate.
bool MeasurementField::recalculates() const {
    return definition().window != Window::driver;
}

void MeasurementField::validate() {
    const FieldReading reading =
        read_field(definition(), m_box->text().toStdString(), m_program.units());
    if (reading.value) {
        value() = *reading.value;
    }
    m_rejected = !reading.error.empty();
    if (m_rejected) {
        platform::message_box(m_box->window(), QString::fromStdString(format_message(
                                                   definition().name, reading.error)));
        return; // the text stays as typed, red, and the edit flag stays set
    }
    switch (definition().variant) {
    case Variant::A:
    case Variant::B:
        set_edited(false);
        set_colour(look::rgb(colour::black));
        if (m_program.units().length != LengthUnit::metric) {
            populate();
        }
        break;
    case Variant::C:
    case Variant::D:
        set_colour(look::rgb(colour::black));
        populate();
        break;
    case Variant::E:
        break;
    }
}

void MeasurementField::validate_if_changed() {
    if (m_rejected || m_box->text() != m_populated) {
        validate();
        return;
    }
    set_edited(false);
    if (definition().variant != Variant::E) {
        set_colour(look::rgb(colour::black));
    }
}

void MeasurementField::populate() {
    m_populated = QString::fromStdString(field_text(definition(), value(), m_program.units()));
    m_rejected = false;
    m_box->setText(m_populated);
}

void MeasurementField::on_change() {
    const Variant v = definition().variant;
    set_edited(true);
    if (v == Variant::E) {
        validate();
        m_program.calculate_all();
        return;
    }
    if (!recalculates() && !m_program.manual_driver()) {
        return; // a list driver's boxes are not typed into
    }
    if (v == Variant::A && m_program.units().length == LengthUnit::metric) {
        validate();
        set_edited(true);
        m_program.calculate_all();
        return;
    }
    set_colour(look::rgb(colour::red));
}

void MeasurementField::on_enter() {
    if (definition().variant == Variant::E) {
        validate();
        populate();
    } else {
        validate_if_changed();
        const LengthUnit unit = m_program.units().length;
        const bool length =
            definition().variant == Variant::A || definition().variant == Variant::B;
        if (length && (unit == LengthUnit::metric || unit == LengthUnit::metric_cm)) {
            populate();
        }
    }
    if (recalculates()) {
        m_program.calculate_all();
    }
}

void MeasurementField::on_lost_focus() {
    if (definition().variant == Variant::A && !edited()) {
        return;
    }
    on_enter();
}

bool MeasurementField::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_box && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            on_enter();
            // Enter goes on to the dialog's OK button, unless the text was
            // just rejected: the user must first see and mend it.
            return m_rejected;
        }
    }
    if (watched == m_box && event->type() == QEvent::FocusOut) {
        // Focus that moves to a menu, a message box or another window is not
        // the user leaving the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
            reason != Qt::MenuBarFocusReason) {
            on_lost_focus();
        }
    }
    return QObject::eventFilter(watched, event);
}

void MeasurementField::set_solved_style(bool solved) {
    m_box->setFrame(!solved);
    look::set_bold(m_box, solved);
    look::set_text_colour(m_box, look::rgb(solved ? colour::ruleblue : colour::black));
    look::set_base_colour(m_box, solved ? look::rgb(colour::windowgrey)
                                        : m_box->style()->standardPalette().color(QPalette::Base));
}

} // namespace cylindra
