#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>

#include "app/catalogue.h"
#include "calc/flow/frm_weir.h"
#include "desk.h"
#include "ui/qt/conversions.h"
#include "ui/qt/tab_strip_bar.h"

namespace vado::qt_test {
namespace {

using ui::qt::TabStripBar;

class MainWindowTest : public ::testing::Test {
  protected:
    FrmWeir& weir() const { return static_cast<FrmWeir&>(*desk.module.FormList[1]); }
    void clickTab(int i) {
        TabStripBar& bar = desk.window->tabBar();
        LeftClick(&bar, bar.tabRect(i).center());
        Settle();
    }
    int visibleForms() const {
        int n = 0;
        for (auto* f : desk.module.FormList) n += f->visible();
        return n;
    }

    Desk desk;
};

TEST_F(MainWindowTest, EveryPageHasAWidgetForEveryControlItsLayoutNames) {
    ASSERT_EQ(desk.window->pageCount(), kCatalogueSize);
    for (int i = 0; i < kCatalogueSize; ++i) {
        const ui::Form& form = *desk.module.FormList[i];
        EXPECT_NE(desk.window->page(i), nullptr);
        for (auto& section : form.layout.sections) {
            for (auto& row : section.rows) {
                for (auto& cell : row) {
                    for (auto& name : cell.controls) {
                        const ui::Control* c = form.find(name);
                        ASSERT_NE(c, nullptr) << form.name() << " lays out a missing " << name;
                        EXPECT_NE(desk.window->view(i).widgetNamed(name), nullptr)
                            << form.name() << " " << name;
                    }
                }
            }
        }
    }
}

TEST_F(MainWindowTest, StartsOnTheMainPageWithTheCatalogueTabs) {
    EXPECT_TRUE(desk.window->isActiveWindow());
    EXPECT_EQ(desk.window->windowTitle(), "QLBS Vadocalc");
    EXPECT_EQ(desk.window->currentPage(), 0);
    const TabStripBar& bar = desk.window->tabBar();
    ASSERT_EQ(bar.count(), kCatalogueSize);
    for (int i = 0; i < kCatalogueSize; ++i) {
        EXPECT_EQ(bar.tabs()[i].text.toStdString(), kCatalogue[i].tabCaption);
        EXPECT_EQ(bar.tabs()[i].toolTip.toStdString(), kCatalogue[i].toolTip);
        EXPECT_FALSE(bar.tabRect(i).isEmpty()) << "tab " << i << " has no place";
    }
    EXPECT_EQ(bar.currentIndex(), 0);
    EXPECT_GT(bar.rowCount(), 1) << "twenty tabs do not fit one row of the default window";

    auto* name = desk.widget<QLabel>(0, "lblProductName");
    auto* version = desk.widget<QLabel>(0, "lblVersion");
    ASSERT_TRUE(name && version);
    EXPECT_EQ(name->text(), "Vadocalc");
    EXPECT_EQ(version->text(), "Version 2.1.4");
    EXPECT_TRUE(name->isVisible());
    EXPECT_FALSE(desk.widget<QLabel>(0, "lbl0Info")->isVisible()) << "hidden at load";
}

TEST_F(MainWindowTest, APageKeepsItsInputsAndResultWhileAnotherIsShown) {
    clickTab(1);
    auto* head = desk.widget<QLineEdit>(1, "txt1H1");
    head->setFocus();
    Type(head, "2\r");
    ASSERT_EQ(weir().lbl1Q.caption(), "Q = 55.09 cfs");

    clickTab(2);
    clickTab(1);
    EXPECT_EQ(head->text(), "2");
    EXPECT_EQ(desk.widget<QLabel>(1, "lbl1Q")->text(), "Q = 55.09 cfs");
    EXPECT_TRUE(head->isVisible());
}

// A page's widgets are made when it is first shown, from its form as it stands then (here a
// head set and computed through the model, as a project opened does), and only once.
TEST_F(MainWindowTest, APageIsBuiltWhenFirstShownFromTheStateItHasThen) {
    for (int i = 1; i < kCatalogueSize; ++i) EXPECT_FALSE(desk.window->isBuilt(i)) << "page " << i;
    FrmWeir& w = weir();
    w.setFocus(&w.txt1H1);
    w.txt1H1.paste("2");
    w.leaveFocus();
    ASSERT_EQ(w.lbl1Q.caption(), "Q = 55.09 cfs");
    ASSERT_FALSE(desk.window->isBuilt(1));

    desk.module.FormList[0]->tabStrip.clickTab(2);
    Settle();
    EXPECT_EQ(desk.window->currentPage(), 1);
    auto* head = desk.widget<QLineEdit>(1, "txt1H1");
    ASSERT_NE(head, nullptr);
    EXPECT_EQ(head->text(), "2");
    EXPECT_EQ(desk.widget<QLabel>(1, "lbl1Q")->text(), "Q = 55.09 cfs");
    EXPECT_TRUE(head->isVisible());

    const auto widgets = desk.window->page(1)->findChildren<QWidget*>().size();
    clickTab(2);
    clickTab(1);
    EXPECT_EQ(desk.widget<QLineEdit>(1, "txt1H1"), head);
    EXPECT_EQ(desk.window->page(1)->findChildren<QWidget*>().size(), widgets);
    EXPECT_FALSE(desk.window->isBuilt(3)) << "a page never shown is never built";
}

TEST_F(MainWindowTest, ThePageShownNextOpensWhereTheWindowWasMoved) {
    desk.window->move(150, 90);
    Settle();
    const int dpi = desk.window->logicalDpiX();
    const int left = ui::qt::PixelsToTwips(desk.window->x(), dpi);
    EXPECT_EQ(desk.module.FormList[0]->left, left);
    clickTab(5);
    EXPECT_EQ(desk.module.FormList[5]->left, left);
    EXPECT_EQ(desk.window->x(), 150);
}

TEST_F(MainWindowTest, DocumentationButtonReportsAMissingFileWhileTheLoadingNoteShows) {
    bool noteShown = false;
    desk.watchdog.expectMessage([&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->windowTitle() == "Loading..." && top->isVisible()) noteShown = true;
    });
    desk.widget<QPushButton>(0, "cmdHelp")->click();
    Settle();

    ASSERT_EQ(desk.watchdog.messages.size(), 1u);
    const auto& m = desk.watchdog.messages[0];
    EXPECT_EQ(m.title, "Vadocalc");
    EXPECT_EQ(m.text,
              "Missing Help file: '" + QCoreApplication::applicationDirPath() + "/manual/index.md'");
    EXPECT_EQ(m.icon, QMessageBox::Warning);
    EXPECT_TRUE(noteShown) << "the loading note paints before the document is opened";
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->windowTitle() == "Loading...") << "the note's window outlived it";
}

}  // namespace
}  // namespace vado::qt_test
