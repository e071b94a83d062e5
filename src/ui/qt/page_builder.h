#pragma once

class QWidget;

namespace ui::qt {

class FormView;

struct PageOptions {
    // A page of the main window shows its first label as a heading when that label has a
    // centred row of its own (the page title, the product name); dialogs keep plain text.
    bool heading = false;
};

// Lays out the form's controls in `page` after the form's PageLayout, with Qt layouts only, so
// the page follows the font and the screen scale. Controls the layout does not name get no
// widget.
void BuildPage(FormView& view, QWidget* page, const PageOptions& options = {});

}  // namespace ui::qt
