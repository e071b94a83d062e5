#pragma once

#include <QEvent>
#include <QMessageBox>
#include <QTableWidget>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "app/main_module.h"
#include "ui/qt/form_view.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_services.h"

// Readable failure messages for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace vado::qt_test {

// Fails the running test when a modal dialog opens that the test did not announce, and closes
// it so the test goes on instead of hanging. Announced message boxes are recorded and answered.
class ModalWatchdog : public QObject {
  public:
    struct Message {
        QString title, text;
    };
    ModalWatchdog();
    // The next modal dialog is the test's: `answer` deals with it and must close it.
    void expect(std::function<void(QWidget*)> answer) { answers_.push_back(std::move(answer)); }
    // The next modal dialog is a message box: it is recorded and OK pressed, then `after` runs.
    void expectMessage(std::function<void()> after = {});
    std::vector<Message> messages;
    int pending() const { return static_cast<int>(answers_.size()); }

  private:
    void check();
    QTimer timer_;
    int waited_ = 0;
    std::deque<std::function<void(QWidget*)>> answers_;
};

// The desktop program as it starts: the catalogue with its Qt services and the main window,
// shown and active on the offscreen screen.
struct Desk {
    Desk();
    ui::qt::QtServices services;
    MainModule module{services};
    std::unique_ptr<ui::qt::MainWindow> window;
    ModalWatchdog watchdog;

    // The widget of a control of catalogue page `page`.
    template <class W>
    W* widget(int page, std::string_view name) const {
        return qobject_cast<W*>(window->view(page).widgetNamed(name));
    }
    // Shows `page` and applies the person's steps to it ("txtX=1.5" as vadocalc-cli takes them,
    // "cmdX" a click).
    void steps(int page, std::initializer_list<std::string> steps);
};

void Settle();
void SendKey(QWidget* to, int key, const QString& text = {},
             Qt::KeyboardModifiers mods = Qt::NoModifier);
// Keys as typed on a keyboard: '\r' is Enter, '\b' Backspace, '\t' Tab.
void Type(QWidget* to, const std::string& keys);
void Mouse(QWidget* on, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers mods = Qt::NoModifier);
void LeftClick(QWidget* on, QPoint at);
// A person's steps, parted by blanks: text typed; a key in <> as QKeySequence names it; on
// `table`, "@r,c" a click on the cell in row r, column c as shown ("Shift@r,c" with Shift held,
// "@r,c-r2,c2" a drag to another cell) and "^c" a click on the heading of column c.
void Play(const QString& steps, QTableWidget* table = nullptr);
// The cases of data/`file`: a line each, its fields parted by "|" and trimmed; "#" starts a note.
std::vector<QStringList> Cases(const char* file);
// The answer to a file dialog: `path` typed into its name field, then accepted.
std::function<void(QWidget*)> SaveAs(const QString& path);
QAction* Action(const QWidget& window, const QString& text);

}  // namespace vado::qt_test
