// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

namespace cylindra::platform {

namespace {

MessageHandler& message_handler() {
    static MessageHandler handler;
    return handler;
}

ModalHandler& modal_handler() {
    static ModalHandler handler;
    return handler;
}

FileHandler& file_handler() {
    static FileHandler handler;
    return handler;
}

LinkHandler& link_handler() {
    static LinkHandler handler;
    return handler;
}

SavePathHandler& save_path_handler() {
    static SavePathHandler handler;
    return handler;
}

PrintHandler& print_handler() {
    static PrintHandler handler;
    return handler;
}

int real_message_box(QWidget* parent, const MessageRequest& r) {
    QMessageBox box(parent);
    box.setText(r.prompt);
    box.setWindowTitle(r.title.isEmpty() ? QApplication::applicationName() : r.title);
    switch (r.style) {
    case MsgStyle::ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::ok_information:
        box.setIcon(QMessageBox::Information);
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case MsgStyle::yes_no_question:
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case MsgStyle::save_discard_cancel:
        box.setIcon(QMessageBox::Warning);
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes:
        return answer_yes;
    case QMessageBox::No:
        return answer_no;
    case QMessageBox::Save:
        return answer_save;
    case QMessageBox::Discard:
        return answer_discard;
    case QMessageBox::Cancel:
        return answer_cancel;
    default:
        // Escape or the frame's close button: no decision, so nothing is lost.
        return r.style == MsgStyle::save_discard_cancel ? answer_cancel : answer_ok;
    }
}

QString real_file_dialog(QWidget* parent, const FileRequest& r) {
    const bool pdf = r.kind == FileChoice::save_pdf;
    const bool sweep = r.kind == FileChoice::open_sweep;
    const QString filter = pdf ? QObject::tr("PDF files (*.pdf)")
                           : sweep
                               ? QObject::tr("Impedance sweeps (*.txt *.csv *.dat);;All files (*)")
                               : QObject::tr("Cylindra projects (*.cyl)");
    QFileDialog dialog(parent, r.title, r.folder, filter);
    const bool save = r.kind == FileChoice::save_project || pdf;
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // A typed project name need not exist yet: the name rule may add ".cyl"
    // to it, and a missing file is reported by the reader.
    dialog.setFileMode(sweep ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // Saving over a project replaces it, as the program always has; a PDF
    // is replaced only when the user says so.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !pdf);
    if (pdf) {
        dialog.setDefaultSuffix("pdf");
    }
    if (!r.name.isEmpty()) {
        dialog.selectFile(r.name);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

// Draws the window's picture onto the page, as large as fits.
bool paint_window(QWidget* window, QPrinter& printer) {
    const QPixmap picture = window->grab();
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const QRect page = painter.viewport();
    QSize size = picture.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(picture.rect());
    painter.drawPixmap(0, 0, picture);
    return painter.end();
}

QString ask_pdf_path(QWidget* parent) {
    if (save_path_handler()) {
        return save_path_handler()(parent);
    }
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileDialog::getSaveFileName(parent, QObject::tr("Save page as PDF"),
                                        folder + "/" + pdf_file_name(parent),
                                        QObject::tr("PDF files (*.pdf)"));
}

void print_to_pdf(QWidget* window) {
    const QString path = ask_pdf_path(window);
    if (path.isEmpty()) {
        return;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    if (!paint_window(window, printer)) {
        message_box(window, QObject::tr("The page could not be saved as %1").arg(path),
                    MsgStyle::ok_information);
    }
}

} // namespace

QString pdf_file_name(const QWidget* window) {
    // The caption up to its first double blank, where hints begin.
    QString name = window->windowTitle().section("  ", 0, 0).trimmed();
    name.replace(QRegularExpression(R"([/\\:*?"<>|]+)"), "-");
    return (name.isEmpty() ? QString("Cylindra") : name) + ".pdf";
}

int message_box(QWidget* parent, const QString& prompt, MsgStyle style, const QString& title) {
    const MessageRequest request{prompt, title, style};
    if (message_handler()) {
        return message_handler()(request);
    }
    return real_message_box(parent, request);
}

void set_message_handler(MessageHandler handler) {
    message_handler() = std::move(handler);
}

void show_modal(QDialog* dialog) {
    if (modal_handler()) {
        modal_handler()(dialog);
        return;
    }
    dialog->exec();
}

void set_modal_handler(ModalHandler handler) {
    modal_handler() = std::move(handler);
}

QString choose_file(QWidget* parent, const FileRequest& request) {
    if (file_handler()) {
        return file_handler()(request);
    }
    return real_file_dialog(parent, request);
}

void set_file_handler(FileHandler handler) {
    file_handler() = std::move(handler);
}

void open_link(const QUrl& link) {
    if (link_handler()) {
        link_handler()(link);
        return;
    }
    QDesktopServices::openUrl(link); // a failure is not the user's concern here
}

void set_link_handler(LinkHandler handler) {
    link_handler() = std::move(handler);
}

void set_save_path_handler(SavePathHandler handler) {
    save_path_handler() = std::move(handler);
}

namespace {

const QScreen* screen_of(const QWidget* window) {
    return window->screen() ? window->screen() : QApplication::primaryScreen();
}

// What a window manager adds around a window, before the window has one.
constexpr QSize kFrameAllowance(16, 48);

} // namespace

QSize free_size(const QWidget* window) {
    const QScreen* screen = screen_of(window);
    return screen ? screen->availableGeometry().size() - kFrameAllowance : QSize(640, 480);
}

void place_window(QWidget* window, double top_fraction, double left_fraction) {
    const QScreen* screen = screen_of(window);
    if (!screen) {
        return;
    }
    const QRect free = screen->availableGeometry();
    const QSize size = window->size() + kFrameAllowance;
    window->move(free.x() + std::max(0, int((free.width() - size.width()) * left_fraction)),
                 free.y() + std::max(0, int((free.height() - size.height()) * top_fraction)));
}

QScrollArea* content_area(QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    // The focus belongs to the controls; the area follows it to them.
    area->setFocusPolicy(Qt::NoFocus);
    area->setWidget(new QWidget);
    // The content shows the window's own background, not a list's white.
    area->viewport()->setAutoFillBackground(false);
    area->widget()->setAutoFillBackground(false);
    return area;
}

void print_form(QWidget* window) {
    const int answer = message_box(window, "Print this form using current printer settings?",
                                   MsgStyle::yes_no_question, "Would you like me to ...");
    if (answer != answer_yes) {
        return;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const int pdf = message_box(window,
                                    "No printer is installed. Save the page as a PDF file "
                                    "instead?",
                                    MsgStyle::yes_no_question, "Print");
        if (pdf == answer_yes) {
            print_to_pdf(window);
        }
        return;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!paint_window(window, printer)) {
        message_box(window, "The page could not be printed on " + info.printerName(),
                    MsgStyle::ok_information);
    }
}

bool print_pages(QWidget* parent, const QPageLayout& layout, const PagePainter& paint) {
    if (print_handler()) {
        return print_handler()(layout, paint);
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        message_box(parent, "No printer is installed.", MsgStyle::ok_information, "Print");
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageLayout(layout);
    if (!paint(printer)) {
        message_box(parent, "The pages could not be printed on " + info.printerName(),
                    MsgStyle::ok_information);
        return false;
    }
    return true;
}

void set_print_handler(PrintHandler handler) {
    print_handler() = std::move(handler);
}

} // namespace cylindra::platform
