// A replay file must bring back exactly the steps that failed: every verb with every operand, and any
// text a field was given (quotes, tabs, line ends, NUL, invalid UTF-8).
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "fuzz.h"

namespace vado::fuzz {
namespace {

TEST(ReplayLine, EveryStepComesBackAsItWasWritten) {
    std::vector<Step> steps;
    std::ifstream in(VADO_FUZZ_REPLAY_LINES);
    std::set<Step::Verb> verbs;
    for (std::string line, error; std::getline(in, line);) {
        const auto step = FromLine(line, error);
        ASSERT_TRUE(step.has_value()) << line << ": " << error;
        EXPECT_EQ(ToLine(*step), line);
        steps.push_back(*step), verbs.insert(step->verb);
    }
    EXPECT_EQ(verbs.size(), static_cast<size_t>(kVerbs));
    for (const auto& text : HostileTexts())
        steps.push_back({.verb = Step::Verb::Type, .form = "frmInfo", .control = "txtOwnerName", .text = text});
    for (const Step& s : steps) {
        std::string error;
        const std::string line = ToLine(s);
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_EQ(FromLine(line, error), s) << line << ": " << error;
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
