#include "report/destination.h"

#include <gtest/gtest.h>

#include "ui/recording_printer.h"

namespace vado::report {
namespace {

// A letter page 11 inches high whose printable width (11520) is narrower than the paper (12240),
// so the rules that use one or the other can be told apart. Text is 100 twips a character and
// 240 a line at 12 points.
struct Page {
    explicit Page(double scaleWidth = 11520, const char* owner = "") : d(printer, owner) {
        printer.scaleWidth = scaleWidth;
        printer.setFontSize(12);
    }
    ui::RecordingPrinter printer;
    Destination d;
};

TEST(Destination, PageBreaksWhenTheRoundedBottomPassesTenInches) {
    // The bottom of the block is int16(h * (n + 1) + CurrentY), halves to even, against
    // 15840 - 1440 = 14400.
    const struct {
        short n;
        double y;
        bool breaks;
    } cases[] = {
        {1, 13920, false},   {1, 13920.4, false}, {1, 13920.5, false}, {1, 13921.5, true},
        {1, 13920.6, true},  {1, 13919.5, false}, {2, 13680, false},   {2, 13681, true},
        {0, 14160, false},   {0, 14161, true},
    };
    for (const auto& c : cases) {
        Page p;
        p.printer.setCurrentY(c.y);
        EXPECT_EQ(p.d.CheckNewPage(c.n), c.breaks) << c.n << " " << c.y;
        EXPECT_EQ(p.printer.Page(), c.breaks ? 2 : 1) << c.y;
        EXPECT_EQ(p.printer.ops.empty(), !c.breaks) << c.y;
    }
    Page p;
    p.printer.setCurrentY(40000);
    EXPECT_THROW(p.d.CheckNewPage(1), ui::PrintError) << "beyond 16 bits";
}

TEST(Destination, ABreakMarksTheOldPageAndHeadsTheNewOneWithTheOwnerTrimmedOfBlanks) {
    for (auto [owner, header] : {std::pair{"  Hilltop Farm LLC  ", "Page 2, (Hilltop Farm LLC)"},
                                 {"   ", "Page 2, ()"}, {" Two  Words ", "Page 2, (Two  Words)"}}) {
        Page p(11520, owner);
        p.printer.setCurrentY(14000);
        ASSERT_TRUE(p.d.CheckNewPage(1));
        ASSERT_EQ(p.printer.ops.size(), 3u);
        EXPECT_EQ(p.printer.ops[0].text, "(continued)");
        EXPECT_EQ(p.printer.ops[0].y, 14240) << "one line below the last text";
        EXPECT_EQ(p.printer.ops[1].kind, ui::RecordedOp::Kind::NewPage);
        EXPECT_EQ(p.printer.ops[2].text, header);
        EXPECT_EQ(p.printer.ops[2].page, 2);
        EXPECT_EQ(p.printer.CurrentY(), 720 + 240 + 240) << "the header line and one blank line";
    }
    Page p;
    p.printer.setCurrentY(14000);
    p.d.SkipLine();
    EXPECT_EQ(p.printer.CurrentY(), 1200) << "a skip that broke the page adds no gap to the header's";
}

TEST(Destination, ColumnsStartWhereTheirRoundedWidthsPutThem) {
    const struct {
        const char* name;
        double scaleWidth, charWidth;
        std::vector<std::string> texts;
        std::vector<double> starts;
    } cases[] = {
        {"two columns", 11520, 100, {"Designer: X", "Checker"}, {720, 11520 - 720 - 700}},
        {"empty right side", 11520, 100, {"Left", ""}, {720}},
        {"empty left side, right-aligned", 11520, 100, {"", "Right"}, {11520 - 720 - 500}},
        // 11520 - 720 - 301.5 = 10498.5 rounds to even.
        {"right start half to even", 11520, 100.5, {"", "abc"}, {10498}},
        // cw = int16((11520 - 1440) / 3) = 3360.
        {"thirds", 11520, 100, {"a", "b", "c"}, {720, 4080, 7440}},
        {"thirds, a half to even", 11521.5, 100, {"a", "b", "c"}, {720, 4080, 7440}},
        {"thirds, a half up to even", 11524.5, 100, {"a", "b", "c"}, {720, 4082, 7444}},
        {"a long text is not clipped", 11520, 100, {std::string(60, 'x'), "b", "c"}, {720, 4080, 7440}},
        {"quarters", 11520, 100, {"a", "b", "c", "d"}, {720, 3240, 5760, 8280}},
        // Sixths divide the paper (12240), not the printable width.
        {"sixths", 11520, 100, {"a", "b", "c", "d", "e", "f"}, {720, 2520, 4320, 6120, 7920, 9720}},
    };
    for (const auto& c : cases) {
        Page p(c.scaleWidth);
        p.printer.charWidth = c.charWidth;
        p.printer.setCurrentY(3000);
        const auto& t = c.texts;
        if (t.size() == 2) p.d.add2tline(t[0], t[1]);
        if (t.size() == 3) p.d.add3tline(t[0], t[1], t[2]);
        if (t.size() == 4) p.d.add4tline(t[0], t[1], t[2], t[3]);
        if (t.size() == 6) p.d.add6tline(t[0], t[1], t[2], t[3], t[4], t[5]);
        auto drawn = p.printer.texts();
        ASSERT_EQ(drawn.size(), c.starts.size()) << c.name;
        for (size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i]->x, c.starts[i]) << c.name << " column " << i;
            EXPECT_EQ(drawn[i]->y, 3000) << c.name;
        }
        EXPECT_EQ(drawn[0]->text, t[0].empty() ? t[1] : t[0]) << c.name;
        EXPECT_EQ(p.printer.CurrentY(), 3240) << c.name << ": the line is ended";
    }
    Page wide(1e6);
    EXPECT_THROW(wide.d.add2tline("a", "b"), ui::PrintError) << "a position beyond 16 bits";
}

TEST(Destination, FontSizeReadsAsAWholeNumberHalfToEven) {
    Page p;
    for (auto [size, read] : {std::pair{12.0, 12}, {10.5, 10}, {11.5, 12}, {8.25, 8}}) {
        p.printer.setFontSize(size);
        EXPECT_EQ(p.d.fontsize(), read) << size;
    }
}

}  // namespace
}  // namespace vado::report
