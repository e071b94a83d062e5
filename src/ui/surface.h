#pragma once

#include <string>

namespace ui {

inline constexpr double kTwipsPerInch = 1440.0;
inline constexpr double kTwipsPerPoint = 20.0;

struct Font {
    std::string name;
    double size = 12;  // points
    bool bold = false;
    bool italic = false;
};

// Something to draw on: a picture on screen, a printed page or a recording. All lengths are
// twips (1440 to the inch), y grows downwards, and the origin is the top left corner of the
// drawable area. The print position and the font belong to the surface, as the drawing routines
// and the report writer expect: they set them, then print.
class Surface {
  public:
    explicit Surface(Font initial) : font_(std::move(initial)) {}
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface() = default;

    double CurrentX() const { return currentX_; }
    double CurrentY() const { return currentY_; }
    void setCurrentX(double x) { currentX_ = x; }
    void setCurrentY(double y) { currentY_ = y; }

    const Font& font() const { return font_; }
    const std::string& FontName() const { return font_.name; }
    double FontSize() const { return font_.size; }
    bool FontBold() const { return font_.bold; }
    bool FontItalic() const { return font_.italic; }
    void setFont(const Font& f);
    void setFontName(const std::string& name);
    void setFontSize(double points);
    void setFontBold(bool bold);
    void setFontItalic(bool italic);

    // Extent of a text in the current font: the width of its longest line, and one line height
    // for every line (an empty text is one line high).
    double TextWidth(const std::string& s);
    double TextHeight(const std::string& s);

    // Draws s with its left edge at CurrentX and its top at CurrentY, then moves to the start of
    // the next line: CurrentX = 0 and CurrentY one line height further down.
    void Print(const std::string& s = "");
    // Draws s at the print position and leaves CurrentX just after it.
    void PrintInline(const std::string& s);
    // Both leave the print position at the end point.
    void Line(double x1, double y1, double x2, double y2);
    void PSet(double x, double y);
    // Leaves the print position at the centre.
    void Circle(double cx, double cy, double radius);
    // Text turned by `degrees` counter-clockwise about (x, y), its top left corner before the
    // turn: at 90 it reads upwards. The print position does not move.
    void PrintRotated(double x, double y, const std::string& s, double degrees);
    // Paints a rectangle in the background colour (erases what was drawn there).
    void Erase(double x, double y, double width, double height);

  protected:
    // What an implementation provides, in twips and in the current font.
    virtual double lineWidth(const std::string& line) = 0;
    virtual double lineHeight() = 0;
    virtual void drawText(double x, double y, const std::string& s) = 0;
    virtual void drawLine(double x1, double y1, double x2, double y2) = 0;
    virtual void drawPoint(double x, double y) = 0;
    virtual void drawCircle(double cx, double cy, double radius) = 0;
    virtual void drawRotatedText(double x, double y, const std::string& s, double degrees) = 0;
    virtual void erase(double x, double y, double width, double height) = 0;
    // The font just changed (name, size, bold or italic).
    virtual void fontChanged() {}

  private:
    double currentX_ = 0;
    double currentY_ = 0;
    Font font_;
};

}  // namespace ui
