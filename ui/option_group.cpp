// SPDX-License-Identifier: GPL-3.0-or-later
#include "option_group.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QSignalBlocker>

namespace cylindra {

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), m_group(new QButtonGroup(this)) {}

void OptionGroup::add(QRadioButton* option, std::function<void()> handler) {
    m_group->addButton(option);
    connect(option, &QRadioButton::toggled, this, [handler](bool selected) {
        if (selected) {
            handler();
        }
    });
    m_handlers.emplace_back(option, std::move(handler));
}

void OptionGroup::preset(QRadioButton* option) {
    const QSignalBlocker quiet(option);
    option->setChecked(true);
}

void OptionGroup::select(QRadioButton* option) {
    if (!option->isChecked()) {
        option->setChecked(true); // runs the handler through toggled
        return;
    }
    for (const auto& [o, handler] : m_handlers) {
        if (o == option) {
            handler();
        }
    }
}

} // namespace cylindra
