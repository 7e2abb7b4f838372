// SPDX-License-Identifier: GPL-3.0-or-later
#include "about_dialog.h"

#include "app_icon.h"
#include "build_info.h"
#include "diagrams.h"
#include "look.h"
#include "platform/platform.h"
#include "program.h"
#include "widgets.h"

#include "core/calculation.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QUrl>
#include <QVBoxLayout>

namespace cylindra {

namespace {

constexpr QRgb kLinkBlue = 0x0000C0;

QString browse_tip(const QString& link) {
    return "Click link to launch your browser and go to " + link;
}

} // namespace

QString AboutDialog::page_link() {
    return QStringLiteral(CYLINDRA_HOMEPAGE "/cylindra.htm");
}

QString AboutDialog::site_link() {
    return QStringLiteral(CYLINDRA_HOMEPAGE);
}

QString AboutDialog::mail_link() {
    return QStringLiteral("mailto:" CYLINDRA_FEEDBACK_ADDRESS
                          "?Subject=Feedback%20from%20Cylindra%20v" CYLINDRA_VERSION);
}

AboutDialog::AboutDialog(Program& program, QWidget* parent)
    : PlacedDialog(parent, 0.25, 0.5), m_program(program) {
    setObjectName("frmAbout");
    setWindowTitle("About Cylindra");
    auto* grid = new QGridLayout(body());
    build_pictures(grid);
    build_texts(grid);
    auto* buttons = new QHBoxLayout;
    auto* info = make_button(this, "cmdSysInfo", "&System Info...");
    auto* ok = new QPushButton("OK", this);
    ok->setObjectName("cmdOK");
    use_as_ok(ok);
    buttons->addStretch();
    buttons->addWidget(info);
    buttons->addWidget(ok);
    grid->addLayout(buttons, 10, 1);
    connect(info, &QPushButton::clicked, this, &AboutDialog::show_system_info);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

// The program's icon, and the section of the start-up design below it.
void AboutDialog::build_pictures(QGridLayout* grid) {
    auto* icon = new QLabel(this);
    icon->setObjectName("Picture1");
    icon->setPixmap(app_icon_pixmap(64));
    grid->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    auto* section = new EnclosureDiagram(this);
    section->setObjectName("Picture2");
    section->setFixedSize(section->minimumSizeHint() * 0.6);
    section->set_design(Design{}, {4.5, 150, 318, 15});
    grid->addWidget(section, 3, 0, 8, 1, Qt::AlignTop);
}

void AboutDialog::build_texts(QGridLayout* grid) {
    auto* title = make_label(this, "Label1", "Cylindra version " CYLINDRA_VERSION);
    look::set_bold(title, true);
    look::set_text_colour(title, look::rgb(colour::ruleblue));
    auto* licence = make_label(this, "Label4",
                               "Cylindra is free software: share it and change it under the GNU "
                               "General Public License, version 3 or later.");
    licence->setWordWrap(true);
    QWidget* rows[] = {
        title,
        make_label(this, "Label10", "Free software by"),
        make_label(this, "Label6", "the Cylindra developers"),
        make_label(this, "Label2", "To check for updates:"),
        add_link("Label9", "access the Cylindra page", browse_tip(page_link()), page_link()),
        make_label(this, "Label7", "If you have any feedback, you are most welcome to:"),
        add_link("Label8", "send me an email", "Click to email " CYLINDRA_FEEDBACK_ADDRESS,
                 mail_link()),
        add_link("Label5", "visit my website", browse_tip(site_link()), site_link()),
        make_label(this, "Label3", "and to see my  subwoofer construction pages"),
        licence};
    for (int r = 0; r < int(std::size(rows)); ++r) {
        grid->addWidget(rows[r], r, 1);
    }
}

// A link is a label the keyboard can reach: Tab stops on it, Enter opens it.
QLabel* AboutDialog::add_link(const char* name, const QString& text, const QString& tooltip,
                              const QString& link) {
    auto* label = make_label(this, name, QString("<a href=\"%1\">%2</a>").arg(link, text), tooltip);
    label->setTextFormat(Qt::RichText);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    label->setFocusPolicy(Qt::StrongFocus);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Link, QColor(kLinkBlue));
    label->setPalette(palette);
    label->setAccessibleName(text);
    connect(label, &QLabel::linkActivated, this,
            [](const QString& target) { platform::open_link(QUrl(target)); });
    return label;
}

#ifdef Q_OS_WIN
} // namespace cylindra

#include <QFileInfo>
#include <QProcess>

namespace cylindra {

namespace {

// The System Information program, where the registry names it.
QString registered_system_info() {
    const QSettings tools(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools\MSINFO)",
                          QSettings::NativeFormat);
    const QString path = tools.value("PATH").toString();
    if (!path.isEmpty()) {
        return path;
    }
    const QSettings location(R"(HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Shared Tools Location)",
                             QSettings::NativeFormat);
    const QString folder = location.value("MSINFO").toString();
    const QString program = folder + "/MSINFO32.EXE";
    return !folder.isEmpty() && QFileInfo::exists(program) ? program : QString();
}

} // namespace

void AboutDialog::show_system_info() {
    const QString program = registered_system_info();
    if (program.isEmpty() || !QProcess::startDetached(program)) {
        platform::message_box(this, "System Information Is Unavailable At This Time");
    }
}
#else
// Without a System Information program of the system's own, the program
// shows its own: the facts a bug report needs, ready to copy.
void AboutDialog::show_system_info() {
    QDialog window(this);
    window.setObjectName("frmSystemInfo");
    window.setWindowTitle("System Information");
    auto* column = new QVBoxLayout(&window);
    auto* text = new QPlainTextEdit(
        system_information(QString::fromStdString(m_program.design().projectfolder)), &window);
    text->setObjectName("txt_systeminfo");
    text->setReadOnly(true);
    text->setMinimumSize(text->fontMetrics().horizontalAdvance(QString(60, 'x')),
                         text->fontMetrics().height() * 14);
    column->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    auto* copy = buttons->addButton("&Copy", QDialogButtonBox::ActionRole);
    copy->setObjectName("cmdCopy");
    connect(copy, &QPushButton::clicked, &window,
            [text] { QGuiApplication::clipboard()->setText(text->toPlainText()); });
    connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    column->addWidget(buttons);
    platform::show_modal(&window);
}
#endif

QString system_information(const QString& project_folder) {
    QStringList lines;
    lines << "Cylindra version " CYLINDRA_VERSION << QString("Qt version %1").arg(qVersion())
          << "Operating system: " + QSysInfo::prettyProductName()
          << "Kernel: " + QSysInfo::kernelType() + " " + QSysInfo::kernelVersion()
          << "Platform plugin: " + QGuiApplication::platformName();
    const auto screens = QGuiApplication::screens();
    for (int i = 0; i < screens.size(); ++i) {
        const QScreen* s = screens[i];
        lines << QString("Screen %1 (%2): %3 x %4, scale %5, %6 dpi logical, %7 dpi physical")
                     .arg(i + 1)
                     .arg(s->name())
                     .arg(s->size().width())
                     .arg(s->size().height())
                     .arg(s->devicePixelRatio())
                     .arg(qRound(s->logicalDotsPerInch()))
                     .arg(qRound(s->physicalDotsPerInch()));
    }
    lines << "Locale: " + QLocale::system().name()
          << "Configuration folder: " +
                 QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)
          << "Project folder: " + project_folder;
    return lines.join('\n');
}

} // namespace cylindra
