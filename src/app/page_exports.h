#pragma once

#include <string>

#include "app/main_module.h"
#include "ui/export_offer.h"

namespace vado {

// What the desktop's export commands take from the page on show.

// The page's table (the first grid it shows) as CSV, or "" for a page without one.
std::string PageTableCsv(const MainModule& module);
// A file name for what is exported from the page: its tab's caption in lower case, words joined
// by hyphens ("subsurface-drainage").
std::string PageFileName(const MainModule& module);
// The page's report title, then its inputs and results as lines of text.
std::string PageText(const MainModule& module);
// The page's Print command, or null on a page without a report (the About page).
ui::CommandButton* PrintCommand(const MainModule& module);
// Clicks the page's Print command, as File > Print does.
void ClickPrint(MainModule& module);

// What a form has to export: a result window's table, graph and report (from the page it
// shows), a page's table.
ui::ExportOffer ExportOfferOf(ui::Form& form);

}  // namespace vado
