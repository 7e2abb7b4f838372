// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets.h"

#include "look.h"
#include "platform/platform.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace cylindra {

QLabel* make_label(QWidget* parent, const char* name, const QString& text, const QString& tooltip) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (!tooltip.isEmpty()) {
        label->setToolTip(tooltip);
    }
    return label;
}

QLineEdit* make_box(QWidget* parent, const char* name, const QString& text, bool centred) {
    auto* box = new QLineEdit(text, parent);
    box->setObjectName(name);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance("00' 00 15/16") + 16);
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
