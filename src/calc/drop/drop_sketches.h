#pragma once

#include "ui/surface.h"

namespace vado {

// Side views of the drop inlets, drawn in a box width x height twips: the crest, the fall to
// the floor, the water over the crest and the lettered dimensions the page asks for.
void PaintStraightDrop(ui::Surface& s, double width, double height);
void PaintBoxInlet(ui::Surface& s, double width, double height);
// Sections through the embankment: the pipe under it from inlet to outlet, with the riser or the
// hooded inlet at the upstream end.
void PaintHoodedInlet(ui::Surface& s, double width, double height);
void PaintPipeDrop(ui::Surface& s, double width, double height);

}  // namespace vado
