// SPDX-License-Identifier: GPL-3.0-or-later
#include "option_group.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>

namespace cylindra {

OptionGroup::OptionGroup(QObject* parent) : QObject(parent), m_group(new QButtonGroup(this)) {}

void OptionGroup::add(QRadioButton* option, std::function<void()> handler) {
    m_group->addButton(option);
    option->installEventFilter(this);
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

// An arrow key chooses the option before or after, in the order the options
// were added (top to bottom, left to right), as a click on it would; the
// focus goes with it. Whether the window has the focus or not does not matter.
bool OptionGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<QKeyEvent*>(event)->key();
    const int step = key == Qt::Key_Down || key == Qt::Key_Right ? 1
                     : key == Qt::Key_Up || key == Qt::Key_Left  ? -1
                                                                 : 0;
    if (step == 0) {
        return false;
    }
    int at = 0;
    while (at < int(m_handlers.size()) && m_handlers[at].first != watched) {
        ++at;
    }
    for (int next = at + step; next >= 0 && next < int(m_handlers.size()); next += step) {
        QRadioButton* option = m_handlers[next].first;
        if (option->isEnabled() && option->isVisibleTo(option->window())) {
            option->setFocus(Qt::TabFocusReason);
            option->click();
            break;
        }
    }
    return true;
}

} // namespace cylindra
