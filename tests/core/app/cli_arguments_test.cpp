#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/arguments.h"
#include "app/cli/cli.h"

namespace vado::cli {
namespace {

// Command lines that must be refused before any step runs, and the one line that says why.
struct Refused {
    const char* name;
    std::vector<std::string> args;
    std::string error;
};

class RefusedCommandLine : public ::testing::TestWithParam<Refused> {};

TEST_P(RefusedCommandLine, NamesWhatIsWrong) {
    const Refused& c = GetParam();
    try {
        ParseArguments(c.args);
        FAIL() << "accepted";
    } catch (const UsageError& e) {
        EXPECT_EQ(std::string(e.what()), c.error);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, RefusedCommandLine,
    ::testing::Values(
        Refused{"UnknownOption", {"frmWeir", "--bogus"}, "unknown option '--bogus'"},
        Refused{"UnknownShortOption", {"-x"}, "unknown option '-x'"},
        Refused{"LowerCaseV", {"-v"}, "unknown option '-v'"},
        Refused{"StepWithoutValue",
                {"frmWeir", "txt1Coeff"},
                "malformed step 'txt1Coeff' (expected NAME=VALUE)"},
        Refused{"StepWithoutName", {"frmWeir", "=3"}, "malformed step '=3' (expected NAME=VALUE)"},
        Refused{"ListWithAStrayArgument",
                {"--list", "frmWeir", "extra"},
                "unexpected argument 'extra'"},
        Refused{"ListWithAStep",
                {"--list", "frmWeir", "txt1Coeff=3"},
                "unexpected argument 'txt1Coeff=3'"},
        Refused{"ListWithAClick",
                {"--list", "frmWeir", "--click", "cmdCompute"},
                "--click does not go with --list"},
        Refused{"ListWithoutForm", {"--list"}, "--list needs a form name"},
        Refused{"MarkdownWithoutList", {"frmWeir", "--markdown"}, "--markdown goes with --list"},
        Refused{"FormsWithAForm", {"--forms", "frmWeir"}, "unexpected argument 'frmWeir'"},
        Refused{"FormAfterWhichForms", {"frmWeir", "--forms"}, "unexpected argument 'frmWeir'"},
        Refused{"FormsWithList",
                {"--forms", "--list", "frmWeir"},
                "--forms and --list do not go together"},
        Refused{"ClickWithoutButton", {"frmWeir", "--click"}, "--click needs a button name"},
        Refused{"PrintWithEmptyFile", {"frmWeir", "--print", ""}, "--print needs a file name"},
        Refused{"PrintTwice",
                {"frmWeir", "--print", "a.pdf", "--print", "b.pdf"},
                "--print is given twice"},
        Refused{"SaveTwice",
                {"frmWeir", "--save", "a.vado", "--save", "b.vado"},
                "--save is given twice"},
        Refused{"OpenAfterTheForm", {"frmWeir", "--open", "a.vado"}, "--open goes before the form"},
        Refused{"InfoWithoutPrint", {"frmWeir", "--info", "txtState=PA"}, "--info needs --print"},
        Refused{"ExportOfAnotherKind",
                {"frmWeir", "--export", "w.txt"},
                "--export writes a .csv table or a .svg or .png graph: w.txt"},
        Refused{"ScaleOfAnSvg",
                {"frmWeir", "--export", "w.svg", "--scale", "2"},
                "--scale goes with --export FILE.png"},
        Refused{"ScaleOutOfRange",
                {"frmWeir", "--export", "w.png", "--scale", "9"},
                "--scale takes a whole number from 1 to 8, not '9'"},
        Refused{"BatchWithoutCases", {"--batch", "frmWeir"}, "--batch needs a form and a cases file"},
        Refused{"BatchWithAStep",
                {"--batch", "frmWeir", "c.csv", "txt1Len=2"},
                "unexpected argument 'txt1Len=2'"},
        Refused{"BatchWithAnExport",
                {"--batch", "frmWeir", "c.csv", "--export", "r.csv"},
                "--export does not go with --batch"},
        Refused{"OutWithoutBatch", {"frmWeir", "--out", "x.csv"}, "--out goes with --batch"},
        Refused{"InfoOfNoField",
                {"frmWeir", "--print", "a.pdf", "--info", "txtColor=red"},
                "malformed --info 'txtColor=red' (expected txtOwnerName, cboCounty, txtState, "
                "txtDesigner or txtSite=VALUE)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliArguments, StepsKeepTheirOrderAndKind) {
    const Arguments a =
        ParseArguments({"--json", "--open", "job.vado", "frmStraightDrop", "txt10Width=4",
                        "--click", "cmdStageDischarge", "--window", "frmStageDischarge", "--print",
                        "r.pdf", "--info", "txtState=PA", "--save", "out.vado"});
    EXPECT_EQ(a.command, Command::Run);
    EXPECT_TRUE(a.json);
    EXPECT_EQ(a.form, "frmStraightDrop");
    EXPECT_EQ(a.openFile, "job.vado");
    EXPECT_EQ(a.printFile, "r.pdf");
    EXPECT_EQ(a.saveFile, "out.vado");
    ASSERT_EQ(a.steps.size(), 3u);
    EXPECT_EQ(a.steps[0].kind, Step::Kind::Assign);
    EXPECT_EQ(a.steps[1].kind, Step::Kind::Click);
    EXPECT_EQ(a.steps[1].text, "cmdStageDischarge");
    EXPECT_EQ(a.steps[2].kind, Step::Kind::Window);
    ASSERT_EQ(a.info.size(), 1u);
    EXPECT_EQ(a.info[0], std::make_pair(std::string("txtState"), std::string("PA")));
}

TEST(CliArguments, AButtonNamedLikeAnOptionIsTheClicksValue) {
    const Arguments a = ParseArguments({"frmWeir", "--click", "--help"});
    EXPECT_EQ(a.command, Command::Run);
    ASSERT_EQ(a.steps.size(), 1u);
    EXPECT_EQ(a.steps[0].text, "--help");
}

TEST(CliArguments, MarkdownMayFollowTheForm) {
    const Arguments a = ParseArguments({"--list", "frmWeir", "--markdown"});
    EXPECT_EQ(a.command, Command::List);
    EXPECT_TRUE(a.markdown);
}

// The whole program: what goes to which stream and the exit status.
struct Answer {
    const char* name;
    std::vector<std::string> args;
    int status;
    std::string outStart;  // what stdout begins with
    std::string err;
};

class CliAnswer : public ::testing::TestWithParam<Answer> {};

TEST_P(CliAnswer, GoesToTheRightStreamWithItsStatus) {
    const Answer& c = GetParam();
    std::ostringstream out, err;
    EXPECT_EQ(RunCli(c.args, out, err), c.status);
    EXPECT_EQ(out.str().substr(0, c.outStart.size()), c.outStart);
    if (c.outStart.empty()) {
        EXPECT_EQ(out.str(), "");
    }
    EXPECT_EQ(err.str().substr(0, c.err.size()), c.err);
    if (c.err.empty()) {
        EXPECT_EQ(err.str(), "");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cli, CliAnswer,
    ::testing::Values(
        Answer{"Help", {"--help"}, 0, "usage: vadocalc-cli", ""},
        Answer{"ShortHelp", {"-h"}, 0, "usage: vadocalc-cli", ""},
        Answer{"Version", {"--version"}, 0, "vadocalc 2.1.4\n", ""},
        Answer{"ShortVersion", {"-V"}, 0, "vadocalc 2.1.4\n", ""},
        Answer{"Forms",
               {"--forms"},
               0,
               "frmVado          About Vado\nfrmWeir          Weir Flow\n",
               ""},
        Answer{"FormsAsJson",
               {"--forms", "--json"},
               0,
               "[\n {\n  \"form\": \"frmVado\",\n  \"caption\": \"About Vado\"\n }",
               ""},
        Answer{"NothingGiven", {}, 2, "", "usage: vadocalc-cli"},
        Answer{"OptionThatIsNearlyHelp",
               {"--help-me"},
               2,
               "",
               "vadocalc-cli: unknown option '--help-me'\n"},
        Answer{
            "UnknownFormName", {"frmNothing"}, 2, "", "vadocalc-cli: unknown form 'frmNothing'\n"},
        Answer{"ListOfAnUnknownForm",
               {"--list", "frmNothing"},
               2,
               "",
               "vadocalc-cli: unknown form 'frmNothing'\n"},
        Answer{"StrayArgumentRunsNothing",
               {"frmWeir", "txt1Coeff=3", "oops"},
               2,
               "",
               "vadocalc-cli: malformed step 'oops' (expected NAME=VALUE)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CliAnswer, EveryFormListedIsOneTheProgramTakes) {
    std::ostringstream forms, err;
    ASSERT_EQ(RunCli({"--forms"}, forms, err), 0);
    std::istringstream lines(forms.str());
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const std::string form = line.substr(0, line.find(' '));
        std::ostringstream out;
        EXPECT_EQ(RunCli({"--list", form}, out, err), 0) << form << ": " << err.str();
    }
    EXPECT_EQ(count, 20);
}

}  // namespace
}  // namespace vado::cli
