#pragma once

#include <array>
#include <functional>

#include "calc/riser/rect_riser_flow.h"
#include "report/report_bodies.h"
#include "shared/app_context.h"
#include "ui/export_offer.h"
#include "ui/form.h"

namespace vado {

// The rating of a rectangular riser on three pages: the basic chart, the graph and the full
// chart. The grids are the rating's only store, as formatted text.
class FrmRectRiserResults : public ui::Form, public report::GraphSource {
public:
    explicit FrmRectRiserResults(AppContext& app);

    ui::TabStrip& tabStrip;
    std::array<ui::Frame*, 3> fraPage;
    ui::Grid& grdDataBasic;
    ui::PictureBox& picGraph;
    ui::Grid& grdDataFull;
    std::array<ui::CommandButton*, 3> cmdPrint;
    std::array<ui::CommandButton*, 3> cmdExport;
    std::array<ui::CommandButton*, 3> cmdExit;

    void Clear_Data();
    // Row k (from 1) of both charts.
    void Add_Data(int k, const RectRiserFlow& record);
    // Clear_Data, then every record in order.
    void Fill(const std::vector<RectRiserFlow>& records);

    void DrawTheGraph(ui::Surface& target, long left, long top, long width, long height,
                      bool printing) const override;
    std::string Inconsistency() const override;
    int page() const { return page_; }
    // From a page: its chart (the basic chart from the graph page), the graph, and that page's
    // report while the last Compute stands.
    ui::ExportOffer exportOffer(int page);
    // Run before a report of the window: refills the charts from the page's inputs now; false
    // when they rate nothing, and nothing is printed.
    std::function<bool()> prepareReport;

protected:
    void Form_Load() override;

private:
    void showPage(int page);
    AppContext& app_;
    int page_ = 0;
};

}  // namespace vado
