// SPDX-License-Identifier: GPL-3.0-or-later
// One group of option buttons. An option's handler runs when it becomes
// selected, by a click or by the program, and not again when the user clicks
// an option that is selected already (which would, for instance, clear a
// driver typed by hand). Arrow keys move within the group only.
#pragma once

#include <QObject>

#include <functional>
#include <vector>

class QButtonGroup;
class QRadioButton;

namespace cylindra {

class OptionGroup : public QObject {
  public:
    explicit OptionGroup(QObject* parent);

    void add(QRadioButton* option, std::function<void()> handler);
    // The state a window is created in: selected, without running a handler.
    void preset(QRadioButton* option);
    // Selection by the program: the handler runs even when the option was
    // selected already, as every program selection applies its option.
    void select(QRadioButton* option);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QButtonGroup* m_group;
    std::vector<std::pair<QRadioButton*, std::function<void()>>> m_handlers;
};

} // namespace cylindra
