// SPDX-License-Identifier: GPL-3.0-or-later
#include "port_trim_dialog.h"

#include "look.h"
#include "platform/platform.h"
#include "program.h"
#include "sweep_plot.h"
#include "widgets.h"

#include "core/air_speed.h"
#include "core/measurement.h"
#include "core/number_text.h"
#include "core/port_trim.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cylindra {

namespace {

// Far beyond any sweep's export (100000 lines of three numbers).
constexpr qint64 kLargestSweepFile = 16 * 1024 * 1024;

double typed_number(const QLineEdit* box) {
    return read_line_number(box->text().toStdString()).value_or(0);
}

QString text_of(const std::string& s) {
    return QString::fromStdString(s);
}

QLabel* result_label(QWidget* parent, const char* name) {
    auto* label = make_label(parent, name, {});
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    look::set_bold(label, true);
    return label;
}

} // namespace

PortTrimDialog::PortTrimDialog(Program& program, QWidget* parent)
    : PlacedDialog(parent, 0.25, 1.0), m_program(program) {
    setObjectName("frmPortTrim");
    setWindowTitle("Port Trim");
    auto* grid = new QGridLayout(body());
    m_measured = make_box(this, "txt_measured", {});
    m_measured->setToolTip("The impedance minimum between the two peaks of a sweep");
    grid->addWidget(
        caption_of(make_label(this, "lbl_measured", "Measured tuning in Hz"), m_measured), 0, 0);
    grid->addWidget(m_measured, 0, 1);
    auto* import = make_button(this, "cmd_import", "&Import sweep...");
    import->setToolTip("Read the tuning from a measurement program's text export");
    grid->addWidget(import, 0, 2);
    m_design = make_label(this, "lbl_design", {});
    grid->addWidget(m_design, 1, 0, 1, 3);
    m_trim = result_label(this, "lbl_trim");
    look::set_text_colour(m_trim, look::rgb(colour::ruleblue));
    grid->addWidget(m_trim, 2, 0, 1, 3);
    m_plot = new SweepPlot(this);
    m_plot->setObjectName("pic_sweep");
    grid->addWidget(m_plot, 3, 0, 1, 3);
    grid->addWidget(build_air_speed(), 4, 0, 1, 3);
    auto* close = make_button(this, "Command1", "&Close");
    use_as_ok(close);
    grid->addWidget(close, 5, 2, Qt::AlignRight);
    grid->setColumnStretch(0, 1);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(import, &QPushButton::clicked, this, &PortTrimDialog::import_sweep);
    connect(m_measured, &QLineEdit::textChanged, this, &PortTrimDialog::show_trim);
    setTabOrder(m_measured, import);
    setTabOrder(import, m_sd);
    setTabOrder(m_sd, m_xmax);
    setTabOrder(m_xmax, close);
}

QGroupBox* PortTrimDialog::build_air_speed() {
    auto* group = new QGroupBox("Port air speed at Xmax and the design's tuning", this);
    group->setObjectName("fra_airspeed");
    auto* grid = new QGridLayout(group);
    m_sd = make_box(group, "txt_sd", {});
    m_xmax = make_box(group, "txt_xmax", {});
    const std::pair<const char*, const char*> captions[] = {{"lbl_sd", "Cone area Sd in cm²"},
                                                            {"lbl_xmax", "Xmax (one-way) in mm"}};
    QLineEdit* boxes[] = {m_sd, m_xmax};
    for (int r = 0; r < 2; ++r) {
        grid->addWidget(
            caption_of(make_label(group, captions[r].first, captions[r].second), boxes[r]), r, 0);
        grid->addWidget(boxes[r], r, 1);
        connect(boxes[r], &QLineEdit::textChanged, this, &PortTrimDialog::show_air_speed);
    }
    grid->setColumnStretch(2, 1);
    m_air_speed = result_label(group, "lbl_airspeed");
    m_smallest = make_label(group, "lbl_mindia", {});
    grid->addWidget(m_air_speed, 2, 0, 1, 3);
    grid->addWidget(m_smallest, 3, 0, 1, 3);
    auto* note = make_label(group, "lbl_airspeednote",
                            "About 17 m/s (5% of the speed of sound) is the comfortable "
                            "target; above 34 m/s a port is heard");
    note->setWordWrap(true);
    grid->addWidget(note, 4, 0, 1, 3);
    return group;
}

void PortTrimDialog::showEvent(QShowEvent* event) {
    PlacedDialog::showEvent(event);
    refresh();
}

void PortTrimDialog::refresh() {
    if (!isVisible()) {
        return; // shown again by showEvent
    }
    show_trim();
    show_air_speed();
}

void PortTrimDialog::show_trim() {
    const Design& d = m_program.design();
    const LengthUnit unit = m_program.units().length;
    m_design->setText(text_of("Design tuning" + plain_number(d.ftune) + " Hz with ports " +
                              std::string(trim_blanks(length_text(d.portlength, unit))) +
                              std::string(length_suffix(unit)) + " long"));
    const PortTrim trim = port_trim(d, typed_number(m_measured));
    m_trim->setText(text_of(port_trim_text(trim, unit)));
}

void PortTrimDialog::show_air_speed() {
    const Design& d = m_program.design();
    const AirSpeed speed =
        port_air_speed(typed_number(m_sd), typed_number(m_xmax), d.ftune, d.numports, d.portid);
    m_air_speed->setText(text_of(air_speed_text(speed)));
    look::set_text_colour(m_air_speed, look::rgb(air_speed_colour(speed)));
    m_smallest->setText(text_of(smallest_diameter_text(speed, m_program.units().length)));
}

void PortTrimDialog::import_sweep() {
    const platform::FileRequest request{
        platform::FileChoice::open_sweep, "Import sweep", m_folder, {}};
    const QString path = platform::choose_file(this, request);
    if (path.isEmpty()) {
        return;
    }
    m_folder = QFileInfo(path).absolutePath();
    const QString error = read_sweep(path);
    if (!error.isEmpty()) {
        platform::message_box(this, QFileInfo(path).fileName() + " " + error + ".",
                              platform::MsgStyle::ok_information, "Import sweep");
    }
}

QString PortTrimDialog::read_sweep(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "cannot be read: " + file.errorString();
    }
    const QByteArray bytes = file.read(kLargestSweepFile + 1);
    if (bytes.size() > kLargestSweepFile) {
        return "is not an impedance sweep: it is larger than 16 MB";
    }
    SweepReading sweep = parse_sweep(std::string_view(bytes.constData(), bytes.size()));
    if (!sweep.error.empty()) {
        return "is not an impedance sweep: " + text_of(sweep.error);
    }
    const TuningFound tuning = find_tuning(sweep.points);
    if (!tuning.found) {
        return "shows no tuning: " + text_of(tuning.error);
    }
    m_plot->set_sweep(std::move(sweep.points), tuning);
    // To a tenth of a hertz, as the design's tuning is shown.
    m_measured->setText(text_of(number_text(std::round(tuning.minimum.hz * 10) / 10)));
    return {};
}

} // namespace cylindra
