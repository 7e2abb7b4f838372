// SPDX-License-Identifier: GPL-3.0-or-later
#include "warnings_dialog.h"

#include "look.h"
#include "platform/platform.h"
#include "widgets.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace cylindra {

namespace {

constexpr int kIcon = 20;

struct Row {
    const char* label;
    const char* picture;
    const char* design_text;
};

constexpr Row kRows[kCheckRows] = {
    {"lbl_driverfit", "Picture1", "Driver is not too wide to fit into bottom endcap"},
    {"lbl_portfit", "Picture2", "Port is not too long to fit in space available"},
    {"lbl_portclearance", "Picture3",
     "Port intake is too close to rear of driver (xxx mm) - recommended spacing is one port "
     "diameter"},
    {"lbl_topcoverclearance", "Picture4",
     "Top cover is not too close to top endcap - recommended spacing is one port diameter"},
    {"lbl_breathingroom", "Picture5",
     "Floor plate is not too close to bottom endcap - CSA at driver basket should exceed Sd of "
     "driver"},
    {"lbl_portcapfit", "Picture8", "The port / flare combination will fit in the top endcap"},
    {"lbl_resonance", "Picture6", "First Port resonance is xx hz"},
    {"lbl_drv2topres", "Picture7", "Driver to box top resonance is xx hz"},
};

QLabel* picture_label(QWidget* parent, const char* name, const QPixmap& picture) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(kIcon, kIcon);
    label->setPixmap(picture);
    return label;
}

} // namespace

QPixmap status_picture(StatusPicture which) {
    QPixmap pm(kIcon, kIcon);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    switch (which) {
    case StatusPicture::yes:
        p.setPen(QPen(QColor(0, 150, 0), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({{4, 10}, {8, 15}, {16, 4}}));
        break;
    case StatusPicture::no:
        p.setPen(QPen(QColor(210, 0, 0), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(5, 5, 15, 15);
        p.drawLine(15, 5, 5, 15);
        break;
    case StatusPicture::exclaim: {
        QPainterPath triangle;
        triangle.addPolygon(QPolygonF({{10, 1}, {19, 18}, {1, 18}, {10, 1}}));
        p.fillPath(triangle, QColor(250, 200, 0));
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(10, 6, 10, 12);
        p.drawPoint(10, 15);
        break;
    }
    case StatusPicture::info:
        p.setBrush(QColor(0x37, 0x6A, 0xF0));
        p.setPen(Qt::NoPen);
        p.drawEllipse(2, 2, 16, 16);
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(10, 8, 10, 15);
        p.drawPoint(10, 5);
        break;
    }
    return pm;
}

WarningsDialog::WarningsDialog(QWidget* parent) : PlacedDialog(parent, 0.5, 0.5) {
    setObjectName("frmWarnings");
    setWindowTitle("Cylindra: Warnings");
    for (const auto which :
         {StatusPicture::yes, StatusPicture::no, StatusPicture::exclaim, StatusPicture::info}) {
        m_status[static_cast<int>(which)] = status_picture(which);
    }
    auto* grid = new QGridLayout(body());
    grid->setHorizontalSpacing(10);
    for (int r = 0; r < kCheckRows; ++r) {
        const StatusPicture first = r >= lbl_resonance ? StatusPicture::info : StatusPicture::yes;
        m_pictures[r] = picture_label(this, kRows[r].picture, m_status[static_cast<int>(first)]);
        m_rows[r] = make_label(this, kRows[r].label, kRows[r].design_text);
        m_rows[r]->setMinimumWidth(m_rows[r]->fontMetrics().horizontalAdvance(
            QString(kRows[lbl_breathingroom].design_text) + "    "));
        grid->addWidget(m_pictures[r], r, 0);
        grid->addWidget(m_rows[r], r, 1);
    }
    look::set_text_colour(m_rows[lbl_portclearance], look::rgb(colour::red));
    m_exclaim =
        picture_label(this, "pic_exclaim", m_status[static_cast<int>(StatusPicture::exclaim)]);
    grid->addWidget(m_exclaim, lbl_portcapfit, 0);
    m_exclaim->hide();
    auto* note = make_label(this, "Label1",
                            "This resonance is less troublesome in a Cylindra than in a regular "
                            "box due to the smaller reflecting area presented by the top endcap");
    note->setWordWrap(true);
    look::set_text_colour(note, look::rgb(colour::grey));
    grid->addWidget(note, kCheckRows, 1);
    auto* ok = make_button(this, "Command1", "&OK");
    use_as_ok(ok);
    grid->addWidget(ok, kCheckRows + 1, 1, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void WarningsDialog::show_checks(const Report& report) {
    for (int r = 0; r < kCheckRows; ++r) {
        const CheckRow& row = report.checks[r];
        if (m_shown[r] == row) {
            continue;
        }
        m_shown[r] = row;
        m_rows[r]->setText(QString::fromStdString(row.text));
        look::set_text_colour(m_rows[r], look::rgb(row.colour()));
        m_rows[r]->setVisible(row.visible);
        QLabel* picture = m_pictures[r];
        picture->setVisible(row.visible && row.status != CheckStatus::exclaim);
        if (row.status == CheckStatus::pass || row.status == CheckStatus::fail) {
            const auto which =
                row.status == CheckStatus::pass ? StatusPicture::yes : StatusPicture::no;
            picture->setPixmap(m_status[static_cast<int>(which)]);
        }
    }
    m_exclaim->setVisible(report.checks[lbl_portcapfit].status == CheckStatus::exclaim);
}

} // namespace cylindra
