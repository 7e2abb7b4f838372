// SPDX-License-Identifier: GPL-3.0-or-later
#include "project_files.h"

#include "main_window.h"
#include "platform/platform.h"
#include "program.h"

#include "io/design_file.h"
#include "io/file_store.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <iostream>

namespace cylindra {

namespace {

QString text_of(const std::string& s) {
    return QString::fromStdString(s);
}

// The folder and file that a chosen path stands for, by the name rule; the
// rule applies to the file's name only, never to the folders above it.
struct ProjectPath {
    QString folder, name;
};

std::optional<ProjectPath> project_path(const QString& chosen) {
    const QFileInfo info(chosen);
    const QString name = project_file_name(info.fileName());
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return ProjectPath{info.absolutePath(), name};
}

} // namespace

QString project_file_name(const QString& name) {
    if (name.isEmpty() || name == ".") {
        return {};
    }
    return name.section('.', 0, 0) + ".cyl";
}

ProjectFiles::ProjectFiles(Program& program) : m_program(program) {}

QString ProjectFiles::preferences_path() const {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/cylindra.ini";
}

void ProjectFiles::load_settings() {
    Design& d = m_program.design();
    d.projectfolder =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    d.prefsfile = preferences_path().toStdString();
    const io::FileBytes file =
        io::read_file_start(text_of(d.prefsfile), io::bytes_needed(io::kPreferenceLines));
    if (file.opened) {
        const io::DesignReading reading = io::read_preferences(file.bytes, d);
        d = reading.design;
        if (reading.outcome != io::ReadOutcome::complete) {
            platform::message_box(&m_program.main_window(),
                                  "A problem occured loading preferences - some settings will "
                                  "remain at default values",
                                  platform::MsgStyle::ok_information, "Load preferences");
        }
    }
    m_program.apply_settings();
}

// A failed write is not the user's business at close-down, but it is left
// on standard error for whoever wonders why a setting did not stick.
void ProjectFiles::save_settings() {
    const Design d = live_design();
    const QString path = text_of(d.prefsfile);
    QDir().mkpath(QFileInfo(path).absolutePath());
    const io::WriteResult result = io::write_file(path, io::preference_bytes(d));
    if (!result.ok) {
        std::cerr << "cylindra: could not save the preferences to " << path.toStdString() << ": "
                  << result.error.toStdString() << '\n';
    }
}

bool ProjectFiles::open_command() {
    if (!confirm_discard()) {
        return false;
    }
    const QString chosen =
        platform::choose_file(&m_program.main_window(), {platform::FileChoice::open_project,
                                                         "Open Project",
                                                         text_of(m_program.design().projectfolder),
                                                         {}});
    return !chosen.isEmpty() && open_chosen(chosen);
}

bool ProjectFiles::open_path(const QString& path) {
    if (!confirm_discard()) {
        return false;
    }
    const QFileInfo info(path);
    return open_file(info.absolutePath(), info.fileName());
}

// A file chosen as it stands opens as it stands; a typed name goes through
// the name rule ("bass" opens bass.cyl).
bool ProjectFiles::open_chosen(const QString& chosen) {
    const QFileInfo as_chosen(chosen);
    if (as_chosen.isFile()) {
        return open_file(as_chosen.absolutePath(), as_chosen.fileName());
    }
    const auto path = project_path(chosen);
    if (!path) {
        platform::message_box(&m_program.main_window(), "Bad file name");
        return false;
    }
    return open_file(path->folder, path->name);
}

bool ProjectFiles::open_file(const QString& folder, const QString& name) {
    const io::ProjectFileReading file =
        io::read_project_file(folder + '/' + name, m_program.design());
    if (!file.opened) {
        // Nothing was read: the window must not claim the file is open.
        platform::message_box(&m_program.main_window(),
                              "A problem occured opening project - all fields remain unchanged",
                              platform::MsgStyle::ok_information, "Open Project");
        m_program.apply_project();
        return false;
    }
    m_program.design() = file.reading.design;
    const bool whole = file.reading.outcome == io::ReadOutcome::complete;
    if (!whole) {
        platform::message_box(&m_program.main_window(),
                              "A problem occured loading project - some values will remain at "
                              "default values",
                              platform::MsgStyle::ok_information, "Load Project");
    }
    m_program.apply_project();
    if (file.reading.applied == 0) {
        return false; // not a project at all: as if it could not be opened
    }
    adopt(folder, name, text_of("Cylindra V" + m_program.design().version + " - "));
    if (!whole) {
        // The design is not the file's: Save asks where, and closing asks first.
        m_current_path.clear();
        m_saved_lines.clear();
    }
    return whole;
}

// The file opened or saved becomes the project: its name and folder, the
// caption (after an open it names the version, after a save it does not,
// as the program always has), and what Save writes without asking.
void ProjectFiles::adopt(const QString& folder, const QString& name, const QString& caption) {
    Design& d = m_program.design();
    d.projectname = name.toStdString();
    d.projectfolder = folder.toStdString();
    m_program.main_window().setWindowTitle(caption + name);
    m_current_path = folder + '/' + name;
    mark_saved();
}

bool ProjectFiles::save_command() {
    if (m_current_path.isEmpty()) {
        return save_as_command();
    }
    const QFileInfo info(m_current_path);
    return save_file(info.absolutePath(), info.fileName());
}

bool ProjectFiles::save_as_command() {
    const Design& d = m_program.design();
    const QString chosen = platform::choose_file(
        &m_program.main_window(), {platform::FileChoice::save_project, "Save Project As ...",
                                   text_of(d.projectfolder), text_of(d.projectname)});
    return !chosen.isEmpty() && save_chosen(chosen);
}

bool ProjectFiles::save_chosen(const QString& chosen) {
    const auto path = project_path(chosen);
    if (!path) {
        return false; // an empty name saves nothing, without a message
    }
    // The name rule can turn a new name into that of another project
    // ("bass.v2" into bass.cyl): replacing that one takes the user's word.
    const QString file = QFileInfo(path->folder + '/' + path->name).absoluteFilePath();
    const bool other = file != QFileInfo(chosen).absoluteFilePath() &&
                       file != QFileInfo(m_current_path).absoluteFilePath();
    if (other && QFileInfo::exists(file) &&
        platform::message_box(
            &m_program.main_window(), path->name + " already exists. Do you want to replace it?",
            platform::MsgStyle::yes_no_question, "Save Project") != platform::answer_yes) {
        return false;
    }
    return save_file(path->folder, path->name);
}

bool ProjectFiles::save_file(const QString& folder, const QString& name) {
    const io::WriteResult result =
        io::write_file(folder + '/' + name, io::project_bytes(live_design()));
    if (!result.ok) {
        platform::message_box(&m_program.main_window(),
                              "Could not save " + name + ": " + result.error,
                              platform::MsgStyle::ok_information, "Save Project");
        return false;
    }
    adopt(folder, name, "Cylindra - ");
    return true;
}

bool ProjectFiles::confirm_discard() {
    if (!has_unsaved_changes()) {
        return true;
    }
    const QString name = text_of(m_program.design().projectname);
    switch (platform::message_box(&m_program.main_window(), "Save changes to " + name + "?",
                                  platform::MsgStyle::save_discard_cancel, "Cylindra")) {
    case platform::answer_save:
        return save_command();
    case platform::answer_discard:
        return true;
    default:
        return false;
    }
}

// The record as the files keep it: the solve mode is the selected option.
Design ProjectFiles::live_design() const {
    Design live = m_program.design();
    live.solvemode =
        m_program.main_window().solving_volume() ? SolveMode::opt_vol : SolveMode::opt_height;
    return live;
}

std::vector<std::string> ProjectFiles::current_lines() const {
    return io::project_lines(live_design());
}

bool ProjectFiles::has_unsaved_changes() const {
    return current_lines() != m_saved_lines;
}

void ProjectFiles::mark_saved() {
    m_saved_lines = current_lines();
}

} // namespace cylindra
