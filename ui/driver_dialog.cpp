// SPDX-License-Identifier: GPL-3.0-or-later
#include "driver_dialog.h"

#include "look.h"
#include "measurement_field.h"
#include "option_group.h"
#include "platform/platform.h"
#include "program.h"
#include "widgets.h"

#include "core/calculation.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace cylindra {

namespace {

// The value rows, in the order of the generic table's rows.
struct ValueRow {
    DriverQuantity quantity;
    const char* label;
    const char* caption;
    const char* box;
    const char* word; // the quantity in generic label names
};

constexpr ValueRow kValueRows[] = {
    {DriverQuantity::dia, "Label27", "Outside Diameter (mm)", "txt_dia", "dia"},
    {DriverQuantity::vol, "Label23", "Volume occupied (litres)", "txt_vol", "vol"},
    {DriverQuantity::depth, "Label26", "Mounting depth (mm)", "txt_depth", "depth"},
    {DriverQuantity::mass, "Label24", "Weight (kg)", "txt_mass", "mass"},
};

QString generic_name(int nominal, const char* word) {
    return QString("lbl_%1in_%2").arg(nominal).arg(word);
}

constexpr int kFirstValueRow = 3;

} // namespace

DriverDialog::DriverDialog(Program& program, QWidget* parent)
    : PlacedDialog(parent, 0.4, 0.5), m_program(program) {
    setObjectName("frmDrivers");
    setWindowTitle("Driver Selection");
    auto* grid = new QGridLayout(body());
    auto* source = new QGroupBox("Driver source", this);
    source->setObjectName("Frame1");
    look::set_text_colour(source, look::rgb(colour::ruleblue));
    auto* sources = new QHBoxLayout(source);
    m_from_list = new QRadioButton("Select driver from built-in list of common drivers", source);
    m_from_list->setObjectName("Option1");
    m_by_hand = new QRadioButton("Enter driver manually", source);
    m_by_hand->setObjectName("Option2");
    for (QRadioButton* o : {m_from_list, m_by_hand}) {
        look::set_text_colour(o, look::rgb(colour::black));
        sources->addWidget(o);
    }
    grid->addWidget(source, 0, 0, 1, 7);
    m_source_options = new OptionGroup(this);
    m_source_options->add(m_from_list, [this] { list_source_clicked(); });
    m_source_options->add(m_by_hand, [this] { manual_source_clicked(); });
    m_size_options = new OptionGroup(this);
    build_values();
}

void DriverDialog::build_values() {
    auto* grid = static_cast<QGridLayout*>(body()->layout());
    // The generic table's frame lies behind the size options and values.
    auto* generic = new QGroupBox("Generic values to be used when a field equals zero", this);
    generic->setObjectName("Frame2");
    look::set_text_colour(generic, look::rgb(colour::ruleblue));
    grid->addWidget(generic, 1, 2, 6, 5);
    grid->setRowMinimumHeight(1, fontMetrics().height() + 4);
    m_driver_list = new QComboBox(this);
    m_driver_list->setObjectName("Combo1");
    m_driver_list->setPlaceholderText("Combo1");
    grid->addWidget(m_driver_list, 2, 0, 1, 2);
    auto* name = new QHBoxLayout;
    auto* text1 = new QLineEdit("User defined", this);
    name->addWidget(caption_of(make_label(this, "Label1", "Name:"), text1));
    name->addWidget(text1);
    grid->addLayout(name, 2, 0, 1, 2);
    text1->setObjectName("Text1");
    connect(text1, &QLineEdit::textEdited, this,
            [this](const QString& t) { m_program.design().drivername = t.toStdString(); });
    for (std::size_t c = 0; c < kNominalSizes.size(); ++c) {
        const int n = kNominalSizes[c];
        m_sizes[c] = new QRadioButton(n == 8 ? " 8 inch" : QString("%1 inch").arg(n), this);
        m_sizes[c]->setObjectName(QString("opt_%1in").arg(n));
        grid->addWidget(m_sizes[c], 2, 2 + int(c), Qt::AlignCenter);
        m_size_options->add(m_sizes[c], [this, n] { nominal_clicked(n); });
    }
    for (int r = 0; r < 4; ++r) {
        const ValueRow& v = kValueRows[r];
        auto* box = make_box(this, v.box, "0", true);
        grid->addWidget(caption_of(make_label(this, v.label, v.caption), box), kFirstValueRow + r,
                        0);
        grid->addWidget(box, kFirstValueRow + r, 1);
        for (std::size_t c = 0; c < kNominalSizes.size(); ++c) {
            const int n = kNominalSizes[c];
            auto* g = make_label(this, generic_name(n, v.word).toLatin1().constData(),
                                 QString::number(generic_driver(n)->get(v.quantity)));
            g->setAlignment(Qt::AlignCenter);
            look::set_text_colour(g, look::rgb(colour::grey));
            grid->addWidget(g, kFirstValueRow + r, 2 + int(c));
        }
    }
    auto* hint = make_label(this, "Label2",
                            "When entering driver details and one of the values is unknown, set "
                            "it's value to zero. This will cause the generic value to be used "
                            "from the table shown on the RHS of this form");
    hint->setWordWrap(true);
    look::set_text_colour(hint, look::rgb(colour::ruleblue));
    grid->addWidget(hint, 8, 0, 1, 7);
    const auto [buttons, ok] = make_print_ok(this, "Command1", "Command2", "OK");
    use_as_ok(ok);
    grid->addLayout(buttons, 9, 0, 1, 7);
    connect(ok, &QPushButton::clicked, this, &DriverDialog::ok_clicked);
    m_source_options->preset(m_from_list);
    m_size_options->preset(m_sizes[0]);
    enable_manual_controls(false);
}

