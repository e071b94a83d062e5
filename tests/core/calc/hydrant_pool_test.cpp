#include <gtest/gtest.h>

#include "../program.h"
#include "calc/drainage/dry_hydrant.h"
#include "calc/drainage/frm_dry_hydrant.h"

namespace vado {
namespace {

TEST(DryHydrant, ElbowsByTypeAndSize) {
    const struct {
        int type;
        short size;
        std::vector<std::string> elbows;
    } cases[] = {
        {0, 8, {"1 - 6 x 8 - 90 deg. elbow"}},
        {1, 6, {"2 - 6 x 6 - 45 deg. elbow"}},
        {1, 10, {"1 - 6 x 6 - 45 deg. elbow", "1 - 6 x 10 - 45 deg. elbow"}},
        {2, 12, {"1 - 6 x 12 - 45 deg. elbow"}},
    };
    for (const auto& c : cases) {
        auto lines = dry_hydrant::Materials(c.type, c.size, 9.4, 50);
        EXPECT_EQ(lines[0], c.type == 0 ? "1 - 90 deg. hydrant head assembly" : "1 - 45 deg. hydrant head assembly");
        EXPECT_EQ(lines[2], "9 - feet 6 in. standpipe");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 4, lines.end()), c.elbows) << c.type << " " << c.size;
    }
}

TEST(DryHydrant, QuietChecksAreSilentAndATypeChangeDropsTheResults) {
    test::Program p;
    auto& page = p.page<FrmDryHydrant>(17);
    for (auto [i, text] : {std::pair{0, "100"}, {1, "100"}, {2, "95"}, {3, "0"}}) page.txtElev[i]->setText(text);
    page.txtElev[0]->setText("0");
    bool ok = false;
    page.RunCompute(false, ok);
    EXPECT_TRUE(ok) << "no field is held without a message";
    EXPECT_TRUE(p.services.messages.empty());
    page.txtElev[0]->setText("100");
    page.txtElev[3]->setText("90");
    page.clickButton(page.cmdCompute);
    ASSERT_TRUE(page.resultsValid());
    page.cboType.setListIndex(1);
    EXPECT_FALSE(page.resultsValid());
}

}  // namespace
}  // namespace vado
