// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the two input pairs with their solve options, the two
// diameters, the warnings label and the six result lines on the left; the
// section diagram and the driver summary on the right; the menu bar.
#pragma once

#include "core/calculation.h"

#include <QKeySequence>
#include <QMainWindow>

#include <array>
#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;

namespace cylindra {

class EnclosureDiagram;
class OptionGroup;
class PortTrimDialog;
class Program;

class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(Program& program);

    // Selects a solve option as a click would, styling the pairs and
    // recalculating.
    void select_solve_mode(SolveMode mode);
    bool solving_volume() const;

    void show_report(const Report& report);
    // As large as its content, within the free area of the screen.
    void fit_to_screen();
    // The driver panel's caption: cut short to the panel's width, whole in
    // its tooltip, so that a pasted name cannot widen the window.
    void set_driver_caption(const QString& caption);
    EnclosureDiagram* diagram() const { return m_diagram; }

    // Menu commands, also reached from the driver summary and the warnings
    // label.
    void open_endcaps();
    void open_ports();
    void open_driver();
    void open_units();
    void open_warnings();
    void open_sag();
    // The port trim window, made on first use; it stays beside the main window.
    void open_port_trim();
    void open_about();
    void print();
    void build_sheet();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private:
    QWidget* build_inputs();
    QWidget* build_results();
    QGroupBox* build_driver_panel();
    struct MenuItem {
        const char* name;
        const char* text;
        QKeySequence keys;
        std::function<void()> command;
    };
    void build_menu();
    void add_items(QWidget* menu, std::initializer_list<MenuItem> items);
    bool warnings_label_event(QEvent* event);
    void style_pairs(bool solve_volume);
    static constexpr std::size_t kResultLines = 6;
    struct ResultLine {
        QLabel* label = nullptr;
        qsizetype fits = 0; // texts this long are known to fit
    };
    void show_result(ResultLine& line, const QString& text);
    void solve_mode_clicked(SolveMode mode);

    Program& m_program;
    QScrollArea* m_content = nullptr;
    QFrame* m_height_pair = nullptr;
    QFrame* m_volume_pair = nullptr;
    QRadioButton* m_solve_height = nullptr;
    QRadioButton* m_solve_volume = nullptr;
    OptionGroup* m_solve_options = nullptr;
    QLabel* m_warnings_label = nullptr;
    QGroupBox* m_driver_panel = nullptr;
    EnclosureDiagram* m_diagram = nullptr;
    std::array<ResultLine, kResultLines> m_results;
    PortTrimDialog* m_port_trim = nullptr;
};

} // namespace cylindra
