#include "app/main_module.h"

#include <algorithm>
#include <cctype>

#include "app/catalogue.h"
#include "app/frm_vado.h"
#include "calc/channel/frm_circular.h"
#include "calc/channel/frm_parabolic.h"
#include "calc/channel/frm_trapezoidal.h"
#include "calc/drainage/frm_dry_hydrant.h"
#include "calc/drainage/frm_plunge_pool.h"
#include "calc/drainage/frm_pump_drainage.h"
#include "calc/drainage/frm_subsurface.h"
#include "calc/drainage/frm_surface_inlet.h"
#include "calc/drop/frm_box_inlet.h"
#include "calc/drop/frm_hooded_inlet.h"
#include "calc/drop/frm_pipe_drop.h"
#include "calc/drop/frm_straight_drop.h"
#include "calc/flow/frm_culvert_flow.h"
#include "calc/mensuration/frm_mensuration.h"
#include "calc/riser/frm_rect_riser.h"
#include "calc/riser/frm_water_control.h"
#include "calc/flow/frm_orifice.h"
#include "calc/flow/frm_pipe_flow.h"
#include "calc/flow/frm_weir.h"
#include "report/reporting.h"

namespace vado {

MainModule::MainModule(ui::Services& services)
    : app_(services),
      stageDischarge_(std::make_unique<FrmStageDischarge>(app_)),
      riserResults_(std::make_unique<FrmRectRiserResults>(app_)),
      waterControlResults_(std::make_unique<FrmWaterControlResults>(app_)) {}

MainModule::~MainModule() = default;

std::unique_ptr<CatalogueForm> MainModule::createForm(short n) {
    switch (n) {
        case 0:
            return std::make_unique<FrmVado>(app_);
        case 1:
            return std::make_unique<FrmWeir>(app_);
        case 2:
            return std::make_unique<FrmOrifice>(app_);
        case 3:
            return std::make_unique<FrmCircular>(app_);
        case 4:
            return std::make_unique<FrmParabolic>(app_);
        case 5:
            return std::make_unique<FrmTrapezoidal>(app_);
        case 6:
            return std::make_unique<FrmPipeFlow>(app_);
        case 7:
            return std::make_unique<FrmCulvertFlow>(app_, InletCoefficients);
        case 8:
            return std::make_unique<FrmPipeDrop>(app_, *stageDischarge_);
        case 9:
            return std::make_unique<FrmHoodedInlet>(app_, *stageDischarge_);
        case 10:
            return std::make_unique<FrmStraightDrop>(app_, *stageDischarge_);
        case 11:
            return std::make_unique<FrmBoxInlet>(app_, *stageDischarge_);
        case 12:
            return std::make_unique<FrmSurfaceInlet>(app_, DrainMaterials);
        case 13:
            return std::make_unique<FrmMensuration>(app_);
        case 14:
            return std::make_unique<FrmPlungePool>(app_);
        case 15:
            return std::make_unique<FrmSubsurface>(app_, DrainMaterials, StandardDiameters);
        case 16:
            return std::make_unique<FrmPumpDrainage>(app_);
        case 17:
            return std::make_unique<FrmDryHydrant>(app_);
        case 18:
            return std::make_unique<FrmWaterControl>(app_, *waterControlResults_);
        case 19:
            return std::make_unique<FrmRectRiser>(app_, *riserResults_);
        default:
            return std::make_unique<FrmPending>(app_, std::string(kCatalogue[n].form),
                                                std::string(kCatalogue[n].reportTitle), n);
    }
}

void MainModule::SubMain() {
    FillInletCoefficients(InletCoefficients);
    FillDrainMaterials(DrainMaterials);
    FillStandardDiameters(StandardDiameters);

    CurrentForm = 0;
    registered_ = 0;
    ReportTitles[0] = std::string(kCatalogue[0].reportTitle);
    owned_[0] = createForm(0);
    RegisterForm(*owned_[0]);
    owned_[0]->Show();
    for (short n = 1; n < kCatalogueSize; ++n) {
        ReportTitles[n] = std::string(kCatalogue[n].reportTitle);
        owned_[n] = createForm(n);
        RegisterForm(*owned_[n]);
    }
    reporting_ = report::InstallReporting(
        app_, {.title = [this](short i) { return GetReportTitle(i); },
               .page = [this](short i) -> const ui::Form* {
                   return i >= 0 && i < kCatalogueSize ? FormList[i] : nullptr;
               },
               .window = [this](short code) { return resultWindow(code); }});
}

void MainModule::RegisterForm(CatalogueForm& form) {
    form.Hide();
    FormList.at(registered_) = &form;
    const CatalogueForm& main = *FormList[0];
    form.setCaption(main.caption());
    form.height = main.height;
    form.width = main.width;
    form.left = main.left;
    form.top = main.top;
    form.tabStrip.tabs.clear();
    for (auto& e : kCatalogue)
        form.tabStrip.tabs.push_back({std::string(e.tabCaption), std::string(e.toolTip)});
    form.tabStrip.onClick = [this] { tabStrip_Click(); };
    form.tabStrip.notify();
    ++registered_;
}

std::string MainModule::GetReportTitle(short i) const {
    if (i < 0 || i >= kCatalogueSize) return "";
    return ReportTitles[i];
}

void MainModule::tabStrip_Click() {
    short cur = CurrentForm;
    CatalogueForm& from = *FormList.at(cur);
    int target = from.tabStrip.selectedTab() - 1;
    if (target == cur || target < 0 || target >= kCatalogueSize) return;
    CatalogueForm& to = *FormList[target];
    CurrentForm = static_cast<short>(target);
    to.left = from.left;
    to.top = from.top;
    to.tabStrip.select(target + 1);
    to.Show();
    from.Hide();
}

std::vector<ui::Form*> MainModule::resultWindows() {
    return {stageDischarge_.get(), riserResults_.get(), waterControlResults_.get()};
}

const ui::Form* MainModule::resultWindow(short reportCode) const {
    const ui::Form* w = nullptr;
    if (reportCode >= 108 && reportCode <= 111) w = stageDischarge_.get();
    if (reportCode == 18 || reportCode == 118) w = waterControlResults_.get();
    if (reportCode == 19 || reportCode == 119 || reportCode == 219 || reportCode == 319)
        w = riserResults_.get();
    return w && w->loaded() ? w : nullptr;
}

CatalogueForm* MainModule::formNamed(const std::string& name) const {
    auto lower = [](std::string s) {
        std::transform(s.begin(), s.end(), s.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return s;
    };
    std::string wanted = lower(name);
    for (auto* f : FormList)
        if (f && lower(f->name()) == wanted) return f;
    return nullptr;
}

}  // namespace vado
