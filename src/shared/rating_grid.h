#pragma once

#include <string>
#include <vector>

#include "ui/control.h"
#include "ui/export_offer.h"
#include "ui/services.h"
#include "ui/surface.h"

namespace vado {

// Ctrl+C in a rating table puts the selected cells on the clipboard; other keys do nothing.
void CopySelectionOnCtrlC(ui::Grid& grid, ui::Services& services);

// The table as shown, headings included: each cell's text without the blanks that pad it, rows
// at the end that hold nothing left out.
std::vector<std::vector<std::string>> TableRows(const ui::Grid& grid);
// The same as CSV.
std::string TableCsv(const ui::Grid& grid);

// A window's Export command hands what the window offers to the view.
void OfferExport(ui::Services& services, const ui::ExportOffer& offer);

// "Discharge vs Elevation" from a rating table's texts read back as numbers: elevations from
// column xCol, discharges from column yCol of the data rows (below the two header rows), so the
// graph shows the rounded values the table shows.
void DrawRatingGraph(ui::Surface& target, const ui::Grid& grid, int xCol, int yCol, long left,
                     long top, long width, long height, bool printing, double marker = 0,
                     bool markerOn = false);

}  // namespace vado
