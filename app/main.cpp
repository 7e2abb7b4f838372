// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include <iostream>

int main(int argc, char** argv) {
    using namespace cylindra;
    const Command command = parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    if (command.action == CommandAction::start_windows) {
        std::cerr << "cylindra: the windows are not built yet; try --report or --help\n";
        return 2;
    }
    return run_text_command(command, std::cout, std::cerr);
}
