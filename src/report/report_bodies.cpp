#include "report/report_bodies.h"

#include "ui/printer.h"

namespace vado::report {

namespace {

// Read access to a page's controls by the names the report lines use.
class PageReader {
  public:
    PageReader(const PageLookup& lookup, short number) : form_(lookup ? lookup(number) : nullptr) {
        if (!form_)
            throw ui::PrintError("the page of report " + std::to_string(number) + " is missing");
    }

    // The text of a text box or combo box.
    std::string text(const char* name) const {
        const ui::Control& c = control(name);
        if (c.kind() == ui::Kind::TextBox) return static_cast<const ui::TextBox&>(c).text();
        if (c.kind() == ui::Kind::ComboBox) return static_cast<const ui::ComboBox&>(c).text();
        throw ui::PrintError(std::string(name) + " holds no text");
    }
    const std::string& caption(const char* name) const { return control(name).caption(); }
    // The caption's characters from position k (counted from 1).
    std::string captionFrom(const char* name, size_t k) const {
        const std::string& c = caption(name);
        return k - 1 < c.size() ? c.substr(k - 1) : std::string();
    }
    bool selected(const char* name) const {
        const ui::Control& c = control(name);
        if (c.kind() != ui::Kind::OptionButton)
            throw ui::PrintError(std::string(name) + " is no option");
        return static_cast<const ui::OptionButton&>(c).value();
    }

  private:
    const ui::Control& control(const char* name) const {
        const ui::Control* c = form_->find(name);
        if (!c) throw ui::PrintError(form_->name() + " has no control " + name);
        return *c;
    }
    const ui::Form* form_;
};

void WeirBody(Destination& d, const PageReader& weir) {
    d.center("Weir Coefficient (C):  " + weir.text("txt1Coeff"));
    if (weir.selected("opt1Selector(0)"))
        d.center("Diameter of Weir:  " + weir.text("txt1Dia") + " in.");
    else
        d.center("Length of Weir:  " + weir.text("txt1Len") + " ft.");
    d.center("Head on Weir:  " + weir.text("txt1H1") + " ft.");
    d.SkipLine();
    // The result label reads "Q = 19.48 cfs"; from its fourth character on is " 19.48 cfs", so
    // the line has three blanks after the colon, one more than the lines above.
    d.center("Weir Capacity:  " + weir.captionFrom("lbl1Q", 4));
}

}  // namespace

short TitleNumber(short reportCode) {
    return reportCode > 99 ? static_cast<short>(reportCode % 100) : reportCode;
}

void PrintReportBody(short reportCode, Destination& d, const PageLookup& page) {
    switch (reportCode) {
        case 1:
            return WeirBody(d, PageReader(page, 1));
        default:
            return;
    }
}

}  // namespace vado::report
