// The key filter and the whole-number check are told apart where the two differ: a field may
// take a point as it is typed and still refuse a fraction when it is checked.
#include <gtest/gtest.h>

#include "../program.h"

namespace vado {
namespace {

TEST(WholeNumberFields, TheKeyFilterTakesAPointWhereThePageListsNoDigitsOnlyField) {
    test::Program p;
    const struct {
        const char* page;
        const char* field;
        bool takesPoint;
    } cases[] = {
        {"frmWaterControl", "txtPipeLen(0)", true},  {"frmWaterControl", "txtPipeDia(0)", false},
        {"frmWaterControl", "txtWeirLen", false},    {"frmCulvertFlow", "txt7Length", false},
        {"frmCulvertFlow", "txt7N", true},           {"frmPipeFlow", "txt6Diameter", false},
        {"frmSurfaceInlet", "txt12Main", true},      {"frmPlungePool", "txtRockSize", true},
        {"frmPlungePool", "txtPipeQ", false},        {"frmPumpDrainage", "txtAcres", false},
        {"frmPumpDrainage", "txtElev(0)", true},     {"frmRectRiser", "txtPipeDia", false},
        {"frmMensuration", "txt11Nsides", false},
    };
    for (const auto& c : cases) {
        ui::Form& page = *p.module.formNamed(c.page);
        auto& box = static_cast<ui::TextBox&>(*page.find(c.field));
        box.setText("15");
        box.setSelection(2, 0);
        const int beeps = p.services.beeps;
        box.typeKey('.');
        EXPECT_EQ(box.text(), c.takesPoint ? "15." : "15") << c.page << "." << c.field;
        EXPECT_EQ(p.services.beeps - beeps, c.takesPoint ? 0 : 1) << c.page << "." << c.field;
    }
}

}  // namespace
}  // namespace vado
