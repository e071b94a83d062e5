#pragma once

#include <functional>
#include <string>

#include "ui/services.h"

namespace ui::qt {

class MainWindow;

// What the export commands of the main window take from the page on show.
struct ExportHooks {
    std::function<void()> print;               // the page's Print
    std::function<std::string()> tableCsv;     // its table as CSV, "" when it has none
    std::function<std::string()> baseName;     // a file name for it, without extension
    std::function<std::string()> resultsText;  // its inputs and results, as lines of text
};

// File > Export PDF... (the page's Print with a PDF file for the printer: Compute, the project
// information, the report), File > Export Table... (enabled on a page with a table) and
// Edit > Copy Results, added to the window's menus.
void InstallExportMenu(MainWindow& window, ui::Services& services, ExportHooks hooks);

}  // namespace ui::qt
