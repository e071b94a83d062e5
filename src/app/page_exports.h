#pragma once

#include <string>

#include "ui/form.h"

namespace vado {

// What the desktop's export commands take from the page on show.

// The page's table (the first grid it shows) as CSV, or "" for a page without one.
std::string PageTableCsv(const ui::Form& page);
// A file name for what is exported from the page: its caption in lower case, words joined by
// hyphens ("subsurface-drainage").
std::string PageFileName(const ui::Form& page);
// The page's inputs and results as lines of text; the caption alone for a page without inputs.
std::string PageText(const ui::Form& page);
// Clicks the page's Print command, as File > Print does.
void ClickPrint(ui::Form& page);

}  // namespace vado
