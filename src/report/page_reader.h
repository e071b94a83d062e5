#pragma once

#include <string>

#include "report/report_bodies.h"
#include "shared/number_format.h"
#include "ui/printer.h"

namespace vado::report {

// Read access to a page's controls by the names the report lines use.
class PageReader {
  public:
    PageReader(const PageLookup& lookup, short number) : form_(lookup ? lookup(number) : nullptr) {
        if (!form_)
            throw ui::PrintError("the page of report " + std::to_string(number) + " is missing");
    }

    // A result window read the same way.
    explicit PageReader(const ui::Form* window) : form_(window) {
        if (!form_) throw ui::PrintError("the rating window is not open");
    }

    const ui::Grid& grid(const char* name) const {
        const ui::Control& c = control(name);
        if (c.kind() != ui::Kind::Grid) throw ui::PrintError(std::string(name) + " is no grid");
        return static_cast<const ui::Grid&>(c);
    }

    // The text of a text box or combo box.
    std::string text(const char* name) const {
        const ui::Control& c = control(name);
        if (c.kind() == ui::Kind::TextBox) return static_cast<const ui::TextBox&>(c).text();
        if (c.kind() == ui::Kind::ComboBox) return static_cast<const ui::ComboBox&>(c).text();
        throw ui::PrintError(std::string(name) + " holds no text");
    }
    // The number a text box holds, 0 when it holds none (as the report reads a field).
    double number(const char* name) const { return ParseReal(text(name)).value_or(0.0); }
    int selectedIndex(const char* name) const {
        const ui::Control& c = control(name);
        if (c.kind() != ui::Kind::ComboBox) throw ui::PrintError(std::string(name) + " is no list");
        return static_cast<const ui::ComboBox&>(c).listIndex();
    }
    const ui::Form& form() const { return *form_; }
    bool visible(const char* name) const { return control(name).visible(); }
    const std::string& caption(const char* name) const { return control(name).caption(); }
    // The caption's characters from position k (counted from 1).
    std::string captionFrom(const char* name, size_t k) const {
        const std::string& c = caption(name);
        return k - 1 < c.size() ? c.substr(k - 1) : std::string();
    }
    // The caption's characters after the first `mark` ("" when it has none).
    std::string captionAfter(const char* name, char mark) const {
        const std::string& c = caption(name);
        auto at = c.find(mark);
        return at == std::string::npos ? std::string() : c.substr(at + 1);
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

}  // namespace vado::report
