#include "ui/qt/qt_services.h"

#include "ui/qt/manual_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <algorithm>

#include "ui/form.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/form_window.h"

namespace ui::qt {

QtServices::QtServices() = default;

QtServices::~QtServices() {
    for (auto& [form, w] : windows_) delete w.data();
    for (auto& w : dropped_) delete w.data();
}

QWidget* QtServices::dialogParent() const {
    if (QWidget* w = QApplication::activeModalWidget()) return w;
    if (QWidget* w = QApplication::activeWindow()) return w;
    return main_;
}

void QtServices::MsgBox(const std::string& text, const std::string& title, MsgIcon icon) {
    if (silenced > 0) return;
    QMessageBox::Icon qicon = QMessageBox::NoIcon;
    switch (icon) {
        case MsgIcon::None:
            break;
        case MsgIcon::Exclamation:
            qicon = QMessageBox::Warning;
            break;
        case MsgIcon::Information:
            qicon = QMessageBox::Information;
            break;
        case MsgIcon::Critical:
            qicon = QMessageBox::Critical;
            break;
    }
    QPointer<QWidget> active = QApplication::activeWindow();
    QMessageBox box(qicon, ToQ(title), ToQ(text), QMessageBox::Ok, dialogParent());
    box.exec();
    // Not every window system hands activation back to the window the box was over, and
    // without it the field the check sent the focus to would not have it.
    if (active && QApplication::activeWindow() != active) active->activateWindow();
}

void QtServices::Beep() {
    ++beeps_;
    QApplication::beep();
}

void QtServices::ClipboardClear() { QGuiApplication::clipboard()->clear(); }

void QtServices::ClipboardSetText(const std::string& text) {
    QGuiApplication::clipboard()->setText(ToQ(text));
}

int QtServices::ShellOpen(const std::string& path) {
    // The shell's codes: above 32 success, 2 a missing file, 1 any other refusal.
    if (!QFileInfo::exists(ToQ(path))) return 2;
    // The manual opens in the program's own viewer.
    if (ToQ(path).endsWith(".md", Qt::CaseInsensitive)) {
        if (!manual_) manual_ = new ManualWindow(main_ ? main_.data() : nullptr);
        return manual_->showPage(ToQ(path)) ? 42 : 2;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(ToQ(path))) ? 42 : 1;
}

void QtServices::DoEvents() {
    // Only painting and window events: a click handled now would run in the middle of the
    // handler that asked for this.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtServices::RunModal(Form& form) {
    QPointer<FormWindow> w = windowOf(form);
    if (!w) w = ensureWindow(form);
    ++w->modalDepth;
    form.Show();
    if (w && w->form() && form.visible()) {
        ModelCalls::Suspend session;
        w->exec();
    }
    if (w) --w->modalDepth;
}

void QtServices::Quit() {
    // Exit on a page ends the program as closing its window does, so unsaved work is asked
    // about first (the window quits once it may close).
    if (main_ && main_->isVisible()) {
        main_->close();
        return;
    }
    QCoreApplication::quit();
}

void QtServices::setHost(QWidget* mainWindow, std::function<bool(const Form&)> hosts) {
    main_ = mainWindow;
    hosts_ = std::move(hosts);
    ready_ = true;
    std::vector<Form*> early;
    early.swap(shownEarly_);
    for (Form* f : early)
        if (f->visible()) follow(*f);
}

FormWindow* QtServices::windowOf(const Form& form) const {
    auto it = windows_.find(&form);
    return it == windows_.end() ? nullptr : it->second.data();
}

FormWindow* QtServices::ensureWindow(Form& form) {
    if (FormWindow* w = windowOf(form)) return w;
    auto* w = new FormWindow(form, main_ ? main_.data() : dialogParent());
    windows_[&form] = w;
    return w;
}

void QtServices::follow(Form& form) {
    if (hosts_ && hosts_(form)) return;
    FormWindow* w = windowOf(form);
    if (form.visible()) {
        if (!w) {
            // A window shown modeless for the first time opens at the form's size (twips, 15 to
            // a pixel), or larger when its contents need it.
            w = ensureWindow(form);
            w->resize(QSize(form.width / 15, form.height / 15).expandedTo(w->sizeHint()));
        }
        if (w->modalDepth == 0) {
            w->show();
            w->raise();
            w->activateWindow();
        }
    } else if (w) {
        if (w->modalDepth > 0)
            w->done(QDialog::Rejected);
        else
            w->hide();
    }
}

void QtServices::FormVisibilityChanged(Form& form) {
    if (!ready_) {
        std::erase(shownEarly_, &form);
        if (form.visible()) shownEarly_.push_back(&form);
        return;
    }
    follow(form);
}

void QtServices::FormDestroyed(Form& form) {
    std::erase(shownEarly_, &form);
    auto it = windows_.find(&form);
    if (it == windows_.end()) return;
    QPointer<FormWindow> w = it->second;
    windows_.erase(it);
    if (!w) return;
    w->detach();
    if (w->modalDepth > 0) w->done(QDialog::Rejected);
    w->hide();
    w->deleteLater();
    std::erase_if(dropped_, [](auto& p) { return p.isNull(); });
    dropped_.push_back(w);
}

std::string QtServices::AppFolder() const {
    return folder_.empty() ? FromQ(QCoreApplication::applicationDirPath()) : folder_;
}

}  // namespace ui::qt
