// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_model.h"

#include "core/calculation.h"
#include "core/field_text.h"
#include "core/number_text.h"
#include "ui/look.h"
#include "ui/main_window.h"
#include "ui/measurement_field.h"
#include "ui/warnings_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QRadioButton>

namespace cylindra::testing {

namespace {

// Row object names of the warnings dialog, in row order.
constexpr const char* kCheckLabels[kCheckRows] = {
    "lbl_driverfit",     "lbl_portfit",    "lbl_portclearance", "lbl_topcoverclearance",
    "lbl_breathingroom", "lbl_portcapfit", "lbl_resonance",     "lbl_drv2topres"};
constexpr const char* kCheckPictures[kCheckRows] = {"Picture1", "Picture2", "Picture3", "Picture4",
                                                    "Picture5", "Picture8", "Picture6", "Picture7"};

constexpr std::pair<DriverQuantity, const char*> kPanel[] = {{DriverQuantity::dia, "dia"},
                                                             {DriverQuantity::vol, "vol"},
                                                             {DriverQuantity::depth, "depth"},
                                                             {DriverQuantity::mass, "mass"}};

QString qtext(const std::string& s) {
    return QString::fromStdString(s);
}

std::size_t index_of(const char* name) {
    return *field_index(name);
}

bool same_pair(const Design& a, const Design& b) {
    for (const double Design::*v :
         {&Design::tubheight, &Design::portlength, &Design::workvol, &Design::ftune}) {
        if (number_text(a.*v) != number_text(b.*v)) {
            return false;
        }
    }
    return true;
}

bool same_image(const QPixmap& a, const QPixmap& b) {
    return a.toImage().convertToFormat(QImage::Format_ARGB32) ==
           b.toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

DisplayModel::DisplayModel(ProgramFixture& fixture) : f(fixture) {}

bool DisplayModel::solved(std::size_t i) const {
    const std::string_view name = kFields[i].name;
    if (m_solve_volume) {
        return name == "workvol" || name == "ftune";
    }
    return name == "tubheight" || name == "portlength";
}

// Boxes that read their text at every keystroke.
bool DisplayModel::immediate(std::size_t i) const {
    const Variant v = kFields[i].variant;
    return v == Variant::E || (v == Variant::A && m_units.length == LengthUnit::metric);
}

// What the record must hold after a box's edits and their commit.
void DisplayModel::expect_reading(std::size_t i, const QStringList& edits, bool was_immediate,
                                  const QString& final_text) {
    const FieldSpec& bound = kFields[i];
    double v = *m_expected[i];
    if (was_immediate) {
        for (const QString& e : edits) {
            v = read_field(bound, e.toStdString(), m_units).value.value_or(v);
        }
    }
    const QString shown = qtext(field_text(bound, *m_expected[i], m_units));
    const bool changed = m_typed[i].has_value() || final_text != shown;
    if (bound.variant == Variant::E || changed) {
        const FieldReading r = read_field(bound, final_text.toStdString(), m_units);
        v = r.value.value_or(v);
        if (!r.error.empty()) {
            m_expected[i] = v;
            m_typed[i] = final_text;
            m_red[i] = true;
            return;
        }
    }
    m_expected[i] = v;
    m_typed[i].reset();
    m_red[i] = false;
}

void DisplayModel::commit(QLineEdit* box, int how) {
    if (how == 0 || box->window() != &f.program().main_window()) {
        QTest::keyClick(box, Qt::Key_Return);
        return;
    }
    if (how == 1) {
        QTest::keyClick(box, Qt::Key_Tab);
    } else {
        // A click on one of the two diameters, whichever is not this box.
        QTest::mouseClick(f.box("Form1", box->objectName() == "Text6" ? "Text11" : "Text6"),
                          Qt::LeftButton);
    }
    m_focus.reset();
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        if (QApplication::focusWidget() == f.program().field(kFields[i].name).box()) {
            m_focus = i;
        }
    }
}

// Focus moving into a main-window box leaves the box that had it: an edited
// box whose text now agrees with its value (shown again after a rejection)
// is read again, which turns it black.
void DisplayModel::focus(std::size_t i) {
    QLineEdit* box = f.program().field(kFields[i].name).box();
    if (box->window() != &f.program().main_window()) {
        return;
    }
    if (m_focus && *m_focus != i && !m_typed[*m_focus]) {
        m_red[*m_focus] = false;
    }
    box->setFocus(Qt::MouseFocusReason);
    m_focus = i;
}

void DisplayModel::type_into(std::size_t i, const QString& text, int how) {
    QLineEdit* box = f.program().field(kFields[i].name).box();
    m_expected[i] = f.design().*kFields[i].value;
    const bool was_immediate = immediate(i);
    focus(i);
    QStringList edits;
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    edits << QString();
    for (const QChar c : text) {
        QTest::keyClicks(box, QString(c));
        edits << box->text();
    }
    const QString typed = box->text();
    commit(box, how);
    expect_reading(i, edits, was_immediate, typed);
}

// Undo restores text without counting as typing: only the commit reads it.
void DisplayModel::undo_in(std::size_t i, int how) {
    QLineEdit* box = f.program().field(kFields[i].name).box();
    m_expected[i] = f.design().*kFields[i].value;
    focus(i);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
    const QString restored = box->text();
    commit(box, how);
    expect_reading(i, {}, false, restored);
}

void DisplayModel::type_main(std::size_t i, const QString& text, int how) {
    type_into(i, text, how);
}

// Enter in a dialog's box presses its OK, unless the text was rejected; the
// dialog is then closed with its OK button as the user would.
void DisplayModel::enter_and_close(QDialog* dialog, std::size_t i, const QString& text,
                                   const char* ok) {
    type_into(i, text, 0);
    const bool rejected = m_typed[i].has_value();
    QVERIFY2(dialog->isHidden() != rejected,
             qPrintable(dialog->objectName() +
                        (rejected ? " closed after a rejected text" : " still open after Enter")));
    if (rejected) {
        dialog->findChild<QAbstractButton*>(ok)->click();
    }
}

// Typing in one box may change that value and the solved pair, nothing else.
void DisplayModel::expect_only(std::size_t i) {
    m_before.emplace();
    for (std::size_t k = 0; k < kFields.size(); ++k) {
        (*m_before)[k] = f.design().*kFields[k].value;
    }
    m_may_change = {i};
    for (std::size_t k = 0; k < kFields.size(); ++k) {
        if (solved(k)) {
            m_may_change.push_back(k);
        }
    }
}

void DisplayModel::switch_solve_mode() {
    m_solve_volume = !m_solve_volume;
    f.find<QRadioButton>("Form1", m_solve_volume ? "Opt_vol" : "Opt_height")->click();
    for (const char* name : {"tubheight", "portlength", "workvol", "ftune"}) {
        const std::size_t i = index_of(name);
        m_red[i] = false;
        if (solved(i)) {
            populated(i);
        }
    }
}

void DisplayModel::choose_units(LengthUnit unit, bool litres) {
    const char* options[] = {"Option1", "Option4", "Option2", "Option3"};
    f.choose_unit(options[int(unit)], litres);
    m_units.length = unit;
    if (is_inch_unit(unit)) {
        m_units.litres = litres;
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        populated(i);
    }
}

void DisplayModel::endcaps_event(std::mt19937& random, const QString& text) {
    f.inside_next_modal([&, text](QDialog* dialog) {
        const char* covers[] = {"opt_cover", "opt_grille", "opt_nocover"};
        dialog->findChild<QAbstractButton*>(covers[random() % 3])->click();
        if (random() % 2) {
            dialog->findChild<QCheckBox*>("Chk_flushmount")->click();
        }
        std::vector<std::size_t> shown;
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            auto* box = f.program().field(kFields[i].name).box();
            if (kFields[i].window == Window::endcaps && !box->isHidden()) {
                shown.push_back(i);
            }
        }
        enter_and_close(dialog, shown[random() % shown.size()], text, "Command1");
    });
    f.program().main_window().open_endcaps();
}

void DisplayModel::ports_event(std::mt19937& random, const QString& text) {
    f.inside_next_modal([&, text](QDialog* dialog) {
        for (const char* name : {"Check_exitflared", "Check_intakeflared"}) {
            auto* check = dialog->findChild<QCheckBox*>(name);
            if (check->isEnabled() && random() % 2) {
                check->click();
            }
        }
        dialog->findChild<QAbstractButton*>(random() % 2 ? "opt_pvcport" : "opt_sonoport")->click();
        std::vector<std::size_t> shown;
        for (std::size_t i = 0; i < kFields.size(); ++i) {
            auto* box = f.program().field(kFields[i].name).box();
            if (kFields[i].window == Window::ports && !box->isHidden()) {
                shown.push_back(i);
            }
        }
        enter_and_close(dialog, shown[random() % shown.size()], text, "Command1");
    });
    f.program().main_window().open_ports();
}

void DisplayModel::driver_event(std::mt19937& random, const QString& text) {
    f.inside_next_modal([&, text](QDialog* dialog) {
        const bool manual = random() % 2;
        auto* source = dialog->findChild<QRadioButton*>(manual ? "Option2" : "Option1");
        if (!source->isChecked()) {
            source->click();
            for (const char* name : {"dia", "vol", "depth", "mass"}) {
                populated(index_of(name));
            }
        }
        if (!manual) {
            auto* combo = dialog->findChild<QComboBox*>("Combo1");
            const Qt::Key keys[] = {Qt::Key_Down, Qt::Key_Up, Qt::Key_Home, Qt::Key_End};
            QTest::keyClick(combo, keys[random() % 4]);
            for (const char* name : {"dia", "vol", "depth", "mass"}) {
                populated(index_of(name));
            }
        } else {
            const char* sizes[] = {"opt_8in", "opt_10in", "opt_12in", "opt_15in", "opt_18in"};
            dialog->findChild<QAbstractButton*>(sizes[random() % 5])->click();
            auto* name = dialog->findChild<QLineEdit*>("Text1");
            name->selectAll();
            QTest::keyClicks(name, QString("Driver %1").arg(random() % 100));
            const char* boxes[] = {"dia", "vol", "depth", "mass"};
            enter_and_close(dialog, index_of(boxes[random() % 4]), text, "Command2");
            return;
        }
        dialog->findChild<QAbstractButton*>("Command2")->click();
    });
    if (random() % 4) {
        f.program().main_window().open_driver();
    } else {
        QTest::mouseDClick(f.find<QGroupBox>("Form1", "Frame6"), Qt::LeftButton);
    }
}

QString DisplayModel::random_event(std::mt19937& random, const char* const* texts,
                                   std::size_t count) {
    const QString text = texts[random() % count];
    const int kind = int(random() % 20);
    if (kind < 9) {
        // One of the four inputs of the main window in this solve mode.
        const char* inputs[] = {"tubid", "portid", m_solve_volume ? "tubheight" : "workvol",
                                m_solve_volume ? "portlength" : "ftune"};
        const char* name = inputs[random() % 4];
        const int how = int(random() % 3);
        expect_only(index_of(name));
        type_into(index_of(name), text, how);
        return QString("type '%1' into %2, commit %3").arg(text, name).arg(how);
    }
    if (kind < 11) {
        const char* name = random() % 2 ? "tubid" : "portid";
        const int how = int(random() % 3);
        expect_only(index_of(name));
        undo_in(index_of(name), how);
        return QString("undo in %1, commit %2").arg(name).arg(how);
    }
    if (kind < 13) {
        const auto unit = LengthUnit(random() % 4);
        const bool litres = random() % 2;
        choose_units(unit, litres);
        return QString("units %1, litres %2").arg(int(unit)).arg(litres);
    }
    if (kind < 14) {
        switch_solve_mode();
        return "switch solve mode";
    }
    if (kind < 16) {
        endcaps_event(random, text);
        return QString("endcaps with '%1'").arg(text);
    }
    if (kind < 18) {
        ports_event(random, text);
        return QString("ports with '%1'").arg(text);
    }
    driver_event(random, text);
    return QString("driver with '%1'").arg(text);
}

void DisplayModel::check(const QString& after) {
    check_boxes(after);
    check_results(after);
    check_driver(after);
}

void DisplayModel::check_boxes(const QString& after) {
    if (m_before) {
        for (std::size_t k = 0; k < kFields.size(); ++k) {
            const bool may =
                std::find(m_may_change.begin(), m_may_change.end(), k) != m_may_change.end();
            const double now = f.design().*kFields[k].value;
            QVERIFY2(may || number_text(now) == number_text((*m_before)[k]),
                     qPrintable(after + ": " + qtext(std::string(kFields[k].name)) +
                                " changed unasked"));
        }
        m_before.reset();
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const FieldSpec& bound = kFields[i];
        QLineEdit* box = f.program().field(bound.name).box();
        const double value = f.design().*bound.value;
        if (m_expected[i]) {
            QVERIFY2(number_text(value) == number_text(*m_expected[i]),
                     qPrintable(after + ": " + qtext(std::string(bound.name)) + " holds " +
                                qtext(number_text(value)) + ", not " +
                                qtext(number_text(*m_expected[i]))));
            m_expected[i].reset();
        }
        const QString want = m_typed[i] ? *m_typed[i] : qtext(field_text(bound, value, m_units));
        QVERIFY2(box->text() == want, qPrintable(after + ": " + box->objectName() + " shows '" +
                                                 box->text() + "', not '" + want + "'"));
        const std::uint32_t colour = solved(i)  ? colour::ruleblue
                                     : m_red[i] ? colour::red
                                                : colour::black;
        QVERIFY2(box->palette().color(QPalette::Active, QPalette::Text) == look::rgb(colour),
                 qPrintable(after + ": colour of " + box->objectName()));
        if (bound.window == Window::driver && !box->isEnabled()) {
            // A list driver's boxes cannot be typed into, and look it.
            QVERIFY2(box->palette().color(QPalette::Disabled, QPalette::Text) !=
                         look::rgb(colour::black),
                     qPrintable(after + ": disabled look of " + box->objectName()));
        }
        QVERIFY2(box->font().bold() == solved(i),
                 qPrintable(after + ": bold " + box->objectName()));
    }
    QVERIFY2(f.find<QRadioButton>("Form1", "Opt_vol")->isChecked() == m_solve_volume,
             qPrintable(after + ": solve option"));
}

void DisplayModel::check_results(const QString& after) {
    Design d = f.design();
    const DriverResolution driver = resolve_driver_data(d, {});
    for (const auto& [q, name] : kPanel) {
        QVERIFY2(f.program().driver_in_use().get(q) == driver.values.get(q),
                 qPrintable(after + ": driver value in use " + name));
    }
    const Report r = calculate_all(d, driver.values, m_units, f.program().last_report().results);
    const std::pair<const char*, const std::string*> lines[] = {
        {"lbl_netvol", &r.labels.netvol},
        {"lbl_weight", &r.labels.weight},
        {"lbl_totalheight", &r.labels.totalheight},
        {"lbl_sonolength", &r.labels.sonolength},
        {"lbl_port_effectivelength", &r.labels.port_effectivelength},
        {"lbl_tipping", &r.labels.tipping}};
    for (const auto& [name, text] : lines) {
        QVERIFY2(f.text("Form1", name) == qtext(*text),
                 qPrintable(after + ": " + name + " shows '" + f.text("Form1", name) + "', not '" +
                            qtext(*text) + "'"));
    }
    Design solved_again = d;
    r.solved.apply_to(solved_again);
    QVERIFY2(same_pair(solved_again, d), qPrintable(after + ": solved pair not recalculated"));
    QVERIFY2(f.colour("Form1", "lbl_warnings") == look::rgb(r.warnings_colour),
             qPrintable(after + ": lbl_warnings colour"));
    for (int row = 0; row < kCheckRows; ++row) {
        auto* label = f.find<QLabel>("frmWarnings", kCheckLabels[row]);
        const CheckRow& check = r.checks[row];
        QVERIFY2(label->text() == qtext(check.text),
                 qPrintable(after + ": " + label->objectName()));
        QVERIFY2(label->isHidden() == !check.visible, qPrintable(after + ": row visibility"));
        QVERIFY2(label->palette().color(QPalette::WindowText) == look::rgb(check.colour()),
                 qPrintable(after + ": row colour " + label->objectName()));
        if (check.visible &&
            (check.status == CheckStatus::pass || check.status == CheckStatus::fail)) {
            auto* picture = f.find<QLabel>("frmWarnings", kCheckPictures[row]);
            const auto which =
                check.status == CheckStatus::pass ? StatusPicture::yes : StatusPicture::no;
            QVERIFY2(same_image(picture->pixmap(), status_picture(which)),
                     qPrintable(after + ": picture of " + label->objectName()));
        }
    }
}

void DisplayModel::check_driver(const QString& after) {
    const Design& d = f.design();
    const DriverResolution driver = resolve_driver_data(d, {});
    for (const auto& [q, name] : kPanel) {
        auto* label = f.find<QLabel>("Form1", qPrintable(QString("lbl_") + name));
        const bool entered = driver.source[std::size_t(q)] == DriverSource::entered;
        const QString want =
            entered
                ? qtext(field_text(kFields[index_of(name)], driver_field(d, q), m_units))
                : qtext(generic_value_text(q, generic_driver(d.drivernominal)->get(q), m_units));
        QVERIFY2(label->text() == want, qPrintable(after + ": driver panel " + name + " shows '" +
                                                   label->text() + "', not '" + want + "'"));
        QVERIFY2(label->palette().color(QPalette::WindowText) ==
                     look::rgb(entered ? colour::ruleblue : colour::warnred),
                 qPrintable(after + ": driver panel colour " + name));
    }
    for (const int n : kNominalSizes) {
        for (const auto& [q, name] : kPanel) {
            auto* label =
                f.find<QLabel>("frmDrivers", qPrintable(QString("lbl_%1in_%2").arg(n).arg(name)));
            QVERIFY2(label->text() ==
                         qtext(generic_value_text(q, generic_driver(n)->get(q), m_units)),
                     qPrintable(after + ": generic " + label->objectName()));
        }
    }
    const bool inches = is_inch_unit(m_units.length);
    const QString unit = m_units.length == LengthUnit::metric      ? "(mm)"
                         : m_units.length == LengthUnit::metric_cm ? "(cm)"
                                                                   : "(inches)";
    QVERIFY2(f.text("Form1", "Label6").endsWith(unit), qPrintable(after + ": Label6 unit"));
    QVERIFY2(f.text("Form1", "lbl_workvol").endsWith(m_units.cubic_feet() ? "(cu.ft)" : "(litres)"),
             qPrintable(after + ": volume unit"));
    QVERIFY2(f.text("Form1", "Label18") == (inches ? "Weight (lbs)" : "Weight (kg)"),
             qPrintable(after + ": weight unit"));
    auto* frame = f.find<QGroupBox>("Form1", "Frame6");
    QString name = qtext(d.drivername);
    if (!d.drivermanual) {
        const auto row = row_at_position(d.driverindex);
        name = "Driver - " + qtext(std::string(driver_table()[*row].name));
    }
    const QString whole = frame->toolTip().isEmpty() ? frame->title() : frame->toolTip();
    QVERIFY2(whole == name,
             qPrintable(after + ": driver caption '" + whole + "', not '" + name + "'"));
}

} // namespace cylindra::testing
