// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping designs: the preferences read at start-up and written at close,
// and the project files opened and saved through the Project menu, a
// dropped file or the command line. Reading a file changes only the design
// record; the program then brings every window into line with it.
#pragma once

#include "core/design.h"

#include <QString>

#include <string>
#include <vector>

namespace cylindra {

class Program;

class ProjectFiles {
  public:
    explicit ProjectFiles(Program& program);

    // The start-up read of the preferences, with every window brought into
    // line afterwards; the close-down write.
    void load_settings();
    void save_settings();

    // Project menu commands. Each returns true when it went through.
    bool open_command();
    bool save_command();
    bool save_as_command();

    // Opens a file named outright (dropped, or given on the command line)
    // after asking about unsaved changes: the file itself, without the name
    // rule that a chosen name goes through.
    bool open_path(const QString& path);
    // The rest of the Open and Save As commands once a name is chosen: the
    // name rule applies to the chosen file's name.
    bool open_chosen(const QString& chosen);
    bool save_chosen(const QString& chosen);

    // Before changes could be lost: asks whether to save them. True to go
    // on, false when the user cancelled (or a save failed).
    bool confirm_discard();
    bool has_unsaved_changes() const;
    // The design as it stands counts as saved.
    void mark_saved();

    QString preferences_path() const;
    // The project file that Save writes without asking; empty until a
    // project has been opened or saved.
    const QString& current_path() const { return m_current_path; }

  private:
    bool open_file(const QString& folder, const QString& name);
    bool save_file(const QString& folder, const QString& name);
    Design live_design() const;
    std::vector<std::string> current_lines() const;
    void adopt(const QString& folder, const QString& name, const QString& caption);

    Program& m_program;
    QString m_current_path;
    std::vector<std::string> m_saved_lines;
};

// The file name a typed or chosen name stands for: the text before its
// first "." with ".cyl" appended; empty for an empty name or ".".
QString project_file_name(const QString& name);

} // namespace cylindra
