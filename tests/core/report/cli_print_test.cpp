#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "app/cli/cli.h"
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

}  // namespace
}  // namespace vado
