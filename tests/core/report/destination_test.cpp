#include "report/destination.h"

#include <gtest/gtest.h>

#include "ui/recording_printer.h"

namespace vado::report {
namespace {

using Kind = ui::RecordedOp::Kind;

// A letter page 11 inches high whose printable width is narrower than the paper, so the rules
// that use one or the other can be told apart. Text is 100 twips a character and 240 a line at
// 12 points.
class DestinationTest : public ::testing::Test {
  protected:
    DestinationTest() {
        printer.scaleWidth = 11520;
        printer.setFontSize(12);
    }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (auto* op : printer.texts()) t.push_back(op->text);
        return t;
    }
    int pageBreaks() const {
        int n = 0;
        for (auto& op : printer.ops) n += op.kind == Kind::NewPage;
        return n;
    }

    ui::RecordingPrinter printer;
    Destination d{printer, "  Hilltop Farm LLC  "};
};

TEST_F(DestinationTest, PageBreaksWhenTheRoundedBottomPassesTenInches) {
    // The bottom of the block is int16(h * (n + 1) + CurrentY), halves to even, against
    // 15840 - 1440 = 14400.
    const struct {
        const char* name;
        short n;
        double y;
        bool breaks;
    } cases[] = {
        {"exactly at the limit", 1, 13920, false},
        {"a hair over rounds back to the limit", 1, 13920.4, false},
        {"a half rounds down to the even limit", 1, 13920.5, false},
        {"a half rounds up to the even 14402", 1, 13921.5, true},
        {"past the half rounds up", 1, 13920.6, true},
        {"a half below rounds up to the limit", 1, 13919.5, false},
        {"three lines to come", 2, 13680, false},
        {"three lines, one twip more", 2, 13681, true},
        {"a single line", 0, 14160, false},
        {"a single line past the limit", 0, 14161, true},
    };
    for (const auto& c : cases) {
        ui::RecordingPrinter p;
        p.setFontSize(12);
        Destination dest(p, "");
        p.setCurrentY(c.y);
        EXPECT_EQ(dest.CheckNewPage(c.n), c.breaks) << c.name;
        EXPECT_EQ(p.Page(), c.breaks ? 2 : 1) << c.name;
        if (!c.breaks) {
            EXPECT_EQ(p.CurrentY(), c.y) << c.name << ": nothing moves";
            EXPECT_TRUE(p.ops.empty()) << c.name;
        }
    }
}

TEST_F(DestinationTest, ABreakMarksTheOldPageAndHeadsTheNewOne) {
    printer.setCurrentY(14000);
    bool newPage = false;
    d.CheckNewPage(1, newPage);
    ASSERT_TRUE(newPage);

    ASSERT_EQ(printer.ops.size(), 3u);
    const auto& continued = printer.ops[0];
    EXPECT_EQ(continued.text, "(continued)");
    EXPECT_EQ(continued.page, 1);
    EXPECT_EQ(continued.x, 720);
    EXPECT_EQ(continued.y, 14240) << "one line below the last text";
    EXPECT_EQ(printer.ops[1].kind, Kind::NewPage);
    const auto& header = printer.ops[2];
    EXPECT_EQ(header.text, "Page 2, (Hilltop Farm LLC)") << "blanks around the owner trimmed";
    EXPECT_EQ(header.page, 2);
    EXPECT_EQ(header.x, 720);
    EXPECT_EQ(header.y, 720);
    EXPECT_EQ(printer.CurrentY(), 720 + 240 + 240) << "the header line and one blank line";

    d.AddLine("next");
    EXPECT_EQ(printer.texts().back()->y, 1200);
    EXPECT_EQ(printer.texts().back()->x, 1440);
}

TEST(DestinationOwner, OnlyBlanksAreTrimmedFromThePageHeader) {
    const struct {
        const char* owner;
        const char* header;
    } cases[] = {
        {"Hilltop", "Page 2, (Hilltop)"},
        {"   ", "Page 2, ()"},
        {"", "Page 2, ()"},
        {" Two  Words ", "Page 2, (Two  Words)"},
    };
    for (const auto& c : cases) {
        ui::RecordingPrinter p;
        Destination dest(p, c.owner);
        p.setCurrentY(15000);
        dest.CheckNewPage(1);
        EXPECT_NE(p.findText(c.header), nullptr) << '"' << c.owner << '"';
    }
}

TEST_F(DestinationTest, SkipLineAddsAGapUnlessItBrokeThePage) {
    printer.setCurrentY(1000);
    d.SkipLine();
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 1000 + 0.35 * 240);

    printer.setCurrentY(14000);
    d.SkipLine();
    EXPECT_EQ(printer.Page(), 2);
    EXPECT_EQ(printer.CurrentY(), 1200) << "no gap after the page header's blank line";
}

TEST_F(DestinationTest, TwoColumnLine) {
    const struct {
        const char* name;
        const char* a;
        const char* b;
        std::vector<std::pair<std::string, double>> drawn;
    } cases[] = {
        {"both", "Designer: X", "Checker", {{"Designer: X", 720}, {"Checker", 11520 - 720 - 700}}},
        {"empty right side prints the left alone", "Left", "", {{"Left", 720}}},
        {"empty left side prints the right alone, right-aligned",
         "",
         "Right",
         {{"Right", 11520 - 720 - 500}}},
    };
    for (const auto& c : cases) {
        ui::RecordingPrinter p;
        p.scaleWidth = 11520;
        p.setFontSize(12);
        Destination dest(p, "");
        p.setCurrentY(3000);
        dest.add2tline(c.a, c.b);
        auto drawn = p.texts();
        ASSERT_EQ(drawn.size(), c.drawn.size()) << c.name;
        for (size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i]->text, c.drawn[i].first) << c.name;
            EXPECT_EQ(drawn[i]->x, c.drawn[i].second) << c.name;
            EXPECT_EQ(drawn[i]->y, 3000) << c.name;
        }
        EXPECT_EQ(p.CurrentY(), 3240) << c.name << ": the line is ended";
        EXPECT_EQ(p.CurrentX(), 0) << c.name;
    }
}

