#include "calc/riser/frm_rect_riser_results.h"

#include <algorithm>

#include "shared/number_format.h"
#include "shared/rating_grid.h"

namespace vado {

FrmRectRiserResults::FrmRectRiserResults(AppContext& app)
    : ui::Form("frmRectRiserResults", app.services),
      tabStrip(add<ui::TabStrip>("tabStrip")),
      fraPage{&add<ui::Frame>("fraPage", 0), &add<ui::Frame>("fraPage", 1),
              &add<ui::Frame>("fraPage", 2)},
      grdDataBasic(add<ui::Grid>("grdDataBasic")),
      picGraph(add<ui::PictureBox>("picGraph")),
      grdDataFull(add<ui::Grid>("grdDataFull")),
      cmdPrint{&add<ui::CommandButton>("cmdPrint", 0), &add<ui::CommandButton>("cmdPrint", 1),
               &add<ui::CommandButton>("cmdPrint", 2)},
      cmdExport{&add<ui::CommandButton>(ui::kExportCommand, 0),
                &add<ui::CommandButton>(ui::kExportCommand, 1),
                &add<ui::CommandButton>(ui::kExportCommand, 2)},
      cmdExit{&add<ui::CommandButton>("cmdExit", 0), &add<ui::CommandButton>("cmdExit", 1),
              &add<ui::CommandButton>("cmdExit", 2)},
      app_(app) {
    setCaption("Rectangular Riser Drop Inlet Results");
    width = 12000;
    height = 7200;
    tabStrip.tabs = {{"Basic Chart", ""}, {"Graph", ""}, {"Full Chart", ""}};
    grdDataBasic.container = "fraPage(0)";
    picGraph.container = "fraPage(1)";
    grdDataFull.container = "fraPage(2)";
    for (int i = 0; i < 3; ++i) {
        cmdPrint[i]->setCaption("&Print");
        cmdExit[i]->setCaption("Close");
        cmdExport[i]->setCaption("&Export\u2026");
        cmdExport[i]->onClick = [this, i] { OfferExport(services(), exportOffer(i)); };
        cmdPrint[i]->container = cmdExport[i]->container = cmdExit[i]->container =
            fraPage[i]->fullName();
        // 119 from the basic chart, 219 from the graph, 319 from the full chart.
        const short code = static_cast<short>((i + 1) * 100 + 19);
        // The page's inputs are printed over the charts: the charts are made from them first.
        cmdPrint[i]->onClick = [this, code] {
            if (prepareReport ? !prepareReport() : app_.lastComputeFailed) return;
            if (app_.showReport) app_.showReport(code);
        };
        cmdExit[i]->onClick = [this] { Unload(); };
    }
    for (auto* g : {&grdDataBasic, &grdDataFull}) {
        g->fixedRows = 2;
        CopySelectionOnCtrlC(*g, services());
    }
    tabStrip.onClick = [this] {
        const int page = tabStrip.selectedTab() - 1;
        if (page != page_) showPage(page);
    };
    picGraph.onPaint = [this](ui::Surface& s, double w, double h) {
        if (tabStrip.selectedTab() == 2)
            DrawTheGraph(s, 0, 0, static_cast<long>(w), static_cast<long>(h), false);
    };

    layout.sections = {
        {.rows = {{{{"tabStrip"}}}}},
        {.rows = {{{{"grdDataBasic", "picGraph", "grdDataFull"}}}}, .stretch = true},
        {.rows = {{{{"cmdPrint(0)", "cmdPrint(1)", "cmdPrint(2)"}},
                   {{"cmdExport(0)", "cmdExport(1)", "cmdExport(2)"}},
                   {{"cmdExit(0)", "cmdExit(1)", "cmdExit(2)"}}}},
         .centered = true},
    };
}

void FrmRectRiserResults::Form_Load() {
    grdDataBasic.setRows(3);
    grdDataBasic.setCols(3);
    grdDataBasic.setFormatString("^XXXXXXXX|^XXXXXXXXXXXXXXXXXXXXXXXX|^XXXXXXXXXXXX");
    grdDataFull.setRows(3);
    grdDataFull.setCols(7);
    grdDataFull.setFormatString(
        "^XXXXXXXX|^XXXXXXX|^XXXXXXX|^XXXXXXX|^XXXXXXX|^XXXXXXXXXXXXXXXXXXXXXXXX|^XXXXXXXXXXXX");
    const char* basic[2][3] = {{"Pool Elev.", "Controlling", "Discharge"}, {"(ft.)", "", "(CFS)"}};
    const char* full[2][7] = {{"Pool Elev.", "Qp", "Qw", "Qoh", "Qol", "Controlling", "Discharge"},
                              {"(ft.)", "(CFS)", "(CFS)", "(CFS)", "(CFS)", "", "(CFS)"}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) grdDataBasic.setTextMatrix(r, c, basic[r][c]);
        for (int c = 0; c < 7; ++c) grdDataFull.setTextMatrix(r, c, full[r][c]);
    }
    for (int c = 0; c < 7; ++c) {
        if (c < 3) grdDataBasic.setTextMatrix(2, c, "");
        grdDataFull.setTextMatrix(2, c, "");
    }
    for (auto* f : fraPage) f->setCaption("");
    page_ = 0;
    tabStrip.select(1);
    showPage(0);
}

