#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/cli.h"
#include "kept_printer.h"
#include "report/print_job.h"

namespace vado {
namespace {

using report::test::KeptJob;

// vadocalc-cli --print with the PDF writer replaced by a recording printer.
struct CliRun {
    explicit CliRun(std::vector<std::string> args, bool failToOpen = false) {
        CliEnvironment env;
        env.appFolder = "/nonexistent-vado-folder";
        env.pdfPrinter = [this,
                          failToOpen](const std::string& file) -> std::unique_ptr<ui::Printer> {
            files.push_back(file);
            if (failToOpen) throw ui::PrintError("cannot write " + file);
            return std::make_unique<report::test::KeptPrinter>(jobs);
        };
        status = RunCli(args, out, err, env);
    }
    std::ostringstream out, err;
    int status = -1;
    std::vector<std::string> files;
    std::vector<KeptJob> jobs;
};

const std::vector<std::string> kInfo = {
    "--info", "txtOwnerName=Hilltop Farm LLC", "--info", "cboCounty=Adams", "--info", "txtState=PA",
    "--info", "txtDesigner=Field Office",      "--info", "txtSite=Pond 3"};

std::vector<std::string> With(std::vector<std::string> args, const std::vector<std::string>& more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CliPrint, TheWeirReportWithTheProjectInformation) {
    CliRun run(With({"frmWeir", "--print", "/tmp/w.pdf"}, kInfo));
    EXPECT_EQ(run.status, 0) << run.err.str();
    EXPECT_EQ(run.files, std::vector<std::string>{"/tmp/w.pdf"});
    ASSERT_EQ(run.jobs.size(), 1u);
    EXPECT_TRUE(run.jobs[0].ended);
    EXPECT_EQ(run.jobs[0].texts(),
              (std::vector<std::string>{
                  "Weir Flow Formula Solution", "prepared for", "Hilltop Farm LLC", "in",
                  "Adams County, PA", "Designer: Field Office", "Checker: ___________________",
                  "Date: " + report::FormatDate(report::LocalToday()), "Date: ___________________",
                  "Pond 3", "Weir Coefficient (C):  3.1", "Diameter of Weir:  24 in.",
                  "Head on Weir:  1 ft.", "Weir Capacity:   19.48 cfs"}));
    EXPECT_NE(run.out.str().find("report: printed to /tmp/w.pdf\n"), std::string::npos);
    EXPECT_NE(run.out.str().find("lbl1Q: Q = 19.48 cfs\n"), std::string::npos);
}

TEST(CliPrint, StepsRunBeforeThePrint) {
    CliRun run(With({"frmWeir", "--print", "/tmp/w.pdf", "opt1Selector=1", "txt1Len=12"},
                    {"--info", "cboCounty=3"}));
    EXPECT_EQ(run.status, 0) << run.err.str();
    ASSERT_EQ(run.jobs.size(), 1u);
    auto texts = run.jobs[0].texts();
    EXPECT_EQ(texts.back(), "Weir Capacity:   37.20 cfs");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Length of Weir:  12 ft."), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "3 County, "), texts.end())
        << "--info fills the county as text, never as a list index";
}

TEST(CliPrint, AFailedComputeWritesNoReport) {
    CliRun run(With({"frmWeir", "txt1Dia=84.1", "--print", "/tmp/w.pdf"}, kInfo));
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.files.empty()) << "no printer was even chosen";
    EXPECT_TRUE(run.jobs.empty());
    EXPECT_NE(run.out.str().find("message after --print: [Input Error] Please enter a number "
                                 "between 0.2 and 84.0.\n"),
              std::string::npos)
        << run.out.str();
    EXPECT_NE(run.out.str().find("report: not printed\n"), std::string::npos);
}

TEST(CliPrint, AFileThatCannotBeWrittenIsReported) {
    CliRun run({"--json", "frmWeir", "--print", "/no/such/dir/w.pdf"}, true);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err.str(),
              "vadocalc-cli: the report was not written: cannot write /no/such/dir/w.pdf\n");
    auto j = nlohmann::json::parse(run.out.str());
    EXPECT_EQ(j["report"]["file"], "/no/such/dir/w.pdf");
    EXPECT_EQ(j["report"]["printed"], false);
    EXPECT_EQ(j["messages"].back()["text"],
              "The report could not be printed: cannot write /no/such/dir/w.pdf.");
}

TEST(CliPrint, JsonTellsWhereTheReportWent) {
    CliRun run({"--json", "frmWeir", "--print", "/tmp/w.pdf"});
    auto j = nlohmann::json::parse(run.out.str());
    EXPECT_EQ(j["report"], (nlohmann::json{{"file", "/tmp/w.pdf"}, {"printed", true}}));
    EXPECT_TRUE(j["windows"].empty()) << "the dialog is hidden once printed";
}

TEST(CliPrint, UsageErrors) {
    const struct {
        const char* name;
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {"info without print", {"frmWeir", "--info", "txtState=PA"}, "--info needs --print"},
        {"unknown info field",
         {"frmWeir", "--print", "a.pdf", "--info", "txtNothing=1"},
         "malformed --info 'txtNothing=1'"},
        {"info without a value",
         {"frmWeir", "--print", "a.pdf", "--info", "txtState"},
         "malformed --info 'txtState'"},
        {"print without a file", {"frmWeir", "--print"}, "--print needs a file name"},
        {"print twice",
         {"frmWeir", "--print", "a.pdf", "--print", "b.pdf"},
         "--print is given twice"},
        {"a page without Print", {"frmVado", "--print", "a.pdf"}, "frmVado has no Print command"},
    };
    for (const auto& c : cases) {
        CliRun run(c.args);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_NE(run.err.str().find(c.message), std::string::npos)
            << c.name << ": " << run.err.str();
        EXPECT_TRUE(run.files.empty()) << c.name;
    }
}

}  // namespace
}  // namespace vado
