#pragma once

#include <string>

#include "ui/surface.h"

namespace vado {

// Schematic cross-sections with their lettered dimensions, scaled to the picture box; the
// trapezoid writes the side slope z : 1 on its banks ("z" while none is typed).
void PaintTrapezoid(ui::Surface& s, double width, double height, const std::string& sideSlope);
void PaintParabola(ui::Surface& s, double width, double height);
void PaintCircle(ui::Surface& s, double width, double height);

}  // namespace vado
