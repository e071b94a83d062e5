#pragma once

#include <string>

#include "shared/calculator_form.h"

namespace vado {

// A page as text for the clipboard: a title line, then its inputs in reading order, one a line
// as caption, value and unit separated by tabs (lists with their caption and choice, check
// boxes as Yes or No), then, after a blank line, every result it shows (a table row by row,
// cells separated by tabs). Controls hidden on the page are left out, as are empty results.
std::string ResultsText(const CalculatorForm& page, const std::string& title);

}  // namespace vado
