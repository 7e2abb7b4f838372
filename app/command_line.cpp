// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "core/startup.h"
#include "io/design_file.h"
#include "io/file_store.h"
#include "sheet/build_sheet.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <iterator>
#include <memory>
#include <optional>
#include <ostream>
#include <string_view>

namespace cylindra {

namespace {

constexpr const char* kUsage =
    "Usage: cylindra [FILE.cyl]\n"
    "       cylindra --report [FILE.cyl] [--units UNIT] [--solve PAIR]\n"
    "       cylindra --sheet FILE.cyl -o OUT.pdf [--paper PAPER] [--units UNIT]\n"
    "\n"
    "Without options, Cylindra opens its window, and the project FILE.cyl in it\n"
    "when one is given.\n"
    "\n"
    "  --report        print the results of the project FILE.cyl, or of the\n"
    "                  start-up design: the six result lines, then the build\n"
    "                  checks, one per line\n"
    "  --sheet         write the build sheet of the project FILE.cyl as a PDF:\n"
    "                  summary, cut list and full-size templates\n"
    "  -o OUT.pdf      the PDF file --sheet writes\n"
    "  --paper PAPER   a4 or letter; default: the usual paper of the locale\n"
    "  --units UNIT    metric (mm), metric-cm, inches (feet, inches and\n"
    "                  fractions) or decimalinches; default: the project's\n"
    "                  own unit, inches without a project\n"
    "  --solve PAIR    height: solve height and port length from volume and\n"
    "                  tuning; volume: solve volume and tuning from height and\n"
    "                  port length; default: the project's own, height without\n"
    "                  a project\n"
    "  --help          show this text\n"
    "\n"
    "The window also takes the toolkit's own options, such as -platform NAME.\n";

Command refuse(std::string why) {
    Command c;
    c.action = CommandAction::bad_arguments;
    c.error = std::move(why);
    return c;
}

void print_report(const Report& report, std::ostream& out) {
    for (const std::string& line : report_lines(report)) {
        out << line << '\n';
    }
}

int report_startup(const Command& command, std::ostream& out) {
    print_report(startup_design(command.unit.value_or(LengthUnit::inches),
                                command.mode.value_or(SolveMode::opt_height))
                     .report,
                 out);
    return 0;
}

// A project read as the Open command reads it. One that cannot be opened
// gives nothing; one read only in part comes back marked so. Both say so on
// the error stream.
struct OpenedProject {
    StartupDesign start;
    bool complete = true;
};

std::optional<OpenedProject> open_project(const Command& command, std::ostream& err) {
    StartupDesign s = startup_design(LengthUnit::inches, SolveMode::opt_height);
    const io::ProjectFileReading file =
        io::read_project_file(QFile::decodeName(command.project.c_str()), s.design);
    if (!file.opened) {
        err << "cylindra: " << command.project
            << ": A problem occured opening project - all fields remain unchanged\n";
        return std::nullopt;
    }
    const bool complete = file.reading.outcome == io::ReadOutcome::complete;
    if (!complete) {
        err << "cylindra: " << command.project
            << ": A problem occured loading project - some values will remain at default "
               "values\n";
    }
    s.design = file.reading.design;
    return OpenedProject{std::move(s), complete};
}

// The project as the Open command leaves it after a first run: a project
// that cannot be opened prints nothing, a partly read one prints the design
// as far as it was read.
int report_project(const Command& command, std::ostream& out, std::ostream& err) {
    std::optional<OpenedProject> opened = open_project(command, err);
    if (!opened) {
        return 1;
    }
    complete_opened(opened->start, command.unit, command.mode);
    print_report(opened->start.report, out);
    return opened->complete ? 0 : 1;
}

// Text and fonts need the toolkit's graphical side, though no window opens:
// without an application of its own the command runs one off screen for as
// long as the command takes, and closes it again so that the toolkit and
// the font library it started release what they hold.
class OffscreenApplication {
  public:
    OffscreenApplication() {
        if (!QCoreApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            m_app = std::make_unique<QGuiApplication>(m_argc, m_argv);
        }
    }

