#include "report/frm_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "../program.h"

namespace vado::report {
namespace {

// The program with rain.txt in a program folder of the test's own; the weir page's Print.
class PrintDialogTest : public ::testing::Test {
  protected:
    static std::string Folder() {
        const auto p = std::filesystem::temp_directory_path() /
                       ("vado_frm_info_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        std::filesystem::create_directories(p);
        std::ofstream(p / "rain.txt") << "\"Adams\",1,2,3,4,5,6,7\r\n\"Berks\",1,2,3,4,5,6,7\r\n";
        return p.string();
    }
    ~PrintDialogTest() override { std::filesystem::remove_all(folder); }
    FrmInfo& printFromPage() {
        p.click(p.page(1), "cmdPrint");
        if (!p.dialog()) throw std::runtime_error("the dialog did not open");
        return *p.dialog();
    }
    void fill(FrmInfo& d) {
        for (auto [box, text] : {std::pair{&d.txtOwnerName, "Hilltop Farm LLC"}, {&d.txtState, "PA"},
                                 {&d.txtDesigner, "Field Office"}, {&d.txtSite, "Pond 3"}})
            box->setText(text);
        d.cboCounty.setListIndex(0);
    }

    std::filesystem::path folder = Folder();
    vado::test::Program p{folder.string()};
    std::vector<test::KeptJob>& jobs = p.jobs;
};

TEST_F(PrintDialogTest, CancelDiscardsTheEntriesAndTheListIsReadAgain) {
    FrmInfo& d = printFromPage();
    fill(d);
    d.clickButton(d.cmdCancel);
    EXPECT_EQ(p.dialog(), nullptr);
    EXPECT_TRUE(jobs.empty());

    std::ofstream(folder / "rain.txt") << "Crawford,1,2,3,4,5,6,7\n";
    FrmInfo& fresh = printFromPage();
    for (auto* box : {&fresh.txtOwnerName, &fresh.txtState, &fresh.txtDesigner, &fresh.txtSite})
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(fresh.cboCounty.text(), "");
    ASSERT_EQ(fresh.cboCounty.listCount(), 1);
    EXPECT_EQ(fresh.cboCounty.list(0), "Crawford");
    EXPECT_EQ(fresh.ReportCode, 1);
}

TEST_F(PrintDialogTest, WithoutACountyFileTheListIsEmptyAndACountyCanBeTyped) {
    std::filesystem::remove(folder / "rain.txt");
    FrmInfo& d = printFromPage();
    EXPECT_EQ(d.cboCounty.listCount(), 0);
    d.cboCounty.setText("Potter");
    d.clickButton(d.cmdPrint);
    ASSERT_EQ(jobs.size(), 1u);
    auto texts = jobs[0].texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Potter County, "), texts.end());
}

TEST_F(PrintDialogTest, AnErrorWhilePrintingAbandonsTheJobAndSaysSo) {
    p.services.selectPrinter = [this]() -> std::unique_ptr<ui::Printer> {
        auto p = std::make_unique<test::KeptPrinter>(jobs);
        p->beforeOp = [](const ui::RecordedOp& op) {
            if (op.text.rfind("Weir Capacity", 0) == 0) throw ui::PrintError("the device is gone");
        };
        return p;
    };
    FrmInfo& d = printFromPage();
    fill(d);
    d.clickButton(d.cmdPrint);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_FALSE(jobs[0].ended);
    EXPECT_TRUE(jobs[0].killed);
    EXPECT_EQ(p.dialog(), nullptr);
    EXPECT_EQ(d.lastOutcome(), FrmInfo::Outcome::Failed);
    ASSERT_EQ(p.services.messages.size(), 1u);
    EXPECT_EQ(p.services.messages[0].text, "The report could not be printed: the device is gone.");
    EXPECT_EQ(p.services.messages[0].title, "Vadocalc");
    EXPECT_EQ(d.txtSite.text(), "Pond 3") << "the entries stay for another try";
}

TEST_F(PrintDialogTest, CodesWithoutABodyPrintTheHeaderAlone) {
    for (auto [code, title] : {std::pair<short, const char*>{13, "Mensuration Formula"}, {0, "Invalid Index"}, {50, "prepared for"}}) {
        jobs.clear();
        p.module.app().showReport(code);
        ASSERT_NE(p.dialog(), nullptr) << code;
        fill(*p.dialog());
        p.dialog()->clickButton(p.dialog()->cmdPrint);
        ASSERT_EQ(jobs.size(), 1u) << code;
        EXPECT_EQ(jobs[0].texts().front(), title) << code;
        EXPECT_EQ(jobs[0].texts().back(), "Pond 3") << code << ": nothing after the site";
    }
}

}  // namespace
}  // namespace vado::report
