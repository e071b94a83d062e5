#pragma once

#include <string>
#include <vector>

#include "app/main_module.h"

namespace vado::project {

inline constexpr const char* kFormat = "vadocalc-project";
inline constexpr int kVersion = 1;
inline constexpr const char* kExtension = ".vado";
// A project is a few kilobytes; anything near this is not one.
inline constexpr std::size_t kMaxBytes = 1024 * 1024;

// The whole job as a JSON document: the project information, the page shown and every page's
// inputs (text fields, list choices, options, check boxes, the cells of an editable grid), read
// from the pages' controls without knowing any page, and the field each page had entered last.
// Results are left out: they are derived. Without the page shown and the fields entered last
// (`withShownPage` false) it is what an unsaved change is measured by.
std::string Save(MainModule& module, bool withShownPage = true);

struct Loaded {
    bool ok = false;
    std::string error;                  // why nothing was changed
    std::vector<std::string> skipped;   // pages and controls this program does not have
};

// Checks the whole document first and changes nothing when any of it is wrong (a fault of any
// kind in it is a refusal with its reason, never the end of the program); then gives every page
// its values as a person would type them, without a message box, lets it compute quietly and
// shows the saved page.
Loaded Load(MainModule& module, const std::string& text);

// The notice that lists what a file from a later program held that this one skipped.
std::string SkippedNotice(const std::vector<std::string>& skipped);

// File access: the text of a file no larger than kMaxBytes, and an all-or-nothing write that
// follows a symbolic link to its target and never replaces a folder or a device.
bool ReadText(const std::string& path, std::string& text, std::string& error);
bool WriteTextAtomically(const std::string& path, const std::string& text, std::string& error);

}  // namespace vado::project
