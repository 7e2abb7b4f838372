// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window.h"

#include "about_dialog.h"
#include "build_sheet_command.h"
#include "diagrams.h"
#include "driver_dialog.h"
#include "endcaps_dialog.h"
#include "look.h"
#include "measurement_field.h"
#include "option_group.h"
#include "platform/platform.h"
#include "port_trim_dialog.h"
#include "ports_dialog.h"
#include "program.h"
#include "project_files.h"
#include "sag_dialog.h"
#include "units_dialog.h"
#include "warnings_dialog.h"
#include "widgets.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

namespace cylindra {

namespace {

// The width of the widest of some captions, with room to spare.
int caption_width(const QWidget* w, std::initializer_list<const char*> captions) {
    int widest = 0;
    for (const char* c : captions) {
        widest = std::max(widest, text_width(w, c));
    }
    return widest + 12;
}

// Captions are as wide as their longest unit word, so the boxes of the
// framed pairs and of the diameters line up in one column.
int caption_width(const QWidget* w) {
    static int width = 0; // one caption font for the program's life
    if (width == 0) {
        QFont bold = w->font();
        bold.setBold(true); // solved captions are bold
        width = QFontMetrics(bold).horizontalAdvance("Height from endcap to endcap (inches)") + 16;
    }
    return width;
}

// A frame without border holding two caption-and-box rows.
QFrame* pair_frame(QWidget* parent, const char* name) {
    auto* frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setFrameShape(QFrame::NoFrame);
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(0, 0, 0, 0);
    return frame;
}

void add_row(QWidget* frame, QLabel* caption, QLineEdit* box) {
    auto* grid = static_cast<QGridLayout*>(frame->layout());
    const int row = grid->rowCount();
    caption->setMinimumWidth(caption_width(frame));
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
}

// The solve options carry no text of their own: the pair beside each says
// what it chooses, and screen readers get it as the option's name.
QRadioButton* solve_option(QWidget* parent, const char* name, const char* tip, const char* spoken) {
    auto* option = new QRadioButton(parent);
    option->setObjectName(name);
    option->setToolTip(tip);
    option->setAccessibleName(spoken);
    return option;
}

void selectable(QLabel* label) {
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

} // namespace

MainWindow::MainWindow(Program& program) : m_program(program) {
    setObjectName("Form1");
    look::grey_window(this);
    // Scrolls only on a screen too small for it.
    m_content = platform::content_area(this);
    QWidget* central = m_content->widget();
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(build_inputs());
    left->addSpacing(12);
    left->addWidget(build_results());
    left->addStretch();
    auto* right = new QVBoxLayout;
    m_diagram = new EnclosureDiagram(central);
    m_diagram->setObjectName("Picture1");
    right->addWidget(m_diagram, 1);
    right->addWidget(build_driver_panel());
    columns->addLayout(left);
    columns->addSpacing(8);
    columns->addLayout(right, 1);
    setCentralWidget(m_content);
    build_menu();
    setAcceptDrops(true);
}

QWidget* MainWindow::build_inputs() {
    auto* inputs = new QWidget(this);
    auto* grid = new QGridLayout(inputs);
    grid->setContentsMargins(0, 0, 0, 0);
    m_volume_pair = pair_frame(inputs, "Frame3");
    add_row(m_volume_pair,
            make_label(m_volume_pair, "lbl_workvol", "Effective Volume (litres)",
                       "Volume left AFTER subtracting the space occupied by driver and ports. "
                       "This is the volume used by WinISD"),
            make_box(m_volume_pair, "txt_workvol", "260"));
    add_row(m_volume_pair, make_label(m_volume_pair, "lbl_tune", "Tuning Frequency in Hz"),
            make_box(m_volume_pair, "txt_ftune", "15.6"));
    auto* diameters = pair_frame(inputs, "diameters");
    add_row(diameters, make_label(diameters, "Label6", "Internal diameter of sonotube (mm)"),
            make_box(diameters, "Text6", "559"));
    add_row(diameters, make_label(diameters, "Label11", "Port Internal diameter (mm)"),
            make_box(diameters, "Text11", "152"));
    m_height_pair = pair_frame(inputs, "Frame2");
    add_row(m_height_pair,
            make_label(m_height_pair, "Label5", "Height from endcap to endcap (mm)",
                       "Outside measurement as shown in drawing"),
            make_box(m_height_pair, "Text5", "1263"));
    add_row(m_height_pair,
            make_label(m_height_pair, "Label10", "Port length (mm)",
                       "End to end measurement including flares, as shown in drawing"),
            make_box(m_height_pair, "Text10", "768"));
    m_solve_volume =
        solve_option(inputs, "Opt_vol", "Option to solve for Working Volume and Tuning Frequency",
                     "Solve for effective volume and tuning frequency");
    m_solve_height =
        solve_option(inputs, "Opt_height", "Option to solve for Height and Port Length",
                     "Solve for height and port length");
    grid->addWidget(m_volume_pair, 0, 0);
    grid->addWidget(m_solve_volume, 0, 1);
    grid->addWidget(diameters, 1, 0);
    grid->addWidget(m_height_pair, 2, 0);
    grid->addWidget(m_solve_height, 2, 1);
    grid->setVerticalSpacing(10);
    m_solve_options = new OptionGroup(this);
    m_solve_options->add(m_solve_volume, [this] { solve_mode_clicked(SolveMode::opt_vol); });
    m_solve_options->add(m_solve_height, [this] { solve_mode_clicked(SolveMode::opt_height); });
    return inputs;
}

QWidget* MainWindow::build_results() {
    auto* results = new QWidget(this);
    auto* column = new QVBoxLayout(results);
    column->setContentsMargins(0, 0, 0, 0);
    m_warnings_label = make_label(results, "lbl_warnings", "Display warnings",
                                  "Click label to access more results and checks");
    m_warnings_label->setCursor(Qt::PointingHandCursor);
    // Reachable by Tab; Enter or Space opens the warnings as a click does.
    m_warnings_label->setFocusPolicy(Qt::StrongFocus);
    m_warnings_label->setAccessibleDescription("Press Enter to open the build checks");
    m_warnings_label->installEventFilter(this);
    column->addWidget(m_warnings_label);
    const char* lines[kResultLines][3] = {
        {"lbl_netvol", "Gross Volume is xxx litres",
         "Internal volume BEFORE subtracting space occupied by driver or ports"},
        {"lbl_weight", "Estimated weight xxx kg", ""},
        {"lbl_totalheight", "Total height is xxx mm", ""},
        {"lbl_sonolength", "Cut Sonotube to xxx mm", ""},
        {"lbl_port_effectivelength", "Effective length of port is xxx mm",
         "Acoustic length after adjustment for flares. This is the port length used by WinISD"},
        {"lbl_tipping", "Clearance required to tilt into upright position is yyy mm",
         "Measured diagonally through sub. The minimum ceiling height to allow sub to be "
         "carried into room and stood up"}};
    std::size_t i = 0;
    for (const auto& line : lines) {
        // Empty until the first calculation, but as wide as a typical line
        // so that the window is sized for its results.
        auto* label = make_label(results, line[0], "", line[2]);
        label->setMinimumWidth(text_width(label, line[1]));
        selectable(label);
        column->addWidget(label);
        m_results[i++].label = label;
    }
    return results;
}

QGroupBox* MainWindow::build_driver_panel() {
    m_driver_panel = new QGroupBox(this);
    m_driver_panel->setObjectName("Frame6");
    m_driver_panel->installEventFilter(this);
    auto* grid = new QGridLayout(m_driver_panel);
    const char* rows[][4] = {
        {"Label2", "Outside diameter (mm)", "Used to determine if driver will fit into endcap",
         "lbl_dia"},
        {"Label23", "Volume occupied (litres)", "Used to estimate Working volume", "lbl_vol"},
        {"Label24", "Mounting Depth (mm)", "Used to determine port intake clearance", "lbl_depth"},
        {"Label18", "Weight (kg)", "Used to estimate total weight", "lbl_mass"}};
    const int caption_width = cylindra::caption_width(
        m_driver_panel,
        {"Outside diameter (inches)", "Volume occupied (litres)", "Mounting Depth (inches)"});
    for (int r = 0; r < 4; ++r) {
        auto* caption = make_label(m_driver_panel, rows[r][0], rows[r][1], rows[r][2]);
        // Wide enough for the longest unit word the caption will carry.
        caption->setMinimumWidth(caption_width);
        grid->addWidget(caption, r, 0);
        auto* value = make_label(m_driver_panel, rows[r][3], "");
        value->setMinimumWidth(text_width(this, "00' 00 00/00") + 8);
        // Right-aligned, so that values with and without a leading blank
        // line up by their last digit.
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(value, r, 1);
    }
    // A wider panel (a maximised window) grows to the right of the values.
    grid->setColumnStretch(2, 1);
    return m_driver_panel;
}

void MainWindow::add_items(QWidget* menu, std::initializer_list<MenuItem> items) {
    for (const MenuItem& item : items) {
        auto* action = new QAction(item.text, menu);
        action->setObjectName(item.name);
        action->setShortcut(item.keys);
        connect(action, &QAction::triggered, this, item.command);
        menu->addAction(action);
    }
}

// Each entry has its own Alt letter: "P&roject" and "Pr&int" leave Alt+P to
// the Ports.
void MainWindow::build_menu() {
    ProjectFiles& files = m_program.files();
    QMenu* project = menuBar()->addMenu("P&roject");
    project->menuAction()->setObjectName("mnu_project");
    add_items(project,
              {{"mnu_load", "&Open...", QKeySequence::Open, [&files] { files.open_command(); }},
               {"mnu_savecurrent", "&Save", QKeySequence::Save, [&files] { files.save_command(); }},
               {"mnu_save", "&Save As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S),
                [&files] { files.save_as_command(); }},
               {"mnu_buildsheet", "&Build Sheet...", {}, [this] { build_sheet(); }}});
    project->addSeparator();
    add_items(project,
              {{"mnu_quit", "&Quit", QKeySequence(Qt::CTRL | Qt::Key_Q), [this] { close(); }}});
    add_items(menuBar(), {{"mnu_dimensions", "&Endcaps", {}, [this] { open_endcaps(); }},
                          {"mnu_ports", "&Ports", {}, [this] { open_ports(); }},
                          {"mnu_driver", "&Driver", {}, [this] { open_driver(); }},
                          {"mnu_units", "&Units", {}, [this] { open_units(); }},
                          {"mnu_sag", "&Sag Calculator", {}, [this] { open_sag(); }},
                          {"mnu_porttrim", "Port &Trim...", {}, [this] { open_port_trim(); }},
                          {"mnu_printmain", "Pr&int", QKeySequence::Print, [this] { print(); }}});
    QMenu* help = menuBar()->addMenu("&Help");
    help->menuAction()->setObjectName("mnu_help");
    add_items(help,
              {{"mnu_warnings", "Build &Warnings...", QKeySequence(Qt::CTRL | Qt::Key_B),
                [this] { open_warnings(); }},
               {"mnu_about", "&About", QKeySequence::HelpContents, [this] { open_about(); }}});
}

void MainWindow::fit_to_screen() {
    const QSize content = m_content->widget()->layout()->sizeHint();
    const QSize wanted(content.width(), content.height() + menuBar()->sizeHint().height());
    resize(wanted.boundedTo(platform::free_size(this)));
}

void MainWindow::print() {
    platform::print_form(this);
}

void MainWindow::build_sheet() {
    build_sheet_command(m_program);
}

void MainWindow::open_endcaps() {
    platform::show_modal(&m_program.endcaps());
}

void MainWindow::open_ports() {
    platform::show_modal(&m_program.ports());
    m_program.calculate_all();
}

void MainWindow::open_driver() {
    platform::show_modal(&m_program.drivers());
}

void MainWindow::open_units() {
    platform::show_modal(&m_program.units_dialog());
    m_program.populateall();
    m_program.resolve_driver_data();
    m_program.calculate_all();
}

void MainWindow::open_sag() {
    platform::show_modal(&m_program.sag());
}

void MainWindow::open_port_trim() {
    if (!m_port_trim) {
        m_port_trim = new PortTrimDialog(m_program, this);
    }
    m_port_trim->show();
    m_port_trim->raise();
    m_port_trim->activateWindow();
}

void MainWindow::open_about() {
    platform::show_modal(&m_program.about());
}

void MainWindow::open_warnings() {
    platform::show_modal(&m_program.warnings());
}

bool MainWindow::solving_volume() const {
    return m_solve_volume->isChecked();
}

void MainWindow::style_pairs(bool solve_volume) {
    m_volume_pair->setEnabled(!solve_volume);
    m_height_pair->setEnabled(solve_volume);
    const std::pair<const char*, bool> labels[] = {{"lbl_workvol", solve_volume},
                                                   {"lbl_tune", solve_volume},
                                                   {"Label5", !solve_volume},
                                                   {"Label10", !solve_volume}};
    for (const auto& [name, solved] : labels) {
        auto* label = findChild<QLabel*>(name);
        look::set_text_colour(label, look::rgb(solved ? colour::ruleblue : colour::black));
        look::set_bold(label, solved);
    }
    for (const char* name : {"workvol", "ftune"}) {
        m_program.field(name).set_solved_style(solve_volume);
    }
    for (const char* name : {"tubheight", "portlength"}) {
        m_program.field(name).set_solved_style(!solve_volume);
    }
}

void MainWindow::select_solve_mode(SolveMode mode) {
    m_solve_options->select(mode == SolveMode::opt_vol ? m_solve_volume : m_solve_height);
}

void MainWindow::solve_mode_clicked(SolveMode mode) {
    style_pairs(mode == SolveMode::opt_vol);
    m_program.design().solvemode = mode;
    m_program.calculate_all();
}

void MainWindow::show_report(const Report& report) {
    const ResultLabels& l = report.labels;
    const std::string* texts[kResultLines] = {
        &l.netvol, &l.weight, &l.totalheight, &l.sonolength, &l.port_effectivelength, &l.tipping};
    for (std::size_t i = 0; i < kResultLines; ++i) {
        show_result(m_results[i], QString::fromStdString(*texts[i]));
    }
    look::set_text_colour(m_warnings_label, look::rgb(report.warnings_colour));
    m_diagram->set_design(m_program.design(), m_program.driver_in_use());
    if (m_port_trim) {
        m_port_trim->refresh();
    }
}

// A result line keeps a fixed width, so that a new value repaints the line
// alone instead of laying the whole window out again at every key. Only a
// text longer than any measured before is measured; it widens the line when
// it must. The spare room covers digits and unit words of unequal widths.
void MainWindow::show_result(ResultLine& line, const QString& text) {
    if (text.size() > line.fits) {
        const QFontMetrics metrics = line.label->fontMetrics();
        const int needed = metrics.horizontalAdvance(text) + 2 * metrics.averageCharWidth();
        if (needed > line.label->width() || line.fits == 0) {
            line.label->setFixedSize(std::max(needed, line.label->width()),
                                     line.label->sizeHint().height());
        }
        line.fits = text.size();
    }
    line.label->setText(text);
}

void MainWindow::set_driver_caption(const QString& caption) {
    // The panel's rows fix its width; the caption may take what they leave.
    const int room = m_driver_panel->layout()->minimumSize().width() - 16;
    const QString shown = m_driver_panel->fontMetrics().elidedText(caption, Qt::ElideRight, room);
    m_driver_panel->setTitle(shown);
    m_driver_panel->setToolTip(shown == caption ? QString() : caption);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_driver_panel && event->type() == QEvent::MouseButtonDblClick) {
        open_driver();
        return true;
    }
    if (watched == m_warnings_label) {
        return warnings_label_event(event);
    }
    return QMainWindow::eventFilter(watched, event);
}

// The warnings label behaves as a link: a left click, Enter or Space opens
// the checks; it is underlined while it has the focus.
bool MainWindow::warnings_label_event(QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
            open_warnings();
            return true;
        }
        return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        QFont font = m_warnings_label->font();
        font.setUnderline(event->type() == QEvent::FocusIn);
        m_warnings_label->setFont(font);
        return false;
    }
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    {
        // A click: the left button let go over the label.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton && m_warnings_label->rect().contains(mouse->pos())) {
            open_warnings();
        }
        return true;
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!m_program.files().confirm_discard()) {
        event->ignore();
        return;
    }
    m_program.files().save_settings();
    event->accept();
    QApplication::quit();
}

namespace {

// The project file a drag carries: one local .cyl file.
QString dropped_file(const QMimeData* data) {
    if (!data->hasUrls() || data->urls().size() != 1 || !data->urls().constFirst().isLocalFile()) {
        return {};
    }
    const QString path = data->urls().constFirst().toLocalFile();
    return path.endsWith(".cyl", Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
    if (!dropped_file(event->mimeData()).isEmpty()) {
        event->acceptProposedAction();
    }
}

void MainWindow::dropEvent(QDropEvent* event) {
    const QString path = dropped_file(event->mimeData());
    if (path.isEmpty()) {
        return;
    }
    event->acceptProposedAction();
    // Opened once the drop is over: the question about unsaved changes and
    // any message must not keep the file manager waiting.
    QTimer::singleShot(0, this, [this, path] { m_program.files().open_path(path); });
}

} // namespace cylindra
