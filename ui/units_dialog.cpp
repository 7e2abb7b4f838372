// SPDX-License-Identifier: GPL-3.0-or-later
#include "units_dialog.h"

#include "look.h"
#include "option_group.h"
#include "platform/platform.h"
#include "program.h"
#include "widgets.h"

#include "core/calculation.h"
#include "core/fields.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace cylindra {

namespace {

// Captions that carry the length unit, in every window.
struct UnitCaption {
    Window window;
    const char* label;
    const char* mm;
    const char* cm;
    const char* inches;
};

constexpr UnitCaption kUnitCaptions[] = {
    {Window::main, "Label5", "Height from endcap to endcap (mm)",
     "Height from endcap to endcap (cm)", "Height from endcap to endcap (inches)"},
    {Window::main, "Label6", "Internal diameter of sonotube (mm)",
     "Internal diameter of sonotube (cm)", "Internal diameter of sonotube (inches)"},
    {Window::main, "Label11", "Port Internal diameter (mm)", "Port Internal diameter (cm)",
     "Port Internal diameter (inches)"},
    {Window::main, "Label10", "Port length (mm)", "Port length (cm)", "Port length (inches)"},
    {Window::main, "Label2", "Outside diameter (mm)", "Outside diameter (cm)",
     "Outside diameter (inches)"},
    {Window::main, "Label24", "Mounting Depth (mm)", "Mounting Depth (cm)",
     "Mounting Depth (inches)"},
    {Window::main, "Label18", "Weight (kg)", "Weight (kg)", "Weight (lbs)"},
    {Window::driver, "Label27", "Outside diameter (mm)", "Outside diameter (cm)",
     "Outside diameter (inches)"},
    {Window::driver, "Label26", "Mounting Depth (mm)", "Mounting Depth (cm)",
     "Mounting Depth (inches)"},
    {Window::driver, "Label24", "Weight (kg)", "Weight (kg)", "Weight (lbs)"},
    {Window::ports, "Label12", "Port Wall thickness (mm)", "Port Wall thickness (cm)",
     "Port Wall thickness (inches)"},
    {Window::ports, "Label1", "Radius of exit flare (mm)", "Radius of exit flare (cm)",
     "Radius of exit flare (inches)"},
    {Window::ports, "Label2", "Radius of intake flare (mm)", "Radius of intake flare (cm)",
     "Radius of intake flare (inches)"},
    {Window::endcaps, "lbl_sizes", "All sizes in mm", "All sizes in cm", "All sizes in inches"},
    {Window::endcaps, "Label16", "Top cover plate diameter (A) ... All sizes in mm",
     "Top cover plate diameter (A) ... All sizes in cm",
     "Top cover plate diameter (A) ... All sizes in inches"},
};

// Captions that carry the volume unit.
struct VolumeCaption {
    Window window;
    const char* label;
    const char* litres;
    const char* cubic_feet;
};

constexpr VolumeCaption kVolumeCaptions[] = {
    {Window::main, "lbl_workvol", "Effective Volume (litres)", "Effective Volume (cu.ft)"},
    {Window::main, "Label23", "Volume occupied (litres)", "Volume occupied (cu.ft)"},
    {Window::driver, "Label23", "Volume occupied (litres)", "Volume occupied (cu.ft)"},
};

const char* const kRules[][2] = {
    {"Label3", "Decimal inches are allowed, but without  feet or fractions eg 6.25 or 61.25"},
    {"Label4", "Feet, inches and fractions allowed, but without decimals eg  1/4     3 9\\16     "
               "6' 10 1/2 "},
    {"Label6", "Feet must be immediately followed by the ' symbol. A following space is optional"},
    {"Label15", "Inches and fractions must be separated by a space"},
    {"Label10", "Fractions of an inch must contain a single / or \\ symbol"},
    {"Label8", "\"\\\" is converted to \"/\" and is not allowed at start or end of field"},
    {"Label9", "No spaces allowed in fractional part - allowed elsewhere"},
    {"Label11", "Allowable fractions: 1/2  1/4  1/8  1/16"},
    {"Label7", "Allowable characters 0 thru 9 .  / \\  and space"},
};

} // namespace

