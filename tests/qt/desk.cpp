#include "desk.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHash>
#include <QHeaderView>
#include <QKeySequence>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <cctype>
#include <fstream>

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

void Play(const QString& steps, QTableWidget* table) {
    auto at = [table](const QString& cell) {
        const QTableWidgetItem* item =
            table->item(cell.section(',', 0, 0).toInt(), cell.section(',', 1).toInt());
        return table->visualItemRect(item).center();
    };
    const QHash<int, QString> texts = {
        {Qt::Key_Tab, "\t"}, {Qt::Key_Return, "\r"}, {Qt::Key_Escape, "\x1b"}, {Qt::Key_Backspace, "\b"}};
    for (QString step : steps.split(' ', Qt::SkipEmptyParts)) {
        const Qt::KeyboardModifiers mods = step.startsWith("Shift@") ? Qt::ShiftModifier : Qt::NoModifier;
        if (mods) step.remove(0, 5);
        if (step.startsWith('@')) {
            const QStringList ends = step.mid(1).split('-');
            Mouse(table->viewport(), QEvent::MouseButtonPress, at(ends.front()), Qt::LeftButton, mods);
            Mouse(table->viewport(), QEvent::MouseMove, at(ends.back()), Qt::LeftButton, mods);
            Mouse(table->viewport(), QEvent::MouseButtonRelease, at(ends.back()), Qt::NoButton, mods);
        } else if (step.startsWith('^')) {
            QHeaderView* header = table->horizontalHeader();
            const int left = header->sectionViewportPosition(step.mid(1).toInt());
            LeftClick(header->viewport(), QPoint(left + 10, header->height() / 2));
        } else if (step.startsWith('<')) {
            // Ctrl+letter types its control character, as a keyboard does.
            const QKeyCombination key = QKeySequence(step.mid(1, step.size() - 2))[0];
            const bool ctrl = key.keyboardModifiers() & Qt::ControlModifier;
            SendKey(QApplication::focusWidget(), key.key(),
                    ctrl ? QString(QChar(key.key() - '@')) : texts.value(key.key()), key.keyboardModifiers());
        } else {
            Type(QApplication::focusWidget(), step.toStdString());
        }
        Settle();
    }
}

std::vector<QStringList> Cases(const char* file) {
    std::vector<QStringList> cases;
    std::ifstream in(std::string(VADO_QT_TEST_DIR "/data/") + file);
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        cases.push_back(QString::fromStdString(line).split('|'));
        for (QString& field : cases.back()) field = field.trimmed();
    }
    EXPECT_FALSE(cases.empty()) << "no cases in " << file;
    return cases;
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
