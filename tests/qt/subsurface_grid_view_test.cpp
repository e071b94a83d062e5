#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>

#include "calc/drainage/frm_subsurface.h"
#include "desk.h"

namespace vado::qt_test {
namespace {

// The subsurface table as a person fills it: a click on a cell opens the editing field over it,
// Enter walks the ID, grade and acres onto a new row, and the results follow the typing.
TEST(SubsurfaceGridView, TheOverlayEditsTheClickedCellAndEnterWalksOn) {
    Desk desk;
    desk.window->clickTab(15);
    Settle();
    auto& page = static_cast<FrmSubsurface&>(*desk.module.FormList[15]);
    auto* table = desk.widget<QTableWidget>(15, "grdData");
    ASSERT_NE(table, nullptr);
    const QRect cell = table->visualItemRect(table->item(2, 0));
    LeftClick(table->viewport(), cell.center());
    Settle();
    auto* cover = qobject_cast<QLineEdit*>(desk.window->view(15).widgetNamed("txtCover"));
    ASSERT_NE(cover, nullptr);
    ASSERT_TRUE(cover->isVisible());
    EXPECT_EQ(cover->geometry(), table->visualItemRect(table->item(2, 0)));

    ASSERT_EQ(QApplication::focusWidget(), cover);
    Type(QApplication::focusWidget(), "M1\r");
    Settle();
    Type(QApplication::focusWidget(), "0.002\r");
    Settle();
    Type(QApplication::focusWidget(), "10");
    Settle();
    EXPECT_EQ(page.grdData.textMatrix(2, 6), "6") << "the size follows the typing";
    EXPECT_EQ(table->item(2, 8)->text(), "1.1");
    Type(QApplication::focusWidget(), "\r");
    Settle();
    EXPECT_EQ(page.grdData.rows(), 4) << "Enter in the acres opens a new row";
    EXPECT_EQ(page.grdData.row, 3);
    EXPECT_EQ(page.grdData.col, 0);
    EXPECT_EQ(cover->geometry(), table->visualItemRect(table->item(3, 0)));
    desk.window->grab().save(QDir::temp().filePath("vado-subsurface-grid.png"));
}

}  // namespace
}  // namespace vado::qt_test
