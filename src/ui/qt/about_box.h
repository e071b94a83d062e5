#pragma once

class QWidget;

namespace ui::qt {

// Help > About: the program and its version, its licence (GPL-3.0-or-later), the Qt it runs on
// and a link to its manual. True when the person followed that link (the caller opens the
// manual once the box has closed).
bool ShowAboutBox(QWidget* parent);

}  // namespace ui::qt
