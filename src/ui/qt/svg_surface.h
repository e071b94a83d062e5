#pragma once

#include <QFont>
#include <QImage>
#include <QSize>
#include <string>

#include "ui/surface.h"

namespace ui::qt {

// Draws on an SVG drawing of a given size in pixels at 96 dpi (15 twips to the pixel): lines,
// circles and text in black on white, texts measured with the same font metrics the screen uses.
// The drawing is written as it is drawn; `svg()` closes it.
class SvgSurface : public ui::Surface {
public:
    SvgSurface(QSize size, const ui::Font& font, const std::string& title);

    double widthTwips() const { return size_.width() * kTwipsPerPixel; }
    double heightTwips() const { return size_.height() * kTwipsPerPixel; }
    // The whole document.
    std::string svg() const { return body_ + "</g>\n</svg>\n"; }

    static constexpr double kTwipsPerPixel = 15;

protected:
    double lineWidth(const std::string& line) override;
    double lineHeight() override;
    void drawText(double x, double y, const std::string& s) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawPoint(double x, double y) override;
    void drawCircle(double cx, double cy, double radius) override;
    void drawRotatedText(double x, double y, const std::string& s, double degrees) override;
    void erase(double x, double y, double width, double height) override;
    void fontChanged() override;

private:
    void text(const std::string& s, const std::string& placement);

    QSize size_;
    QImage metricsDevice_;  // a 96 dpi device for the font metrics
    QFont qfont_;
    std::string fontAttributes_;
    std::string body_;
};

}  // namespace ui::qt
