// SPDX-License-Identifier: GPL-3.0-or-later
#include "build_sheet_command.h"

#include "main_window.h"
#include "platform/platform.h"
#include "program.h"

#include "sheet/build_sheet.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>

namespace cylindra {

QString build_sheet_file_name(const Design& design) {
    QString name = QString::fromStdString(design.projectname);
    if (name.endsWith(".cyl", Qt::CaseInsensitive)) {
        name.chop(4);
    }
    return (name.isEmpty() ? QString("Cylindra") : name) + ".pdf";
}

bool build_sheet_command(Program& program) {
    MainWindow& main = program.main_window();
    const Design& d = program.design();
    // The paper is chosen with the file, the locale's own paper offered first.
    const Paper usual = default_paper(QLocale());
    int chosen = usual == Paper::letter ? 1 : 0;
    QString path = platform::choose_file(
        &main,
        {platform::FileChoice::save_pdf, "Save Build Sheet",
         QString::fromStdString(d.projectfolder), build_sheet_file_name(d),
         QStringList{"PDF on A4 paper (*.pdf)", "PDF on Letter paper (*.pdf)"}, chosen},
        &chosen);
    if (path.isEmpty()) {
        return false;
    }
    if (QFileInfo(path).suffix().compare("pdf", Qt::CaseInsensitive) != 0) {
        path += ".pdf";
    }
    const SheetDesign sheet{d, program.units(), program.driver_in_use(), program.last_report()};
    const SheetOptions options{chosen == 1 ? Paper::letter : Paper::a4, QDate::currentDate()};
    QString why;
    if (!write_build_sheet(sheet, options, path, &why)) {
        platform::message_box(&main, "Could not save " + QFileInfo(path).fileName() + ": " + why,
                              platform::MsgStyle::ok_information, "Build Sheet");
        return false;
    }
    if (platform::message_box(&main, "Print the build sheet?", platform::MsgStyle::yes_no_question,
                              "Build Sheet") == platform::answer_yes) {
        platform::print_pages(
            &main, sheet_page_layout(options.paper),
            [&](QPagedPaintDevice& device) { return paint_build_sheet(device, sheet, options); });
    }
    return true;
}

} // namespace cylindra
