// SPDX-License-Identifier: GPL-3.0-or-later
#include "fixture.h"

#include "platform/platform.h"
#include "ui/main_window.h"
#include "ui/program_style.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "io/file_store.h"

namespace cylindra::testing {

namespace {

// A home of its own for the test process, so that no test reads or writes
// the preferences or projects of the person running it.
const QTemporaryDir& test_home() {
    static QTemporaryDir home;
    static const bool moved = [] {
        qputenv("HOME", home.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toLocal8Bit());
        qputenv("XDG_DOCUMENTS_DIR", (home.path() + "/Documents").toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
        QDir(home.path()).mkpath("projects");
        return true;
    }();
    (void)moved;
    return home;
}

} // namespace

QString ProgramFixture::folder() const {
    return test_home().path() + "/projects";
}

void ProgramFixture::start() {
    test_home();
    const QString prefs =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/cylindra.ini";
    QFile::remove(prefs);
    launch();
}

void ProgramFixture::restart() {
    m_program.reset();
    launch();
}

void ProgramFixture::launch() {
    m_messages.clear();
    m_titles.clear();
    m_unexpected.clear();
    m_modal_count = 0;
    m_file_requests.clear();
    platform::set_file_handler([this](const platform::FileRequest& r) { return choose(r); });
    platform::set_message_handler([this](const platform::MessageRequest& r) { return answer(r); });
    platform::set_modal_handler([this](QDialog* dialog) { run_modal(dialog); });
    if (!dynamic_cast<ProgramStyle*>(QApplication::style())) {
        use_program_style(); // as main() does
    }
    m_program = std::make_unique<Program>();
    m_program->start();
    QWidget* main = &m_program->main_window();
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
}

QString ProgramFixture::choose(const platform::FileRequest& r) {
    m_file_requests.push_back(r);
    if (m_files.empty()) {
        m_unexpected << "file chooser " + r.title;
        return {};
    }
    const QString path = m_files.front();
    m_files.pop_front();
    return path;
}

int ProgramFixture::answer(const platform::MessageRequest& r) {
    m_messages << r.prompt;
    m_titles << r.title;
    if (m_answer_all) {
        return m_answer_all;
    }
    if (m_answers.empty()) {
        m_unexpected << r.prompt;
        return platform::answer_ok;
    }
    const int given = m_answers.front();
    m_answers.pop_front();
    return given;
}

void ProgramFixture::run_modal(QDialog* dialog) {
    ++m_modal_count;
    dialog->show();
    if (m_modal_actions.empty()) {
        m_unexpected << "modal " + dialog->objectName();
    } else {
        const auto action = std::move(m_modal_actions.front());
        m_modal_actions.pop_front();
        action(dialog);
    }
    dialog->hide();
}

void ProgramFixture::stop() {
    m_program.reset();
    m_answers.clear();
    m_answer_all = 0;
    m_modal_actions.clear();
    m_files.clear();
    platform::set_message_handler({});
    platform::set_modal_handler({});
    platform::set_save_path_handler({});
    platform::set_file_handler({});
    io::set_write_hook({});
}

QWidget* ProgramFixture::window_widget(const char* name) {
    const QString n(name);
    if (n == "Form1") {
        return &m_program->main_window();
    }
    return m_program->main_window().findChild<QDialog*>(n);
}

QString ProgramFixture::text(const char* window, const char* name) {
    QWidget* w = find<QWidget>(window, name);
    if (auto* label = qobject_cast<QLabel*>(w)) {
        return label->text();
    }
    if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        return edit->text();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
        return button->text();
    }
    return w ? w->windowTitle() : QString();
}

QColor ProgramFixture::colour(const char* window, const char* name) {
    return find<QWidget>(window, name)->palette().color(QPalette::WindowText);
}

void ProgramFixture::type(QLineEdit* box, const QString& text) {
    QWidget* window = box->window();
    if (!window->isVisible()) {
        window->show();
    }
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(box, text);
}

void ProgramFixture::retype(QLineEdit* box, const QString& text) {
    type(box, {});
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void ProgramFixture::enter(QLineEdit* box) {
    QTest::keyClick(box, Qt::Key_Return);
}

void ProgramFixture::leave(QLineEdit* box) {
    QTest::keyClick(box, Qt::Key_Tab);
}

void ProgramFixture::choose_unit(const char* option, bool litres_checked) {
    inside_next_modal([=](QDialog* units) {
        units->findChild<QAbstractButton*>(option)->click();
        auto* litres = units->findChild<QCheckBox*>("chk_litres");
        if (litres->isVisible() && litres->isChecked() != litres_checked) {
            litres->click();
        }
        units->findChild<QAbstractButton*>("Command1")->click();
    });
    m_program->main_window().open_units();
}

} // namespace cylindra::testing
