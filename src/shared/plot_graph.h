#pragma once

#include <string>
#include <vector>

#include "ui/surface.h"

namespace vado {

struct AxisScale {
    double lo = 0;
    double hi = 0;
    double step = 0;
    bool valid = false;  // false when the range is empty or cannot be scaled
};

// The step rule of the graph's axes: 10^k, then halved until the range spans 6 steps or more;
// the ends are whole multiples of the step.
AxisScale ScaleAxis(double min, double max);

struct PlotRequest {
    std::vector<double> x;  // abscissas
    std::vector<double> y;  // ordinates, as many
    long left = 0, top = 0, width = 0, height = 0;  // the graph's box, twips
    std::string title, xCaption, yCaption;
    bool printing = false;  // crosses on paper, dots on screen; 12-point captions
    double marker = 0;      // abscissa of a vertical marker line
    bool markerOn = false;
};

// An x-y graph in the box: rotated vertical caption, horizontal caption, bold title, axes with
// ticks and values, the points joined and marked, the marker line. With fewer than two points or
// an axis of zero range only the captions and the axes are drawn.
void PlotGraph(ui::Surface& s, const PlotRequest& r);

}  // namespace vado
