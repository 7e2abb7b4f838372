// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include "core/calculation.h"

#include <QPushButton>
#include <QWidget>

namespace cylindra::look {

namespace {

void set_role(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette p = w->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        p.setColor(group, role, colour);
    }
    w->setPalette(p);
}

} // namespace

void set_text_colour(QWidget* w, const QColor& colour) {
    set_role(w, QPalette::Text, colour);
    set_role(w, QPalette::WindowText, colour);
    set_role(w, QPalette::ButtonText, colour);
}

QColor text_colour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

void set_base_colour(QWidget* w, const QColor& colour) {
    set_role(w, QPalette::Base, colour);
}

void set_bold(QWidget* w, bool bold) {
    QFont f = w->font();
    f.setBold(bold);
    w->setFont(f);
}

void grey_window(QWidget* w) {
    set_role(w, QPalette::Window, rgb(colour::windowgrey));
    set_role(w, QPalette::Button, rgb(colour::windowgrey));
    w->setAutoFillBackground(true);
}

void no_default(QPushButton* b) {
    b->setAutoDefault(false);
    b->setDefault(false);
}

} // namespace cylindra::look
