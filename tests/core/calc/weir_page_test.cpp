#include <gtest/gtest.h>

#include "calc/flow/frm_weir.h"
#include "calc/flow/weir.h"

namespace vado {
namespace {

class WeirPageTest : public ::testing::Test {
protected:
    void SetUp() override { weir.Load(); }

    // What a person does: click into a field (its text is then all selected), type keys.
    void type(ui::TextBox& box, const std::string& keys) {
        box.SetFocus();
        for (char k : keys) box.typeKey(k);
    }
    void enter(ui::TextBox& box) { box.typeKey(13); }
    std::vector<std::string> texts() const {
        std::vector<std::string> t;
        for (auto& m : services.messages) t.push_back(m.text);
        return t;
    }

    ui::HeadlessServices services;
    AppContext app{services};
    FrmWeir weir{app};
};

TEST_F(WeirPageTest, ModeSwitchRecomputesQuietlyAndLeavesAnIncompleteFormBlank) {
    weir.optLength.click();
    EXPECT_FALSE(weir.txt1Dia.enabled());
    EXPECT_EQ(weir.lbl1Q.caption(), "Q = 18.60 cfs");
    EXPECT_FALSE(weir.inputEdited);
    weir.txt1Dia.setText("");
    weir.optDiameter.click();
    EXPECT_EQ(weir.lbl1Q.caption(), "");
    EXPECT_TRUE(services.messages.empty());
}

TEST_F(WeirPageTest, UntouchedInvalidFieldsAreQuietUntilAnEdit) {
    weir.txt1Coeff.setText("20");
    weir.txt1Dia.SetFocus();  // got-focus clears inputEdited
    weir.txt1H1.SetFocus();
    weir.txt1Dia.SetFocus();
    EXPECT_TRUE(services.messages.empty());
    EXPECT_EQ(weir.focused(), &weir.txt1Dia);

    // Editing another field and leaving it checks every field in order.
    type(weir.txt1H1, "2");
    weir.txt1Dia.SetFocus();
    EXPECT_EQ(texts(), std::vector<std::string>{"Please enter a number between 0.1 and 9.0."});
    EXPECT_EQ(weir.focused(), &weir.txt1Coeff) << "the focus goes to the field the check named";
    EXPECT_EQ(weir.lbl1Q.caption(), "");
}

TEST_F(WeirPageTest, EnterOrderFollowsTheMode) {
    weir.txt1Coeff.SetFocus();
    enter(weir.txt1Coeff);
    EXPECT_EQ(weir.focused(), &weir.txt1Dia);
    enter(weir.txt1Dia);
    EXPECT_EQ(weir.focused(), &weir.txt1H1);
    enter(weir.txt1H1);
    EXPECT_EQ(weir.focused(), &weir.cmdCompute);
    EXPECT_EQ(weir.lbl1Q.caption(), "Q = 19.48 cfs");
    EXPECT_EQ(weir.txt1H1.text(), "1") << "Enter inserts nothing";

    weir.optLength.click();
    weir.txt1Coeff.SetFocus();
    enter(weir.txt1Coeff);
    EXPECT_EQ(weir.focused(), &weir.txt1Len);
}

TEST_F(WeirPageTest, TypingComputesOnEnterAndEditingBlanksTheResult) {
    type(weir.txt1H1, "2");
    EXPECT_EQ(weir.txt1H1.text(), "2") << "focus selected the old text, the key replaced it";
    EXPECT_EQ(weir.lbl1Q.caption(), "");
    EXPECT_TRUE(weir.inputEdited);
    enter(weir.txt1H1);
    EXPECT_EQ(weir.lbl1Q.caption(), "Q = 55.09 cfs");
    EXPECT_FALSE(weir.inputEdited);

    type(weir.txt1H1, "100");
    EXPECT_EQ(weir.lbl1Q.caption(), "") << "an edit blanks the result";
    enter(weir.txt1H1);
    EXPECT_EQ(texts(), std::vector<std::string>{"Please enter a number between 0.1 and 99.0."});
    EXPECT_EQ(weir.focused(), &weir.txt1H1) << "Enter on an edited invalid field keeps the focus";
}

}  // namespace
}  // namespace vado
