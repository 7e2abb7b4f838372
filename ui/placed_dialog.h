// SPDX-License-Identifier: GPL-3.0-or-later
// A dialog that places itself at fractions of the free screen space the
// first time it is shown: the same place as placing it when created, without
// laying out hidden dialogs while the program starts. Its content lies in
// body(): the dialog takes the content's size, follows it when rows are shown
// or hidden, and on a screen too small for it (a laptop at a scale of 2)
// scrolls instead of hiding its OK button off the screen.
#pragma once

#include <QDialog>

class QAbstractButton;
class QPushButton;
class QScrollArea;

namespace cylindra {

class PlacedDialog : public QDialog {
  public:
    PlacedDialog(QWidget* parent, double top_fraction, double left_fraction);

    // The dialog's OK button: Enter anywhere in the dialog presses it, and
    // Escape and the window frame close the dialog the way it does, so that
    // the dialog and the main window never disagree.
    void use_as_ok(QPushButton* ok);
    void reject() override;

  protected:
    // Where subclasses put their controls and layout.
    QWidget* body() const { return m_body; }
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fit_to_screen();

    double m_top, m_left;
    bool m_placed = false;
    QAbstractButton* m_ok = nullptr;
    bool m_closing = false; // OK's work is under way
    QScrollArea* m_area = nullptr;
    QWidget* m_body = nullptr;
};

} // namespace cylindra
