#include "calc/drainage/frm_surface_inlet.h"

#include "calc/drainage/drainage.h"
#include "calc/drainage/drainage_sketches.h"
#include "calc/drainage/surface_inlet.h"
#include "shared/number_format.h"

namespace vado {

namespace {
constexpr const char* kNoN = "I have no `n' value, material and size are incompatible.";
}

FrmSurfaceInlet::FrmSurfaceInlet(AppContext& app, const DrainMaterialTable& materials)
    : CalculatorForm("frmSurfaceInlet", app, 12),
      lblTitle(add<ui::Label>("lblTitle")),
      fraMain(add<ui::Frame>("fraMain")),
      txt12Main(addNumericField(MakeField("Size of main (in):", "in.", 3, 24, "#0", true, "",
                                      [this] { return &txt12Slope; }),
                                "txt12Main")),
      txt12Slope(addNumericField(MakeField("Slope (ft/ft):", "ft/ft", 0.0001, 0.1, "0.0000", false,
                                       "0.0020", [] { return static_cast<ui::Control*>(nullptr); }),
                                 "txt12Slope")),
      txt12Acres(addNumericField(MakeField("Acres Drained:", "acres", 0.1, 1000.0, "###0.0", false,
                                       "10", [] { return static_cast<ui::Control*>(nullptr); }),
                                 "txt12Acres")),
      txt12Elev{&addNumericField(MakeField("Elev (ft):", "ft", 0.0001, 99999.0, "####0.0", false, "",
                                           [this] { return txt12Elev[1]; }),
                                 "txt12Elev", 0),
                &addNumericField(MakeField("Elev (ft):", "ft", 0.0001, 99999.0, "####0.0", false, "",
                                           [this] { return &cmdCompute; }),
                                 "txt12Elev", 1)},
      cbo12DrMat(add<ui::ComboBox>("cbo12DrMat")),
      cbo12DC(add<ui::ComboBox>("cbo12DC")),
      pic12pic(add<ui::PictureBox>("pic12pic")),
      lbl12N(add<ui::Label>("lbl12N")),
      lbl12Orifice(add<ui::Label>("lbl12Orifice")),
      lbl12Capacity(add<ui::Label>("lbl12Capacity")),
      lbl12DaOrf(add<ui::Label>("lbl12DaOrf")),
      lbl12DbOrf(add<ui::Label>("lbl12DbOrf")),
      materials_(materials) {
    // The size is checked as a whole number; its key filter takes a point like any other field's.
    fieldOf(txt12Main).integerOnly = false;
    setCaption("Surface Inlet for Subsurface Drain");
    lblTitle.setCaption("- Surface Inlet -");
    fraMain.setCaption("Main Drain Data");
    results = {&lbl12N, &lbl12Orifice, &lbl12Capacity, &lbl12DaOrf, &lbl12DbOrf};
    // A new size empties the n, so a Compute before the size is confirmed says it has none.
    txt12Main.onChange = [this] {
        ClearResults();
        lbl12N.setCaption("");
    };
    // The size is looked up on leaving the field and on Enter, before the quiet computation.
    txt12Main.onValidate = [this](bool& cancel) {
        ShowManningN();
        bool ok = true;
        RunCompute(false, ok);
        cancel = !ok;
    };
    auto filterKey = txt12Main.onKeyPress;
    txt12Main.onKeyPress = [this, filterKey](std::int16_t& key) {
        if (key == 13) ShowManningN();
        filterKey(key);
    };
    cbo12DrMat.onClick = [this] {
        ClearResults();
        ShowManningN();
        bool ok = true;
        RunCompute(false, ok);
    };
    cbo12DC.onClick = [this] {
        ClearResults();
        bool ok = true;
        RunCompute(false, ok);
    };
    pic12pic.onPaint = [this](ui::Surface& s, double w, double h) { PaintSurfaceInlet(s, w, h); };

    const char* names[] = {"Size of main (in):", "Slope (ft/ft):", "Acres Drained:", "Drain Material:",
                           "Drainage Coefficient:", "Water Elev (ft):", "Orifice Elev (ft):",
                           "Mannings 'N':", "Orifice Diameter:", "Orifice Capacity:"};
    const char* controls[] = {"txt12Main", "txt12Slope", "txt12Acres", "cbo12DrMat", "cbo12DC",
                              "txt12Elev(0)", "txt12Elev(1)", "lbl12N", "lbl12Orifice", "lbl12Capacity"};
    std::vector<std::vector<ui::LayoutCell>> rows[3];
    for (int i = 0; i < 10; ++i) {
        auto& label = add<ui::Label>("Label12", i);
        label.setCaption(names[i]);
        rows[i < 5 ? 0 : i < 7 ? 1 : 2].push_back({{{label.fullName()}}, {{controls[i]}}});
    }
    for (auto& f : fields()) f.box->setText(f.defaultText);
    cbo12DC.unit = "in./day";
    using namespace ui::page;
    rows[2].push_back({{{}, 1, "Pipe above orifice:"}, {{"lbl12DaOrf"}}});
    rows[2].push_back({{{}, 1, "Pipe below orifice:"}, {{"lbl12DbOrf"}}});
    layout.sections = {
        Title({"lblTitle"}),
        Inputs(rows[0], "fraMain"),
        Inputs(rows[1]),
        Picture("pic12pic", "Sketch of the surface inlet",
                "Riser with its orifice above the subsurface main; water and orifice elevations"),
        Results(rows[2]),
        Commands({"cmdCompute(12)", "cmdPrint(12)", "cmdExit(12)"}),
    };
}

void FrmSurfaceInlet::Form_Load() {
    cbo12DC.clear();
    for (const char* c : drainage::kCoefficients) cbo12DC.addItem(c);
    cbo12DrMat.clear();
    for (const auto& name : drainage::MaterialNames(materials_)) cbo12DrMat.addItem(name);
    lbl12N.setCaption("");
    cbo12DC.setListIndex(1);
    cbo12DrMat.setListIndex(4);
    ClearResults();
}

void FrmSurfaceInlet::ClearResults() {
    for (auto* l : {&lbl12Orifice, &lbl12Capacity, &lbl12DaOrf, &lbl12DbOrf}) l->setCaption("");
    inputEdited = true;
}

void FrmSurfaceInlet::ShowManningN() {
    // A size that is no 16-bit whole number never reaches the look-up: it has no n, and the
    // range check says why.
    const auto size = ParseWholeInt16(txt12Main.text());
    const auto found = size ? drainage::LookUpDrainN(materials_, cbo12DrMat.text(), *size) : drainage::NLookUp{};
    lbl12N.setCaption(found.status == drainage::NStatus::Found ? FormatNumber(found.n, "0.000") : "");
}

void FrmSurfaceInlet::refuse(bool fromCommand, bool& ok, const char* message, ui::TextBox& focus) {
    if (!fromCommand) return;
    focus.SetFocus();
    services().MsgBox(message, "Input Error", ui::MsgIcon::Exclamation);
    ok = false;
}

void FrmSurfaceInlet::Compute(bool fromCommand, bool& ok) {
    ok = true;
    // No n: unless the size itself is no whole number, which its range check reports.
    if (lbl12N.caption().empty() && (txt12Main.text().empty() || ParseWholeInt16(txt12Main.text())))
        return refuse(fromCommand, ok, kNoN, txt12Main);
    ComputeFrame frame(*this, fromCommand, ok, fromCommand);
    surface_inlet::Inputs in;
    if (!frame.take(txt12Main, in.mainIn) || !frame.take(txt12Slope, in.slope) ||
        !frame.take(txt12Acres, in.acres) || !frame.take(*txt12Elev[0], in.waterLevel) ||
        !frame.take(*txt12Elev[1], in.orifice))
        return;
    in.n = ParseReal(lbl12N.caption()).value_or(0);
    if (in.waterLevel <= in.orifice)
        return refuse(fromCommand, ok, "Water level must be higher than the orifice.", *txt12Elev[0]);
    if (in.n == 0) return refuse(fromCommand, ok, kNoN, txt12Main);
    in.coefficient = drainage::ParseCoefficient(cbo12DC.text());

    const surface_inlet::Result r = surface_inlet::Compute(in);
    // Advice, not a failure: both messages speak in either mode and the computation succeeds.
    if (r.outcome == surface_inlet::Outcome::Overloaded) {
        services().MsgBox("This main is currently overloaded. ", "Input Error", ui::MsgIcon::Exclamation);
        for (auto* l : {&lbl12Orifice, &lbl12Capacity, &lbl12DaOrf, &lbl12DbOrf}) l->setCaption("");
        return;
    }
    lbl12Orifice.setCaption(FormatNumber(r.orificeIn, "0.0##") + " in.");
    lbl12Capacity.setCaption(FormatNumber(r.capacity, "0.0##") + " cfs");
    if (r.outcome == surface_inlet::Outcome::TooLarge) {
        txt12Main.SetFocus();
        services().MsgBox("I don't do orifices larger than 6 in.", "Input Error", ui::MsgIcon::Exclamation);
        lbl12DaOrf.setCaption("");
        lbl12DbOrf.setCaption("");
        return;
    }
    lbl12DaOrf.setCaption(FormatNumber(r.largerPipe, "##0") + " inch pipe");
    lbl12DbOrf.setCaption(FormatNumber(r.smallerPipe, "##0") + " inch pipe");
    inputEdited = false;
}

}  // namespace vado
