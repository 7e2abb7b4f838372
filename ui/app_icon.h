// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon, drawn: a tube standing on its floor plate with a port
// hanging from the top, the same picture as the installed scalable icon.
#pragma once

#include <QIcon>
#include <QPixmap>

namespace cylindra {

QPixmap app_icon_pixmap(int size);
QIcon app_icon();

} // namespace cylindra
