// SPDX-License-Identifier: GPL-3.0-or-later
// The Project menu's Build Sheet command: the design as the main window shows
// it, saved as a PDF build sheet where the user chooses, then printed if the
// user wants it on paper.
#pragma once

#include <QString>

namespace cylindra {

class Program;
struct Design;

// The name the file chooser offers: the project's name with ".pdf".
QString build_sheet_file_name(const Design& design);

// Asks where to save, writes the sheet on the locale's usual paper, says
// why when it could not, and offers to print it. True when it was saved.
bool build_sheet_command(Program& program);

} // namespace cylindra
