// SPDX-License-Identifier: GPL-3.0-or-later
// The program's widget style: Fusion, with the menu bar's overflow arrow
// drawn rather than read from an image. Every menu bar makes that button at
// once, and reading its picture loads the image plugins, a cost paid before
// the window can first appear for a button that is seldom seen.
#pragma once

#include <QProxyStyle>

namespace cylindra {

class ProgramStyle : public QProxyStyle {
  public:
    ProgramStyle();
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes ProgramStyle the application's style.
void use_program_style();

} // namespace cylindra
