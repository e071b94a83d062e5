#include "shared/plot_graph.h"

#include <algorithm>
#include <cmath>

#include "shared/number_format.h"
#include "shared/numeric.h"

namespace vado {

namespace {

// Whole-number routines work over 32 bits; quotients beyond that cannot be scaled.
bool FitsWhole(double v) { return std::isfinite(v) && std::fabs(v) < 2.0e9; }

}  // namespace

AxisScale ScaleAxis(double min, double max) {
    AxisScale a;
    double range = max - min;
    if (!std::isfinite(range) || !(range > 0)) return a;
    double exponent = Log10(range / 10);
    if (!FitsWhole(exponent)) return a;
    double step = std::pow(10.0, static_cast<double>(CeilWhole(exponent)));
    // Each halving doubles the count of intervals, so a few passes always reach six.
    for (int pass = 0; pass < 64; ++pass) {
        if (!FitsWhole(min / step) || !FitsWhole(max / step)) return a;
        double lo = static_cast<double>(FloorWhole(min / step)) * step;
        double hi = static_cast<double>(CeilWhole(max / step)) * step;
        if ((hi - lo) / step >= 6) {
            a = {lo, hi, step, true};
            return a;
        }
        step /= 2;
    }
    return a;
}

void PlotGraph(ui::Surface& s, const PlotRequest& r) {
    const double savedSize = s.FontSize();
    if (r.printing) s.setFontSize(12);

    // Vertical caption, reading upwards, centred along the left edge.
    s.PrintRotated(r.left + 45, std::round((s.TextWidth(r.yCaption) + r.height) / 2 + r.top),
                   r.yCaption, 90);
    s.setFontSize(savedSize);

    s.setCurrentX(r.left + (r.width - s.TextWidth(r.xCaption)) / 2);
    s.setCurrentY((r.top + r.height) - 1.5 * s.TextHeight(r.xCaption));
    s.PrintInline(r.xCaption);
    s.setFontBold(false);

    s.setFontSize(s.FontSize() + 2);
    s.setFontBold(true);
    s.setCurrentX(r.left + (r.width - s.TextWidth(r.title)) / 2);
    s.setCurrentY(r.top + 0.25 * s.TextHeight(r.title));
    s.PrintInline(r.title);
    s.setFontBold(false);
    s.setFontSize(s.FontSize() - 2);

    // The plot rectangle inside the margins.
    const double ox = r.left + 900.0;
    const double oy = r.top + r.height - 900.0;
    const double pw = r.width - (r.left + 900.0) - 450.0;
    const double ph = r.height - 1350.0;
    if (pw > 0 && ph > 0) {
        s.Line(ox, oy, ox + pw, oy);
        s.Line(ox, oy, ox, oy - ph);
    }

    const size_t n = std::min(r.x.size(), r.y.size());
    AxisScale ax, ay;
    if (n >= 2 && pw > 0 && ph > 0) {
        auto [xMin, xMax] = std::minmax_element(r.x.begin(), r.x.begin() + n);
        auto [yMin, yMax] = std::minmax_element(r.y.begin(), r.y.begin() + n);
        ax = ScaleAxis(*xMin, *xMax);
        ay = ScaleAxis(*yMin, *yMax);
    }
    if (!ax.valid || !ay.valid) {
        s.setFontSize(savedSize);
        return;
    }
    const double xs = pw / (ax.hi - ax.lo);
    const double ys = ph / (ay.hi - ay.lo);
    auto mapX = [&](double v) { return ox + (v - ax.lo) * xs; };
    auto mapY = [&](double v) { return oy - (v - ay.lo) * ys; };

    const long xTicks = std::lround((ax.hi - ax.lo) / ax.step);
    for (long i = 0; i <= xTicks; ++i) {
        double v = ax.lo + i * ax.step;
        double px = mapX(v);
        s.Line(px, oy, px, oy + 75);
        std::string text = NumberText(v);
        s.setCurrentX(px - s.TextWidth(text) / 2);
        s.setCurrentY(oy + 75 + s.TextHeight(text) / 2);
        s.PrintInline(text);
    }
    const long yTicks = std::lround((ay.hi - ay.lo) / ay.step);
    for (long i = 0; i <= yTicks; ++i) {
        double v = ay.lo + i * ay.step;
        double py = mapY(v);
        s.Line(ox, py, ox - 75, py);
        std::string text = NumberText(v);
        s.setCurrentX(ox - 75 - s.TextWidth(" ") - s.TextWidth(text));
        s.setCurrentY(py - s.TextHeight(text) / 2);
        s.PrintInline(text);
    }

    for (size_t i = 0; i < n; ++i) {
        double px = mapX(r.x[i]), py = mapY(r.y[i]);
        if (i > 0) s.Line(mapX(r.x[i - 1]), mapY(r.y[i - 1]), px, py);
        if (r.printing) {
            s.Line(px - 30, py - 30, px + 30, py + 30);
            s.Line(px - 30, py + 30, px + 30, py - 30);
        } else {
            s.PSet(px, py);
        }
    }
    // A marker beyond the horizontal axis would be drawn outside the graph: it is left out.
    if (r.markerOn && r.marker >= ax.lo && r.marker <= ax.hi) {
        double mx = mapX(r.marker);
        s.Line(mx, oy, mx, oy - ph);
    }
    s.setFontSize(savedSize);
}

}  // namespace vado
