#include <gtest/gtest.h>

#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>

#include "app/frm_vado.h"
#include "desk.h"
#include "shared/help.h"
#include "ui/qt/manual_window.h"

namespace vado::qt_test {
namespace {

// The manual as the program opens it: the documentation button at the contents, F1 on a page
// at that page's section, with its table of inputs and its worked example.
TEST(ManualView, OpensAtTheContentsAndAtThePageOfF1) {
    Desk desk;
    desk.services.setAppFolder(VADO_PROGRAM_DIR);
    desk.widget<QPushButton>(0, "cmdHelp")->click();
    Settle();
    ui::qt::ManualWindow* manual = desk.services.manual();
    ASSERT_NE(manual, nullptr);
    EXPECT_TRUE(manual->isVisible());
    EXPECT_TRUE(manual->currentPage().endsWith("/manual/index.md"));
    EXPECT_TRUE(manual->browser().toPlainText().contains("Culvert flow"));

    desk.window->clickTab(7);
    Settle();
    desk.window->onHelp = [&desk](ui::Form& page) { OpenHelpFile(page.name(), desk.services); };
    // F1 on the main window: its F1 shortcut.
    QShortcut* f1 = nullptr;
    for (auto* s : desk.window->findChildren<QShortcut*>())
        if (s->key() == QKeySequence(Qt::Key_F1)) f1 = s;
    ASSERT_NE(f1, nullptr);
    emit f1->activated();
    Settle();
    EXPECT_TRUE(manual->currentPage().endsWith("/manual/frmCulvertFlow.md")) << manual->currentPage().toStdString();
    const QString text = manual->browser().toPlainText();
    EXPECT_TRUE(text.contains("Headwater Elev (ft):")) << "the inputs table written from the page";
    EXPECT_TRUE(text.contains("Capacity = 43.7 cfs")) << "the worked example";
}

}  // namespace
}  // namespace vado::qt_test
