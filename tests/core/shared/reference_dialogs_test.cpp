#include "shared/reference_dialogs.h"

#include <gtest/gtest.h>

#include "calc/flow/frm_pipe_flow.h"

namespace vado {
namespace {

class ReferenceDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        page.Load();
        page.clickButton(page.cmdCompute);
        ASSERT_EQ(page.lbl6Q.caption(), "Q = 38.0 cfs");
    }
    // The dialog the page just opened (headless modal dialogs stay on top for the script).
    ReferenceDialog& open(ui::CommandButton& help) {
        page.clickButton(help);
        EXPECT_EQ(services.modalStack.size(), 1u);
        return *static_cast<ReferenceDialog*>(services.modalStack.back());
    }

    ui::HeadlessServices services;
    AppContext app{services};
    FrmPipeFlow page{app};
};

TEST_F(ReferenceDialogTest, ManningsTable) {
    auto& d = open(page.cmdManningsNHelp);
    EXPECT_EQ(d.caption(), "Mannings n Value Help");
    const std::vector<std::vector<std::string>> expected = {
        {"         N     ", "                        Pipe Material"},
        {"0.012", "PVC Plastic"},
        {"0.015", "Corrugated Plastic"},
        {"0.016", "Concrete"},
        {"0.020", "Corrugated Metal"}};
    EXPECT_EQ(d.MSFlexGrid1.cells(), expected);
    EXPECT_EQ(d.MSFlexGrid1.columnAlignment(0), '^');
}

TEST_F(ReferenceDialogTest, ManningsDoubleClickOnARow) {
    auto& d = open(page.cmdManningsNHelp);
    d.MSFlexGrid1.row = 4;
    d.MSFlexGrid1.onDblClick();
    EXPECT_EQ(page.txt6N.text(), "0.020");
}

TEST_F(ReferenceDialogTest, KeTable) {
    auto& d = open(page.cmdKeHelp);
    EXPECT_EQ(d.caption(), "Ke Typical Values");
    ASSERT_EQ(d.MSFlexGrid1.rows(), 15);
    EXPECT_EQ(d.MSFlexGrid1.textMatrix(0, 0), "typ. Ke value     ");
    EXPECT_EQ(d.MSFlexGrid1.textMatrix(0, 1),
              "                 Type of Structure and Design of Entrance");
    EXPECT_EQ(d.MSFlexGrid1.textMatrix(1, 1), "Pipe, Concrete");
    EXPECT_EQ(d.MSFlexGrid1.textMatrix(4, 0), "   ");
    EXPECT_EQ(d.MSFlexGrid1.textMatrix(5, 1), "     Socket end of pipe (groove-end)");
    EXPECT_EQ(d.MSFlexGrid1.textMatrix(14, 1), "  End section conforming to fill slope");
}

TEST_F(ReferenceDialogTest, KeHeadingsAreRefused) {
    auto& d = open(page.cmdKeHelp);
    for (int heading : {1, 4, 10}) {
        services.messages.clear();
        d.MSFlexGrid1.row = heading;
        d.clickButton(d.cmdOK);
        ASSERT_EQ(services.messages.size(), 1u) << heading;
        EXPECT_EQ(services.messages[0].text, "Please select a value or Cancel");
        EXPECT_EQ(services.messages[0].title, "Empty value");
        EXPECT_EQ(services.messages[0].icon, ui::MsgIcon::None);
        EXPECT_TRUE(d.visible()) << "the dialog stays open";
    }
    EXPECT_EQ(page.txt6Ke.text(), "0.65");
    EXPECT_EQ(page.lbl6Q.caption(), "Q = 38.0 cfs");
}

TEST_F(ReferenceDialogTest, EveryUseStartsAfresh) {
    auto& first = open(page.cmdManningsNHelp);
    first.MSFlexGrid1.row = 3;
    first.clickButton(first.cmdCancel);
    auto& again = open(page.cmdManningsNHelp);
    EXPECT_EQ(again.MSFlexGrid1.row, 1) << "the current row is back at the first data row";
    again.clickButton(again.cmdOK);
    EXPECT_EQ(page.txt6N.text(), "0.012");
}

}  // namespace
}  // namespace vado
