// SPDX-License-Identifier: GPL-3.0-or-later
#include "sag_dialog.h"

#include "look.h"
#include "widgets.h"

#include "core/calculation.h"
#include "core/sag.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cylindra {

SagDialog::SagDialog(QWidget* parent) : PlacedDialog(parent, 0.25, 0.5) {
    setObjectName("frmSag");
    setWindowTitle("Sag Calculator");
    auto* grid = new QGridLayout(body());
    const std::pair<const char*, const char*> inputs[] = {
        {"Label7", "Xmax (one-way) in mm"}, {"Label8", "Fs (resonant frequency) in hz"}};
    QLineEdit** boxes[] = {&m_xmax, &m_fs};
    const char* box_names[] = {"pe_xmax", "pe_fs"};
    for (int r = 0; r < 2; ++r) {
        auto* caption = make_label(this, inputs[r].first, inputs[r].second);
        look::set_text_colour(caption, look::rgb(colour::ruleblue));
        look::set_bold(caption, true);
        *boxes[r] = make_box(this, box_names[r], {});
        caption->setBuddy(*boxes[r]);
        grid->addWidget(caption, r, 0);
        grid->addWidget(*boxes[r], r, 1);
        connect(*boxes[r], &QLineEdit::textChanged, this, &SagDialog::findsag);
    }
    m_result = make_label(this, "Label13", {});
    m_result->setAlignment(Qt::AlignCenter);
    m_result->setMinimumHeight(m_result->fontMetrics().height() * 2);
    m_result->setAutoFillBackground(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    look::set_bold(m_result, true);
    look::set_text_colour(m_result, Qt::white);
    grid->addWidget(m_result, 2, 0, 1, 2);
    const std::pair<const char*, const char*> notes[] = {
        {"Label1", "When a driver is mounted horizontally, gravity causes it to sag."},
        {"Label4", "Sag can be calculated as follows: Percentage of Sag = 24849 / ( Xmax * Fs²)"},
        {"Label2", "If the sag is more than 5% of the one-way Xmax, "},
        {"Label3", "the driver is generally considered to be unsuitable for horizontal mounting"}};
    for (const auto& [name, text] : notes) {
        grid->addWidget(make_label(this, name, text), grid->rowCount(), 0, 1, 2);
    }
    auto* done = new QPushButton("&Done", this);
    done->setObjectName("Command1");
    use_as_ok(done);
    grid->addWidget(done, grid->rowCount(), 1, Qt::AlignRight);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    findsag();
}

void SagDialog::findsag() {
    const SagResult r = cylindra::findsag(m_xmax->text().toStdString(), m_fs->text().toStdString());
    if (r.shown) {
        m_sagpercent = r.sagpercent;
    }
    m_result->setText(QString::fromStdString(r.text));
    look::set_window_colour(m_result, look::rgb(r.background));
}

} // namespace cylindra
