// SPDX-License-Identifier: GPL-3.0-or-later
// Small builders for the named controls every window is made of.
#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace cylindra {

QLabel* make_label(QWidget* parent, const char* name, const QString& text,
                   const QString& tooltip = {});
// A text box wide enough for a length in feet, inches and sixteenths.
// The width of a fixed text in the widget's font, measured once.
int text_width(const QWidget* w, const char* text);

QLineEdit* make_box(QWidget* parent, const char* name, const QString& text, bool centred = false);
// The caption of a box: screen readers announce it as the box's name, and an
// Alt letter in it moves to the box.
QLabel* caption_of(QLabel* caption, QWidget* box);

// A dialog button that never becomes the default on its own: a dialog
// chooses its OK button as the one Enter presses (PlacedDialog::use_as_ok).
QPushButton* make_button(QWidget* parent, const char* name, const QString& text);

// The Print and OK buttons at the bottom right of a dialog. Print asks and
// then prints the dialog's picture.
struct PrintOkButtons {
    QHBoxLayout* row;
    QPushButton* ok;
};
PrintOkButtons make_print_ok(QWidget* dialog, const char* print_name, const char* ok_name,
                             const QString& ok_text);

} // namespace cylindra
