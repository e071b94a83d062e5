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

// The help document's path: a name ending in .chm or .md (any case) is a path already; any
// other name is a page of the manual, "manual/<name>.md" ("index" its contents, a form's name
// that page's section) in the first side-file folder that has it, else beside the program.
std::string HelpFilePath(const std::string& name, const std::string& appFolder);

// Opens a help document with the shell, showing the loading window meanwhile, and tells the user
// when the shell could not open it.
void OpenHelpFile(const std::string& name, ui::Services& services);

}  // namespace vado
