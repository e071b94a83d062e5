#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/printer.h"

namespace ui {

struct RecordedOp {
    enum class Kind {
        Text,
        Line,
        Point,
        Circle,
        RotatedText,
        Erase,
        Picture,
        NewPage,
        EndDoc,
        KillDoc
    };
    Kind kind = Kind::Text;
    int page = 1;
    // Text, point and rotated text: (x, y). Line: (x, y) to (x2, y2). Circle: centre and radius
    // in x2. Erase and picture: corner, width in x2, height in y2.
    double x = 0, y = 0, x2 = 0, y2 = 0;
    std::string text;  // the text, or the picture's file
    double degrees = 0;
    Font font;
};

// A printer that keeps every operation with its page, coordinates and font, and measures text
// with fixed metrics, so layouts can be checked to the twip.
class RecordingPrinter : public Printer {
  public:
    // A US letter page, all of it printable, in 10 point Courier New (so a job that sets its own
    // font can be told from one that does not).
    RecordingPrinter();

    double Width() const override { return width; }
    double Height() const override { return height; }
    double ScaleWidth() const override { return scaleWidth; }
    double ScaleHeight() const override { return scaleHeight; }
    std::string DeviceName() const override { return "Recording"; }
    bool PaintPicture(const std::string& file, double x, double y, double w, double h) override;
    bool EndDoc() override;
    void KillDoc() override;

    double width = 12240, height = 15840, scaleWidth = 12240, scaleHeight = 15840;
    // Metrics at 12 points, in proportion to the font size: every character (a UTF-8 code
    // point) is as wide as every other.
    double charWidth = 100;
    double lineHeight12 = 240;
    // Whether a picture file can be drawn; by default, whether it exists.
    std::function<bool(const std::string& file)> pictureReadable;
    // Runs before each operation is kept; a test may throw from it to make the job fail there.
    std::function<void(const RecordedOp&)> beforeOp;
    bool endDocSucceeds = true;

    std::vector<RecordedOp> ops;
    bool ended = false;   // EndDoc succeeded
    bool killed = false;  // KillDoc ran before the job ended

    // The texts drawn, in order.
    std::vector<const RecordedOp*> texts() const;
    // The first text op holding `text` exactly, or null.
    const RecordedOp* findText(const std::string& text) const;

  protected:
    double lineWidth(const std::string& line) override;
    double lineHeight() override;
    void drawText(double x, double y, const std::string& s) override;
    void drawLine(double x1, double y1, double x2, double y2) override;
    void drawPoint(double x, double y) override;
    void drawCircle(double cx, double cy, double radius) override;
    void drawRotatedText(double x, double y, const std::string& s, double degrees) override;
    void erase(double x, double y, double w, double h) override;
    void startNextPage() override;

  private:
    void keep(RecordedOp op);
};

}  // namespace ui
