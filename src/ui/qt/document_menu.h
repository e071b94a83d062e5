#pragma once

#include <QString>
#include <functional>
#include <string>

namespace ui::qt {

class MainWindow;

// What the File menu does with the program's document (a project), told to the view without
// the view knowing what a project is.
struct DocumentHooks {
    std::function<std::string()> text;            // the document as it would be saved
    std::function<std::string()> inputs;          // what an unsaved change is measured by
    // Loads a document: "" when it went in, else why nothing changed; `notice` may tell what
    // was skipped.
    std::function<std::string(const std::string& text, std::string& notice)> load;
    std::function<std::string()> fresh;           // the document of a new project
    std::function<void()> print;                  // the shown page's Print
    std::function<void()> documentation;
    std::string extension;                        // ".vado"
};

// The File menu (New, Open..., Save, Save As..., Print..., Quit) and the Help menu
// (Documentation, About) with their standard shortcuts; the title names the file and marks
// unsaved changes, and New, Open and Quit ask before they drop them. Returns what opens a named
// project file as Open... does (for a file given on the command line).
std::function<void(const QString& path)> InstallDocumentMenu(MainWindow& window, DocumentHooks hooks);

}  // namespace ui::qt