  private:
    int m_argc = 1;
    char m_name[9] = "cylindra";
    char* m_argv[2] = {m_name, nullptr};
    std::unique_ptr<QGuiApplication> m_app; // made after the arguments it refers to
};

// The build sheet of a project as the Open command leaves it. A project read
// only in part makes no sheet: its parts would not be the builder's.
int sheet_project(const Command& command, std::ostream& err) {
    std::optional<OpenedProject> opened = open_project(command, err);
    if (!opened) {
        return 1;
    }
    if (!opened->complete) {
        err << "cylindra: no build sheet written\n";
        return 1;
    }
    StartupDesign& s = opened->start;
    const QFileInfo project(QFile::decodeName(command.project.c_str()));
    const QFileInfo output(QFile::decodeName(command.output.c_str()));
    if (output.exists() && output.canonicalFilePath() == project.canonicalFilePath()) {
        err << "cylindra: " << command.output
            << ": is the project itself; no build sheet written\n";
        return 1;
    }
    // Named after its file, as the window names an opened project.
    s.design.projectname = project.fileName().toStdString();
    complete_opened(s, command.unit, command.mode);
    const OffscreenApplication gui;
    const SheetOptions options{command.paper.value_or(default_paper(QLocale::system())),
                               QDate::currentDate()};
    QString why;
    if (!write_build_sheet({s.design, s.units, s.driver, s.report}, options,
                           QFile::decodeName(command.output.c_str()), &why)) {
        err << "cylindra: " << command.output
            << ": could not write the build sheet: " << why.toStdString() << '\n';
        return 1;
    }
    return 0;
}

} // namespace

namespace {

// The window toolkit's own options that take a value ("-platform offscreen";
// the toolkit also reads them with two dashes). The application object takes
// them out of the arguments before the window starts.
bool toolkit_option_takes_value(std::string_view option) {
    option.remove_prefix(option.starts_with("--") ? 2 : 1);
    static constexpr std::string_view kWithValue[] = {"platform",        "platformpluginpath",
                                                      "platformtheme",   "plugin",
                                                      "qmljsdebugger",   "style",
                                                      "stylesheet",      "session",
                                                      "display",         "geometry",
                                                      "title",           "name",
                                                      "qwindowgeometry", "qwindowtitle",
                                                      "qwindowicon"};
    return std::find(std::begin(kWithValue), std::end(kWithValue), option) != std::end(kWithValue);
}

bool is_toolkit_option(const std::string& a) {
    return (a.size() > 1 && a[0] == '-' && a[1] != '-') ||
           (a.starts_with("--") && toolkit_option_takes_value(a));
}

// Reads the value of --units, --solve, --paper or -o into the command; an
// error text when it is not one the option knows.
std::string read_value(Command& c, const std::string& option, const std::string& v) {
    if (option == "-o" || option == "--output") {
        c.output = v;
    } else if (option == "--paper") {
        c.paper = paper_from_word(v);
        if (!c.paper) {
            return "unknown paper '" + v + "': use a4 or letter";
        }
    } else if (option == "--units") {
        const auto unit = from_word<LengthUnit>(v);
        if (!unit) {
            return "unknown unit '" + v + "': use metric, metric-cm, inches or decimalinches";
        }
        c.unit = *unit;
    } else if (v == "height" || v == "volume") {
        c.mode = v == "height" ? SolveMode::opt_height : SolveMode::opt_vol;
    } else {
        return "unknown solve pair '" + v + "': use height or volume";
    }
    return {};
}

} // namespace

Command parse_command_line(const std::vector<std::string>& args) {
    Command c;
    bool options = true; // until "--": after it every argument is a file
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options || !a.starts_with('-')) {
            if (!c.project.empty()) {
                return refuse("one project at a time: '" + a + "'");
            }
            c.project = a;
        } else if (a == "--") {
            options = false;
        } else if (a == "--help" || a == "-h") {
            c.action = CommandAction::help;
            return c;
        } else if (a == "--report" || a == "--sheet") {
            const auto action = a == "--report" ? CommandAction::report : CommandAction::sheet;
            if (c.action != CommandAction::start_windows && c.action != action) {
                return refuse("--report and --sheet go one at a time");
            }
            c.action = action;
        } else if (a == "--units" || a == "--solve" || a == "--paper" || a == "-o" ||
                   a == "--output") {
            if (i + 1 == args.size()) {
                return refuse(a + " needs a value");
            }
            if (const std::string why = read_value(c, a, args[++i]); !why.empty()) {
                return refuse(why);
            }
        } else if (is_toolkit_option(a)) {
            i += toolkit_option_takes_value(a) && i + 1 < args.size() ? 1 : 0;
        } else {
            return refuse("unknown argument '" + a + "'");
        }
    }
    const bool text = c.action == CommandAction::report || c.action == CommandAction::sheet;
    if ((c.unit || c.mode) && !text) {
        return refuse("--units and --solve go with --report or --sheet");
    }
    if ((c.paper || !c.output.empty()) && c.action != CommandAction::sheet) {
        return refuse("-o and --paper go with --sheet");
    }
    if (c.action == CommandAction::sheet && c.project.empty()) {
        return refuse("--sheet needs a project file");
    }
    if (c.action == CommandAction::sheet && c.output.empty()) {
        return refuse("--sheet needs -o OUT.pdf");
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
        return command.project.empty() ? report_startup(command, out)
                                       : report_project(command, out, err);
    case CommandAction::sheet:
        return sheet_project(command, err);
    case CommandAction::start_windows:
        break;
    }
    return 0;
}

} // namespace cylindra
