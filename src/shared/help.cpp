#include "shared/help.h"

#include <algorithm>
#include <cctype>

#include "shared/side_files.h"

namespace vado {

FrmLoadingDoc::FrmLoadingDoc(ui::Services& services)
    : ui::Form("frmLoadingDoc", services),
      lblMessage(add<ui::Label>("Label1")),
      OKButton(add<ui::CommandButton>("OKButton")) {
    setCaption("Loading...");
    lblMessage.setCaption("Loading Documentation, Please Wait...");
    OKButton.setCaption("OK");
    OKButton.onClick = [this] { Hide(); };
    layout.sections = {{.rows = {{{{"Label1"}}}, {{{"OKButton"}}}}, .centered = true}};
}

std::string HelpFilePath(const std::string& name, const std::string& appFolder) {
    auto endsWith = [&name](const std::string& suffix) {
        if (name.size() < suffix.size()) return false;
        std::string tail = name.substr(name.size() - suffix.size());
        std::transform(tail.begin(), tail.end(), tail.begin(),
                       [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
        return tail == suffix;
    };
    if (endsWith(".CHM") || endsWith(".MD")) return name;
    const std::string page = "manual/" + name + ".md";
    // When no folder has it, the message names the place beside the program.
    return FindSideFile(page, appFolder).value_or(appFolder + "/" + page);
}

void OpenHelpFile(const std::string& name, ui::Services& services) {
    std::string path = HelpFilePath(name, services.AppFolder());
    FrmLoadingDoc loading(services);
    loading.Show();
    services.DoEvents();
    int status = services.ShellOpen(path);
    std::string message;
    if (status == 0) {
        message = "Resources too low to open help file. Close other programs before trying again.";
    } else if (status == 1) {
        message = "ShellExecute failed to Open '" + path + "' status = " + std::to_string(status);
    } else if (status == 2) {
        message = "Missing Help file: '" + path + "'";
    }
    if (!message.empty()) services.MsgBox(message, services.AppTitle(), ui::MsgIcon::Exclamation);
    loading.Unload();
}

}  // namespace vado
