#pragma once

#include <QByteArray>
#include <QSize>
#include <functional>
#include <string>

#include "ui/surface.h"

namespace ui::qt {

// Draws a graph on a surface of width x height twips (a window's graph, as on screen).
using GraphPainter = std::function<void(ui::Surface&, double width, double height)>;

// The size a graph is drawn at when there is no window to take it from, in pixels at 96 dpi.
inline constexpr QSize kDefaultGraphSize{720, 480};
inline const ui::Font kGraphFont{"Liberation Sans", 9};

// The graph on white paper as a PNG: `size` pixels at 96 dpi, times `scale` (the picture is
// drawn at the higher resolution, not enlarged). Needs a QGuiApplication.
QByteArray GraphPng(const GraphPainter& draw, QSize size, double scale, const ui::Font& font);
// The graph as an SVG drawing of `size` pixels at 96 dpi.
QByteArray GraphSvg(const GraphPainter& draw, QSize size, const ui::Font& font,
                    const std::string& title);

// Writes the graph to `path`, a PNG or an SVG by its extension, replacing the file all at once.
// On failure nothing is written and `why` says why.
bool WriteGraph(const std::string& path, const GraphPainter& draw, QSize size, double scale,
                const ui::Font& font, std::string& why);

}  // namespace ui::qt
