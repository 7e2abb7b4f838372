// SPDX-License-Identifier: GPL-3.0-or-later
// Starts Cylindra the way main() does, for each test, and answers its
// message boxes and modal dialogs. A message box that no test asked for
// fails the test.
#pragma once

#include "platform/platform.h"
#include "ui/program.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace cylindra::testing {

class ProgramFixture {
  public:
    // Starts as a first run: no preferences file. The per-user folders lie
    // in a temporary home for the whole test process.
    void start();
    // Starts again keeping the preferences file the last run wrote.
    void restart();
    void stop();

    Program& program() { return *m_program; }
    Design& design() { return m_program->design(); }

    // A control by its window's and its own object name.
    template <class T> T* find(const char* window, const char* name) {
        QWidget* w = window_widget(window);
        T* found = w ? w->findChild<T*>(name) : nullptr;
        if (!found) {
            QTest::qFail(qPrintable(QString("no %1 in %2").arg(name, window)), __FILE__, __LINE__);
        }
        return found;
    }
    QLineEdit* box(const char* window, const char* name) { return find<QLineEdit>(window, name); }
    QString text(const char* window, const char* name);
    QColor colour(const char* window, const char* name);

    // Typing as a user does: focus the box, type, then press Enter or Tab.
    void type(QLineEdit* box, const QString& text);
    void enter(QLineEdit* box);
    void leave(QLineEdit* box);
    // Replaces a box's text by typing.
    void retype(QLineEdit* box, const QString& text);

    // The next message box gets this answer; its prompt and title are kept.
    void answer_next_message(int answer) { m_answers.push_back(answer); }
    const QStringList& messages() const { return m_messages; }
    const QStringList& titles() const { return m_titles; }
    // Every message box from now on gets this answer and counts as expected.
    void answer_every_message(int answer) { m_answer_all = answer; }
    // What to do inside the next modal dialog before it is hidden again.
    void inside_next_modal(std::function<void(QDialog*)> action) {
        m_modal_actions.push_back(std::move(action));
    }
    int modal_count() const { return m_modal_count; }
    // The next file chooser returns this path ("" for Cancel); its request is
    // kept.
    void answer_next_file(const QString& path) { m_files.push_back(path); }
    const std::vector<platform::FileRequest>& file_requests() const { return m_file_requests; }
    // The temporary folder the tests keep their projects in.
    QString folder() const;

    // Chooses a unit through the Units menu, as a user does.
    void choose_unit(const char* option, bool litres_checked);

    QStringList unexpected() const { return m_unexpected; }

  private:
    void launch();
    // The fixture's answers to the file chooser, message boxes and modal
    // dialogs.
    QString choose(const platform::FileRequest& request);
    int answer(const platform::MessageRequest& request);
    void run_modal(QDialog* dialog);
    QWidget* window_widget(const char* name);

    std::unique_ptr<Program> m_program;
    std::deque<int> m_answers;
    QStringList m_messages, m_titles, m_unexpected;
    std::deque<std::function<void(QDialog*)>> m_modal_actions;
    int m_modal_count = 0;
    int m_answer_all = 0;
    std::deque<QString> m_files;
    std::vector<platform::FileRequest> m_file_requests;
};

} // namespace cylindra::testing
