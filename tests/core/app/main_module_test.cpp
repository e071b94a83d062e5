#include "app/main_module.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/frm_vado.h"
#include "calc/flow/frm_weir.h"
#include "shared/help.h"

namespace vado {
namespace {

class MainModuleTest : public ::testing::Test {
protected:
    void SetUp() override { module.SubMain(); }
    void clickTab(int tab) { module.FormList[module.CurrentForm]->tabStrip.clickTab(tab); }
    CatalogueForm& visibleForm() {
        CatalogueForm* shown = nullptr;
        for (auto* f : module.FormList)
            if (f->visible()) {
                EXPECT_EQ(shown, nullptr) << "exactly one page is visible";
                shown = f;
            }
        return *shown;
    }
    FrmWeir& weir() { return static_cast<FrmWeir&>(*module.FormList[1]); }

    ui::HeadlessServices services{"/opt/vado"};
    MainModule module{services};
};

TEST_F(MainModuleTest, StartUpRegistersTheCatalogue) {
    const char* names[] = {"frmVado",        "frmWeir",        "frmOrifice",    "frmCircular",
                           "frmParabolic",   "frmTrapezoidal", "frmPipeFlow",   "frmCulvertFlow",
                           "frmPipeDrop",    "frmHoodedInlet", "frmStraightDrop", "frmBoxInlet",
                           "frmSurfaceInlet", "frmMensuration", "frmPlungePool", "frmSubsurface",
                           "frmPumpDrainage", "frmDryHydrant", "frmWaterControl", "frmRectRiser"};
    for (int i = 0; i < 20; ++i) {
        CatalogueForm& f = *module.FormList[i];
        EXPECT_EQ(f.name(), names[i]);
        EXPECT_TRUE(f.loaded()) << names[i];
        EXPECT_EQ(f.visible(), i == 0) << names[i];
        EXPECT_EQ(f.caption(), "QLBS Vadocalc") << names[i];
        ASSERT_EQ(f.tabStrip.tabs.size(), 20u) << names[i];
        EXPECT_EQ(f.tabStrip.tabs[1].caption, "Weir Flow");
        EXPECT_EQ(f.tabStrip.tabs[5].toolTip, "Mannings Equation for a Trapezoidal Section");
        EXPECT_EQ(f.tabStrip.tabs[19].caption, "Rect. Riser Drop");
        EXPECT_EQ(f.tabStrip.tabs[19].toolTip, "");
    }
    EXPECT_EQ(module.CurrentForm, 0);
    EXPECT_EQ(module.GetReportTitle(0), "Invalid Index");
    EXPECT_EQ(module.GetReportTitle(1), "Weir Flow Formula Solution");
    EXPECT_EQ(module.GetReportTitle(10), "Straight Drop Structure");
    EXPECT_EQ(module.GetReportTitle(19), "Rectangular Riser Drop Inlet Design");
    EXPECT_EQ(module.GetReportTitle(20), "");
    EXPECT_EQ(module.formNamed("FRMWEIR"), module.FormList[1]);
    EXPECT_EQ(module.formNamed("frmNothing"), nullptr);
}

TEST_F(MainModuleTest, MainPageShowsTitleAndVersion) {
    auto& vado = static_cast<FrmVado&>(*module.FormList[0]);
    EXPECT_EQ(vado.lblVersion.caption(), "Version 2.1.4");
    EXPECT_EQ(vado.lblProductName.caption(), "Vadocalc");
    EXPECT_FALSE(vado.lbl0Info.visible());
    EXPECT_EQ(vado.cmdHelp.caption(), "&View Program Documentation");
    vado.clickButton(vado.cmdExit);
    EXPECT_TRUE(services.quitRequested);
}

TEST_F(MainModuleTest, StartUpTables) {
    ASSERT_EQ(module.InletCoefficients[0].Name, "Projecting - groove edge");
    EXPECT_EQ(module.InletCoefficients[0].Ke, 0.25);
    EXPECT_EQ(module.InletCoefficients[4].Coef4, 0.00065);
    EXPECT_EQ(module.InletCoefficients[6].Name, "Miter / square / 2:1 slope");
    EXPECT_EQ(module.InletCoefficients[6].FactorLimit, 4.0);
    EXPECT_EQ(module.InletCoefficients[7].Name, "");
    EXPECT_EQ(module.DrainMaterials[0].Name, "Concrete - Normal Inst. Condition");
    EXPECT_EQ(module.DrainMaterials[13].ManningsN, 0.020);
    EXPECT_EQ(module.DrainMaterials[21].MinDiam, 24);
    EXPECT_EQ(module.StandardDiameters.front(), 3);
    EXPECT_EQ(module.StandardDiameters[8], 15);
    EXPECT_EQ(module.StandardDiameters.back(), 30);
}

TEST_F(MainModuleTest, TabSwitching) {
    clickTab(1);
    EXPECT_EQ(module.CurrentForm, 0) << "the shown page's own tab changes nothing";
    EXPECT_EQ(&visibleForm(), module.FormList[0]);

    clickTab(2);
    EXPECT_EQ(module.CurrentForm, 1);
    EXPECT_EQ(&visibleForm(), module.FormList[1]);
    EXPECT_EQ(module.FormList[1]->tabStrip.selectedTab(), 2) << "the new page marks its own tab";

    clickTab(20);
    EXPECT_EQ(module.CurrentForm, 19);
    EXPECT_EQ(&visibleForm(), module.FormList[19]);
}

TEST(HelpFile, Paths) {
    EXPECT_EQ(HelpFilePath("index", "/opt/vado"), "/opt/vado/manual/index.md");
    EXPECT_EQ(HelpFilePath("frmWeir", "/opt/vado"), "/opt/vado/manual/frmWeir.md");
    EXPECT_EQ(HelpFilePath("/docs/page.MD", "/opt/vado"), "/docs/page.MD");
    EXPECT_EQ(HelpFilePath("/docs/Guide.CHM", "/opt/vado"), "/docs/Guide.CHM");
    EXPECT_EQ(HelpFilePath("guide.chm", "/opt/vado"), "guide.chm");
    EXPECT_EQ(HelpFilePath("chm", "/opt/vado"), "/opt/vado/manual/chm.md");
}

TEST(HelpFile, MissingFileIsReported) {
    ui::HeadlessServices services{"/nonexistent/vado"};
    OpenHelpFile("index", services);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "Missing Help file: '/nonexistent/vado/manual/index.md'");
    EXPECT_EQ(services.messages[0].title, "Vadocalc");
    EXPECT_TRUE(services.visibleForms.empty()) << "the loading window is gone";
}

TEST(HelpFile, PresentFileIsOpened) {
    auto dir = std::filesystem::temp_directory_path() / "vado_help_test";
    std::filesystem::create_directories(dir);
    std::filesystem::create_directories(dir / "manual");
    std::ofstream(dir / "manual" / "index.md") << "# Vadocalc";
    ui::HeadlessServices services{dir.string()};
    OpenHelpFile("index", services);
    EXPECT_TRUE(services.messages.empty());
    ASSERT_EQ(services.shellOpened.size(), 1u);
    EXPECT_EQ(services.shellOpened[0], (dir / "manual" / "index.md").string());
    std::filesystem::remove_all(dir);
}

// A shell that reports each status code in turn.
class StatusShell : public ui::HeadlessServices {
public:
    int status = 0;
    int ShellOpen(const std::string&) override { return status; }
};

TEST(HelpFile, ShellStatusMessages) {
    const struct {
        int status;
        const char* message;
    } cases[] = {
        {0, "Resources too low to open help file. Close other programs before trying again."},
        {1, "ShellExecute failed to Open 'x.chm' status = 1"},
        {2, "Missing Help file: 'x.chm'"},
        {5, ""},
        {33, ""},
    };
    for (const auto& c : cases) {
        StatusShell shell;
        shell.status = c.status;
        OpenHelpFile("x.chm", shell);
        if (*c.message == 0) {
            EXPECT_TRUE(shell.messages.empty()) << c.status;
        } else {
            ASSERT_EQ(shell.messages.size(), 1u) << c.status;
            EXPECT_EQ(shell.messages[0].text, c.message);
        }
    }
}

}  // namespace
}  // namespace vado
