// SPDX-License-Identifier: GPL-3.0-or-later
// The warnings dialog: one row per build check with a tick, a cross or an
// exclamation mark, as the last calculation left them.
#pragma once

#include "core/calculation.h"

#include "placed_dialog.h"

#include <QPixmap>

#include <array>
#include <optional>

class QLabel;

namespace cylindra {

// The status pictures: tick, cross, exclamation mark and the information
// mark of the two resonance rows.
enum class StatusPicture { yes, no, exclaim, info };
QPixmap status_picture(StatusPicture which);

class WarningsDialog : public PlacedDialog {
  public:
    explicit WarningsDialog(QWidget* parent);
    void show_checks(const Report& report);

  private:
    QLabel* m_rows[kCheckRows] = {};
    QLabel* m_pictures[kCheckRows] = {};
    QLabel* m_exclaim = nullptr;
    // The rows as last shown: a calculation rewrites only the rows it
    // changed, which at most keys is none or one.
    std::array<std::optional<CheckRow>, kCheckRows> m_shown;
    QPixmap m_status[4]; // drawn once, indexed by StatusPicture
};

} // namespace cylindra