void FrmRectRiserResults::showPage(int page) {
    if (page < 0 || page > 2) return;
    page_ = page;
    ui::Control* content[] = {&grdDataBasic, &picGraph, &grdDataFull};
    for (int i = 0; i < 3; ++i) {
        fraPage[i]->setVisible(i == page);
        content[i]->setVisible(i == page);
        cmdPrint[i]->setVisible(i == page);
        cmdExport[i]->setVisible(i == page);
        cmdExit[i]->setVisible(i == page);
    }
    picGraph.Refresh();
}

void FrmRectRiserResults::Clear_Data() {
    grdDataBasic.setRows(3);
    grdDataFull.setRows(3);
}

void FrmRectRiserResults::Add_Data(int k, const RectRiserFlow& r) {
    grdDataBasic.setRows(k + 2);
    grdDataFull.setRows(k + 2);
    const std::string elev = FormatNumber(r.elev, "####0.0");
    const std::string q = FormatNumber(r.Q(), "###0.00");
    const std::string basic[] = {elev, r.Controls(), q};
    const std::string full[] = {elev,
                                FormatNumber(r.Qp, "###0.00"),
                                FormatNumber(r.Qw, "###0.00"),
                                FormatNumber(r.Qoh, "###0.00"),
                                FormatNumber(r.Qol, "###0.00"),
                                r.Controls(),
                                q};
    for (int c = 0; c < 3; ++c) grdDataBasic.setTextMatrix(k + 1, c, basic[c]);
    for (int c = 0; c < 7; ++c) grdDataFull.setTextMatrix(k + 1, c, full[c]);
}

void FrmRectRiserResults::Fill(const std::vector<RectRiserFlow>& records) {
    Load();
    Clear_Data();
    for (size_t i = 0; i < records.size(); ++i) Add_Data(static_cast<int>(i) + 1, records[i]);
    picGraph.Refresh();
}

void FrmRectRiserResults::DrawTheGraph(ui::Surface& target, long left, long top, long width,
                                       long height, bool printing) const {
    DrawRatingGraph(target, grdDataBasic, 0, 2, left, top, width, height, printing);
}

ui::ExportOffer FrmRectRiserResults::exportOffer(int page) {
    page = std::clamp(page, 0, 2);
    ui::ExportOffer offer{
        .baseName = page == 2 ? "riser-full-chart" : "riser-basic-chart",
        .tableCsv = [this, page] { return TableCsv(page == 2 ? grdDataFull : grdDataBasic); },
        .graph =
            [this](ui::Surface& s, double w, double h) {
                DrawTheGraph(s, 0, 0, static_cast<long>(w), static_cast<long>(h), false);
            },
        .graphView = &picGraph};
    if (!app_.lastComputeFailed) offer.report = [this, page] { clickButton(*cmdPrint[page]); };
    return offer;
}

std::string FrmRectRiserResults::Inconsistency() const {
    if (grdDataBasic.rows() != grdDataFull.rows()) return "the two charts hold different ratings";
    for (int row = 2; row < grdDataBasic.rows(); ++row)
        if (grdDataBasic.textMatrix(row, 2) != grdDataFull.textMatrix(row, 6))
            return "row " + std::to_string(row) + " differs between the charts";
    return {};
}

}  // namespace vado
