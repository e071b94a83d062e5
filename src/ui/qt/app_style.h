#pragma once

namespace ui::qt {

// The desktop's style with two things drawn by the program rather than from the style's pictures:
// the frame of a group of fields, in the palette's colours, and the menu bar's overflow chevron.
// Reading a style picture makes Qt load every image-format plugin it has (SVG, JPEG, GIF, ICO and
// their libraries) to find a reader for one small PNG; a start then pays for readers it never uses.
// Call once the application object exists, before any widget.
void InstallAppStyle();

}  // namespace ui::qt
