#include "calc/mensuration/frm_mensuration.h"

#include <cmath>

#include "shared/fields.h"
#include "shared/formula.h"
#include "shared/number_format.h"
#include "shared/sketch.h"

namespace vado {

namespace {

using Def = const char*;
constexpr Def kFigureNames[] = {"Right Triangle", "Oblique Triangle", "Equilateral Triangle", "Trapezoid",
                                "Cube", "Rectangular Parallelopiped", "Prismatoid", "Square", "Rectangle",
                                "Parallelogram", "Parabola", "Frustrum of a Pyramid", "Frustrum of a Cone",
                                "Circle"};

// The parallelogram's h runs up to side b: its upper bound here is only the field's listing.
constexpr struct {
    int figure;
    const char* name;
    int index;
    const char* caption;
    double lo, hi;
    const char* format;
    bool integer;
    const char* initial;
} kFields[] = {
    {0, "txt0Side", 0, "Side 'a':", 0.01, 999, "##0.00", false, "3.00"},
    {0, "txt0Side", 1, "Side 'b':", 0.01, 999, "##0.00", false, "4.00"},
    {0, "txt0Side", 2, "Side 'c':", 0.01, 999, "##0.00", false, "5.00"},
    {1, "txt1Side", 0, "Side 'a':", 0.01, 999, "##0.00", false, "3.00"},
    {1, "txt1Side", 1, "Side 'b':", 0.01, 999, "##0.00", false, "4.00"},
    {1, "txt1Side", 2, "Side 'c':", 0.01, 999, "##0.00", false, "6.00"},
    {2, "txt2Side", -1, "Side 'a':", 0.01, 999, "##0.00", false, "4.00"},
    {2, "txt2Height", -1, "Height", 0.01, 999, "##0.00", false, "3.46"},
    {3, "txt3Side", 0, "Side 'a':", 0.01, 999, "##0.00", false, "8.00"},
    {3, "txt3Side", 1, "Side 'b':", 0.01, 999, "##0.00", false, "12.00"},
    {3, "txt3Height", -1, "Height:", 0.01, 999, "##0.00", false, "4.00"},
    {4, "txt4Side", -1, "Side 'a':", 0.01, 999, "##0.00", false, "4.00"},
    {4, "txt4Diag", -1, "Diagonal:", 0.01, 1730, "##0.00", false, "6.93"},
    {5, "txt5Side", 0, "Side 'a':", 0.01, 999, "##0.00", false, "12.00"},
    {5, "txt5Side", 1, "Side 'b':", 0.01, 999, "##0.00", false, "8.00"},
    {5, "txt5Side", 2, "Side 'c':", 0.01, 999, "##0.00", false, "4.00"},
    {6, "txt6Area", 0, "A1:", 0.01, 99999, "##0.00", false, "12.00"},
    {6, "txt6Area", 1, "A2:", 0.01, 99999, "##0.00", false, "8.00"},
    {6, "txt6Area", 2, "Am:", 0.01, 99999, "##0.00", false, "4.00"},
    {6, "txt6Height", -1, "h", 0.01, 999, "##0.00", false, "6.00"},
    {7, "txt7Side", -1, "Side:", 0.01, 999, "##0.00", false, "4.00"},
    {7, "txt7Diag", -1, "Diagonal:", 0.01, 1730, "##0.00", false, "6.00"},
    {7, "txt7Area", -1, "Area:", 0.01, 998001, "##0.00", false, "7.21"},
    {8, "txt8Side", 0, "Side 'a':", 0.01, 1730, "##0.00", false, "4.00"},
    {8, "txt8Side", 1, "Side 'b':", 0.01, 1730, "##0.00", false, "6.00"},
    {8, "txt8Diag", -1, "Diagonal:", 0.01, 999, "##0.00", false, "7.21"},
    {9, "txt9Side", 0, "Side 'a':", 0.01, 999, "##0.00", false, "14.00"},
    {9, "txt9Side", 1, "Side 'b':", 0.01, 999, "##0.00", false, "8.00"},
    {9, "txt9Height", -1, "'h':", 0.01, 999, "##0.00", false, "6.00"},
    {10, "txt10Width", -1, "Top Width:", 0, 999, "##0.00", false, "30.00"},
    {10, "txt10Depth", -1, "Depth:", 0, 99, "#0.00", false, "1.00"},
    {11, "txt11Nsides", -1, "Number of Sides", 3, 16, "#0", true, "3"},
    {11, "txt11Side", 0, "Side 'a'", 0.1, 999, "##0.00", false, "14.00"},
    {11, "txt11Side", 1, "Side 'b'", 0.1, 999, "##0.00", false, "8.00"},
    {11, "txt11Height", -1, "Height", 0.1, 999, "##0.00", false, "6.00"},
    {12, "txt12Dia", 0, "diameter 1:", 0.1, 999, "##0.00", false, "14.00"},
    {12, "txt12Dia", 1, "diameter 2:", 0.1, 999, "##0.00", false, "8.00"},
    {12, "txt12Height", -1, "height:", 0.1, 999, "##0.00", false, "6.00"},
    {13, "txt13Dia", -1, "diameter:", 0.1, 999, "##0.00", false, "6.0"},
};

constexpr struct {
    int figure;
    const char* name;
    int index;
    const char* caption;
} kOutputs[] = {
    {2, "lbl2Area", -1, "Area ="},           {3, "lbl3Area", -1, "Area ="},
    {4, "lbl4Area", -1, "Surface Area ="},   {4, "lbl4Vol", -1, "Vol ="},
    {5, "lbl5Vol", -1, "Vol ="},             {5, "lbl5Area", -1, "Surface Area ="},
    {5, "lbl5D", -1, "Diagonal ="},          {6, "lbl6Area", -1, "Vol ="},
    {8, "lbl8Area", -1, "Area ="},           {9, "lbl9D1", -1, "d1 ="},
    {9, "lbl9D2", -1, "d2 ="},               {9, "lbl9Area", -1, "Area ="},
    {10, "lbl10Area", -1, "Area ="},         {11, "lbl11Area", 0, "A1 ="},
    {11, "lbl11Area", 1, "A2 ="},            {11, "lbl11Vol", -1, "Vol ="},
    {12, "lbl12Area", 0, "A1 ="},            {12, "lbl12Area", 1, "A2 ="},
    {12, "lbl12Vol", -1, "Vol ="},           {13, "lbl13Circum", -1, "Circumference ="},
    {13, "lbl13Area", -1, "Area ="},         {13, "lbl13SurfArea", -1, "Sphere Surface Area ="},
    {13, "lbl13Volume", -1, "Sphere Volume ="},
};

// The formulas each frame states (the gaps leave room for drawn radicals).
constexpr struct {
    int figure;
    const char* text;
} kFormulas[] = {
    {0, "Area = 1/2 * a * b"}, {1, "Area = 1/2 * a * h"}, {1, "s = 1/2 * (a + b + c)"},
    {1, "r = \u221a((s - a)*(s - b)*(s - c) / s)"}, {1, "tan 1/2 * \u03c3 = r / (s - a)"},
    {1, "tan 1/2 * \u03c6 = r / (s - b)"}, {1, "tan 1/2 * \u03b1 = r / (s - c)"}, {2, "h = 1/2 * a *      3"}, {3, "Area = 1/2 * h * (a + b)"},
    {4, "Vol = a^3"}, {4, "Surface Area = 6 * a^2"}, {4, "d = a *     3"}, {5, "Vol = a * b * c"},
    {5, "Surface Area = 2*(a*b + b*c + c*a)"}, {6, "Vol = 1/6 * (A1 + A2 + 4 * Am) * h"},
    {7, "Area = a^2"}, {8, "Area = a * b"}, {9, "Area = a * h"}, {10, "Area = 2/3 * T * d"},
    {11, "Vol = 1/3 * (A1 + A2 +    A1* A2  ) * h"}, {12, "Vol = 1/3 * (A1 + A2 +    A1* A2  ) * h"},
};

// The same formulas as the view draws them.
const std::vector<std::string> kMath[] = {
    {"Area = \\frac{1}{2} \u00b7 a \u00b7 b"},
    {"Area = \\frac{1}{2} \u00b7 a \u00b7 h", "s = \\frac{1}{2} (a + b + c)",
     "r = \\sqrt{\\frac{(s - a)(s - b)(s - c)}{s}}", "tan \\frac{\u03c3}{2} = \\frac{r}{s - a}",
     "tan \\frac{\u03c6}{2} = \\frac{r}{s - b}", "tan \\frac{\u03b1}{2} = \\frac{r}{s - c}"},
    {"h = \\frac{1}{2} \u00b7 a \u00b7 \\sqrt{3}"},
    {"Area = \\frac{1}{2} \u00b7 h \u00b7 (a + b)"},
    {"Vol = a^3", "Surface Area = 6 \u00b7 a^2", "d = a \u00b7 \\sqrt{3}"},
    {"Vol = a \u00b7 b \u00b7 c", "Surface Area = 2 (a b + b c + c a)"},
    {"Vol = \\frac{1}{6} (A_1 + A_2 + 4 A_m) \u00b7 h"},
    {"Area = a^2"},
    {"Area = a \u00b7 b"},
    {"Area = a \u00b7 h"},
    {"Area = \\frac{2}{3} \u00b7 T \u00b7 d"},
    {"Vol = \\frac{1}{3} (A_1 + A_2 + \\sqrt{A_1 \u00b7 A_2}) \u00b7 h"},
    {"Vol = \\frac{1}{3} (A_1 + A_2 + \\sqrt{A_1 \u00b7 A_2}) \u00b7 h"},
    {},
};

}  // namespace

FrmMensuration::FrmMensuration(AppContext& app)
    : CalculatorForm("frmMensuration", app, 13),
      cboFormula(add<ui::ComboBox>("cboFormula")),
      frmFormula{},
      picImage{},
      pic9Angle(add<ui::PictureBox>("pic9Angle")) {
    setCaption("Mensuration Formulas");
    for (int i = 0; i < kFigures; ++i) {
        frmFormula[i] = &add<ui::Frame>("frmFormula", i);
        frmFormula[i]->setCaption(kFigureNames[i]);
        picImage[i] = &add<ui::PictureBox>("picImage", i);
        picImage[i]->container = frmFormula[i]->fullName();
        picImage[i]->minimumWidth = 7200;
        picImage[i]->minimumHeight = 3600;
        picImage[i]->onPaint = [this, i](ui::Surface& s, double w, double h) { PaintFigure(i, s, w, h); };
    }
    pic9Angle.container = frmFormula[9]->fullName();
    pic9Angle.onPaint = [this](ui::Surface& s, double, double) {
        if (!valid_ || cboFormula.listIndex() != 9) return;
        s.setCurrentX(60);
        s.setCurrentY(60);
        DrawAngleDMS(s, parallelogram_.theta);
    };

    std::array<std::vector<ui::LayoutRow>, kFigures> rows, resultRows;
    for (const auto& f : kFields) {
        const int figure = f.figure, position = static_cast<int>(inputs_[figure].size());
        auto& box = addNumericField(MakeField(f.caption, "", f.lo, f.hi, f.format, f.integer, f.initial,
                                              [this, figure, position]() -> ui::Control* {
                                                  const auto& list = inputs_[figure];
                                                  return position + 1 < static_cast<int>(list.size())
                                                             ? static_cast<ui::Control*>(list[position + 1])
                                                             : &cmdCompute;
                                              }),
                                    f.name, f.index);
        box.container = frmFormula[figure]->fullName();
        box.setText(f.initial);
        inputs_[figure].push_back(&box);
        // Every change recomputes the figure, quietly; the typing flag tells the computation so.
        box.onChange = [this, figure] {
            typing_ = true;
            bool ok = true;
            ComputeFigure(figure, false, ok);
            typing_ = false;
        };
        box.onGotFocus = [this, &box, position] {
            active_ = position;
            noteEntered(box);
            SelectAllText(box);
        };
        // Leaving a field checks its own range, nothing more; h of the parallelogram runs to b.
        box.onValidate = [this, &box, figure, position, f](bool& cancel) {
            if (figure == 9 && position == 2) {
                const double b = ParseReal(input(9, 1).text()).value_or(0.01);
                cancel = !CheckRangeBetween(box, 0.01, b, f.format, false, true);
            } else if (f.integer) {
                cancel = !CheckRangeInt(box, static_cast<short>(f.lo), static_cast<short>(f.hi), f.format, false, true);
            } else {
                cancel = !CheckRange(box, f.lo, f.hi, f.format, false, true);
            }
        };
        auto& label = add<ui::Label>("Label13", static_cast<int>(controls().size()));
        label.setCaption(f.caption);
        rows[figure].push_back({{{label.fullName()}}, {{box.fullName()}}});
    }
    for (const auto& f : kFormulas)
        add<ui::Label>("lblFormula", static_cast<int>(controls().size())).setCaption(f.text);
    for (const auto& o : kOutputs) {
        auto& result = add<ui::Label>(o.name, o.index);
        outputs_[o.figure].push_back(&result);
        results.push_back(&result);
        auto& label = add<ui::Label>("Label13", static_cast<int>(controls().size()));
        label.setCaption(o.caption);
        resultRows[o.figure].push_back({{{label.fullName()}}, {{result.fullName()}}});
    }
    auto& theta = add<ui::Label>("Label13", static_cast<int>(controls().size()));
    theta.setCaption("\u03b8 =");
    resultRows[9].push_back({{{theta.fullName()}}, {{"pic9Angle"}}});
    // The angle is written in a line of text's room, on the page's own background.
    pic9Angle.paper = false;
    pic9Angle.onMeasure = [](ui::Surface& s, double& w, double& h) {
        w = s.TextWidth("000\u00b0 00' 00\"") + 240;
        h = s.TextHeight("0") + 120;
    };
    cboFormula.onClick = [this] {
        valid_ = false;
        showFigure(cboFormula.listIndex());
        typing_ = false;
        bool ok = true;
        ComputeFigure(cboFormula.listIndex(), false, ok);
    };

    using namespace ui::page;
    layout.sections = {Inputs({{{{}, 1, "Figure:"}, {{"cboFormula"}}}})};
    for (int i = 0; i < kFigures; ++i) {
        const std::string frame = frmFormula[i]->fullName();
        layout.sections.push_back(Inputs(rows[i], frame));
        ui::LayoutSection picture = Picture(picImage[i]->fullName(), "Sketch of the " + std::string(kFigureNames[i]),
                                            "The figure with its lettered dimensions");
        picture.showWith = frame;
        layout.sections.push_back(picture);
        if (!kMath[i].empty()) {
            picMath[i] = &add<ui::PictureBox>("picMath", i);
            formula::Show(*picMath[i], kMath[i], false);
            ui::LayoutSection math = Picture(picMath[i]->fullName(), "Formulas", formula::Linear(kMath[i]));
            math.showWith = frame;
            layout.sections.push_back(math);
        }
        ui::LayoutSection results = Results(resultRows[i]);
        results.showWith = frame;
        layout.sections.push_back(results);
    }
    layout.sections.push_back(Commands({"cmdCompute(13)", "cmdPrint(13)", "cmdExit(13)"}));
}

void FrmMensuration::Form_Load() {
    cboFormula.clear();
    for (const char* name : kFigureNames) cboFormula.addItem(name);
    cboFormula.setListIndex(0);
}

void FrmMensuration::Form_Activate() {
    bool ok = true;
    ComputeFigure(std::max(0, cboFormula.listIndex()), false, ok);
}

void FrmMensuration::showFigure(int figure) {
    for (int i = 0; i < kFigures; ++i) {
        const bool shown = i == figure;
        frmFormula[i]->setVisible(shown);
        picImage[i]->setVisible(shown);
        for (auto* box : inputs_[i]) box->setVisible(shown);
        // A figure put away keeps no results: choosing it again computes them afresh, so what
        // the page holds follows from its inputs alone, not from the figures visited before.
        for (auto* label : outputs_[i]) {
            label->setVisible(shown);
            if (!shown) label->setCaption("");
        }
    }
    pic9Angle.setVisible(figure == 9);
}

void FrmMensuration::Compute(bool fromCommand, bool& ok) {
    ComputeFigure(std::max(0, cboFormula.listIndex()), fromCommand, ok);
}

void FrmMensuration::ComputeFigure(int figure, bool report, bool& ok) {
    ok = true;
    if (figure < 0 || figure >= kFigures) return;
    // A written-back dimension recomputes through its field; it settles once the texts stop
    // changing, and never runs deeper than this.
    if (depth_ >= 3) return;
    ++depth_;
    const int failuresBefore = failures_;
    const bool validBefore = valid_;
    bool solved = solve(figure, report);
    // A figure not shown (its dimensions put in by an opened project) writes back its dimensions
    // but keeps no results, and leaves the shown figure's sketch as it was.
    if (figure != cboFormula.listIndex()) {
        for (auto* label : outputs_[figure]) label->setCaption("");
        valid_ = validBefore;
    }
    if (!solved) {
        blank(figure);
        ++failures_;
    } else if (failures_ != failuresBefore) {
        solved = false;  // a value it wrote back was refused
    }
    --depth_;
    ok = solved || !report;
    if (solved) inputEdited = false;
}

void FrmMensuration::blank(int figure) {
    for (auto* label : outputs_[figure]) label->setCaption("");
    valid_ = false;
    picImage[figure]->Refresh();
    pic9Angle.Refresh();
}

bool FrmMensuration::take(int figure, int position, bool report, double& v) {
    ui::TextBox& box = input(figure, position);
    const NumericField* f = CalculatorForm::field(box);
    const bool inRange = f->wholeNumber
                             ? CheckRangeInt(box, static_cast<short>(f->lo), static_cast<short>(f->hi), f->format, report, report)
                             : CheckRange(box, f->lo, f->hi, f->format, report, report);
    if (!inRange || box.text().empty()) return false;
    v = ParseReal(box.text()).value_or(0);
    return true;
}

bool FrmMensuration::number(int figure, int position, bool report, double& v) {
    ui::TextBox& box = input(figure, position);
    const auto x = ParseReal(box.text());
    if (x) {
        v = *x;
        return true;
    }
    // Not range-checked here, yet a blank or a pasted non-number gives no results.
    if (report) {
        const NumericField* f = CalculatorForm::field(box);
        services().MsgBox(RangeMessage(f->lo, f->hi, f->format), "Input Error", ui::MsgIcon::Exclamation);
        box.SetFocus();
    }
    return false;
}

void FrmMensuration::writeBack(int figure, int position, double v, const char* format) {
    input(figure, position).setText(FormatNumber(v, format));
}

}  // namespace vado
