#pragma once

#include "ui/surface.h"

namespace vado {

// The rectangular riser in plan (L by W) and in section with its barrel, in a box width x height
// twips.
void PaintRiserPlan(ui::Surface& s, double width, double height);
void PaintRiserSection(ui::Surface& s, double width, double height);
// The water control structure in section: inlet pipe, the box with its stop-log weir, outlet pipe.
void PaintWaterControl(ui::Surface& s, double width, double height);

}  // namespace vado
