// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"
#include "ui/app_icon.h"
#include "ui/program.h"
#include "ui/program_style.h"

#include <QApplication>
#include <QStringList>

#include <iostream>

int main(int argc, char** argv) {
    using namespace cylindra;
    const Command command = parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    if (command.action != CommandAction::start_windows) {
        return run_text_command(command, std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cylindra");
    // The desktop entry's name: docks and task bars match the window to it.
    QGuiApplication::setDesktopFileName("org.example.cylindra.Cylindra");
    QApplication::setWindowIcon(app_icon());
    use_program_style();
    Program program;
    program.start();
    // The toolkit has taken its own options out of the arguments by now.
    const QStringList args = QApplication::arguments().mid(1);
    std::vector<std::string> rest;
    for (const QString& a : args) {
        rest.push_back(a.toStdString());
    }
    const Command opened = parse_command_line(rest);
    if (!opened.project.empty()) {
        program.files().open_path(QString::fromStdString(opened.project));
    }
    return QApplication::exec();
}
