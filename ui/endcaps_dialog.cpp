// SPDX-License-Identifier: GPL-3.0-or-later
#include "endcaps_dialog.h"

#include "diagrams.h"
#include "look.h"
#include "option_group.h"
#include "platform/platform.h"
#include "program.h"
#include "widgets.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cylindra {

namespace {

struct FieldRow {
    int row; // rows share a number when they share a place
    const char* label;
    const char* caption;
    const char* tooltip;
    const char* box;
    const char* initial;
};

const char* const kHeight = "Used to determine height";
const char* const kTipping = "Used to determine tipping clearance";
const char* const kVolume = "Used to determine working volume";

// Grouped with small gaps: cover plate, top endcap, bottom endcap, floor
// plate, gaps. The grille row takes the cover thickness row's place.
constexpr FieldRow kRows[] = {
    {0, "Label16", "Top cover plate diameter (A)", kTipping, "txt_topcoverdia", "600"},
    {1, "Label10", "Top cover plate thickness (B)",
     "Used to determine height and tipping clearance", "txt_topcoverthickness", "19"},
    {1, "Label4", "Height grille protrudes above top endcap", kHeight, "txt_grilleheight", "15"},
    {3, "Label14", "Diameter of top endcap (C)", kTipping, "txt_topendcapdia", "600"},
    {4, "Label11", "Thickness of exposed portion of top endcap (D)", kHeight,
     "txt_topendcapexposedthickness", "19"},
    {5, "Label15", "Total thickness of top endcap (E)", kVolume, "txt_topendcaptotalthickness",
     "38"},
    {7, "Label21", "Total thickness of bottom endcap (F)", kVolume,
     "txt_bottomendcaptotalthickness", "38"},
    {8, "Label19", "Thickness of exposed portion of bottom endcap (G)", kHeight,
     "txt_bottomendcapexposedthickness", "19"},
    {10, "Label22", "Floor plate thickness (H)", "Used to determine height and tipping clearance",
     "txt_floorplatethickness", "19"},
    {11, "Label17", "Floor plate diameter (I)", kTipping, "txt_floorplatedia", "600"},
    {13, "Label3", "Gap between top cover plate and top endcap",
     "Used to determine height, tipping clearance and port clearance", "txt_topgap", "160"},
    {14, "Label20", "Gap between bottom endcap and floorplate",
     "Used to determine height, tipping clearance and driver breathing room", "txt_bottomgap",
     "80"},
};

} // namespace

EndcapsDialog::EndcapsDialog(Program& program, QWidget* parent)
    : PlacedDialog(parent, 0.4, 0.5), m_program(program) {
    setObjectName("frmDimensions");
    setWindowTitle("Endcaps and Plates  ...place mouse over labels for more information");
    build_options();
    build_fields();
}

void EndcapsDialog::build_options() {
    auto* column = new QVBoxLayout(body());
    auto* covers = new QHBoxLayout;
    const char* options[][3] = {
        {"opt_cover", "Top cover plate fitted",
         "Used to determine height, tipping clearance and port exit clearance"},
        {"opt_grille", "Speaker grille used to cover port", kHeight},
        {"opt_nocover", "No cover used on port", kHeight}};
    m_cover_group = new OptionGroup(this);
    for (int i = 0; i < 3; ++i) {
        m_covers[i] = new QRadioButton(options[i][1], this);
        m_covers[i]->setObjectName(options[i][0]);
        m_covers[i]->setToolTip(options[i][2]);
        covers->addWidget(m_covers[i]);
        m_cover_group->add(m_covers[i], [this, i] { cover_clicked(static_cast<CoverType>(i)); });
    }
    m_cover_group->preset(m_covers[0]);
    column->addLayout(covers);
    // The unit stays in sight whichever rows the cover leaves shown.
    column->addWidget(make_label(this, "lbl_sizes", "All sizes in mm"));
}

void EndcapsDialog::build_fields() {
    auto* row = new QHBoxLayout;
    auto* grid = new QGridLayout;
    grid->setVerticalSpacing(4);
    for (const FieldRow& r : kRows) {
        auto* box = make_box(this, r.box, r.initial, true);
        grid->addWidget(caption_of(make_label(this, r.label, r.caption, r.tooltip), box), r.row, 0);
        grid->addWidget(box, r.row, 1);
    }
    for (const int gap : {2, 6, 9, 12}) {
        grid->setRowMinimumHeight(gap, 8);
    }
    findChild<QLabel*>("Label4")->hide();
    findChild<QLineEdit*>("txt_grilleheight")->hide();
    m_flush = new QCheckBox("Driver is flush mounted", this);
    m_flush->setObjectName("Chk_flushmount");
    m_flush->setToolTip("Flush mounted driver - Used to determine port intake clearance, driver "
                        "breathing room and working volume - driver moved up by 20mm");
    m_flush->setChecked(true);
    connect(m_flush, &QCheckBox::clicked, this, &EndcapsDialog::flush_clicked);
    grid->addWidget(m_flush, 15, 0, 1, 2);
    row->addLayout(grid);
    m_with_cover = new PartsDrawing(true, this);
    m_with_cover->setObjectName("Picture1");
    m_without_cover = new PartsDrawing(false, this);
    m_without_cover->setObjectName("Picture2");
    m_without_cover->hide();
    auto* pictures = new QGridLayout;
    pictures->addWidget(m_with_cover, 0, 0);
    pictures->addWidget(m_without_cover, 0, 0);
    row->addLayout(pictures, 1);
    auto* column = static_cast<QVBoxLayout*>(body()->layout());
    column->addLayout(row);
    const auto [buttons, ok] = make_print_ok(this, "Command2", "Command1", "&OK");
    use_as_ok(ok);
    column->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] {
        m_program.calculate_all();
        accept();
    });
}

void EndcapsDialog::select_cover(CoverType cover) {
    m_cover_group->select(m_covers[static_cast<int>(cover)]);
}

void EndcapsDialog::set_flush_mounted(bool flush) {
    if (m_flush->isChecked() != flush) {
        m_flush->setChecked(flush);
        flush_clicked();
    }
}

void EndcapsDialog::cover_clicked(CoverType cover) {
    m_program.design().covertype = cover;
    m_with_cover->setVisible(cover == CoverType::cover);
    m_without_cover->setVisible(cover != CoverType::cover);
    m_program.drawflares();
}

void EndcapsDialog::flush_clicked() {
    m_program.design().drivermounting =
        m_flush->isChecked() ? DriverMounting::flushmounted : DriverMounting::surfacemounted;
    m_program.drawflares();
}

void EndcapsDialog::show_cover_rows(CoverType cover) {
    const bool plate = cover == CoverType::cover, grille = cover == CoverType::grille;
    const std::pair<const char*, bool> rows[] = {
        {"Label3", plate},  {"txt_topgap", plate},
        {"Label4", grille}, {"txt_grilleheight", grille},
        {"Label16", plate}, {"txt_topcoverdia", plate},
        {"Label10", plate}, {"txt_topcoverthickness", plate}};
    for (const auto& [name, shown] : rows) {
        findChild<QWidget*>(name)->setVisible(shown);
    }
}

} // namespace cylindra
