#include "report/frm_info.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "app/main_module.h"
#include "kept_printer.h"
#include "report/reporting.h"

namespace vado::report {
namespace {

using test::KeptJob;

// The program as a person meets it: the catalogue, the weir page, its Print button and the
// dialog it opens, with rain.txt in a program folder of the test's own.
class PrintDialogTest : public ::testing::Test {
  protected:
    PrintDialogTest()
        : folder(std::filesystem::temp_directory_path() /
                 ("vado_frm_info_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()))),
          services(MakeFolder(folder)),
          module(services) {
        module.SubMain();
        weir = static_cast<CalculatorForm*>(module.FormList[1]);
        services.selectPrinter = test::KeepJobs(jobs);
    }
    ~PrintDialogTest() override { std::filesystem::remove_all(folder); }

    static std::string MakeFolder(const std::filesystem::path& p) {
        std::filesystem::remove_all(p);
        std::filesystem::create_directories(p);
        std::ofstream(p / "rain.txt") << "\"Adams\",1,2,3,4,5,6,7\r\n\"Berks\",1,2,3,4,5,6,7\r\n";
        return p.string();
    }

    // The open project-information dialog, or null.
    FrmInfo* dialog() {
        if (services.modalStack.empty()) return nullptr;
        return dynamic_cast<FrmInfo*>(services.modalStack.back());
    }
    FrmInfo& printFromPage(CalculatorForm& page) {
        page.clickButton(page.cmdPrint);
        FrmInfo* d = dialog();
        if (!d) throw std::runtime_error("the dialog did not open");
        return *d;
    }
    void fill(FrmInfo& d) {
        d.txtOwnerName.setText("Hilltop Farm LLC");
        d.cboCounty.setListIndex(0);
        d.txtState.setText("PA");
        d.txtDesigner.setText("Field Office");
        d.txtSite.setText("Pond 3");
    }
    std::vector<std::string> counties(const FrmInfo& d) const {
        std::vector<std::string> c;
        for (int i = 0; i < d.cboCounty.listCount(); ++i) c.push_back(d.cboCounty.list(i));
        return c;
    }
    ui::TextBox& field(const char* name) { return *static_cast<ui::TextBox*>(weir->find(name)); }

    std::filesystem::path folder;
    ui::HeadlessServices services;
    MainModule module;
    CalculatorForm* weir = nullptr;
    std::vector<KeptJob> jobs;
};

TEST_F(PrintDialogTest, CancelDiscardsTheEntriesAndTheListIsReadAgain) {
    FrmInfo& d = printFromPage(*weir);
    fill(d);
    d.clickButton(d.cmdCancel);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_TRUE(jobs.empty());

    std::ofstream(folder / "rain.txt") << "Crawford,1,2,3,4,5,6,7\n";
    FrmInfo& fresh = printFromPage(*weir);
    for (auto* box : {&fresh.txtOwnerName, &fresh.txtState, &fresh.txtDesigner, &fresh.txtSite})
        EXPECT_EQ(box->text(), "");
    EXPECT_EQ(fresh.cboCounty.text(), "");
    EXPECT_EQ(counties(fresh), std::vector<std::string>{"Crawford"});
    EXPECT_EQ(fresh.ReportCode, 1);
}

TEST_F(PrintDialogTest, WithoutACountyFileTheListIsEmptyAndACountyCanBeTyped) {
    std::filesystem::remove(folder / "rain.txt");
    FrmInfo& d = printFromPage(*weir);
    EXPECT_EQ(d.cboCounty.listCount(), 0);
    d.cboCounty.setText("Potter");
    d.clickButton(d.cmdPrint);
    ASSERT_EQ(jobs.size(), 1u);
    auto texts = jobs[0].texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Potter County, "), texts.end());
}

TEST_F(PrintDialogTest, AnErrorWhilePrintingAbandonsTheJobAndSaysSo) {
    services.selectPrinter = [this]() -> std::unique_ptr<ui::Printer> {
        auto p = std::make_unique<test::KeptPrinter>(jobs);
        p->beforeOp = [](const ui::RecordedOp& op) {
            if (op.text.rfind("Weir Capacity", 0) == 0) throw ui::PrintError("the device is gone");
        };
        return p;
    };
    FrmInfo& d = printFromPage(*weir);
    fill(d);
    d.clickButton(d.cmdPrint);
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_FALSE(jobs[0].ended);
    EXPECT_TRUE(jobs[0].killed);
    EXPECT_EQ(dialog(), nullptr);
    EXPECT_EQ(d.lastOutcome(), FrmInfo::Outcome::Failed);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0].text, "The report could not be printed: the device is gone.");
    EXPECT_EQ(services.messages[0].title, "Vadocalc");
    EXPECT_EQ(d.txtSite.text(), "Pond 3") << "the entries stay for another try";
}

TEST_F(PrintDialogTest, CodesWithoutABodyPrintTheHeaderAlone) {
    for (auto [code, title] : {std::pair<short, const char*>{13, "Mensuration Formula"}, {0, "Invalid Index"}, {50, "prepared for"}}) {
        jobs.clear();
        module.app().showReport(code);
        ASSERT_NE(dialog(), nullptr) << code;
        fill(*dialog());
        dialog()->clickButton(dialog()->cmdPrint);
        ASSERT_EQ(jobs.size(), 1u) << code;
        EXPECT_EQ(jobs[0].texts().front(), title) << code;
        EXPECT_EQ(jobs[0].texts().back(), "Pond 3") << code << ": nothing after the site";
    }
}

}  // namespace
}  // namespace vado::report
