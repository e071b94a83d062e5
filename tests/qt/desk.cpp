#include "desk.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <cctype>

#include "person.h"

namespace vado::qt_test {

ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { check(); });
    timer_.start();
}

void ModalWatchdog::expectMessage(std::function<void()> after) {
    expect([this, after](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << "a dialog opened where a message box was expected";
        messages.push_back({box->windowTitle(), box->text()});
        box->accept();
        if (after) after();
    });
}

void ModalWatchdog::check() {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) {
        waited_ = 0;
        return;
    }
    // A dialog is answered once it is active and has its focus, as a person sees it; on a
    // loaded machine that takes a few ticks.
    if ((!modal->isActiveWindow() || !modal->focusWidget()) && ++waited_ < 100) return;
    waited_ = 0;
    if (!answers_.empty()) {
        auto answer = std::move(answers_.front());
        answers_.pop_front();
        answer(modal);
        return;
    }
    QString text = modal->windowTitle();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) text += ": " + box->text();
    ADD_FAILURE() << "unexpected modal dialog " << text.toStdString();
    if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->done(QDialog::Rejected);
    else
        modal->close();
}

Desk::Desk() {
    module.SubMain();
    window = std::make_unique<ui::qt::MainWindow>(
        std::vector<ui::Form*>(module.FormList.begin(), module.FormList.end()), services);
    window->show();
    window->activateWindow();
    Settle();
}

void Desk::steps(int page, std::initializer_list<std::string> steps) {
    window->clickTab(page);
    ui::Form& form = *module.FormList[page];
    for (const std::string& step : steps) {
        if (step.find('=') != std::string::npos) {
            EXPECT_TRUE(test::Apply(form, step)) << step;
        } else if (auto* button = dynamic_cast<ui::CommandButton*>(form.find(step))) {
            form.clickButton(*button);
        } else {
            ADD_FAILURE() << "no button " << step;
        }
    }
    Settle();
}

void Settle() {
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
}

void SendKey(QWidget* to, int key, const QString& text, Qt::KeyboardModifiers mods) {
    QKeyEvent press(QEvent::KeyPress, key, mods, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, mods, text);
    QApplication::sendEvent(to, &release);
}

void Type(QWidget* to, const std::string& keys) {
    for (char c : keys) {
        const int key = c == '\r' ? Qt::Key_Return : c == '\b' ? Qt::Key_Backspace : Qt::Key_Tab;
        SendKey(to, std::isprint(c) ? QChar(c).toUpper().unicode() : key, QString(QChar(c)));
    }
}

void Mouse(QWidget* on, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers mods) {
    QMouseEvent e(type, QPointF(at), QPointF(on->mapToGlobal(at)), Qt::LeftButton, buttons, mods);
    QApplication::sendEvent(on, &e);
}

void LeftClick(QWidget* on, QPoint at) {
    Mouse(on, QEvent::MouseButtonPress, at, Qt::LeftButton);
    Mouse(on, QEvent::MouseButtonRelease, at, Qt::NoButton);
}

std::function<void(QWidget*)> SaveAs(const QString& path) {
    return [path](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        ASSERT_NE(dialog, nullptr) << "a file dialog";
        dialog->findChild<QLineEdit*>("fileNameEdit")->setText(path);
        QMetaObject::invokeMethod(dialog, "accept");
    };
}

QAction* Action(const QWidget& window, const QString& text) {
    for (QAction* a : window.findChildren<QAction*>())
        if (a->text() == text) return a;
    ADD_FAILURE() << "no command " << text.toStdString();
    return nullptr;
}

}  // namespace vado::qt_test
