// SPDX-License-Identifier: GPL-3.0-or-later
// One text box bound to one design value: its validate and populate routines
// and its change, Enter and lost-focus events, for all five field variants.
// The 26 bindings are made from the field table; nothing is written per field.
#pragma once

#include "core/fields.h"

#include <QColor>
#include <QObject>
#include <QString>

class QLineEdit;

namespace cylindra {

class Program;

class MeasurementField : public QObject {
  public:
    MeasurementField(Program& program, std::size_t index, QLineEdit* box);

    // Reads the box into the design; shows the format message for a rejected
    // inch text.
    void validate();
    // Writes the design value into the box in the live unit.
    void populate();

    const FieldSpec& definition() const { return kFields[m_index]; }
    QLineEdit* box() const { return m_box; }
    bool edited() const;
    // True while the box holds a text that was rejected.
    bool rejected() const { return m_rejected; }
    // Leaving the box: an edited text is read, as when the focus moves on.
    void leave() { on_lost_focus(); }

    // Solved values are bold blue on the window grey without a border; input
    // values are black in a normal box.
    void set_solved_style(bool solved);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void on_change();
    void on_enter();
    void on_lost_focus();
    // Validates unless the text is still what populate wrote: re-reading a
    // shown text would round the stored value to what the unit can show.
    void validate_if_changed();
    void set_edited(bool edited);
    void set_colour(const QColor& colour);
    double& value();
    bool recalculates() const;

    Program& m_program;
    std::size_t m_index;
    QLineEdit* m_box;
    QString m_populated; // the text populate last wrote
    // A rejected text set the value to 0 while the box still holds text:
    // until a text is accepted, no text counts as unchanged.
    bool m_rejected = false;
};

} // namespace cylindra
