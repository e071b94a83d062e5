#include "app/page_exports.h"

#include <cctype>

#include "app/catalogue.h"
#include "shared/rating_grid.h"
#include "shared/results_text.h"

namespace vado {

namespace {

const ui::Form& Shown(const MainModule& module) { return *module.FormList[module.CurrentForm]; }

const ui::Grid* FirstGrid(const ui::Form& form) {
    for (const auto& c : form.controls())
        if (c->kind() == ui::Kind::Grid && c->visible())
            return static_cast<const ui::Grid*>(c.get());
    return nullptr;
}

}  // namespace

std::string PageTableCsv(const MainModule& module) {
    const ui::Grid* grid = FirstGrid(Shown(module));
    return grid ? TableCsv(*grid) : std::string();
}

ui::ExportOffer ExportOfferOf(ui::Form& form) {
    if (auto* w = dynamic_cast<FrmStageDischarge*>(&form)) return w->exportOffer();
    if (auto* w = dynamic_cast<FrmRectRiserResults*>(&form)) return w->exportOffer(w->page());
    if (auto* w = dynamic_cast<FrmWaterControlResults*>(&form)) return w->exportOffer();
    ui::ExportOffer offer{.baseName = form.name()};
    if (const ui::Grid* grid = FirstGrid(form)) offer.tableCsv = [grid] { return TableCsv(*grid); };
    return offer;
}

std::string PageFileName(const MainModule& module) {
    std::string name;
    for (char ch : kCatalogue[module.CurrentForm].tabCaption) {
        const auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c))
            name += static_cast<char>(std::tolower(c));
        else if (!name.empty() && name.back() != '-')
            name += '-';
    }
    while (!name.empty() && name.back() == '-') name.pop_back();
    return name;
}

std::string PageText(const MainModule& module) {
    if (auto* calc = dynamic_cast<const CalculatorForm*>(&Shown(module)))
        return ResultsText(*calc, module.GetReportTitle(module.CurrentForm));
    return {};
}

ui::CommandButton* PrintCommand(const MainModule& module) {
    for (auto& c : module.FormList[module.CurrentForm]->controls())
        if (c->kind() == ui::Kind::CommandButton && c->name() == "cmdPrint")
            return static_cast<ui::CommandButton*>(c.get());
    return nullptr;
}

void ClickPrint(MainModule& module) {
    if (ui::CommandButton* print = PrintCommand(module)) print->form().clickButton(*print);
}

}  // namespace vado
