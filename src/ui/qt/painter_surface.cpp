#include "ui/qt/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QWidget>

#include "ui/qt/conversions.h"

namespace ui::qt {

void PainterCanvas::attach(QPaintDevice* device) {
    device_ = device;
    dpiX_ = device->logicalDpiX();
    dpiY_ = device->logicalDpiY();
}

QFont ToQFont(const ui::Font& f) {
    QFont font = f.name.empty() ? QFont() : QFont(ToQ(f.name));
    font.setPointSizeF(f.size > 0 ? f.size : 1);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    return font;
}

void PainterCanvas::setFont(const ui::Font& f) {
    qfont_ = ToQFont(f);
    if (painter_.isActive()) painter_.setFont(qfont_);
}

double PainterCanvas::lineWidth(const std::string& line) const {
    return toTwipsX(QFontMetricsF(qfont_, device_).horizontalAdvance(ToQ(line)));
}

double PainterCanvas::lineHeight() const {
    return toTwipsY(QFontMetricsF(qfont_, device_).height());
}

void PainterCanvas::text(double x, double y, const std::string& s) {
    QPointF p = toDevice(x, y);
    painter_.drawText(QPointF(p.x(), p.y() + QFontMetricsF(qfont_, device_).ascent()), ToQ(s));
}

void PainterCanvas::line(double x1, double y1, double x2, double y2) {
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterCanvas::circle(double cx, double cy, double radius) {
    painter_.drawEllipse(toDevice(cx, cy), toDeviceX(radius), toDeviceY(radius));
}

void PainterCanvas::rotatedText(double x, double y, const std::string& s, double degrees) {
    painter_.save();
    painter_.translate(toDevice(x, y));
    // Qt turns clockwise on a y-down device; the surface's angles go the other way.
    painter_.rotate(-degrees);
    painter_.drawText(QPointF(0, QFontMetricsF(qfont_, device_).ascent()), ToQ(s));
    painter_.restore();
}

void PainterCanvas::fill(double x, double y, double w, double h, const QColor& color) {
    painter_.fillRect(QRectF(toDevice(x, y), QSizeF(toDeviceX(w), toDeviceY(h))), color);
}

PainterSurface::PainterSurface(QPainter& painter, const ui::Font& font)
    : ui::Surface(font), painter_(painter), canvas_(painter) {
    canvas_.attach(painter.device());
    canvas_.setFont(font);
}

double PainterSurface::widthTwips() const { return canvas_.toTwipsX(painter_.device()->width()); }

double PainterSurface::heightTwips() const {
    return canvas_.toTwipsY(painter_.device()->height());
}

void PainterSurface::drawPoint(double x, double y) {
    // A dot a little larger than one pixel, so points stay visible on high-resolution screens.
    painter_.drawEllipse(canvas_.toDevice(x, y), 1.0, 1.0);
}

void PainterSurface::erase(double x, double y, double w, double h) {
    QColor background = Qt::white;
    if (auto* widget = dynamic_cast<QWidget*>(painter_.device()))
        background = widget->palette().color(widget->backgroundRole());
    canvas_.fill(x, y, w, h, background);
}

}  // namespace ui::qt
