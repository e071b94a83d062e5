#pragma once

#include "ui/surface.h"

namespace vado {

// The surface inlet riser with its orifice plate over the subsurface main.
void PaintSurfaceInlet(ui::Surface& s, double width, double height);
// The pump sump with its start and stop levels.
void PaintSump(ui::Surface& s, double width, double height);

}  // namespace vado
