#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "calc/flow/frm_weir.h"
#include "desk.h"
#include "person.h"
#include "ui/qt/tab_strip_bar.h"

namespace vado::qt_test {
namespace {

// A page's widgets are made when it is first shown, from its form as it stands then (here a head
// set and computed through the model, as a project opened does), and only once; a page keeps its
// inputs and result while another is shown.
TEST(MainWindow, APageIsBuiltOnceWhenFirstShownFromTheStateItHasThen) {
    Desk desk;
    for (int i = 1; i < desk.window->pageCount(); ++i) EXPECT_FALSE(desk.window->isBuilt(i)) << i;
    auto& weir = static_cast<FrmWeir&>(*desk.module.FormList[1]);
    test::Apply(weir, "txt1H1=2");
    ASSERT_EQ(weir.lbl1Q.caption(), "Q = 55.09 cfs");
    ASSERT_FALSE(desk.window->isBuilt(1));

    auto clickTab = [&desk](int i) {
        LeftClick(&desk.window->tabBar(), desk.window->tabBar().tabRect(i).center());
        Settle();
    };
    clickTab(1);
    EXPECT_EQ(desk.window->currentPage(), 1);
    auto* head = desk.widget<QLineEdit>(1, "txt1H1");
    ASSERT_NE(head, nullptr);
    const auto widgets = desk.window->page(1)->findChildren<QWidget*>().size();
    for (int again = 0; again < 2; ++again) {
        EXPECT_EQ(desk.widget<QLineEdit>(1, "txt1H1"), head);
        EXPECT_EQ(head->text(), "2");
        EXPECT_EQ(desk.widget<QLabel>(1, "lbl1Q")->text(), "Q = 55.09 cfs");
        EXPECT_TRUE(head->isVisible());
        clickTab(2);
        clickTab(1);
    }
    EXPECT_EQ(desk.window->page(1)->findChildren<QWidget*>().size(), widgets);
    EXPECT_FALSE(desk.window->isBuilt(3)) << "a page never shown is never built";
}

TEST(MainWindow, DocumentationButtonReportsAMissingFileWhileTheLoadingNoteShows) {
    Desk desk;
    bool noteShown = false;
    desk.watchdog.expectMessage([&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            noteShown |= top->windowTitle() == "Loading..." && top->isVisible();
    });
    desk.widget<QPushButton>(0, "cmdHelp")->click();
    Settle();
    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    EXPECT_EQ(desk.watchdog.messages[0].text,
              "Missing Help file: '" + QCoreApplication::applicationDirPath() + "/manual/index.md'");
    EXPECT_TRUE(noteShown) << "the loading note paints before the document is opened";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_NE(top->windowTitle(), "Loading...") << "the note's window outlived it";
}

}  // namespace
}  // namespace vado::qt_test
