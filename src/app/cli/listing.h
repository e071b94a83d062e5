#pragma once

#include <ostream>

#include "shared/calculator_form.h"

namespace vado::cli {

// --list FORM: the page's input fields with label, unit, range and default, and its results.
void PrintList(const CatalogueForm& page, std::ostream& out);
// --list --markdown FORM: the same as the manual shows it, a Markdown table.
void PrintMarkdownList(const CatalogueForm& page, std::ostream& out);
// --forms: every page of the catalogue, form name and tab caption, in tab order.
void PrintForms(std::ostream& out, bool json);

}  // namespace vado::cli
