// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: version, credits, the project's pages and feedback address,
// and the system information a bug report needs.
#pragma once

#include "placed_dialog.h"

class QGridLayout;
class QLabel;

namespace cylindra {

class Program;

class AboutDialog : public PlacedDialog {
  public:
    AboutDialog(Program& program, QWidget* parent);

    // The three links, as the labels open them.
    static QString page_link();
    static QString site_link();
    static QString mail_link();

  private:
    void build_pictures(QGridLayout* grid);
    void build_texts(QGridLayout* grid);
    QLabel* add_link(const char* name, const QString& text, const QString& tooltip,
                     const QString& link);
    void show_system_info();

    Program& m_program;
};

// What a bug report needs to know about this machine and this build.
QString system_information(const QString& project_folder);

} // namespace cylindra
