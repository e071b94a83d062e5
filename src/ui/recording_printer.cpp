#include "ui/recording_printer.h"

#include <filesystem>

namespace ui {

RecordingPrinter::RecordingPrinter() : Printer(Font{"Courier New", 10}) {
    pictureReadable = [](const std::string& file) {
        std::error_code ec;
        return std::filesystem::is_regular_file(file, ec);
    };
}

void RecordingPrinter::keep(RecordedOp op) {
    op.page = Page();
    op.font = font();
    if (beforeOp) beforeOp(op);
    ops.push_back(std::move(op));
}

double RecordingPrinter::lineWidth(const std::string& line) {
    double points = 0;
    for (unsigned char c : line)
        if ((c & 0xC0) != 0x80) ++points;  // continuation bytes are part of the same character
    return points * charWidth * FontSize() / 12.0;
}

double RecordingPrinter::lineHeight() { return lineHeight12 * FontSize() / 12.0; }

void RecordingPrinter::drawText(double x, double y, const std::string& s) {
    keep({.kind = RecordedOp::Kind::Text, .x = x, .y = y, .text = s});
}

void RecordingPrinter::drawLine(double x1, double y1, double x2, double y2) {
    keep({.kind = RecordedOp::Kind::Line, .x = x1, .y = y1, .x2 = x2, .y2 = y2});
}

void RecordingPrinter::drawPoint(double x, double y) {
    keep({.kind = RecordedOp::Kind::Point, .x = x, .y = y});
}

void RecordingPrinter::drawCircle(double cx, double cy, double radius) {
    keep({.kind = RecordedOp::Kind::Circle, .x = cx, .y = cy, .x2 = radius});
}

void RecordingPrinter::drawRotatedText(double x, double y, const std::string& s, double degrees) {
    keep({.kind = RecordedOp::Kind::RotatedText, .x = x, .y = y, .text = s, .degrees = degrees});
}

void RecordingPrinter::erase(double x, double y, double w, double h) {
    keep({.kind = RecordedOp::Kind::Erase, .x = x, .y = y, .x2 = w, .y2 = h});
}

bool RecordingPrinter::PaintPicture(const std::string& file, double x, double y, double w,
                                    double h) {
    if (!pictureReadable || !pictureReadable(file)) return false;
    keep({.kind = RecordedOp::Kind::Picture, .x = x, .y = y, .x2 = w, .y2 = h, .text = file});
    return true;
}

void RecordingPrinter::startNextPage() { keep({.kind = RecordedOp::Kind::NewPage}); }

bool RecordingPrinter::EndDoc() {
    if (ended || killed) return ended;
    keep({.kind = RecordedOp::Kind::EndDoc});
    ended = endDocSucceeds;
    if (!ended) killed = true;
    return ended;
}

void RecordingPrinter::KillDoc() {
    if (ended || killed) return;
    killed = true;
    ops.push_back({.kind = RecordedOp::Kind::KillDoc, .page = Page(), .font = font()});
}

std::vector<const RecordedOp*> RecordingPrinter::texts() const {
    std::vector<const RecordedOp*> t;
    for (auto& op : ops)
        if (op.kind == RecordedOp::Kind::Text) t.push_back(&op);
    return t;
}

const RecordedOp* RecordingPrinter::findText(const std::string& text) const {
    for (auto& op : ops)
        if (op.kind == RecordedOp::Kind::Text && op.text == text) return &op;
    return nullptr;
}

}  // namespace ui
