// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "core/startup.h"

#include <ostream>

namespace cylindra {

namespace {

constexpr const char* kUsage =
    "Usage: cylindra [--report [--units UNIT] [--solve PAIR]]\n"
    "\n"
    "Without options, Cylindra opens its window.\n"
    "\n"
    "  --report        print the results of the start-up design: the six result\n"
    "                  lines, then the build checks, one per line\n"
    "  --units UNIT    metric (mm), metric-cm, inches (feet, inches and\n"
    "                  fractions; the default) or decimalinches\n"
    "  --solve PAIR    height: solve height and port length from volume and\n"
    "                  tuning (the default); volume: solve volume and tuning\n"
    "                  from height and port length\n"
    "  --help          show this text\n"
    "\n"
    "The window also takes the toolkit's own options, such as -platform NAME.\n";

Command refuse(std::string why) {
    Command c;
    c.action = CommandAction::bad_arguments;
    c.error = std::move(why);
    return c;
}

} // namespace

Command parse_command_line(const std::vector<std::string>& args) {
    Command c;
    bool options = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            c.action = CommandAction::help;
            return c;
        }
        if (a.size() > 1 && a[0] == '-' && a[1] != '-') {
            // A window toolkit option such as "-platform offscreen": the
            // application object takes it, with its value if it has one.
            if (i + 1 < args.size() && !args[i + 1].starts_with('-')) {
                ++i;
            }
        } else if (a == "--report") {
            c.action = CommandAction::report;
        } else if (a == "--units" || a == "--solve") {
            if (i + 1 == args.size()) {
                return refuse(a + " needs a value");
            }
            const std::string& v = args[++i];
            options = true;
            if (a == "--units") {
                const auto unit = from_word<LengthUnit>(v);
                if (!unit) {
                    return refuse("unknown unit '" + v +
                                  "': use metric, metric-cm, inches or decimalinches");
                }
                c.unit = *unit;
            } else if (v == "height" || v == "volume") {
                c.mode = v == "height" ? SolveMode::opt_height : SolveMode::opt_vol;
            } else {
                return refuse("unknown solve pair '" + v + "': use height or volume");
            }
        } else {
            return refuse("unknown argument '" + a + "'");
        }
    }
    if (options && c.action != CommandAction::report) {
        return refuse("--units and --solve go with --report");
    }
    return c;
}

int run_text_command(const Command& command, std::ostream& out, std::ostream& err) {
    switch (command.action) {
    case CommandAction::help:
        out << kUsage;
        return 0;
    case CommandAction::bad_arguments:
        err << "cylindra: " << command.error << "\n\n" << kUsage;
        return 2;
    case CommandAction::report:
        for (const std::string& line :
             report_lines(startup_design(command.unit, command.mode).report)) {
            out << line << '\n';
        }
        return 0;
    case CommandAction::start_windows:
        break;
    }
    return 0;
}

} // namespace cylindra
