#include <gtest/gtest.h>

#include <sstream>

#include "app/cli/cli.h"
#include "kept_printer.h"
#include "report/print_job.h"

namespace vado {
namespace {

using report::test::KeptJob;

// vadocalc-cli --print with the PDF writer replaced by a recording printer.
struct CliRun {
    explicit CliRun(std::vector<std::string> args) {
        CliEnvironment env;
        env.appFolder = "/nonexistent-vado-folder";
        env.pdfPrinter = [this](const std::string& file) -> std::unique_ptr<ui::Printer> {
            files.push_back(file);
            return std::make_unique<report::test::KeptPrinter>(jobs);
        };
        status = RunCli(args, out, err, env);
    }
    std::ostringstream out, err;
    int status = -1;
    std::vector<std::string> files;
    std::vector<KeptJob> jobs;
};

TEST(CliPrint, StepsRunBeforeThePrint) {
    CliRun run({"frmWeir", "--print", "/tmp/w.pdf", "opt1Selector=1", "txt1Len=12", "--info", "cboCounty=3"});
    EXPECT_EQ(run.status, 0) << run.err.str();
    ASSERT_EQ(run.jobs.size(), 1u);
    auto texts = run.jobs[0].texts();
    EXPECT_EQ(texts.back(), "Weir Capacity:   37.20 cfs");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Length of Weir:  12 ft."), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "3 County, "), texts.end())
        << "--info fills the county as text, never as a list index";
}

}  // namespace
}  // namespace vado
