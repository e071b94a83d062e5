#include "desk.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMouseEvent>

namespace vado::qt_test {

ModalWatchdog::ModalWatchdog() {
    timer_.setInterval(20);
    connect(&timer_, &QTimer::timeout, this, [this] { check(); });
    timer_.start();
}

void ModalWatchdog::expect(std::function<void(QWidget*)> answer) {
    answers_.push_back(std::move(answer));
}

void ModalWatchdog::expectMessage(std::function<void()> after) {
    expect([this, after](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        ASSERT_NE(box, nullptr) << "a dialog opened where a message box was expected";
        messages.push_back({box->windowTitle(), box->text(), box->icon()});
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

Desk::~Desk() { window.reset(); }

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
        switch (c) {
            case '\r':
                SendKey(to, Qt::Key_Return, "\r");
                break;
            case '\b':
                SendKey(to, Qt::Key_Backspace, "\b");
                break;
            case '\t':
                SendKey(to, Qt::Key_Tab, "\t");
                break;
            default:
                SendKey(to, QChar(c).toUpper().unicode(), QString(QChar(c)));
        }
    }
}

void LeftClick(QWidget* on, QPoint at) {
    const QPointF local(at);
    const QPointF global(on->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(on, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(on, &release);
}

}  // namespace vado::qt_test
