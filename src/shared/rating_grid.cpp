#include "shared/rating_grid.h"

#include "shared/csv.h"
#include "shared/number_format.h"
#include "shared/plot_graph.h"

namespace vado {

void CopySelectionOnCtrlC(ui::Grid& grid, ui::Services& services) {
    grid.onKeyDown = [&grid, &services](int keyCode, int shift) {
        if (keyCode == 67 && shift == 2) {  // C with Ctrl alone
            services.ClipboardClear();
            services.ClipboardSetText(grid.Clip());
        }
    };
}

std::vector<std::vector<std::string>> TableRows(const ui::Grid& grid) {
    std::vector<std::vector<std::string>> rows;
    for (const auto& cells : grid.cells()) {
        std::vector<std::string> row;
        for (const std::string& cell : cells) row.push_back(Trim(cell));
        rows.push_back(std::move(row));
    }
    auto blank = [](const std::vector<std::string>& row) {
        for (const std::string& cell : row)
            if (!cell.empty()) return false;
        return true;
    };
    while (static_cast<int>(rows.size()) > grid.fixedRows && blank(rows.back())) rows.pop_back();
    return rows;
}

std::string TableCsv(const ui::Grid& grid) { return csv::Write(TableRows(grid)); }

void OfferExport(ui::Services& services, const ui::ExportOffer& offer) {
    if (services.offerExport) services.offerExport(offer);
}

void DrawRatingGraph(ui::Surface& target, const ui::Grid& grid, int xCol, int yCol, long left,
                     long top, long width, long height, bool printing, double marker, bool markerOn) {
    PlotRequest r{.left = left,
                  .top = top,
                  .width = width,
                  .height = height,
                  .title = "Discharge vs Elevation",
                  .xCaption = "Elevation",
                  .yCaption = "Discharge, CFS",
                  .printing = printing,
                  .marker = marker,
                  .markerOn = markerOn};
    for (int row = 2; row < grid.rows(); ++row) {
        r.x.push_back(ParseReal(grid.textMatrix(row, xCol)).value_or(0.0));
        r.y.push_back(ParseReal(grid.textMatrix(row, yCol)).value_or(0.0));
    }
    PlotGraph(target, r);
}

}  // namespace vado
