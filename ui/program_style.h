// SPDX-License-Identifier: GPL-3.0-or-later
// The program's widget style: Fusion, with two savings that look the same.
// The menu bar's overflow arrow is drawn rather than read from an image:
// every menu bar makes that button at once, and reading its picture loads
// the image plugins before the window can first appear. And a text box's
// frame is drawn once per size, state and palette and then copied: Fusion
// strokes two smoothed rounded outlines, which made up most of the cost of
// showing a keystroke.
#pragma once

#include <QProxyStyle>

namespace cylindra {

class ProgramStyle : public QProxyStyle {
  public:
    ProgramStyle();
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

// Makes ProgramStyle the application's style.
void use_program_style();

} // namespace cylindra
