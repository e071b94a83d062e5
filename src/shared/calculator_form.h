#pragma once

#include <functional>
#include <string>
#include <vector>

#include "shared/app_context.h"
#include "ui/form.h"

namespace vado {

// A page of the catalogue: every one carries the same tab strip.
class CatalogueForm : public ui::Form {
public:
    CatalogueForm(std::string name, AppContext& app);
    AppContext& app() const { return app_; }
    ui::TabStrip& tabStrip;

private:
    AppContext& app_;
};

// A numeric input field with its range, message format and the place it hands Enter on to.
struct NumericField {
    ui::TextBox* box = nullptr;
    std::string label;
    std::string unit;
    double lo = 0;
    double hi = 0;
    std::string format;
    // The key filter takes no point.
    bool integerOnly = false;
    // The check wants a whole number (CheckRangeInt). Most fields have both or neither; where
    // they differ the page says so after making the field.
    bool wholeNumber = false;
    std::string defaultText;
    std::function<ui::Control*()> next;
};

// A numeric field's description in the order the pages list them; `integerOnly` gives the field
// both the digits-only key filter and the whole-number check.
NumericField MakeField(const char* label, const char* unit, double lo, double hi,
                       const char* format, bool integerOnly, const char* defaultText,
                       std::function<ui::Control*()> next);

// What a field takes, as its tooltip says it: "0.0100 to 0.2000", "whole number, 4 to 36 in.".
std::string RangeTip(const NumericField& f);

class CalculatorForm;

// The common frame of a Compute: fields are taken in check order; the first that fails or is
// empty stops the computation with `ok` set as the mode demands.
class ComputeFrame {
public:
    ComputeFrame(CalculatorForm& form, bool fromCommand, bool& ok);
    // For pages whose range messages speak only as the mode says, whatever was edited.
    ComputeFrame(CalculatorForm& form, bool fromCommand, bool& ok, bool showMessage);
    // True when the field holds an in-range value, stored in v.
    bool take(ui::TextBox& box, double& v);
    bool take(ui::TextBox& box, short& v);
    bool required() const { return required_; }
    bool showMessage() const { return showMessage_; }

private:
    bool check(ui::TextBox& box, const NumericField& f);
    CalculatorForm& form_;
    bool& ok_;
    bool required_;
    bool showMessage_;
};

// A calculator page: numeric fields with the shared handler family, the Compute, Print and Exit
// commands (indexed with the catalogue number), and `inputEdited`.
class CalculatorForm : public CatalogueForm {
public:
    CalculatorForm(std::string name, AppContext& app, short catalogueNumber);

    short catalogueNumber() const { return number_; }
    bool inputEdited = true;

    ui::CommandButton& cmdCompute;
    ui::CommandButton& cmdPrint;
    ui::CommandButton& cmdExit;

    // The Compute command: a reporting Compute whose failure sets lastComputeFailed.
    void cmdCompute_Click();
    // The Print command: the Compute command, then the project-information dialog.
    void cmdPrint_Click();

    const std::vector<NumericField>& fields() const { return fields_; }
    // The controls that show the page's results.
    std::vector<ui::Control*> results;
    // Inputs of a worked example that computes, as (field, text), for pages whose fields start
    // blank: where a walk through the page with every input in turn starts from.
    std::vector<std::pair<std::string, std::string>> example;
    const NumericField* field(const ui::TextBox& box) const;
    // What the page's inputs hold now, as one text: the numeric fields' texts and the choices of
    // its lists, options and check boxes. Two equal texts mean the same computation.
    std::string InputsNow() const;
    // The numeric field a person entered last (its focus event ran last), or null: where what the
    // page computes depends on which dimension was being typed, this is the one.
    ui::TextBox* lastEnteredField() const { return lastEntered_; }

    virtual void Compute(bool fromCommand, bool& ok) = 0;
    // Compute, guarded: a validation that the computation's own focus moves set off does not
    // compute again.
    void RunCompute(bool fromCommand, bool& ok);

protected:
    // Installs the handler family on a numeric field: change blanks the results, focus selects
    // the text, keys are filtered and Enter computes quietly and moves on, leaving computes
    // quietly and stays when the check asks for it.
    ui::TextBox& addNumericField(NumericField f, const std::string& name, int index = -1);
    // The description of one of the page's numeric fields, to set a flag apart from MakeField's.
    NumericField& fieldOf(const ui::TextBox& box);
    // A page that handles a field's focus event itself says here that the field was entered.
    void noteEntered(ui::TextBox& box) { lastEntered_ = &box; }
    // Blanks the page's results (run when a field's text changes).
    virtual void ClearResults() = 0;
    virtual short reportCode() const { return number_; }

private:
    short number_;
    std::vector<NumericField> fields_;
    ui::TextBox* lastEntered_ = nullptr;
    bool computing_ = false;
    friend class ComputeFrame;
};

}  // namespace vado
