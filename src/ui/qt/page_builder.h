#pragma once

#include <QSize>

class QWidget;

namespace ui::qt {

class FormView;

struct PageOptions {
    // A page of the main window: its title is a heading, its inputs stand beside its pictures
    // and results when the window is wide enough, and it scrolls when the window is smaller
    // than the page. Dialogs and result windows are stacked as declared.
    bool heading = false;
};

// The main window opens at this size (the tab strip included): every page shows whole in it.
inline constexpr QSize kDefaultWindowSize{1200, 700};
// The smallest size the main window is made: below a page's own size the page scrolls.
inline constexpr QSize kMinimumWindowSize{640, 480};

// Lays out the form's controls in `page` after the form's PageLayout, with Qt layouts only, so
// the page follows the font and the screen scale: captions are the buddies of their fields and
// name them for screen readers, Tab runs through the inputs in reading order. Controls the
// layout does not name get no widget.
void BuildPage(FormView& view, QWidget* page, const PageOptions& options = {});

}  // namespace ui::qt
