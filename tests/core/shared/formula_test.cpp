#include "shared/formula.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "ui/recording_printer.h"

namespace vado::formula {
namespace {

using Op = ui::RecordedOp;

std::vector<const Op*> Lines(const ui::RecordingPrinter& p) {
    std::vector<const Op*> lines;
    for (auto& op : p.ops)
        if (op.kind == Op::Kind::Line) lines.push_back(&op);
    return lines;
}

const Op& Text(const ui::RecordingPrinter& p, const std::string& text) {
    const Op* op = p.findText(text);
    EXPECT_NE(op, nullptr) << text;
    static const Op none;
    return op ? *op : none;
}

double Right(const ui::RecordingPrinter& p, const Op& op) {
    return op.x + op.text.size() * p.charWidth * op.font.size / 12;
}

TEST(Formula, AFractionHasItsBarBetweenNumeratorAndDenominatorAndAsWideAsTheWider) {
    ui::RecordingPrinter p;
    Draw(p, {"\\frac{2 g H}{1 + K}"}, 1000, 1000);
    const Op& num = Text(p, "2 g H");
    const Op& den = Text(p, "1 + K");
    const auto lines = Lines(p);
    ASSERT_EQ(lines.size(), 1u);
    const Op& bar = *lines[0];
    EXPECT_EQ(bar.y, bar.y2) << "the bar is level";
    EXPECT_GT(bar.y, num.y) << "below the numerator's top";
    EXPECT_LT(bar.y, den.y) << "above the denominator";
    EXPECT_LE(bar.x, std::min(num.x, den.x));
    EXPECT_GE(bar.x2, std::max(Right(p, num), Right(p, den)));
    EXPECT_GE(num.x, 1000);
    EXPECT_GE(num.y, 1000) << "drawn below the top given";
}

TEST(Formula, ARadicalCoversItsExpressionWithItsBar) {
    ui::RecordingPrinter p;
    Draw(p, {"Q = \\sqrt{2 g h}"}, 0, 0);
    const Op& lead = Text(p, "Q = ");
    const Op& radicand = Text(p, "2 g h");
    const auto lines = Lines(p);
    ASSERT_GE(lines.size(), 3u) << "the sign's strokes and its bar";
    const Op& bar = *lines.back();
    EXPECT_EQ(bar.y, bar.y2);
    EXPECT_LT(bar.y, radicand.y) << "over the radicand";
    EXPECT_LE(bar.x, radicand.x);
    EXPECT_GE(bar.x2, Right(p, radicand));
    EXPECT_GE(lines.front()->x, Right(p, lead)) << "the sign after the text before it";
    EXPECT_EQ(lead.y, radicand.y) << "on one baseline";
}

TEST(Formula, MeasureHoldsWhatDrawInks) {
    for (const char* f : {"Q = a \\sqrt{\\frac{2 g H}{1 + K_e + K_b + K_p L}}",
                          "K_p = \\frac{5087 n^2}{d^{4/3}}", "Q = C L H^{3/2}"}) {
        ui::RecordingPrinter p;
        const Extent e = Measure(p, {f});
        Draw(p, {f}, 0, 0);
        for (auto& op : p.ops) {
            EXPECT_GE(std::min(op.x, op.x2), -1) << f;
            EXPECT_GE(std::min(op.y, op.y2), -1) << f;
            EXPECT_LE(op.kind == Op::Kind::Line ? std::max(op.x, op.x2) : Right(p, op), e.width + 1)
                << f;
            EXPECT_LE(op.kind == Op::Kind::Line ? std::max(op.y, op.y2) : op.y, e.height + 1) << f;
        }
    }
}

TEST(Formula, LinearTextReadsInOneLine) {
    const struct {
        const char* formula;
        const char* linear;
    } cases[] = {
        {"Q = C L H^{3/2}", "Q = C L H^(3/2)"},
        {"Q = C a \\sqrt{2 g h}", "Q = C a \u221a(2 g h)"},
        {"K_p = \\frac{5087 n^2}{d^{4/3}}", "Kp = (5087 n^2) / (d^(4/3))"},
        {"x^2", "x^2"},
        {"unclosed \\frac{a", "unclosed a / "},
    };
    for (const auto& c : cases) EXPECT_EQ(Linear({c.formula}), c.linear) << c.formula;
}

}  // namespace
}  // namespace vado::formula
