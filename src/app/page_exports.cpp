#include "app/page_exports.h"

#include <cctype>

#include "shared/calculator_form.h"
#include "shared/rating_grid.h"
#include "shared/results_text.h"

namespace vado {

std::string PageTableCsv(const ui::Form& page) {
    for (const auto& c : page.controls())
        if (c->kind() == ui::Kind::Grid && c->visible())
            return TableCsv(static_cast<const ui::Grid&>(*c));
    return {};
}

std::string PageFileName(const ui::Form& page) {
    std::string name;
    for (char ch : page.caption()) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c))
            name += static_cast<char>(std::tolower(c));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-') name.pop_back();
    return name.empty() ? "vadocalc" : name;
}

std::string PageText(const ui::Form& page) {
    if (auto* calc = dynamic_cast<const CalculatorForm*>(&page)) return ResultsText(*calc);
    return page.caption() + "\n";
}

void ClickPrint(ui::Form& page) {
    for (auto& c : page.controls())
        if (c->kind() == ui::Kind::CommandButton && c->name() == "cmdPrint")
            return page.clickButton(static_cast<ui::CommandButton&>(*c));
}

}  // namespace vado
