#pragma once

#include <array>
#include <memory>
#include <string>

#include "calc/drainage/drain_material.h"
#include "calc/drop/frm_stage_discharge.h"
#include "calc/riser/frm_rect_riser_results.h"
#include "calc/riser/frm_water_control_results.h"
#include "calc/flow/coefficient.h"
#include "report/reporting.h"
#include "shared/app_context.h"
#include "shared/calculator_form.h"

namespace vado {

// The application: its start-up tables, the catalogue of pages and the switching between them.
class MainModule {
public:
    explicit MainModule(ui::Services& services);
    ~MainModule();

    // Builds the tables, registers and shows the main page, then registers the calculators.
    void SubMain();

    AppContext& app() { return app_; }
    ui::Services& services() { return app_.services; }

    std::array<CatalogueForm*, 20> FormList{};
    short CurrentForm = 0;
    std::array<std::string, 20> ReportTitles;
    // Title of a catalogue entry; any other number is a program error and gives "".
    std::string GetReportTitle(short i) const;

    InletCoefficientTable InletCoefficients;
    DrainMaterialTable DrainMaterials;
    StandardDiameterTable StandardDiameters{};

    // The result window the drop structures share.
    FrmStageDischarge& stageDischarge() { return *stageDischarge_; }
    // The result windows, for a script that addresses one by name.
    std::vector<ui::Form*> resultWindows();
    // The loaded result window a report code prints from, or null.
    const ui::Form* resultWindow(short reportCode) const;

    // The project information of the reports.
    report::Reporting& reporting() { return *reporting_; }

    // The form of a catalogue name (case-insensitive), or null.
    CatalogueForm* formNamed(const std::string& name) const;
    // The tab strip's click handler, the same on every page.
    void tabStrip_Click();

private:
    void RegisterForm(CatalogueForm& form);
    std::unique_ptr<CatalogueForm> createForm(short n);

    AppContext app_;
    std::shared_ptr<report::Reporting> reporting_;
    std::unique_ptr<FrmStageDischarge> stageDischarge_;
    std::unique_ptr<FrmRectRiserResults> riserResults_;
    std::unique_ptr<FrmWaterControlResults> waterControlResults_;
    int registered_ = 0;
    std::array<std::unique_ptr<CatalogueForm>, 20> owned_;
};

}  // namespace vado
