#pragma once

#include "ui/control.h"
#include "ui/services.h"
#include "ui/surface.h"

namespace vado {

// Ctrl+C in a rating table puts the selected cells on the clipboard; other keys do nothing.
void CopySelectionOnCtrlC(ui::Grid& grid, ui::Services& services);

// "Discharge vs Elevation" from a rating table's texts read back as numbers: elevations from
// column xCol, discharges from column yCol of the data rows (below the two header rows), so the
// graph shows the rounded values the table shows.
void DrawRatingGraph(ui::Surface& target, const ui::Grid& grid, int xCol, int yCol, long left,
                     long top, long width, long height, bool printing, double marker = 0,
                     bool markerOn = false);

}  // namespace vado