UnitsDialog::UnitsDialog(Program& program, QWidget* parent)
    : PlacedDialog(parent, 0.4, 0.5), m_program(program) {
    setObjectName("frmUnits");
    setWindowTitle("Units of measurement");
    auto* column = new QVBoxLayout(body());
    const std::pair<const char*, const char*> options[] = {
        {"Option1", "Metric - mm (default).  example    405"},
        {"Option4", "Metric - cm.  example    40.5"},
        {"Option2", "Imperial - Fractional  - feet, inches and fractions of an inch.  example    "
                    "1' 3 15/16"},
        {"Option3", "Imperial - Decimal inches.  example    15.94"}};
    const LengthUnit units[] = {LengthUnit::metric, LengthUnit::metric_cm, LengthUnit::inches,
                                LengthUnit::decimalinches};
    m_group = new OptionGroup(this);
    for (int i = 0; i < 4; ++i) {
        auto* option = new QRadioButton(options[i].second, this);
        option->setObjectName(options[i].first);
        m_options[static_cast<int>(units[i])] = option;
        column->addWidget(option);
        m_group->add(option, [this, u = units[i]] { unit_clicked(u); });
    }
    m_litres = new QCheckBox("Leave volume in litres rather than converting to cu.ft", this);
    m_litres->setObjectName("chk_litres");
    auto* indent = new QHBoxLayout;
    indent->addSpacing(28);
    indent->addWidget(m_litres);
    column->addLayout(indent);
    connect(m_litres, &QCheckBox::clicked, this, &UnitsDialog::litres_clicked);
    m_rules = new QGroupBox("Rules for entering Imperial Measurements", this);
    m_rules->setObjectName("Frame2");
    auto* rules = new QVBoxLayout(m_rules);
    for (const auto& rule : kRules) {
        rules->addWidget(make_label(m_rules, rule[0], rule[1]));
    }
    column->addWidget(m_rules);
    auto* ok = make_button(this, "Command1", "&OK");
    use_as_ok(ok);
    column->addWidget(ok, 0, Qt::AlignRight);
    connect(ok, &QPushButton::clicked, this, &UnitsDialog::ok_clicked);
}

void UnitsDialog::load() {
    select_unit(LengthUnit::metric);
}

void UnitsDialog::select_unit(LengthUnit unit) {
    m_group->select(m_options[static_cast<int>(unit)]);
}

void UnitsDialog::set_litres_checked(bool checked) {
    if (m_litres->isChecked() != checked) {
        m_litres->setChecked(checked);
        litres_clicked();
    }
}

void UnitsDialog::unit_clicked(LengthUnit unit) {
    m_program.set_length_unit(unit);
    for (const UnitCaption& c : kUnitCaptions) {
        const char* text = unit == LengthUnit::metric      ? c.mm
                           : unit == LengthUnit::metric_cm ? c.cm
                                                           : c.inches;
        m_program.window_of(c.window)->findChild<QLabel*>(c.label)->setText(text);
    }
    const bool imperial = is_inch_unit(unit);
    set_volume_captions(!imperial || m_litres->isChecked());
    set_rules_look(imperial);
}

void UnitsDialog::litres_clicked() {
    const bool litres = m_litres->isChecked();
    // Metric units always show litres, whatever the box says.
    set_volume_captions(litres || !is_inch_unit(m_program.units().length));
    m_program.design().storedvolumeunit = litres ? VolumeUnit::litres : VolumeUnit::cu_ft;
    m_program.set_litres(litres);
}

void UnitsDialog::set_volume_captions(bool litres) {
    for (const VolumeCaption& c : kVolumeCaptions) {
        m_program.window_of(c.window)->findChild<QLabel*>(c.label)->setText(litres ? c.litres
                                                                                   : c.cubic_feet);
    }
}

void UnitsDialog::set_rules_look(bool imperial) {
    look::set_text_colour(m_rules, look::rgb(imperial ? colour::black : colour::grey));
    for (const auto& rule : kRules) {
        look::set_text_colour(m_rules->findChild<QLabel*>(rule[0]),
                              look::rgb(imperial ? colour::ruleblue : colour::grey));
    }
    m_litres->setVisible(imperial);
}

void UnitsDialog::ok_clicked() {
    m_program.design().storedlengthunit = m_program.units().length;
    accept();
}

} // namespace cylindra
