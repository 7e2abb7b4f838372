// SPDX-License-Identifier: GPL-3.0-or-later
// The port trim window: the tuning the builder measured on the finished
// enclosure, typed or read from an impedance sweep, and how much to cut off
// each port (or how long to make it) to reach the design's tuning; below it,
// the peak air speed in the ports at Xmax. A tool window beside the main
// window that follows the design while it is open and changes no design value.
#pragma once

#include "placed_dialog.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace cylindra {

class Program;
class SweepPlot;

class PortTrimDialog : public PlacedDialog {
  public:
    PortTrimDialog(Program& program, QWidget* parent);

    // After each calculation: shows the texts again for the design as it now
    // stands; nothing while the window is hidden.
    void refresh();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    QGroupBox* build_air_speed();
    void show_trim();
    void show_air_speed();
    void import_sweep();
    // Reads a chosen sweep file; returns why it is not a sweep, or "".
    QString read_sweep(const QString& path);

    Program& m_program;
    QLineEdit* m_measured = nullptr;
    QLabel* m_design = nullptr;
    QLabel* m_trim = nullptr;
    SweepPlot* m_plot = nullptr;
    QLineEdit* m_sd = nullptr;
    QLineEdit* m_xmax = nullptr;
    QLabel* m_air_speed = nullptr;
    QLabel* m_smallest = nullptr;
    QString m_folder; // where the last sweep came from
};

} // namespace cylindra
