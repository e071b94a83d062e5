#include "ui/surface.h"

#include <algorithm>

namespace ui {

void Surface::setFont(const Font& f) {
    font_ = f;
    fontChanged();
}

void Surface::setFontName(const std::string& name) {
    font_.name = name;
    fontChanged();
}

void Surface::setFontSize(double points) {
    font_.size = points;
    fontChanged();
}

void Surface::setFontBold(bool bold) {
    font_.bold = bold;
    fontChanged();
}

void Surface::setFontItalic(bool italic) {
    font_.italic = italic;
    fontChanged();
}

double Surface::TextWidth(const std::string& s) {
    double widest = 0;
    size_t start = 0;
    for (;;) {
        size_t end = s.find('\n', start);
        std::string line =
            s.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        widest = std::max(widest, lineWidth(line));
        if (end == std::string::npos) return widest;
        start = end + 1;
    }
}

double Surface::TextHeight(const std::string& s) {
    auto lines = 1 + std::count(s.begin(), s.end(), '\n');
    return static_cast<double>(lines) * lineHeight();
}

void Surface::Print(const std::string& s) {
    if (!s.empty()) drawText(currentX_, currentY_, s);
    currentX_ = 0;
    currentY_ += lineHeight();
}

void Surface::PrintInline(const std::string& s) {
    if (s.empty()) return;
    drawText(currentX_, currentY_, s);
    currentX_ += lineWidth(s);
}

void Surface::Line(double x1, double y1, double x2, double y2) {
    drawLine(x1, y1, x2, y2);
    currentX_ = x2;
    currentY_ = y2;
}

void Surface::PSet(double x, double y) {
    drawPoint(x, y);
    currentX_ = x;
    currentY_ = y;
}

void Surface::Circle(double cx, double cy, double radius) {
    drawCircle(cx, cy, radius);
    currentX_ = cx;
    currentY_ = cy;
}

void Surface::PrintRotated(double x, double y, const std::string& s, double degrees) {
    if (!s.empty()) drawRotatedText(x, y, s, degrees);
}

void Surface::Erase(double x, double y, double width, double height) {
    if (width > 0 && height > 0) erase(x, y, width, height);
}

}  // namespace ui
