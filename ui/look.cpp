// SPDX-License-Identifier: GPL-3.0-or-later
#include "look.h"

#include "core/calculation.h"

#include <QPushButton>

#include <QWidget>
#include <span>

namespace cylindra::look {

namespace {

constexpr QPalette::ColorGroup kEveryGroup[] = {QPalette::Active, QPalette::Inactive,
                                                QPalette::Disabled};
constexpr QPalette::ColorGroup kEnabledGroups[] = {QPalette::Active, QPalette::Inactive};

// Sets colour roles in the given colour groups at once. Changing a palette
// makes the widget and its children restyle, so an unchanged one is left
// alone: every calculation sets the colours of a dozen labels again.
void set_roles(QWidget* w, std::initializer_list<QPalette::ColorRole> roles, const QColor& colour,
               std::span<const QPalette::ColorGroup> groups = kEveryGroup) {
    QPalette p = w->palette();
    bool changed = false;
    for (const auto group : groups) {
        for (const auto role : roles) {
            changed = changed || p.color(group, role) != colour;
            p.setColor(group, role, colour);
        }
    }
    if (changed) {
        w->setPalette(p);
    }
}

void set_role(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    set_roles(w, {role}, colour);
}

} // namespace

void set_text_colour(QWidget* w, const QColor& colour) {
    set_roles(w, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}, colour);
}

void set_enabled_text_colour(QWidget* w, const QColor& colour) {
    set_roles(w, {QPalette::Text, QPalette::WindowText, QPalette::ButtonText}, colour,
              kEnabledGroups);
}

void set_base_colour(QWidget* w, const QColor& colour) {
    set_role(w, QPalette::Base, colour);
}

void set_window_colour(QWidget* w, const QColor& colour) {
    set_role(w, QPalette::Window, colour);
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
