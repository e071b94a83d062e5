#include "worked_examples.h"

namespace vado::test {

const std::vector<WorkedExample>& WorkedExamples() {
    static const std::vector<WorkedExample> pages = {
        {"frmWeir", {"txt1H1=2"}, {"txt1Len=6"}},
        {"frmOrifice", {"opt2Selector=1", "txt2Area=144"}, {"txt2Dia=10"}},
        {"frmCircular", {"txt3Dia=24", "txt3Depth=12", "txt3Slope=0.001", "txt3Manning=0.013"}, {}},
        {"frmParabolic", {}, {}},
        {"frmTrapezoidal", {}, {}},
        {"frmPipeFlow", {"txt6Kb=0.5"}, {}},
        {"frmCulvertFlow",
         {"txt7Elev(0)=110", "txt7Elev(1)=100", "txt7Elev(2)=95", "txt7Elev(3)=99", "cbo7Entrance=5"},
         {}},
        {"frmPipeDrop",
         {"txt8ss(0)=2", "txt8ss(1)=2", "txt8extra=5", "txt8Elev(0)=110", "txt8Elev(1)=107", "txt8Elev(2)=105",
          "txt8Elev(3)=103", "txt8Elev(4)=96", "txt8Elev(5)=95"},
         {"txt8Elev(6)=96"}},
        {"frmHoodedInlet",
         {"txt9ss(0)=2", "txt9ss(1)=2", "txt9Extra=5", "txt9Elev(0)=108", "txt9Elev(1)=106", "txt9Elev(2)=101.5",
          "txt9Elev(3)=100", "txt9Elev(4)=98", "txt9N=0.013"},
         {"txt9Elev(5)=99"}},
        {"frmStraightDrop", {"txt10Width=4.0", "txt10Depth=1.0", "txt10Elev(0)=100.0", "txt10Elev(1)=96.0"}, {}},
        {"frmBoxInlet", {"txt11Depth=1", "txt11Width=4", "txt11Breadth=4", "txt11Elev(0)=100", "txt11Elev(1)=97"},
         {}},
        {"frmSurfaceInlet", {"txt12Main=12", "txt12Elev(0)=104", "txt12Elev(1)=100"}, {"txt12Main=15"}},
        // A dimension typed, and the figure changed after: which one is known follows the typing.
        {"frmMensuration", {"cboFormula=11"}, {"cboFormula=8", "txt8Diag=13", "cboFormula=7"}},
        {"frmPlungePool", {}, {}},
        {"frmSubsurface", {"grdData(2,0)=M1", "grdData(2,1)=0.002", "grdData(2,2)=10"},
         {"grdData(3,0)=M2", "grdData(3,1)=0.004", "grdData(3,2)=25"}},
        {"frmPumpDrainage", {"txtElev(0)=101", "txtElev(1)=110", "txtElev(2)=100", "txtElev(3)=98"},
         {"txtSumpArea=20"}},
        {"frmDryHydrant",
         {"txtElev(0)=100", "txtElev(1)=100", "txtElev(2)=95", "txtElev(3)=88", "txtWaterNeeded=1000",
          "txtHzWms=100", "txtPipeLen=200"},
         {"txtWaterNeeded=250"}},
        {"frmWaterControl", {"txtPipeDia(0)=12", "txtPipeDia(1)=12"}, {"txtElev(5)=93"}},
        {"frmRectRiser", {"txtWidth=12"}, {}},
    };
    return pages;
}

const WorkedExample* WorkedExampleOf(const std::string& page) {
    for (const auto& e : WorkedExamples())
        if (page == e.page) return &e;
    return nullptr;
}

}  // namespace vado::test
