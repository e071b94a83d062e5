#pragma once

namespace ui::qt {

// The id the desktop knows the program by: its desktop entry, icon, metainfo and MIME package
// are all named after it.
inline constexpr const char* kAppId = "io.github.vadocalc.Vadocalc";

// Names the program to the desktop (so a dock matches its windows with its desktop entry) and
// gives every window the program's icon, built into the program so a copy run from its build
// folder has it too. Call once the application object exists.
void SetAppIdentity();

}  // namespace ui::qt
