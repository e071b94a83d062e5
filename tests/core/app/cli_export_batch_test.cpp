#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>

#include "app/cli/arguments.h"
#include "app/cli/cli.h"
#include "shared/csv.h"

namespace vado::cli {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Cli(const std::vector<std::string>& args, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    CliEnvironment env;
    env.input = &in;
    const int status = RunCli(args, out, err, env);
    return {status, out.str(), err.str()};
}

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

std::vector<csv::Row> Rows(const std::string& text) {
    csv::Reader reader(text);
    std::vector<csv::Row> rows;
    csv::Row row;
    std::string why;
    while (reader.next(row, why) == csv::Reader::Status::Record) rows.push_back(row);
    return rows;
}

class CliFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("vado-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    fs::path dir;
};

const std::vector<std::string> kStraightDrop = {
    "frmStraightDrop",    "txt10Width=4.0",    "txt10Depth=1.0",
    "txt10Elev(0)=100.0", "txt10Elev(1)=96.0", "--click",
    "cmdStageDischarge",  "--window",          "frmStageDischarge"};

TEST_F(CliFiles, ExportWritesTheTableOfTheWindowOrPage) {
    auto args = kStraightDrop;
    const std::string csvFile = (dir / "r.csv").string();
    args.insert(args.end(), {"--export", csvFile});
    Outcome r = Cli(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("export: written to " + csvFile + "\n"), std::string::npos);
    EXPECT_EQ(
        Slurp(csvFile),
        "Elevation,Discharge\r\n,CFS\r\n100.2,1.18\r\n100.4,3.30\r\n100.6,6.00\r\n100.8,9.15\r\n"
        "101.0,12.65\r\n");

    // The subsurface page's own table.
    const std::string mains = (dir / "mains.csv").string();
    r = Cli({"frmSubsurface", "grdData(2,0)=M1", "grdData(2,1)=0.002", "grdData(2,2)=10",
             "--export", mains});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(Rows(Slurp(mains)).back(),
              (csv::Row{"M1", "0.002", "10", "0.16", "0.22", "13.8", "6", "0.015", "1.1"}));
}

// What cannot be exported or run fails with one line saying why and writes nothing.
TEST_F(CliFiles, RefusalsSayWhyAndWriteNothing) {
    const struct {
        std::vector<std::string> args;
        std::string input;
        int status;
        std::string err;
    } cases[] = {
        {{"frmWeir", "--export", "@w.csv"},
         "",
         1,
         "vadocalc-cli: @w.csv was not written: frmWeir has no table\n"},
        {{"frmWeir", "--export", "@w.svg"},
         "",
         1,
         "vadocalc-cli: @w.svg was not written: frmWeir has no graph to draw\n"},
        {{"--batch", "frmWeir", "-"},
         "txt1Len,lbl1Q\n1,2\n",
         2,
         "vadocalc-cli: standard input: 'lbl1Q' is no input of frmWeir\n"},
        {{"--batch", "frmWeir", "-"},
         "txt1Len,txt1Len\n1,2\n",
         2,
         "vadocalc-cli: standard input: 'txt1Len' is named twice\n"},
        {{"--batch", "frmWeir", "-"},
         "",
         2,
         "vadocalc-cli: standard input has no header naming the page's controls\n"},
        {{"--batch", "frmVado", "-"},
         "x\n",
         2,
         "vadocalc-cli: frmVado has no Compute to run cases with\n"},
        {{"--batch", "frmWeir", "@cases.csv"},
         "",
         1,
         "vadocalc-cli: cannot read @cases.csv: it is not a file\n"},
    };
    auto inDir = [this](std::string s) {
        for (size_t at = s.find('@'); at != std::string::npos; at = s.find('@'))
            s.replace(at, 1, dir.string() + "/");
        return s;
    };
    for (const auto& c : cases) {
        std::vector<std::string> args;
        for (const auto& a : c.args) args.push_back(inDir(a));
        const Outcome r = Cli(args, c.input);
        EXPECT_EQ(r.status, c.status) << c.err;
        EXPECT_EQ(r.err, inDir(c.err));
        EXPECT_TRUE(fs::is_empty(dir)) << c.err;
    }
    // A folder in the file's place is never replaced.
    fs::create_directory(dir / "taken.csv");
    auto args = kStraightDrop;
    args.insert(args.end(), {"--export", (dir / "taken.csv").string()});
    EXPECT_EQ(Cli(args).status, 1);
    EXPECT_TRUE(fs::is_directory(dir / "taken.csv"));
}

// Three cases, the last malformed: the good ones give what single runs of the same steps give,
// the malformed one is reported with its line and written as a failed row, and the run ends
// with status 1.
TEST_F(CliFiles, BatchRowsAreWhatSingleRunsShow) {
    const std::string cases =
        "opt1Selector,txt1Len,txt1H1\n"
        "1,6,1\n"
        "1,8.5,0.05\n"
        "3,6,1\n";
    const Outcome batch = Cli({"--batch", "frmWeir", "-"}, cases);
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.err,
              "vadocalc-cli: standard input line 4: unknown control 'opt1Selector' on frmWeir\n");
    const auto rows = Rows(batch.out);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0], (csv::Row{"opt1Selector", "txt1Len", "txt1H1", "lbl1Q", "lastComputeFailed",
                                 "messages"}));

    const std::vector<std::vector<std::string>> steps = {
        {"opt1Selector=1", "txt1Len=6", "txt1H1=1"},
        {"opt1Selector=1", "txt1Len=8.5", "txt1H1=0.05"},
        {"opt1Selector=3", "txt1Len=6", "txt1H1=1"}};
    for (size_t i = 0; i < steps.size(); ++i) {
        std::vector<std::string> args = {"--json", "frmWeir"};
        args.insert(args.end(), steps[i].begin(), steps[i].end());
        args.insert(args.end(), {"--click", "cmdCompute"});
        const Outcome single = Cli(args);
        const csv::Row& row = rows[i + 1];
        if (single.status != 0) {
            EXPECT_EQ(row[4], "true");
            EXPECT_EQ("vadocalc-cli: " + row[5] + "\n", single.err) << "case " << i;
            continue;
        }
        const auto j = nlohmann::json::parse(single.out);
        EXPECT_EQ(row[3], j["controls"]["lbl1Q"].get<std::string>()) << "case " << i;
        EXPECT_EQ(row[4], j["lastComputeFailed"].get<bool>() ? "true" : "false") << "case " << i;
        std::string messages;
        for (const auto& m : j["messages"])
            messages += (messages.empty() ? "" : "; ") + m["text"].get<std::string>();
        EXPECT_EQ(row[5], messages) << "case " << i;
    }
    EXPECT_EQ(rows[1][3], "Q = 18.60 cfs");
    EXPECT_EQ(rows[2][4], "true") << "a failed computation is data, not a malformed case";
    EXPECT_EQ(
        rows[2][5],
        "Please enter a number between 0.1 and 99.0.; Please enter a number between 0.1 and 99.0.");
}

