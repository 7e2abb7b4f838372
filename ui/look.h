// SPDX-License-Identifier: GPL-3.0-or-later
// Colours, weights and backgrounds of controls. Everything goes through the
// palette, for every colour group, so a disabled control keeps the colour the
// program gave it and tests can read the colour back.
#pragma once

#include <QColor>

#include <cstdint>

class QWidget;
class QPushButton;

namespace cylindra::look {

inline QColor rgb(std::uint32_t value) {
    return QColor::fromRgb(value);
}

void set_text_colour(QWidget* w, const QColor& colour);
// The same while the widget is enabled; disabled, it shows the style's
// greyed text, so that a box the user cannot type into looks it.
void set_enabled_text_colour(QWidget* w, const QColor& colour);
void set_base_colour(QWidget* w, const QColor& colour);   // inside of a text box
void set_window_colour(QWidget* w, const QColor& colour); // background of a label
void set_bold(QWidget* w, bool bold);
// The light grey of every window of the program.
void grey_window(QWidget* w);
// Buttons of the dialogs never take Enter away from the text boxes.
void no_default(QPushButton* b);

} // namespace cylindra::look
