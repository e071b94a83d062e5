// A replay file must bring back exactly the steps that failed: every verb with every operand, and
// any text a field was given (quotes, tabs, line ends, NUL, invalid UTF-8).
#include <gtest/gtest.h>

#include "fuzz.h"

namespace vado::fuzz {
namespace {

using Verb = Step::Verb;

TEST(ReplayLine, EveryStepComesBackAsItWasWritten) {
    std::vector<Step> steps = {
        {.verb = Verb::Tab, .a = 20},
        {.verb = Verb::Keys, .form = "frmWeir", .control = "txt1H1", .text = "1.5\b\r"},
        {.verb = Verb::Choose, .form = "frmOrifice", .control = "opt2Selector", .a = 1},
        {.verb = Verb::Cell, .form = "frmSubsurface", .control = "grdData", .text = "M 1", .a = 3, .b = 2},
        {.verb = Verb::Move, .form = "frmKeHelp", .control = "MSFlexGrid1", .a = 8, .b = 0},
        {.verb = Verb::GridKey, .form = "frmStageDischarge", .control = "grdData", .a = 0x01000013, .b = 2},
        {.verb = Verb::Copy, .form = "frmRectRiserResults", .control = "grdDataFull", .a = 2, .b = 0, .c = 9, .d = 6},
        {.verb = Verb::DblClick, .form = "frmManningsN", .control = "MSFlexGrid1", .a = 3},
        {.verb = Verb::Click, .form = "frmWeir", .control = "cmdCompute(1)"},
        {.verb = Verb::Print, .form = "frmRectRiserResults", .control = "cmdPrint(2)"},
        {.verb = Verb::Example, .form = "frmPipeDrop", .a = 1},
        {.verb = Verb::Reopen},
        {.verb = Verb::Open},
        {.verb = Verb::New},
        {.verb = Verb::Mutate, .a = 3, .seed = 18446744073709551615ull},
    };
    for (const auto& text : HostileTexts())
        steps.push_back({.verb = Verb::Type, .form = "frmInfo", .control = "txtOwnerName", .text = text});
    for (const Step& s : steps) {
        std::string error;
        const std::string line = ToLine(s);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        const auto back = FromLine(line, error);
        ASSERT_TRUE(back.has_value()) << line << ": " << error;
        EXPECT_EQ(*back, s) << line;
    }
}

TEST(ReplayLine, AMalformedLineIsRefusedWithItsReason) {
    const std::pair<const char*, const char*> cases[] = {
        {"jump frmWeir", "unknown step 'jump'"},
        {"type frmWeir txt1H1", "no quoted text in: type frmWeir txt1H1"},
        {"type frmWeir txt1H1 \"2", "no quoted text in: type frmWeir txt1H1 \"2"},
        {"cell frmSubsurface grdData 2 \"x\"", "a number is missing in: cell frmSubsurface grdData 2 \"x\""},
        {"tab 2 3", "more than the step takes in: tab 2 3"},
    };
    for (const auto& [line, expected] : cases) {
        std::string error;
        EXPECT_FALSE(FromLine(line, error).has_value()) << line;
        EXPECT_EQ(error, expected) << line;
    }
}

}  // namespace
}  // namespace vado::fuzz
