#pragma once

#include <string>
#include <vector>

#include "app/main_module.h"

// What a person does to the program through the control model, step by step as vadocalc-cli does
// it, and what the person sees: shared by the tests that drive whole pages.
namespace vado::test {

// The focus leaves the form's controls; a cancelled validation is passed over, as a script goes on.
void Leave(ui::Form& form);
// The field gets the focus, its whole text is replaced by `text` (a paste: no key filter), the
// focus leaves it.
void Paste(ui::Form& form, ui::TextBox& box, const std::string& text);
// A cell of an editable grid edited as its editor does it (rows are added as needed).
void EditCell(ui::Grid& grid, int row, int col, const std::string& text);
// "NAME=TEXT" into a text field, "NAME=INDEX" on a list, an option group (by its base name) or a
// check box, "grid(r,c)=TEXT" into a cell: false when the form has no such control.
bool Apply(ui::Form& form, const std::string& step);
// A click on the tab of `page`.
void ShowPage(MainModule& module, const CatalogueForm& page);

// Shown and enabled, in a container that is shown.
bool Usable(const ui::Form& form, const ui::Control& c);

// "nan" or "inf" standing as a word of its own (as "-nan", "inf", "1.#INF"), any case.
bool ShowsNotANumber(const std::string& text);
// Every text a control shows: caption, field text, list text, grid cells.
std::vector<std::string> Texts(const ui::Control& c);
// What a form shows, a line per control: its value, and whether it is hidden, disabled, locked.
std::vector<std::string> Shown(const ui::Form& form);

}  // namespace vado::test
