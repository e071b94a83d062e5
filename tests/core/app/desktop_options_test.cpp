#include "app/desktop_options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vado {
namespace {

using Action = DesktopOptions::Action;

TEST(DesktopOptions, CommandLines) {
    const struct {
        std::vector<std::string> args;
        Action action;
        std::string fileOrError;
    } cases[] = {
        {{}, Action::Run, ""},
        {{"job.vado"}, Action::Run, "job.vado"},
        {{"--help"}, Action::Help, ""},
        {{"--version"}, Action::Version, ""},
        {{"job.vado", "-V"}, Action::Version, "job.vado"},
        {{"-platform", "offscreen", "job.vado"}, Action::Run, "job.vado"},  // Qt's options
        {{"--style", "fusion"}, Action::Run, ""},
        {{"-style=fusion", "job.vado"}, Action::Run, "job.vado"},
        {{"-reverse"}, Action::Run, ""},
        {{"--page", "1", "--set", "txt1H1=2", "--click", "cmdCompute", "--f1", "--screenshot", "a.png"}, Action::Run, ""},
        {{"--screenshot", "pictures", "--gallery"}, Action::Run, ""},
        {{"--", "-odd name.vado"}, Action::Run, "-odd name.vado"},
        {{"--page", "job.vado"}, Action::Run, ""},  // a value is not taken for a file
        {{"--bogus"}, Action::UsageError, "unknown option '--bogus'"},
        {{"-v"}, Action::UsageError, "unknown option '-v'"},
        {{"-"}, Action::UsageError, "unknown option '-'"},
        {{"a.vado", "b.vado"}, Action::UsageError, "unexpected argument 'b.vado' (one project at a time)"},
        {{""}, Action::UsageError, "the project file name is empty"},
        {{"job.vado", "--screenshot"}, Action::UsageError, "--screenshot needs a value"},
        {{"-platform"}, Action::UsageError, "-platform needs a value"},
    };
    EXPECT_TRUE(ParseDesktopArgs({"--reset-settings", "job.vado"}).resetSettings);
    EXPECT_FALSE(ParseDesktopArgs({"job.vado"}).resetSettings);
    for (const auto& c : cases) {
        const DesktopOptions o = ParseDesktopArgs(c.args);
        EXPECT_EQ(o.action, c.action) << c.fileOrError;
        EXPECT_EQ(c.action == Action::UsageError ? o.error : o.projectFile, c.fileOrError);
    }
}

TEST(DesktopOptions, AnswersWithoutAWindow) {
    std::ostringstream out, err;
    EXPECT_EQ(AnswerWithoutWindow(ParseDesktopArgs({"--bogus"}), "/opt/v/bin", out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "vadocalc: unknown option '--bogus'\nTry 'vadocalc --help'.\n");

    EXPECT_EQ(AnswerWithoutWindow(ParseDesktopArgs({"--help"}), "/opt/v/bin", out, err), 0);
    EXPECT_NE(out.str().find("\n  /opt/v/bin\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\n  /opt/v/share/vadocalc\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("The manual: /opt/v/bin/manual/index.md (not found)\n"), std::string::npos);
}

}  // namespace
}  // namespace vado
