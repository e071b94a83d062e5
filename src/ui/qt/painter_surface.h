#pragma once

#include <QFont>
#include <QPainter>

#include "ui/surface.h"

namespace ui::qt {

// A drawing surface over an active QPainter (a widget on screen, or an image): twips become
// device pixels through the device's resolution.
class PainterSurface : public ui::Surface {
public:
    PainterSurface(QPainter& painter, const ui::Font& font);

    // The device's size in twips.
    double widthTwips() const;
    double heightTwips() const;

protected:
    double lineWidth(const std::string& line) override;
    double lineHeight() override;
    void drawText(double x, double y, const std::string& s) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawPoint(double x, double y) override;
    void drawCircle(double cx, double cy, double radius) override;
    void drawRotatedText(double x, double y, const std::string& s, double degrees) override;
    void erase(double x, double y, double w, double h) override;
    void fontChanged() override;

private:
    QPointF toDevice(double x, double y) const { return {x * dpiX_ / kTwipsPerInch, y * dpiY_ / kTwipsPerInch}; }
    QPainter& painter_;
    QFont qfont_;
    double dpiX_;
    double dpiY_;
};

}  // namespace ui::qt
