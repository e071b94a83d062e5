#pragma once

#include "ui/surface.h"

namespace vado {

// A side view of culvert inlet type 0..6 (entrance-list order) in a box of the given size: the
// headwater, the fill or headwall and the pipe's end as built.
void PaintInlet(ui::Surface& s, double width, double height, int type);

}  // namespace vado
