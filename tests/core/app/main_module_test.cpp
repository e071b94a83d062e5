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

TEST(HelpFile, PathsAndWhatEachShellAnswerSays) {
    EXPECT_EQ(HelpFilePath("frmWeir", "/opt/vado"), "/opt/vado/manual/frmWeir.md");
    EXPECT_EQ(HelpFilePath("/docs/page.MD", "/opt/vado"), "/docs/page.MD");
    EXPECT_EQ(HelpFilePath("guide.chm", "/opt/vado"), "guide.chm");
    EXPECT_EQ(HelpFilePath("chm", "/opt/vado"), "/opt/vado/manual/chm.md");

    ui::HeadlessServices missing{"/nonexistent/vado"};
    OpenHelpFile("index", missing);
    ASSERT_EQ(missing.messages.size(), 1u);
    EXPECT_EQ(missing.messages[0].text, "Missing Help file: '/nonexistent/vado/manual/index.md'");
    EXPECT_TRUE(missing.visibleForms.empty()) << "the loading window is gone";

    struct StatusShell : ui::HeadlessServices {
        int status = 0;
        int ShellOpen(const std::string&) override { return status; }
    };
    const struct {
        int status;
        const char* message;
    } cases[] = {
        {0, "Resources too low to open help file. Close other programs before trying again."},
        {1, "ShellExecute failed to Open 'x.chm' status = 1"},
        {2, "Missing Help file: 'x.chm'"},
        {33, ""},
    };
    for (const auto& c : cases) {
        StatusShell shell;
        shell.status = c.status;
        OpenHelpFile("x.chm", shell);
        EXPECT_EQ(shell.messages.empty() ? "" : shell.messages[0].text, c.message) << c.status;
        EXPECT_LE(shell.messages.size(), 1u);
    }
}

}  // namespace
}  // namespace vado
