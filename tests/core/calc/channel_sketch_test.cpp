#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "calc/channel/channel_sketches.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

TEST(ChannelSketches, DrawnInsideTheBoxWithAMarkedWaterSurface) {
    using Paint = std::function<void(ui::Surface&, double, double)>;
    const struct {
        const char* name;
        Paint paint;
    } sketches[] = {{"trapezoid", [](ui::Surface& s, double w, double h) { PaintTrapezoid(s, w, h, "2"); }},
                    {"parabola", PaintParabola},
                    {"circle", PaintCircle}};
    for (const auto& c : sketches) {
        ui::RecordingPrinter p;
        c.paint(p, 4000, 2000);
        int lines = 0, marks = 0;
        for (auto& op : p.ops) {
            if (op.kind == ui::RecordedOp::Kind::Line) {
                ++lines;
                for (double x : {op.x, op.x2}) EXPECT_TRUE(x >= 0 && x <= 4000) << c.name;
                for (double y : {op.y, op.y2}) EXPECT_TRUE(y >= 0 && y <= 2000) << c.name;
            }
            if (op.kind == ui::RecordedOp::Kind::Text && op.text == "~") ++marks;
        }
        EXPECT_GT(lines, 5) << c.name;
        EXPECT_GE(marks, 3) << c.name;
        ui::RecordingPrinter empty;
        c.paint(empty, 0, 0);
        EXPECT_TRUE(empty.ops.empty()) << c.name;
    }
}

TEST(ChannelSketches, TheTrapezoidWritesItsSideSlopeOnBothBanks) {
    for (const char* typed : {"2.5", ""}) {
        ui::RecordingPrinter p;
        PaintTrapezoid(p, 4000, 2000, typed);
        const std::string z = *typed ? typed : "z";
        int left = 0, right = 0;
        for (auto* op : p.texts())
            if (op->text == z) ++(op->x < 2000 ? left : right);
        EXPECT_EQ(left, 1) << typed;
        EXPECT_EQ(right, 1) << typed;
    }
}

}  // namespace
}  // namespace vado
