#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ui {

class Form;
class Printer;
struct ExportOffer;

enum class MsgIcon { None, Exclamation, Information, Critical };

// What the program asks of the platform. The Qt view implements it with real dialogs; the
// headless implementation records every request and is used by the tests and vadocalc-cli.
class Services {
public:
    virtual ~Services() = default;

    virtual void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) = 0;
    virtual void Beep() = 0;
    virtual void ClipboardClear() = 0;
    virtual void ClipboardSetText(const std::string& text) = 0;
    // Opens a document with the shell verb "open". Values above 32 mean success; 0 is lack of
    // resources, 2 a missing file, anything else a refusal.
    virtual int ShellOpen(const std::string& path) = 0;
    // Lets pending window events run once (so a dialog just shown can paint).
    virtual void DoEvents() = 0;
    // Shows a form modally. The Qt view blocks until the form hides; the headless one returns at
    // once and leaves the form on top, so a script can go on driving it.
    virtual void RunModal(Form& form) = 0;
    // Ends the program at once.
    virtual void Quit() = 0;
    // Tells the view that a form was shown or hidden, or is going away.
    virtual void FormVisibilityChanged(Form&) {}
    virtual void FormDestroyed(Form&) {}

    // While positive, MsgBox shows (and records) nothing: the inputs of a project being put into
    // the pages as a person would type them must not speak up field by field.
    int silenced = 0;

    // The printer selection: a printer to print one job on, or null when the user cancelled.
    // Each view installs its own (a print dialog on screen, a PDF file in a script).
    std::function<std::unique_ptr<Printer>()> selectPrinter;
    // A window's Export command: the view asks where to and what, and writes it. Without a view
    // that can ask, the command does nothing.
    std::function<void(const ExportOffer&)> offerExport;

    // Application information.
    virtual std::string AppFolder() const = 0;
    std::string AppTitle() const { return "Vadocalc"; }
    static constexpr short kVersionMajor = 2;
    static constexpr short kVersionMinor = 1;
    static constexpr short kVersionRevision = 4;
};

struct RecordedMessage {
    std::string after;  // the step or the control during which the box was shown
    std::string title;
    std::string text;
    MsgIcon icon = MsgIcon::None;
};

class HeadlessServices : public Services {
public:
    explicit HeadlessServices(std::string appFolder = ".") : folder_(std::move(appFolder)) {}

    void MsgBox(const std::string& text, const std::string& title, MsgIcon icon) override;
    void Beep() override { ++beeps; }
    void ClipboardClear() override { clipboard.clear(); }
    void ClipboardSetText(const std::string& text) override { clipboard = text; }
    int ShellOpen(const std::string& path) override;
    void DoEvents() override {}
    void RunModal(Form& form) override;
    void Quit() override { quitRequested = true; }
    void FormVisibilityChanged(Form& form) override;
    void FormDestroyed(Form& form) override;
    std::string AppFolder() const override { return folder_; }

    // Names the step now running, for the `after` of the messages it shows.
    std::string context;
    std::vector<RecordedMessage> messages;
    std::vector<std::string> shellOpened;
    // Modal forms still open, the newest last.
    std::vector<Form*> modalStack;
    // Every form now visible, in the order they were shown.
    std::vector<Form*> visibleForms;
    std::string clipboard;
    int beeps = 0;
    bool quitRequested = false;

private:
    std::string folder_;
};

}  // namespace ui