void DriverDialog::load() {
    // initialise_drivers: the list in name order, each entry carrying its row.
    m_driver_list->clear();
    for (int position = 0; position < kDriverCount; ++position) {
        const int row = *row_at_position(position);
        m_driver_list->addItem(QString::fromUtf8(driver_table()[row].name.data(),
                                                 int(driver_table()[row].name.size())),
                               row);
    }
    m_driver_list->setCurrentIndex(-1);
    connect(m_driver_list, &QComboBox::activated, this, &DriverDialog::list_entry_chosen);
}

void DriverDialog::enable_manual_controls(bool manual) {
    m_driver_list->setVisible(!manual);
    for (const char* name : {"Label1", "Text1", "Label2"}) {
        findChild<QWidget*>(name)->setVisible(manual);
    }
    for (const ValueRow& v : kValueRows) {
        findChild<QLineEdit*>(v.box)->setEnabled(manual);
    }
    for (QRadioButton* size : m_sizes) {
        size->setEnabled(manual);
    }
}

void DriverDialog::select_source(bool manual) {
    m_source_options->select(manual ? m_by_hand : m_from_list);
}

void DriverDialog::list_source_clicked() {
    m_program.design().drivermanual = false;
    enable_manual_controls(false);
    // An index from a stored file outside the list keeps the selection.
    const int position = m_program.design().driverindex;
    if (row_at_position(position)) {
        select_entry(position);
    }
}

void DriverDialog::manual_source_clicked() {
    m_program.design().drivermanual = true;
    enable_manual_controls(true);
    if (m_program.loading_driver()) {
        return; // the values just read from a file stay
    }
    for (const char* name : {"dia", "vol", "depth", "mass"}) {
        MeasurementField& f = m_program.field(name);
        m_program.design().*(f.definition().value) = 0;
        f.populate();
    }
}

void DriverDialog::select_entry(int position) {
    if (!row_at_position(position)) {
        return;
    }
    m_driver_list->setCurrentIndex(position);
    list_entry_chosen(position);
}

void DriverDialog::list_entry_chosen(int position) {
    apply_driver_row(m_program.design(), position);
    select_nominal(m_program.design().drivernominal);
    for (const char* name : {"vol", "depth", "dia", "mass"}) {
        m_program.field(name).populate();
    }
}

void DriverDialog::select_nominal(int nominal) {
    for (std::size_t c = 0; c < kNominalSizes.size(); ++c) {
        if (kNominalSizes[c] == nominal) {
            m_size_options->select(m_sizes[c]);
        }
    }
}

void DriverDialog::nominal_clicked(int nominal) {
    for (const int n : kNominalSizes) {
        for (const ValueRow& v : kValueRows) {
            look::set_text_colour(generic_label(n, v.quantity),
                                  look::rgb(n == nominal ? colour::warnred : colour::grey));
        }
    }
    m_program.design().drivernominal = static_cast<std::int16_t>(nominal);
}

void DriverDialog::set_name(const QString& name) {
    findChild<QLineEdit*>("Text1")->setText(name);
}

QLabel* DriverDialog::generic_label(int nominal, DriverQuantity quantity) const {
    for (const ValueRow& v : kValueRows) {
        if (v.quantity == quantity) {
            return findChild<QLabel*>(generic_name(nominal, v.word));
        }
    }
    return nullptr;
}

QString DriverDialog::generic_caption(int nominal, DriverQuantity quantity) const {
    const QLabel* label = generic_label(nominal, quantity);
    return label ? label->text() : QString();
}

void DriverDialog::populategenerics() {
    for (const ValueRow& v : kValueRows) {
        for (const int n : kNominalSizes) {
            generic_label(n, v.quantity)
                ->setText(QString::fromStdString(generic_value_text(
                    v.quantity, generic_driver(n)->get(v.quantity), m_program.units())));
        }
    }
}

std::optional<int> DriverDialog::selected_row() const {
    if (m_driver_list->currentIndex() < 0) {
        return std::nullopt;
    }
    return m_driver_list->currentData().toInt();
}

bool DriverDialog::list_source() const {
    return m_from_list->isChecked();
}

void DriverDialog::ok_clicked() {
    m_program.resolve_driver_data();
    m_program.calculate_all();
    accept();
}

} // namespace cylindra
