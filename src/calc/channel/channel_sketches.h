#pragma once

#include "ui/surface.h"

namespace vado {

// Fixed schematic cross-sections, scaled to the picture box; they read no input.
void PaintTrapezoid(ui::Surface& s, double width, double height);
void PaintParabola(ui::Surface& s, double width, double height);
void PaintCircle(ui::Surface& s, double width, double height);

}  // namespace vado
