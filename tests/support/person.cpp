#include "person.h"

#include <algorithm>
#include <cctype>

namespace vado::test {

void Leave(ui::Form& form) {
    if (!form.leaveFocus()) form.dropFocus();
}

void Paste(ui::Form& form, ui::TextBox& box, const std::string& text) {
    form.setFocus(&box);
    box.setSelection(0, static_cast<int>(box.text().size()));
    box.paste(text);
    Leave(form);
}

void EditCell(ui::Grid& grid, int row, int col, const std::string& text) {
    if (row >= grid.rows()) grid.setRows(row + 1);
    grid.row = row;
    grid.col = col;
    grid.setTextMatrix(row, col, text);
    if (grid.onCellEdited) grid.onCellEdited(row, col);
}

bool Apply(ui::Form& form, const std::string& step) {
    const auto eq = step.find('=');
    const std::string name = step.substr(0, eq), value = step.substr(eq + 1);
    if (const auto open = name.find('('); open != std::string::npos) {
        ui::Control* g = form.find(name.substr(0, open));
        if (g && g->kind() == ui::Kind::Grid) {
            EditCell(static_cast<ui::Grid&>(*g), std::stoi(name.substr(open + 1)),
                     std::stoi(name.substr(name.find(',') + 1)), value);
            return true;
        }
    }
    ui::Control* c = form.find(name);
    if (!c) c = form.find(name + "(" + value + ")");  // an option group by its base name
    if (!c) return false;
    if (c->kind() == ui::Kind::TextBox) return Paste(form, static_cast<ui::TextBox&>(*c), value), true;
    if (c->kind() != ui::Kind::ComboBox && c->kind() != ui::Kind::CheckBox && c->kind() != ui::Kind::OptionButton) return false;
    form.setFocus(c);
    if (c->kind() == ui::Kind::ComboBox) static_cast<ui::ComboBox&>(*c).setListIndex(std::stoi(value));
    if (c->kind() == ui::Kind::CheckBox) static_cast<ui::CheckBox&>(*c).setValue(std::stoi(value));
    if (c->kind() == ui::Kind::OptionButton) static_cast<ui::OptionButton&>(*c).click();
    Leave(form);
    return true;
}

void ShowPage(MainModule& module, const CatalogueForm& page) {
    const auto& pages = module.FormList;
    module.FormList[module.CurrentForm]->tabStrip.clickTab(static_cast<int>(std::find(pages.begin(), pages.end(), &page) - pages.begin()) + 1);
}

bool Usable(const ui::Form& form, const ui::Control& c) {
    if (!c.visible() || !c.enabled()) return false;
    const ui::Control* holder = c.container.empty() ? nullptr : form.find(c.container);
    return !holder || holder == &c || Usable(form, *holder);
}

bool ShowsNotANumber(const std::string& t) {
    auto letter = [&](size_t i) { return i < t.size() && std::isalpha(static_cast<unsigned char>(t[i])); };
    for (size_t i = 0; i + 3 <= t.size(); ++i) {
        std::string w = t.substr(i, 3);
        for (auto& ch : w) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        if ((w == "nan" || w == "inf") && (i == 0 || !letter(i - 1)) &&
            (!letter(i + 3) || t.compare(i + 3, 5, "inity") == 0))
            return true;
    }
    return false;
}

std::vector<std::string> Texts(const ui::Control& c) {
    std::vector<std::string> texts{c.caption()};
    if (c.kind() == ui::Kind::TextBox) texts.push_back(static_cast<const ui::TextBox&>(c).text());
    if (c.kind() == ui::Kind::ComboBox) texts.push_back(static_cast<const ui::ComboBox&>(c).text());
    if (c.kind() == ui::Kind::Grid)
        for (auto& row : static_cast<const ui::Grid&>(c).cells()) texts.insert(texts.end(), row.begin(), row.end());
    return texts;
}

std::vector<std::string> Shown(const ui::Form& form) {
    std::vector<std::string> lines;
    for (auto& c : form.controls()) {
        std::string v = form.name() + "." + c->fullName() + (c->visible() ? "" : " hidden") +
                        (c->enabled() ? "" : " disabled") + ": ";
        const ui::Control* p = c.get();
        if (auto* box = dynamic_cast<const ui::TextBox*>(p)) v += box->text() + (box->locked ? " (locked)" : "");
        else if (auto* list = dynamic_cast<const ui::ComboBox*>(p)) v += std::to_string(list->listIndex()) + " " + list->text();
        else if (auto* check = dynamic_cast<const ui::CheckBox*>(p)) v += std::to_string(check->value());
        else if (auto* option = dynamic_cast<const ui::OptionButton*>(p)) v += option->value() ? "chosen" : "-";
        else if (auto* grid = dynamic_cast<const ui::Grid*>(p))
            for (auto& row : grid->cells())
                for (auto& cell : row) v += cell + "|";
        else v += c->caption();
        lines.push_back(v);
    }
    return lines;
}

}  // namespace vado::test
