#include "app/cli/listing.h"

#include <nlohmann/json.hpp>
#include <string>

#include "app/catalogue.h"
#include "shared/number_format.h"

namespace vado::cli {

void PrintMarkdownList(const CatalogueForm& page, std::ostream& out) {
    auto* calc = dynamic_cast<const CalculatorForm*>(&page);
    if (!calc) return;
    auto cell = [](std::string s) {
        for (size_t at = s.find('|'); at != std::string::npos; at = s.find('|', at + 2))
            s.replace(at, 1, "\\|");
        return s;
    };
    out << "| Field | Label | Unit | Range | Default |\n|---|---|---|---|---|\n";
    for (auto& f : calc->fields()) {
        std::string range =
            f.lo < f.hi ? FormatNumber(f.lo, f.format) + " to " + FormatNumber(f.hi, f.format)
                        : "at least " + FormatNumber(f.lo, f.format);
        if (f.wholeNumber) range += ", whole numbers";
        out << "| `" << f.box->fullName() << "` | " << cell(f.label) << " | " << cell(f.unit)
            << " | " << range << " | " << (f.defaultText.empty() ? "(blank)" : cell(f.defaultText))
            << " |\n";
    }
    out << "\nResults: ";
    for (size_t i = 0; i < calc->results.size(); ++i)
        out << (i ? ", " : "") << "`" << calc->results[i]->fullName() << "`";
    out << ".\n";
}

void PrintList(const CatalogueForm& page, std::ostream& out) {
    out << page.name() << "\n";
    auto* calc = dynamic_cast<const CalculatorForm*>(&page);
    if (!calc) {
        out << "  (no input fields)\n";
        return;
    }
    out << "fields:\n";
    for (auto& f : calc->fields()) {
        out << "  " << f.box->fullName() << "  \"" << f.label << "\"";
        if (!f.unit.empty()) out << "  unit: " << f.unit;
        if (f.lo < f.hi)
            out << "  range: " << FormatNumber(f.lo, f.format) << " to "
                << FormatNumber(f.hi, f.format);
        else
            out << "  range: at least " << FormatNumber(f.lo, f.format);
        if (f.wholeNumber) out << "  whole numbers";
        out << "  default: \"" << f.defaultText << "\"\n";
    }
    out << "results:\n";
    for (auto* r : calc->results) out << "  " << r->fullName() << "\n";
}

void PrintForms(std::ostream& out, bool json) {
    if (json) {
        auto list = nlohmann::ordered_json::array();
        for (const auto& e : kCatalogue)
            list.push_back({{"form", std::string(e.form)}, {"caption", std::string(e.tabCaption)}});
        out << list.dump(1) << "\n";
        return;
    }
    size_t width = 0;
    for (const auto& e : kCatalogue) width = std::max(width, e.form.size());
    for (const auto& e : kCatalogue)
        out << e.form << std::string(width + 2 - e.form.size(), ' ') << e.tabCaption << "\n";
}

}  // namespace vado::cli
