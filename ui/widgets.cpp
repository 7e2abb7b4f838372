// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include "look.h"
#include "platform/platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstring>
#include <vector>

namespace cylindra {

QLabel* make_label(QWidget* parent, const char* name, const QString& text, const QString& tooltip) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (!tooltip.isEmpty()) {
        label->setToolTip(tooltip);
    }
    return label;
}

int text_width(const QWidget* w, const char* text) {
    // Every window measures the same few texts in the same few fonts, and
    // start-up would otherwise lay each out once per box or row.
    struct Measured {
        QFont font;
        const char* text;
        int width;
    };
    static std::vector<Measured> measured;
    for (const Measured& m : measured) {
        if (std::strcmp(m.text, text) == 0 && m.font == w->font()) {
            return m.width;
        }
    }
    measured.push_back({w->font(), text, w->fontMetrics().horizontalAdvance(text)});
    return measured.back().width;
}

QLineEdit* make_box(QWidget* parent, const char* name, const QString& text, bool centred) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFixedWidth(text_width(box, "00' 00 15/16") + 16);
    // Solved boxes lose their frame; the rows must not move when they do.
    box->setFixedHeight(box->sizeHint().height());
    if (centred) {
        box->setAlignment(Qt::AlignCenter);
    }
    return box;
}

QLabel* caption_of(QLabel* caption, QWidget* box) {
    caption->setBuddy(box);
    return caption;
}

QPushButton* make_button(QWidget* parent, const char* name, const QString& text) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    look::no_default(button);
    return button;
}

PrintOkButtons make_print_ok(QWidget* dialog, const char* print_name, const char* ok_name,
                             const QString& ok_text) {
    auto* row = new QHBoxLayout;
    row->setSpacing(row->spacing() + 12); // two buttons, not one
    row->addStretch();
    auto* print = make_button(dialog, print_name, "&Print");
    auto* ok = make_button(dialog, ok_name, ok_text);
    row->addWidget(print);
    row->addWidget(ok);
    QObject::connect(print, &QPushButton::clicked, dialog,
                     [dialog] { platform::print_form(dialog); });
    return {row, ok};
}

} // namespace cylindra
