#include "app/desktop_options.h"

#include <gtest/gtest.h>

#include <sstream>

namespace vado {
namespace {

using Action = DesktopOptions::Action;

TEST(DesktopOptions, CommandLines) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        Action action;
        std::string fileOrError;
    } cases[] = {
        {"nothing", {}, Action::Run, ""},
        {"a project", {"job.vado"}, Action::Run, "job.vado"},
        {"help", {"--help"}, Action::Help, ""},
        {"short help", {"-h"}, Action::Help, ""},
        {"version", {"--version"}, Action::Version, ""},
        {"short version", {"-V"}, Action::Version, ""},
        {"version after a project", {"job.vado", "-V"}, Action::Version, "job.vado"},
        {"Qt's option with its value",
         {"-platform", "offscreen", "job.vado"},
         Action::Run,
         "job.vado"},
        {"Qt's option with two dashes", {"--style", "fusion"}, Action::Run, ""},
        {"Qt's option with its value attached",
         {"-style=fusion", "job.vado"},
         Action::Run,
         "job.vado"},
        {"Qt's flag", {"-reverse"}, Action::Run, ""},
        {"picture options",
         {"--page", "1", "--set", "txt1H1=2", "--click", "cmdCompute", "--f1", "--screenshot",
          "a.png"},
         Action::Run,
         ""},
        {"the gallery", {"--screenshot", "pictures", "--gallery"}, Action::Run, ""},
        {"a file after the end of the options",
         {"--", "-odd name.vado"},
         Action::Run,
         "-odd name.vado"},
        {"unknown option", {"--bogus"}, Action::UsageError, "unknown option '--bogus'"},
        {"lower-case v", {"-v"}, Action::UsageError, "unknown option '-v'"},
        {"a lone dash", {"-"}, Action::UsageError, "unknown option '-'"},
        {"two projects",
         {"a.vado", "b.vado"},
         Action::UsageError,
         "unexpected argument 'b.vado' (one project at a time)"},
        {"empty file name", {""}, Action::UsageError, "the project file name is empty"},
        {"an option without its value",
         {"job.vado", "--screenshot"},
         Action::UsageError,
         "--screenshot needs a value"},
        {"Qt's option without its value",
         {"-platform"},
         Action::UsageError,
         "-platform needs a value"},
        {"a value is not taken for a file", {"--page", "job.vado"}, Action::Run, ""},
    };
    EXPECT_TRUE(ParseDesktopArgs({"--reset-settings", "job.vado"}).resetSettings);
    EXPECT_FALSE(ParseDesktopArgs({"job.vado"}).resetSettings);
    for (const auto& c : cases) {
        const DesktopOptions o = ParseDesktopArgs(c.args);
        EXPECT_EQ(o.action, c.action) << c.name;
        EXPECT_EQ(c.action == Action::UsageError ? o.error : o.projectFile, c.fileOrError)
            << c.name;
    }
}

TEST(DesktopOptions, AnswersWithoutAWindow) {
    std::ostringstream out, err;
    DesktopOptions version;
    version.action = Action::Version;
    EXPECT_EQ(AnswerWithoutWindow(version, "/opt/v/bin", out, err), 0);
    EXPECT_EQ(out.str(), "vadocalc 2.1.4\n");

    out.str("");
    EXPECT_EQ(AnswerWithoutWindow(ParseDesktopArgs({"--bogus"}), "/opt/v/bin", out, err), 2);
    EXPECT_EQ(out.str(), "");
    EXPECT_EQ(err.str(), "vadocalc: unknown option '--bogus'\nTry 'vadocalc --help'.\n");

    DesktopOptions help;
    help.action = Action::Help;
    EXPECT_EQ(AnswerWithoutWindow(help, "/opt/v/bin", out, err), 0);
    EXPECT_NE(out.str().find("\n  /opt/v/bin\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("\n  /opt/v/share/vadocalc\n"), std::string::npos) << out.str();
    EXPECT_NE(out.str().find("The manual: /opt/v/bin/manual/index.md (not found)\n"),
              std::string::npos)
        << out.str();
}

}  // namespace
}  // namespace vado