TEST_F(DestinationTest, RightColumnStartIsRoundedToTwipsHalfToEven) {
    printer.charWidth = 100.5;  // "abc" is 301.5 wide: 11520 - 720 - 301.5 = 10498.5
    d.add2tline("", "abc");
    EXPECT_EQ(printer.texts().at(0)->x, 10498);
}

TEST_F(DestinationTest, EqualColumns) {
    const struct {
        const char* name;
        int k;
        double scaleWidth;
        std::vector<double> starts;
    } cases[] = {
        // cw = int16((11520 - 1440) / 3) = 3360, the second column at 720 + cw.
        {"thirds", 3, 11520, {720, 4080, 7440}},
        {"thirds, half a twip rounds to even", 3, 11521.5, {720, 4080, 7440}},
        {"thirds, a half rounds up to even", 3, 11524.5, {720, 4082, 7444}},
        {"quarters", 4, 11520, {720, 3240, 5760, 8280}},
        // Sixths divide the paper (12240) rather than the printable width: cw = 1800, not
        // 1680 as (11520 - 1440) / 6 would give.
        {"sixths of the physical width", 6, 11520, {720, 2520, 4320, 6120, 7920, 9720}},
    };
    for (const auto& c : cases) {
        ui::RecordingPrinter p;
        p.scaleWidth = c.scaleWidth;
        p.setFontSize(12);
        Destination dest(p, "");
        p.setCurrentY(2000);
        if (c.k == 3) dest.add3tline("a", "b", "c");
        if (c.k == 4) dest.add4tline("a", "b", "c", "d");
        if (c.k == 6) dest.add6tline("a", "b", "c", "d", "e", "f");
        auto drawn = p.texts();
        ASSERT_EQ(drawn.size(), c.starts.size()) << c.name;
        for (size_t i = 0; i < drawn.size(); ++i) {
            EXPECT_EQ(drawn[i]->x, c.starts[i]) << c.name << " column " << i;
            EXPECT_EQ(drawn[i]->y, 2000) << c.name;
        }
        EXPECT_EQ(p.CurrentY(), 2240) << c.name;
    }
}

TEST_F(DestinationTest, ColumnTextsAreNeitherClippedNorWrapped) {
    std::string longText(60, 'x');
    d.add3tline(longText, "b", "c");
    EXPECT_EQ(printer.texts().at(0)->text, longText);
    EXPECT_EQ(printer.texts().at(1)->x, 4080);
}

TEST_F(DestinationTest, CentredAndIndentedLines) {
    printer.setCurrentY(500);
    d.center("abcd");
    d.AddLine("line");
    d.PSubSectionHeader("sub");
    auto drawn = printer.texts();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0]->x, (11520 - 400) / 2.0) << "centred on the printable width";
    EXPECT_EQ(drawn[0]->y, 500);
    EXPECT_EQ(drawn[1]->x, 1440);
    EXPECT_EQ(drawn[1]->y, 740);
    EXPECT_EQ(drawn[2]->x, 2880 - 150) << "centred on two inches";
    EXPECT_EQ(drawn[2]->y, 980);
}

TEST_F(DestinationTest, SectionHeaderIsBoldItalicOnTheFirstQuarterOfThePaper) {
    d.PSectionHeader("Head");
    const auto* op = printer.findText("Head");
    ASSERT_NE(op, nullptr);
    EXPECT_TRUE(op->font.bold);
    EXPECT_TRUE(op->font.italic);
    EXPECT_EQ(op->x, 12240 / 4.0 - 200);
    EXPECT_FALSE(printer.FontBold());
    EXPECT_FALSE(printer.FontItalic());
}

TEST_F(DestinationTest, RuleSpansThePrintableWidthLessHalfMargins) {
    printer.setCurrentY(3000);
    d.HRule();
    ASSERT_EQ(printer.ops.size(), 1u);
    const auto& rule = printer.ops[0];
    EXPECT_EQ(rule.kind, Kind::Line);
    EXPECT_EQ(rule.x, 720);
    EXPECT_EQ(rule.x2, 11520 - 720);
    EXPECT_EQ(rule.y, 3000);
    EXPECT_EQ(rule.y2, 3000);
    EXPECT_DOUBLE_EQ(printer.CurrentY(), 3000 + 84);
}

TEST_F(DestinationTest, FontSizeReadsAsAWholeNumberHalfToEven) {
    const struct {
        double size;
        short read;
    } cases[] = {{12, 12}, {10.5, 10}, {11.5, 12}, {8.25, 8}};
    for (const auto& c : cases) {
        printer.setFontSize(c.size);
        EXPECT_EQ(d.fontsize(), c.read) << c.size;
    }
    d.fontsize(24);
    EXPECT_EQ(printer.FontSize(), 24);
}

TEST_F(DestinationTest, APositionBeyondSixteenBitsFailsTheJob) {
    printer.setCurrentY(40000);
    EXPECT_THROW(d.CheckNewPage(1), ui::PrintError);
    printer.setCurrentY(1000);
    printer.scaleWidth = 1e6;
    EXPECT_THROW(d.add2tline("a", "b"), ui::PrintError);
}

}  // namespace
}  // namespace vado::report
