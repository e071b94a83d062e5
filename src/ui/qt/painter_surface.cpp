#include "ui/qt/painter_surface.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QWidget>

#include "ui/qt/conversions.h"

namespace ui::qt {

PainterSurface::PainterSurface(QPainter& painter, const ui::Font& font)
    : ui::Surface(font),
      painter_(painter),
      dpiX_(painter.device()->logicalDpiX()),
      dpiY_(painter.device()->logicalDpiY()) {
    fontChanged();
}

double PainterSurface::widthTwips() const {
    return painter_.device()->width() * kTwipsPerInch / dpiX_;
}

double PainterSurface::heightTwips() const {
    return painter_.device()->height() * kTwipsPerInch / dpiY_;
}

void PainterSurface::fontChanged() {
    const ui::Font& f = font();
    qfont_ = f.name.empty() ? QFont() : QFont(ToQ(f.name));
    qfont_.setPointSizeF(f.size > 0 ? f.size : 1);
    qfont_.setBold(f.bold);
    qfont_.setItalic(f.italic);
    painter_.setFont(qfont_);
}

double PainterSurface::lineWidth(const std::string& line) {
    QFontMetricsF fm(qfont_, painter_.device());
    return fm.horizontalAdvance(ToQ(line)) * kTwipsPerInch / dpiX_;
}

double PainterSurface::lineHeight() {
    QFontMetricsF fm(qfont_, painter_.device());
    return fm.height() * kTwipsPerInch / dpiY_;
}

void PainterSurface::drawText(double x, double y, const std::string& s) {
    QFontMetricsF fm(qfont_, painter_.device());
    QPointF p = toDevice(x, y);
    painter_.drawText(QPointF(p.x(), p.y() + fm.ascent()), ToQ(s));
}

void PainterSurface::drawLine(double x1, double y1, double x2, double y2) {
    painter_.drawLine(toDevice(x1, y1), toDevice(x2, y2));
}

void PainterSurface::drawPoint(double x, double y) {
    // A dot a little larger than one pixel, so points stay visible on high-resolution screens.
    QPointF p = toDevice(x, y);
    painter_.drawEllipse(p, 1.0, 1.0);
}

void PainterSurface::drawCircle(double cx, double cy, double radius) {
    QPointF c = toDevice(cx, cy);
    painter_.drawEllipse(c, radius * dpiX_ / kTwipsPerInch, radius * dpiY_ / kTwipsPerInch);
}

void PainterSurface::drawRotatedText(double x, double y, const std::string& s, double degrees) {
    QFontMetricsF fm(qfont_, painter_.device());
    painter_.save();
    painter_.translate(toDevice(x, y));
    // Qt turns clockwise on a y-down device; the surface's angles go the other way.
    painter_.rotate(-degrees);
    painter_.drawText(QPointF(0, fm.ascent()), ToQ(s));
    painter_.restore();
}

void PainterSurface::erase(double x, double y, double w, double h) {
    QPointF a = toDevice(x, y), b = toDevice(x + w, y + h);
    QColor background = Qt::white;
    if (auto* widget = dynamic_cast<QWidget*>(painter_.device()))
        background = widget->palette().color(widget->backgroundRole());
    painter_.fillRect(QRectF(a, b), background);
}

}  // namespace ui::qt
