#include "ui/qt/svg_surface.h"

#include <QFontMetricsF>
#include <charconv>
#include <cmath>

#include "ui/qt/conversions.h"
#include "ui/qt/painter_surface.h"

namespace ui::qt {

namespace {

constexpr double kDotsPerMetreAt96Dpi = 96 / 0.0254;

// A length in pixels, to a hundredth: finer than any screen or printer shows.
std::string Num(double twips) {
    char buf[32];
    const double px = twips / SvgSurface::kTwipsPerPixel;
    const auto r = std::to_chars(buf, buf + sizeof buf, std::round(px * 100) / 100 + 0.0,
                                 std::chars_format::general, 8);
    return std::string(buf, r.ptr);
}

// Text as XML character data: markup characters escaped, control characters (which XML cannot
// hold) dropped.
std::string Escaped(const std::string& s) {
    std::string out;
    out.reserve(s.size());
    for (char c : s) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default:
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t') out += c;
        }
    }
    return out;
}

}  // namespace

SvgSurface::SvgSurface(QSize size, const ui::Font& font, const std::string& title)
    : ui::Surface(font), size_(size), metricsDevice_(1, 1, QImage::Format_RGB32) {
    const int dpm = static_cast<int>(std::lround(kDotsPerMetreAt96Dpi));
    metricsDevice_.setDotsPerMeterX(dpm);
    metricsDevice_.setDotsPerMeterY(dpm);
    const std::string w = std::to_string(size.width()), h = std::to_string(size.height());
    body_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
            "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + w +
            "\" height=\"" + h + "\" viewBox=\"0 0 " + w + " " + h + "\">\n"
            "<title>" + Escaped(title) + "</title>\n<desc>Drawn by Vadocalc</desc>\n"
            "<rect x=\"0\" y=\"0\" width=\"" + w + "\" height=\"" + h + "\" fill=\"white\"/>\n"
            "<g stroke=\"black\" stroke-width=\"1\" fill=\"none\">\n";
    fontChanged();
}

void SvgSurface::fontChanged() {
    const ui::Font& f = font();
    qfont_ = ToQFont(f);
    // Points to pixels at 96 dpi; the family falls back to any sans-serif face.
    fontAttributes_ = " font-family=\"" + Escaped(f.name.empty() ? "sans-serif" : f.name + ", sans-serif") +
                      "\" font-size=\"" + Num(qfont_.pointSizeF() * kTwipsPerPoint) + "\"";
    if (f.bold) fontAttributes_ += " font-weight=\"bold\"";
    if (f.italic) fontAttributes_ += " font-style=\"italic\"";
}

double SvgSurface::lineWidth(const std::string& line) {
    return QFontMetricsF(qfont_, &metricsDevice_).horizontalAdvance(ToQ(line)) * kTwipsPerPixel;
}

double SvgSurface::lineHeight() {
    return QFontMetricsF(qfont_, &metricsDevice_).height() * kTwipsPerPixel;
}

void SvgSurface::text(const std::string& s, const std::string& placement) {
    // Text is filled, not stroked; the baseline sits one ascent below the top the surface gives.
    const double ascent = QFontMetricsF(qfont_, &metricsDevice_).ascent() * kTwipsPerPixel;
    body_ += "<text" + placement + " y=\"" + Num(ascent) + "\" fill=\"black\" stroke=\"none\"" +
             fontAttributes_ + " xml:space=\"preserve\">" + Escaped(s) + "</text>\n";
}

void SvgSurface::drawText(double x, double y, const std::string& s) {
    text(s, " transform=\"translate(" + Num(x) + "," + Num(y) + ")\" x=\"0\"");
}

void SvgSurface::drawRotatedText(double x, double y, const std::string& s, double degrees) {
    // SVG turns clockwise on its y-down page; the surface's angles go the other way.
    char angle[32];
    const auto r = std::to_chars(angle, angle + sizeof angle, -degrees, std::chars_format::general, 8);
    text(s, " transform=\"translate(" + Num(x) + "," + Num(y) + ") rotate(" +
                std::string(angle, r.ptr) + ")\" x=\"0\"");
}

void SvgSurface::drawLine(double x1, double y1, double x2, double y2) {
    body_ += "<polyline points=\"" + Num(x1) + "," + Num(y1) + " " + Num(x2) + "," + Num(y2) +
             "\"/>\n";
}

void SvgSurface::drawPoint(double x, double y) {
    // A dot a little larger than one pixel, as on screen.
    body_ += "<circle cx=\"" + Num(x) + "\" cy=\"" + Num(y) + "\" r=\"1\" fill=\"black\"/>\n";
}

void SvgSurface::drawCircle(double cx, double cy, double radius) {
    body_ += "<circle cx=\"" + Num(cx) + "\" cy=\"" + Num(cy) + "\" r=\"" + Num(radius) + "\"/>\n";
}

void SvgSurface::erase(double x, double y, double width, double height) {
    body_ += "<rect x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" width=\"" + Num(width) +
             "\" height=\"" + Num(height) + "\" fill=\"white\" stroke=\"none\"/>\n";
}

}  // namespace ui::qt
