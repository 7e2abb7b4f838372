// SPDX-License-Identifier: GPL-3.0-or-later
// The Project menu's Build Sheet command with the file chooser and the
// questions answered by the test: a saved design becomes a PDF whose pages
// are the sheet's, printing draws the same pages, a failed save says why.
#include "fixture.h"

#include "io/design_file.h"
#include "sheet/build_sheet.h"
#include "tests/sheet/pdf_file.h"
#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileDialog>
#include <QPageLayout>
#include <QPdfWriter>
#include <QTimer>

using namespace cylindra;
using namespace cylindra::testing;

class BuildSheetTest : public QObject {
    Q_OBJECT
    ProgramFixture f;

    void trigger(const char* action) {
        f.program().main_window().findChild<QAction*>(action)->trigger();
    }
    QString path(const char* name) { return f.folder() + "/" + name; }

    // A metric design saved as bass.cyl and opened through the menu.
    void open_saved_design() {
        Design d;
        d.storedlengthunit = LengthUnit::metric;
        d.numports = 2;
        d.portid = 100;
        QFile file(path("bass.cyl"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray::fromStdString(io::project_bytes(d)));
        file.close();
        f.answer_next_file(path("bass.cyl"));
        trigger("mnu_load");
    }

    SheetDesign shown() {
        return {f.design(), f.program().units(), f.program().driver_in_use(),
                f.program().last_report()};
    }

  private Q_SLOTS:
    void init() { f.start(); }
    void cleanup() {
        platform::set_print_handler({});
        QCOMPARE(f.unexpected(), QStringList());
        f.stop();
    }

    // The toolkit's own chooser: the builder picks Letter whatever the
    // locale, types a name, and the sheet is written on Letter pages.
    void paperIsChosenWithTheFile() {
        open_saved_design();
        platform::set_file_handler({});
        QTimer::singleShot(0, [this] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* chooser = qobject_cast<QFileDialog*>(w);
                    chooser && chooser->isVisible()) {
                    chooser->selectNameFilter("PDF on Letter paper (*.pdf)");
                    chooser->selectFile(path("letter.pdf"));
                    static_cast<QDialog*>(chooser)->accept();
                }
            }
        });
        f.answer_next_message(platform::answer_no);
        trigger("mnu_buildsheet");
        const auto boxes = test::media_boxes(test::file_bytes(path("letter.pdf")));
        QVERIFY(!boxes.empty());
        QCOMPARE(boxes.front(), QSizeF(612, 792));
    }

    void savesThePdfWhereChosenAndAsksToPrint() {
        open_saved_design();
        f.answer_next_file(path("sheet")); // ".pdf" is added
        f.answer_next_message(platform::answer_no);
        trigger("mnu_buildsheet");
        const platform::FileRequest& asked = f.file_requests().back();
        QCOMPARE(asked.kind, platform::FileChoice::save_pdf);
        QCOMPARE(asked.name, QString("bass.pdf"));
        QCOMPARE(asked.folder, f.folder());
        // Both papers are offered, the locale's own selected.
        QCOMPARE(asked.kinds.size(), 2);
        QVERIFY(asked.kinds[0].contains("A4") && asked.kinds[1].contains("Letter"));
        QCOMPARE(asked.kind_selected, default_paper(QLocale()) == Paper::letter ? 1 : 0);
        QCOMPARE(f.messages().back(), QString("Print the build sheet?"));
        const QByteArray pdf = test::file_bytes(path("sheet.pdf"));
        QVERIFY(pdf.startsWith("%PDF-"));
        const Paper paper = default_paper(QLocale());
        QCOMPARE(test::pdf_page_count(pdf), build_sheet_page_count(shown(), paper));
        const QString text = test::page_text(path("sheet.pdf"), 1, 2);
        QVERIFY(text.contains("Build sheet: bass.cyl"));
        QVERIFY(text.contains("Cut list: bass.cyl"));
        // The window's own result lines.
        QVERIFY(text.simplified().contains(f.text("Form1", "lbl_totalheight").simplified()));
    }

    void printsTheSamePagesWhenAskedTo() {
        open_saved_design();
        int printed = 0;
        platform::set_print_handler(
            [&](const QPageLayout& layout, const platform::PagePainter& paint) {
                QBuffer buffer;
                buffer.open(QIODevice::WriteOnly);
                QPdfWriter writer(&buffer);
                writer.setPageLayout(layout);
                const bool ok = paint(writer);
                printed = ok ? test::pdf_page_count(buffer.data()) : -1;
                return ok;
            });
        f.answer_next_file(path("print.pdf"));
        f.answer_next_message(platform::answer_yes);
        trigger("mnu_buildsheet");
        QCOMPARE(printed, build_sheet_page_count(shown(), default_paper(QLocale())));
    }

    void failedSaveSaysWhyAndCancelDoesNothing() {
        f.answer_next_file(path("missing/sheet.pdf"));
        f.answer_next_message(platform::answer_ok);
        trigger("mnu_buildsheet");
        QVERIFY(f.messages().back().startsWith("Could not save sheet.pdf: "));
        QCOMPARE(f.titles().back(), QString("Build Sheet"));
        QVERIFY(!QFile::exists(path("missing/sheet.pdf")));
        const auto messages = f.messages().size();
        f.answer_next_file("");
        trigger("mnu_buildsheet");
        QCOMPARE(f.messages().size(), messages);
        QCOMPARE(f.file_requests().back().name, QString("default.pdf"));
    }
};

QTEST_MAIN(BuildSheetTest)
#include "tst_build_sheet.moc"
