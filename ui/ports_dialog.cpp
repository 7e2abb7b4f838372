// SPDX-License-Identifier: GPL-3.0-or-later
#include "ports_dialog.h"

#include "look.h"
#include "option_group.h"
#include "platform/platform.h"
#include "program.h"
#include "widgets.h"

#include "core/calculation.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace cylindra {

namespace {

const char* const kUsedForWeight = "Used to estimate total weight";
const char* const kUsedForTuning = "Used to estimate tuning frequency";

template <class Button>
Button* option(QWidget* parent, const char* name, const char* text, const char* tip) {
    auto* b = new Button(text, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    return b;
}

} // namespace

PortsDialog::PortsDialog(Program& program, QWidget* parent)
    : PlacedDialog(parent, 0.4, 0.5), m_program(program) {
    setObjectName("frmPorts");
    setWindowTitle("Port details");
    m_pvc = option<QRadioButton>(this, "opt_pvcport", "PVC", kUsedForWeight);
    m_sono = option<QRadioButton>(this, "opt_sonoport", "Sonotube", kUsedForWeight);
    m_exit = option<QCheckBox>(this, "Check_exitflared", "Port exit flared",
                               "Used to estimate tuning frequency and fit in top endcap");
    m_intake = option<QCheckBox>(this, "Check_intakeflared", "Port intake flared", kUsedForTuning);
    auto* grid = new QGridLayout(body());
    grid->setHorizontalSpacing(16);
    QWidget* left[] = {m_pvc, m_sono, m_exit, m_intake};
    const char* rows[][4] = {
        {"Label13", "Number of ports",
         "Used to estimate tuning frequency, working volume and total weight", "txt_numports"},
        {"Label12", "Port Wall thickness", "Used to estimate working volume and total weight",
         "txt_portwall"},
        {"Label1", "Radius of exit flare", kUsedForTuning, "txt_exitflareradius"},
        {"Label2", "Radius of intake flare", kUsedForTuning, "txt_intakeflareradius"}};
    const char* initial[] = {"1", "4", "19", "19"};
    for (int r = 0; r < 4; ++r) {
        grid->addWidget(left[r], r, 0);
        auto* box = make_box(this, rows[r][3], initial[r], true);
        grid->addWidget(caption_of(make_label(this, rows[r][0], rows[r][1], rows[r][2]), box), r,
                        1);
        grid->addWidget(box, r, 2);
    }
    for (const auto& [name, text] :
         {std::pair{"Label3", "Total port length on the front screen includes any flares"},
          std::pair{"Label4",
                    "The length to cut the port tube depends on how any flares are implimented"}}) {
        auto* note = make_label(this, name, text);
        look::set_text_colour(note, look::rgb(colour::ruleblue));
        grid->addWidget(note, grid->rowCount(), 0, 1, 3);
    }
    const auto [buttons, ok] = make_print_ok(this, "Command2", "Command1", "&OK");
    use_as_ok(ok);
    grid->addLayout(buttons, grid->rowCount(), 0, 1, 3);
    m_material = new OptionGroup(this);
    m_material->add(m_pvc, [this] { m_program.design().portmaterial = PortMaterial::PVC; });
    m_material->add(m_sono, [this] { m_program.design().portmaterial = PortMaterial::sonotube; });
    m_material->preset(m_sono);
    m_exit->setChecked(true);
    connect(m_exit, &QCheckBox::clicked, this, &PortsDialog::exit_clicked);
    connect(m_intake, &QCheckBox::clicked, this, &PortsDialog::intake_clicked);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    QWidget* order[] = {m_pvc,
                        m_sono,
                        findChild<QLineEdit*>("txt_numports"),
                        findChild<QLineEdit*>("txt_portwall"),
                        m_exit,
                        findChild<QLineEdit*>("txt_exitflareradius"),
                        m_intake,
                        findChild<QLineEdit*>("txt_intakeflareradius"),
                        ok};
    for (std::size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

void PortsDialog::set_exit_flared(bool flared) {
    if (m_exit->isChecked() != flared) {
        m_exit->setChecked(flared);
        exit_clicked();
    }
}

void PortsDialog::set_intake_flared(bool flared) {
    if (m_intake->isChecked() != flared) {
        m_intake->setChecked(flared);
        intake_clicked();
    }
}

void PortsDialog::select_material(PortMaterial material) {
    m_material->select(material == PortMaterial::PVC ? m_pvc : m_sono);
}

// The intake can be flared only while the exit is.
void PortsDialog::exit_clicked() {
    Design& d = m_program.design();
    if (m_exit->isChecked()) {
        d.exitflare = ExitFlare::exitflared;
        m_intake->setEnabled(true);
    } else {
        d.exitflare = ExitFlare::exitunflared;
        d.intakeflare = IntakeFlare::intakeunflared;
        m_intake->setEnabled(false);
        set_intake_flared(false);
    }
    m_program.drawflares();
}

void PortsDialog::intake_clicked() {
    m_program.design().intakeflare =
        m_intake->isChecked() ? IntakeFlare::intakeflared : IntakeFlare::intakeunflared;
    m_program.drawflares();
}

void PortsDialog::show_radius_rows(FlareShape shape) {
    const bool exit = shape != FlareShape::unflared, intake = shape == FlareShape::donut;
    findChild<QLabel*>("Label1")->setVisible(exit);
    findChild<QLineEdit*>("txt_exitflareradius")->setVisible(exit);
    findChild<QLabel*>("Label2")->setVisible(intake);
    findChild<QLineEdit*>("txt_intakeflareradius")->setVisible(intake);
}

} // namespace cylindra
