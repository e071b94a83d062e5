#pragma once

#include <string>

#include "ui/form.h"

namespace vado {

// The small "Loading..." window shown while the documentation viewer starts.
class FrmLoadingDoc : public ui::Form {
public:
    explicit FrmLoadingDoc(ui::Services& services);
    ui::Label& lblMessage;
    ui::CommandButton& OKButton;
};

// The help file's path: a name ending in .chm (any case) is a path already; any other name is
// the program folder's "<name>.chm".
std::string HelpFilePath(const std::string& name, const std::string& appFolder);

// Opens a help document with the shell, showing the loading window meanwhile, and tells the user
// when the shell could not open it.
void OpenHelpFile(const std::string& name, ui::Services& services);

}  // namespace vado
