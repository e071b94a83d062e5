#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <string>

#include "ui/surface.h"

class QPaintDevice;

namespace ui::qt {

// The Qt font for a surface's font: the application's font when no name is given, never below
// one point.
QFont ToQFont(const ui::Font& f);

// Drawing in twips with a QPainter: text placed by its top edge, lines, circles, turned text,
// filled boxes, with the device's resolution turning twips into device units. The screen
// surface and the Qt printers all draw through one of these.
class PainterCanvas {
public:
    explicit PainterCanvas(QPainter& painter) : painter_(painter) {}

    // Takes the resolution of the device the painter draws on.
    void attach(QPaintDevice* device);
    void setFont(const ui::Font& f);
    const QFont& qfont() const { return qfont_; }

    double toDeviceX(double twips) const { return twips * dpiX_ / kTwipsPerInch; }
    double toDeviceY(double twips) const { return twips * dpiY_ / kTwipsPerInch; }
    QPointF toDevice(double x, double y) const { return {toDeviceX(x), toDeviceY(y)}; }
    double toTwipsX(double units) const { return units * kTwipsPerInch / dpiX_; }
    double toTwipsY(double units) const { return units * kTwipsPerInch / dpiY_; }

    double lineWidth(const std::string& line) const;
    // The face's height (ascent and descent) without extra leading, as layouts measure a line.
    double lineHeight() const;
    void text(double x, double y, const std::string& s);
    void line(double x1, double y1, double x2, double y2);
    void circle(double cx, double cy, double radius);
    // Turned by `degrees` counter-clockwise about (x, y), the text's top left corner.
    void rotatedText(double x, double y, const std::string& s, double degrees);
    void fill(double x, double y, double w, double h, const QColor& color);

private:
    QPainter& painter_;
    QPaintDevice* device_ = nullptr;
    QFont qfont_;
    double dpiX_ = 96;
    double dpiY_ = 96;
};

// A drawing surface over an active QPainter on screen (a widget, or an image).
class PainterSurface : public ui::Surface {
public:
    PainterSurface(QPainter& painter, const ui::Font& font);

    // The device's size in twips.
    double widthTwips() const;
    double heightTwips() const;

protected:
    double lineWidth(const std::string& line) override { return canvas_.lineWidth(line); }
    double lineHeight() override { return canvas_.lineHeight(); }
    void drawText(double x, double y, const std::string& s) override { canvas_.text(x, y, s); }
    void drawLine(double x1, double y1, double x2, double y2) override {
        canvas_.line(x1, y1, x2, y2);
    }
    void drawPoint(double x, double y) override;
    void drawCircle(double cx, double cy, double radius) override {
        canvas_.circle(cx, cy, radius);
    }
    void drawRotatedText(double x, double y, const std::string& s, double degrees) override {
        canvas_.rotatedText(x, y, s, degrees);
    }
    void erase(double x, double y, double w, double h) override;
    void fontChanged() override { canvas_.setFont(font()); }

private:
    QPainter& painter_;
    PainterCanvas canvas_;
};

}  // namespace ui::qt
