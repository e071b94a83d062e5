#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <unordered_map>
#include <vector>

#include "ui/qt/manual_window.h"
#include "ui/services.h"

namespace ui::qt {

class FormWindow;

// The platform services on the desktop: Qt message boxes, beep, clipboard, the desktop's
// document opener, and windows for the forms that are not pages of the main window.
class QtServices : public Services {
  public:
    QtServices();
    ~QtServices() override;

    void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) override;
    void Beep() override;
    void ClipboardClear() override;
    void ClipboardSetText(const std::string& text) override;
    int ShellOpen(const std::string& path) override;
    void DoEvents() override;
    void RunModal(Form& form) override;
    void Quit() override;
    void FormVisibilityChanged(Form& form) override;
    void FormDestroyed(Form& form) override;
    std::string AppFolder() const override;
    // The folder the side files and the manual are read from, when not the program's own.
    void setAppFolder(std::string folder) { folder_ = std::move(folder); }

    // The main window shows the forms `hosts` accepts as its pages; every other form shown
    // gets a window of its own, parented to the main window. Until a host is set no window is
    // made (start-up shows the main page before the main window exists); the forms shown in
    // the meantime get theirs then.
    void setHost(QWidget* mainWindow, std::function<bool(const Form&)> hosts);

    // The window of a form shown on its own, or null.
    FormWindow* windowOf(const Form& form) const;
    int beeps() const { return beeps_; }
    // The manual's window, once opened.
    ManualWindow* manual() const { return manual_; }

  private:
    FormWindow* ensureWindow(Form& form);
    void follow(Form& form);
    QWidget* dialogParent() const;

    QPointer<QWidget> main_;
    std::function<bool(const Form&)> hosts_;
    bool ready_ = false;
    std::vector<Form*> shownEarly_;
    std::unordered_map<const Form*, QPointer<FormWindow>> windows_;
    // Windows of destroyed forms, deleted later (one may be on the call stack).
    std::vector<QPointer<FormWindow>> dropped_;
    int beeps_ = 0;
    QPointer<ManualWindow> manual_;
    std::string folder_;
};

}  // namespace ui::qt
