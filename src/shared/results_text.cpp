#include "shared/results_text.h"

#include <algorithm>
#include <set>

#include "shared/number_format.h"
#include "shared/rating_grid.h"

namespace vado {

namespace {

std::string Joined(const std::vector<std::string>& parts) {
    std::string line;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) line += '\t';
        line += parts[i];
    }
    while (!line.empty() && line.back() == '\t') line.pop_back();
    return line;
}

std::string TableLines(const ui::Grid& grid) {
    std::string text;
    for (const auto& row : TableRows(grid)) text += Joined(row) + "\n";
    return text;
}

bool IsResult(const CalculatorForm& page, const ui::Control* c) {
    return std::find(page.results.begin(), page.results.end(), c) != page.results.end();
}

// The input line of a control, or "" for one that is no input; `caption` is the label before
// it on its row of the page.
std::string InputLine(const CalculatorForm& page, const ui::Control& c,
                      const std::string& caption) {
    switch (c.kind()) {
        case ui::Kind::TextBox: {
            const auto& box = static_cast<const ui::TextBox&>(c);
            if (const NumericField* f = page.field(box))
                return Joined({f->label, box.text(), f->unit});
            return box.locked ? std::string() : Joined({caption, box.text()});
        }
        case ui::Kind::ComboBox:
            return Joined({caption, static_cast<const ui::ComboBox&>(c).text()});
        case ui::Kind::CheckBox: {
            std::string text = c.caption();
            text.erase(std::remove(text.begin(), text.end(), '&'), text.end());
            return Joined({text, static_cast<const ui::CheckBox&>(c).value() == 1 ? "Yes" : "No"});
        }
        default:
            return {};
    }
}

}  // namespace

std::string ResultsText(const CalculatorForm& page, const std::string& title) {
    std::string text = title + "\n\n";
    std::set<const ui::Control*> done;
    for (const auto& section : page.layout.sections) {
        for (const auto& row : section.rows) {
            std::string caption;
            for (const auto& cell : row) {
                for (const auto& name : cell.controls) {
                    const ui::Control* c = page.find(name);
                    if (!c || !c->visible() || IsResult(page, c) || !done.insert(c).second)
                        continue;
                    if (c->kind() == ui::Kind::Label) {
                        caption = Trim(c->caption());
                        continue;
                    }
                    if (std::string line = InputLine(page, *c, caption); !line.empty())
                        text += line + "\n";
                }
            }
        }
    }
    // Fields the arrangement does not name.
    for (const auto& f : page.fields())
        if (f.box->visible() && done.insert(f.box).second)
            text += InputLine(page, *f.box, "") + "\n";

    std::string results;
    for (const ui::Control* c : page.results) {
        if (!c->visible()) continue;
        if (c->kind() == ui::Kind::Grid) {
            results += TableLines(static_cast<const ui::Grid&>(*c));
            continue;
        }
        const std::string shown =
            Trim(c->kind() == ui::Kind::TextBox ? static_cast<const ui::TextBox&>(*c).text()
                                                : c->caption());
        if (!shown.empty()) results += shown + "\n";
    }
    if (!results.empty()) text += "\n" + results;
    return text;
}

}  // namespace vado
