// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows must show, worked out from the design record by the core
// and from what the test itself chose (the unit, the solve mode), never read
// back from the widgets. Events drive the real windows as a user does; check()
// compares every box, caption, result line, check row and driver value with
// the model.
#pragma once

#include "fixture.h"

#include "core/fields.h"

#include <array>
#include <optional>
#include <random>

namespace cylindra::testing {

class DisplayModel {
  public:
    explicit DisplayModel(ProgramFixture& fixture);

    // Performs one random event and says what it was.
    QString random_event(std::mt19937& random, const char* const* texts, std::size_t count);

    // Fails the running test at the first difference, naming the event.
    void check(const QString& after);

    // Single events, also usable on their own.
    void type_main(std::size_t field, const QString& text, int commit);
    void switch_solve_mode();
    void choose_units(LengthUnit unit, bool litres);
    void endcaps_event(std::mt19937& random, const QString& text);
    void ports_event(std::mt19937& random, const QString& text);
    void driver_event(std::mt19937& random, const QString& text);

  private:
    // A box's text as typed, then committed with Enter (0), Tab (1) or a
    // click on another box (2); the record value it must leave.
    void type_into(std::size_t field, const QString& text, int commit);
    void undo_in(std::size_t field, int commit);
    void commit(QLineEdit* box, int how);
    void enter_and_close(QDialog* dialog, std::size_t field, const QString& text, const char* ok);
    void expect_only(std::size_t field);
    void focus(std::size_t field);
    void expect_reading(std::size_t field, const QStringList& edits, bool immediate,
                        const QString& final_text);
    bool solved(std::size_t field) const;
    bool immediate(std::size_t field) const;
    void populated(std::size_t field) { m_typed[field].reset(); }
    void check_boxes(const QString& after);
    void check_results(const QString& after);
    void check_driver(const QString& after);

    ProgramFixture& f;
    DisplayUnits m_units{LengthUnit::inches, true};
    bool m_solve_volume = false;
    std::optional<std::size_t> m_focus; // the main-window box with the focus
    std::array<bool, kFields.size()> m_red{};
    std::array<std::optional<QString>, kFields.size()> m_typed{};
    std::array<std::optional<double>, kFields.size()> m_expected{};
    // The record's values before a typing event, and which may change.
    std::optional<std::array<double, kFields.size()>> m_before;
    std::vector<std::size_t> m_may_change;
};

} // namespace cylindra::testing
