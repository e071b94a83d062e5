#pragma once

#include <functional>
#include <string>

namespace ui {

class Control;
class Surface;

// The name of a window's Export command; the view also offers it from its table's and its
// graph's context menus.
inline constexpr const char* kExportCommand = "cmdExport";

// What a window can write to a file: its table (CSV), its graph (PNG, SVG) and its report (PDF).
// Any of them may be missing.
struct ExportOffer {
    std::string baseName;  // the file name suggested, without extension
    // The table as CSV.
    std::function<std::string()> tableCsv;
    // Draws the graph on a surface of width x height twips.
    std::function<void(Surface&, double width, double height)> graph;
    // The picture that shows the graph on screen: an export takes its size.
    const Control* graphView = nullptr;
    // Runs the window's Print: the report then goes to the printer Services::selectPrinter gives.
    std::function<void()> report;
};

}  // namespace ui
