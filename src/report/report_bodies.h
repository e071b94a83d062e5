#pragma once

#include <functional>

#include "report/destination.h"
#include "ui/form.h"

namespace vado::report {

// The catalogue page of a catalogue number, or null.
using PageLookup = std::function<const ui::Form*(short catalogueNumber)>;

// The catalogue entry whose title heads a report: result windows add 100, 200 or 300 to the
// number of the page they belong to.
short TitleNumber(short reportCode);

// Prints the body of a report after its header. A code without a body prints nothing. The
// bodies read the pages' fields and results as they stand, by control name; a page that lacks
// a control its body names is a program error, thrown as ui::PrintError.
void PrintReportBody(short reportCode, Destination& d, const PageLookup& page);

}  // namespace vado::report
