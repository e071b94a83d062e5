#include <gtest/gtest.h>

#include "../program.h"
#include "shared/help.h"

namespace vado {
namespace {

TEST(MainModule, OneTabShowsItsPageAloneAndThatPageMarksItsOwnTab) {
    test::Program p;
    MainModule& module = p.module;
    auto visible = [&] {
        std::vector<int> shown;
        for (int i = 0; i < 20; ++i)
            if (module.FormList[i]->visible()) shown.push_back(i);
        return shown;
    };
    const struct {
        int tab, current;
    } cases[] = {{1, 0}, {2, 1}, {20, 19}};  // the shown page's own tab changes nothing
    for (const auto& c : cases) {
        module.FormList[module.CurrentForm]->tabStrip.clickTab(c.tab);
        EXPECT_EQ(module.CurrentForm, c.current) << c.tab;
        EXPECT_EQ(visible(), std::vector<int>{c.current}) << c.tab;
        EXPECT_EQ(module.FormList[c.current]->tabStrip.selectedTab(), c.current + 1) << c.tab;
    }
}

// The manual's pages beside the program; a path or another kind of help file is taken as it is.
TEST(HelpFile, Paths) {
    EXPECT_EQ(HelpFilePath("frmWeir", "/opt/vado"), "/opt/vado/manual/frmWeir.md");
    EXPECT_EQ(HelpFilePath("/docs/page.MD", "/opt/vado"), "/docs/page.MD");
    EXPECT_EQ(HelpFilePath("guide.chm", "/opt/vado"), "guide.chm");
    EXPECT_EQ(HelpFilePath("chm", "/opt/vado"), "/opt/vado/manual/chm.md");
}

}  // namespace
}  // namespace vado
