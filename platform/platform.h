// SPDX-License-Identifier: GPL-3.0-or-later
// The thin layer over the toolkit's services that the windows need: message
// boxes, modal showing, placing windows on the screen and printing a window.
// Tests replace the message box and the modal loop through the hooks below,
// so nothing ever waits for a person.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

class QDialog;
class QPagedPaintDevice;
class QPageLayout;
class QScrollArea;
class QSize;
class QUrl;
class QWidget;

namespace cylindra::platform {

// Message box styles and answers, with the numbers the program has always
// used for them.
// save_discard_cancel is the desktop's question before changes are lost.
enum class MsgStyle { ok = 0, yes_no_question = 36, ok_information = 64, save_discard_cancel };
enum Answer {
    answer_ok = 1,
    answer_cancel = 2,
    answer_yes = 6,
    answer_no = 7,
    answer_save = 10,
    answer_discard = 11
};

struct MessageRequest {
    QString prompt;
    QString title; // empty: the program's default title
    MsgStyle style = MsgStyle::ok;
};

// Shows a message box and returns the answer.
int message_box(QWidget* parent, const QString& prompt, MsgStyle style = MsgStyle::ok,
                const QString& title = {});

// Tests answer message boxes themselves; an empty function restores the real
// box.
using MessageHandler = std::function<int(const MessageRequest&)>;
void set_message_handler(MessageHandler handler);

// Shows a dialog modal: returns once it has been hidden.
void show_modal(QDialog* dialog);
using ModalHandler = std::function<void(QDialog*)>;
void set_modal_handler(ModalHandler handler);

// Places a window at a fraction of the free space of its screen, as
// top = (screen height - window height) * top_fraction, never beyond the
// free space's edges.
void place_window(QWidget* window, double top_fraction, double left_fraction);

// The room a window may take on its screen: the free space (without panels
// and docks) less the window frame.
QSize free_size(const QWidget* window);

// A frameless scroll area for a window's content, with the content widget
// in it: scroll bars show only when the screen is too small for the content.
QScrollArea* content_area(QWidget* parent);

// Asks "Print this form using current printer settings?" and, on Yes, prints
// the window's picture on the default printer without a printer dialog.
// Without a printer it says so and offers to save the page as a PDF.
void print_form(QWidget* window);

// The file chooser for projects (the folder it starts in, the name it
// offers, the "*.cyl" pattern), for PDF files ("*.pdf") and for impedance
// sweeps to import (text exports, any name). Returns the chosen path, empty
// on Cancel.
enum class FileChoice { open_project, save_project, save_pdf, open_sweep };
struct FileRequest {
    FileChoice kind = FileChoice::open_project;
    QString title;
    QString folder;
    QString name;
    // Kinds of file to offer instead of the usual pattern ("PDF on A4
    // paper (*.pdf)", ...), and which of them comes selected.
    QStringList kinds;
    int kind_selected = 0;
};
// `chosen_kind`, when given, receives the index of the kind the user left
// selected (`kind_selected` when a test answers).
QString choose_file(QWidget* parent, const FileRequest& request, int* chosen_kind = nullptr);
using FileHandler = std::function<QString(const FileRequest&)>;
void set_file_handler(FileHandler handler);

// Opens a web or e-mail link with the desktop's own handler; tests see the
// link instead.
void open_link(const QUrl& link);
using LinkHandler = std::function<void(const QUrl&)>;
void set_link_handler(LinkHandler handler);

// The name offered for a window's PDF: its caption, as a file name.
QString pdf_file_name(const QWidget* window);

// Prints pages on the default printer without a printer dialog: `paint`
// draws them on the printer, which takes the page layout given, without
// margins. Without a printer it says so. False when nothing was printed.
using PagePainter = std::function<bool(QPagedPaintDevice&)>;
bool print_pages(QWidget* parent, const QPageLayout& layout, const PagePainter& paint);
// Tests print on a device of their own; an empty function restores the
// printer.
using PrintHandler = std::function<bool(const QPageLayout&, const PagePainter&)>;
void set_print_handler(PrintHandler handler);

// Where the PDF goes when there is no printer; tests answer it themselves.
using SavePathHandler = std::function<QString(QWidget* parent)>;
void set_save_path_handler(SavePathHandler handler);

} // namespace cylindra::platform
