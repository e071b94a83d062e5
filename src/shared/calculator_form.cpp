#include "shared/calculator_form.h"

#include <stdexcept>

#include "shared/fields.h"
#include "shared/number_format.h"

namespace vado {

NumericField MakeField(const char* label, const char* unit, double lo, double hi,
                       const char* format, bool integerOnly, const char* defaultText,
                       std::function<ui::Control*()> next) {
    return {.label = label,
            .unit = unit,
            .lo = lo,
            .hi = hi,
            .format = format,
            .integerOnly = integerOnly,
            .wholeNumber = integerOnly,
            .defaultText = defaultText,
            .next = std::move(next)};
}

CatalogueForm::CatalogueForm(std::string name, AppContext& app)
    : ui::Form(std::move(name), app.services), tabStrip(add<ui::TabStrip>("tabStrip")), app_(app) {}

CalculatorForm::CalculatorForm(std::string name, AppContext& app, short catalogueNumber)
    : CatalogueForm(std::move(name), app),
      cmdCompute(add<ui::CommandButton>("cmdCompute", catalogueNumber)),
      cmdPrint(add<ui::CommandButton>("cmdPrint", catalogueNumber)),
      cmdExit(add<ui::CommandButton>("cmdExit", catalogueNumber)),
      number_(catalogueNumber) {
    cmdCompute.setCaption("&Compute");
    cmdPrint.setCaption("&Print");
    cmdExit.setCaption("E&xit");
    cmdCompute.onClick = [this] { cmdCompute_Click(); };
    cmdPrint.onClick = [this] { cmdPrint_Click(); };
    cmdExit.onClick = [this] { services().Quit(); };
}

void CalculatorForm::RunCompute(bool fromCommand, bool& ok) {
    ok = true;
    if (computing_) return;
    computing_ = true;
    Compute(fromCommand, ok);
    computing_ = false;
}

void CalculatorForm::cmdCompute_Click() {
    bool ok = true;
    RunCompute(true, ok);
    app().lastComputeFailed = !ok;
}

void CalculatorForm::cmdPrint_Click() {
    cmdCompute_Click();
    if (app().lastComputeFailed) return;
    if (app().showReport) app().showReport(reportCode());
}

const NumericField* CalculatorForm::field(const ui::TextBox& box) const {
    for (auto& f : fields_)
        if (f.box == &box) return &f;
    return nullptr;
}

std::string CalculatorForm::InputsNow() const {
    std::string s;
    for (auto& c : controls()) {
        std::string value;
        switch (c->kind()) {
            case ui::Kind::TextBox:
                if (!field(static_cast<const ui::TextBox&>(*c))) continue;
                value = static_cast<const ui::TextBox&>(*c).text();
                break;
            case ui::Kind::ComboBox:
                value = std::to_string(static_cast<const ui::ComboBox&>(*c).listIndex()) + ":" +
                        static_cast<const ui::ComboBox&>(*c).text();
                break;
            case ui::Kind::OptionButton:
                value = static_cast<const ui::OptionButton&>(*c).value() ? "1" : "0";
                break;
            case ui::Kind::CheckBox:
                value = std::to_string(static_cast<const ui::CheckBox&>(*c).value());
                break;
            default:
                continue;
        }
        s += c->fullName() + '=' + value + '\n';
    }
    return s;
}

NumericField& CalculatorForm::fieldOf(const ui::TextBox& box) {
    for (auto& f : fields_)
        if (f.box == &box) return f;
    throw std::logic_error(box.fullName() + " is no numeric field of " + name());
}

ui::TextBox& CalculatorForm::addNumericField(NumericField f, const std::string& name, int index) {
    ui::TextBox& box = add<ui::TextBox>(name, index);
    f.box = &box;
    box.unit = f.unit;
    box.setToolTip([this, &box] { return RangeTip(fieldOf(box)); });
    box.onChange = [this] {
        ClearResults();
        inputEdited = true;
    };
    box.onGotFocus = [this, &box] {
        noteEntered(box);
        SelectAllText(box);
        inputEdited = false;
    };
    auto next = f.next;
    box.onKeyPress = [this, &box, next](std::int16_t& key) {
        if (key == 13) {
            bool ok = true;
            RunCompute(false, ok);
            // A check that moved the focus elsewhere has the last word.
            if (ok && next && focused() == &box) {
                if (ui::Control* n = next()) n->SetFocus();
            }
            key = 0;
            return;
        }
        const NumericField* f = field(box);
        FilterNumericKey(box, key, f && f->integerOnly, false, false);
    };
    box.onValidate = [this](bool& cancel) {
        bool ok = true;
        RunCompute(false, ok);
        cancel = !ok;
    };
    fields_.push_back(std::move(f));
    return box;
}

std::string RangeTip(const NumericField& f) {
    // What the keyboard or the check lets through: either way a person types a whole number.
    std::string tip = f.integerOnly || f.wholeNumber ? "whole number, " : "";
    tip += f.lo < f.hi ? FormatNumber(f.lo, f.format) + " to " + FormatNumber(f.hi, f.format)
                       : "at least " + FormatNumber(f.lo, f.format);
    if (!f.unit.empty()) tip += " " + f.unit;
    return tip;
}

ComputeFrame::ComputeFrame(CalculatorForm& form, bool fromCommand, bool& ok)
    : form_(form),
      ok_(ok),
      required_(fromCommand),
      showMessage_(form.inputEdited || fromCommand) {
    ok_ = true;
}

ComputeFrame::ComputeFrame(CalculatorForm& form, bool fromCommand, bool& ok, bool showMessage)
    : form_(form), ok_(ok), required_(fromCommand), showMessage_(showMessage) {
    ok_ = true;
}

bool ComputeFrame::check(ui::TextBox& box, const NumericField& f) {
    bool inRange =
        f.wholeNumber
            ? CheckRangeInt(box, static_cast<short>(f.lo), static_cast<short>(f.hi), f.format,
                            required_, showMessage_)
            : CheckRange(box, f.lo, f.hi, f.format, required_, showMessage_);
    if (!inRange) {
        ok_ = !showMessage_;
        return false;
    }
    return !box.text().empty();
}

bool ComputeFrame::take(ui::TextBox& box, double& v) {
    const NumericField* f = form_.field(box);
    if (!f || !check(box, *f)) return false;
    v = ParseReal(box.text()).value_or(0.0);
    return true;
}

bool ComputeFrame::take(ui::TextBox& box, short& v) {
    const NumericField* f = form_.field(box);
    if (!f || !check(box, *f)) return false;
    v = ParseInt16(box.text()).value_or(0);
    return true;
}

}  // namespace vado