TEST_F(CliFiles, BatchReadsAndWritesFiles) {
    const fs::path in = dir / "cases.csv", out = dir / "results.csv";
    std::ofstream(in) << "\xEF\xBB\xBF"
                         "cboDC,\"grdData(2,0)\",\"grdData(2,1)\",\"grdData(2,2)\"\r\n"
                         "1,M1,0.002,10\r\n"
                         "\r\n"
                         "0,\"M, 2\",0.002,10\r\n"
                         "1,M3,0.002\r\n";
    const Outcome r = Cli({"--batch", "frmSubsurface", in.string(), "--out", out.string()});
    EXPECT_EQ(r.status, 1) << "the short row";
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "vadocalc-cli: " + in.string() + " line 5: it has 3 fields, the header 4\n");
    const auto rows = Rows(Slurp(out));
    ASSERT_EQ(rows.size(), 4u) << "the blank line is no case";
    EXPECT_EQ(rows[1][4].substr(0, 4), "Main") << "the page's table in one field";
    EXPECT_NE(rows[1][4].find("M1\t0.002\t10\t0.16\t0.22\t13.8\t6\t0.015\t1.1"), std::string::npos);
    EXPECT_NE(rows[2][4].find("M, 2\t0.002\t10\t0.11"), std::string::npos)
        << "drainage coefficient 1/4";
    EXPECT_EQ(rows[3],
              (csv::Row{"1", "M3", "0.002", "", "", "true", "it has 3 fields, the header 4"}));
}

}  // namespace
}  // namespace vado::cli
