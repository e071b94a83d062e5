#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "../program.h"
#include "calc/mensuration/frm_mensuration.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

// Distance from a point to the segment of a recorded line.
double Distance(double x, double y, const ui::RecordedOp& l) {
    const double dx = l.x2 - l.x, dy = l.y2 - l.y;
    const double t = std::clamp(((x - l.x) * dx + (y - l.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (l.x + t * dx), y - (l.y + t * dy));
}

TEST(Mensuration, TheParallelogramSketchNamesTheShortDiagonalD1) {
    test::Program program;
    ui::RecordingPrinter p;
    program.page<FrmMensuration>(13).PaintFigure(9, p, 6000, 3000);
    // The two diagonals are the longest slanted lines, the long one first.
    std::vector<const ui::RecordedOp*> slanted;
    for (const auto& op : p.ops)
        if (op.kind == ui::RecordedOp::Kind::Line && op.x != op.x2 && op.y != op.y2) slanted.push_back(&op);
    auto length = [](const ui::RecordedOp* l) { return std::hypot(l->x2 - l->x, l->y2 - l->y); };
    std::sort(slanted.begin(), slanted.end(), [&](auto* a, auto* b) { return length(a) > length(b); });
    ASSERT_GE(slanted.size(), 2u);
    const ui::RecordedOp *d1 = p.findText("d1"), *d2 = p.findText("d2");
    ASSERT_TRUE(d1 && d2);
    EXPECT_LT(Distance(d1->x, d1->y, *slanted[1]), Distance(d1->x, d1->y, *slanted[0])) << "d1 by the short one";
    EXPECT_LT(Distance(d2->x, d2->y, *slanted[0]), Distance(d2->x, d2->y, *slanted[1])) << "d2 by the long one";
}

}  // namespace
}  // namespace vado
