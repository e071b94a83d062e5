// A replay file must bring back exactly the steps that failed: every verb with every operand, and any
// text a field was given (quotes, tabs, line ends, NUL, invalid UTF-8); a malformed line is refused
// with its reason.
#include <gtest/gtest.h>

#include <fstream>
#include <set>

#include "fuzz.h"

namespace vado::fuzz {
namespace {

TEST(ReplayLine, EveryStepComesBackAsItWasWrittenAndAMalformedOneIsRefused) {
    std::vector<Step> steps;
    std::set<Step::Verb> verbs;
    std::ifstream in(VADO_FUZZ_REPLAY_LINES);
    // A line followed by a tab and "=> why" is refused for that reason.
    for (std::string line, error; std::getline(in, line);) {
        const size_t arrow = line.find("\t=> ");
        const auto step = FromLine(line.substr(0, arrow), error);
        if (arrow != std::string::npos) {
            EXPECT_FALSE(step.has_value()) << line;
            EXPECT_EQ(error, line.substr(arrow + 4));
            continue;
        }
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

}  // namespace
}  // namespace vado::fuzz
