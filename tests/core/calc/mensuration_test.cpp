#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "app/main_module.h"
#include "calc/mensuration/frm_mensuration.h"
#include "calc/mensuration/mensuration.h"
#include "ui/recording_printer.h"

namespace vado {
namespace {

using namespace mensuration;

// Distance from a point to the segment of a recorded line.
double Distance(double x, double y, const ui::RecordedOp& l) {
    const double dx = l.x2 - l.x, dy = l.y2 - l.y;
    const double t = std::clamp(((x - l.x) * dx + (y - l.y) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
    return std::hypot(x - (l.x + t * dx), y - (l.y + t * dy));
}

TEST(Mensuration, TheParallelogramSketchNamesTheShortDiagonalD1) {
    ui::HeadlessServices services;
    MainModule module(services);
    module.SubMain();
    auto& page = static_cast<FrmMensuration&>(*module.FormList[13]);
    ui::RecordingPrinter p;
    page.PaintFigure(9, p, 6000, 3000);
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
    // As the results say: d1 = 10.58 is the short diagonal of 14, 8 and h 6.
    const auto par = ParallelogramOf(14, 8, 6);
    EXPECT_LT(par.d1, par.d2);
}

}  // namespace
}  // namespace vado
