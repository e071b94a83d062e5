#pragma once

#include <QWidget>
#include <vector>

#include "ui/layout.h"

class QGridLayout;
class QLabel;

namespace ui {
class Control;
class Form;
}  // namespace ui

namespace ui::qt {

class FormView;
struct Cell;

// Builds one section of a window: a framed or plain holder with the section's rows in a grid.
// On a catalogue page, Inputs rows read caption | field | unit, the caption being the field's
// buddy and its spoken name; a result that writes its own caption shows it dimmed while empty.
class SectionBuilder {
  public:
    // Widgets that take the focus are added to `focusOrder` as they are made. While `*heading`
    // holds, the first label alone in a centred row becomes the window's heading.
    SectionBuilder(FormView& view, std::vector<QWidget*>& focusOrder, bool* heading = nullptr);

    // With `pageRoles`, the section is laid out for its role on a catalogue page.
    QWidget* build(const LayoutSection& section, QWidget* parent, bool pageRoles);

  private:
    void nameControls(const LayoutSection& section);
    void place(const LayoutSection& section, QGridLayout* grid, QWidget* w, int r, int col,
               int span, bool roles);
    void caption(const std::vector<Cell>& cells, QGridLayout* grid, int r, QWidget* holder);
    void follow(ui::Control& leader, QWidget* holder);

    FormView& view_;
    ui::Form& form_;
    std::vector<QWidget*>& focusOrder_;
    bool* heading_;
};

// Bold and half as large again: a window's heading.
void MakeHeading(QLabel* label);

}  // namespace ui::qt
