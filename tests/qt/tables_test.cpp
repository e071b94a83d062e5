// The tables as a person edits and copies them: the subsurface page's grid, the rating windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTableWidget>

#include "calc/drainage/frm_subsurface.h"
#include "desk.h"
#include "ui/qt/form_window.h"

namespace vado::qt_test {
namespace {

constexpr int kPage = 15;

struct GridDesk : Desk {
    GridDesk() {
        window->clickTab(kPage);
        Settle();
        table = widget<QTableWidget>(kPage, "grdData");
        cover = widget<QLineEdit>(kPage, "txtCover");
    }
    ui::Grid& grid() { return static_cast<FrmSubsurface&>(*module.FormList[kPage]).grdData; }
    // The typed columns of the data rows: cells parted by ",", rows by ";".
    QString typed() {
        QStringList rows;
        for (int r = 2; r < grid().rows(); ++r) {
            QStringList cells;
            for (int c = 0; c < 3; ++c) cells << QString::fromStdString(grid().textMatrix(r, c));
            rows << cells.join(',');
        }
        return rows.join(';');
    }
    QTableWidget* table = nullptr;
    QLineEdit* cover = nullptr;
};

// Whatever moves the editing field, the next cell opens with its own text and every cell holds
// exactly what was typed into it ("M1" Tab "0.002" once gave "M1 | M10.002"): data/grid_keys.txt.
TEST(SubsurfaceGridView, EveryMovingKeyKeepsWhatWasTyped) {
    for (const QStringList& c : Cases("grid_keys.txt")) {  // case, steps, cells, cursor
        SCOPED_TRACE(c.join(" | ").toStdString());
        GridDesk desk;
        Play("@0,0", desk.table);
        ASSERT_EQ(QApplication::focusWidget(), desk.cover);
        Play(c[1], desk.table);
        EXPECT_EQ(desk.typed(), c[2]);
        EXPECT_EQ(QString("%1,%2").arg(desk.grid().row - 2).arg(desk.grid().col), c[3]);
        EXPECT_EQ(desk.table->item(0, 0)->text(), c[2].section(',', 0, 0));
    }
}

// Shift+Tab on the first cell leaves the table for the control before it (Tab through the
// table and out of it is checked by the page layout test's Tab order).
TEST(SubsurfaceGridView, ShiftTabLeavesTheTableAtItsStart) {
    GridDesk desk;
    Play("@0,0 <Shift+Backtab>", desk.table);
    EXPECT_EQ(QApplication::focusWidget(), desk.widget<QWidget>(kPage, "cboDC"));
    EXPECT_FALSE(desk.cover->isVisible());
}

// Under a dark theme every cell keeps light text on a dark background; Escape hides the field
// and leaves the focus on the table.
TEST(SubsurfaceGridView, CellsFollowADarkPalette) {
    GridDesk desk;
    QPalette dark = desk.table->palette();
    for (auto [role, grey] : {std::pair{QPalette::Base, 30}, {QPalette::Text, 230},
                              {QPalette::Button, 60}, {QPalette::ButtonText, 240}})
        dark.setColor(role, QColor(grey, grey, grey));
    desk.table->setPalette(dark);
    Play("@0,0 MMM <Tab> 0.002 <Tab> 10 <Esc>", desk.table);
    EXPECT_FALSE(desk.cover->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), desk.table);
    desk.table->clearSelection();
    desk.table->setCurrentCell(-1, -1);
    Settle();
    const QImage image = desk.table->viewport()->grab().toImage();
    for (int c : {0, 3, 6}) {
        const QRect cell = desk.table->visualItemRect(desk.table->item(0, c));
        int lightest = 0, darkest = 255;
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
            for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
                lightest = std::max(lightest, qGray(image.pixel(x, y)));
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
            }
        EXPECT_LT(darkest, 80) << "column " << c << ": a dark background";
        EXPECT_GT(lightest, 160) << "column " << c << ": light text on it";
    }
}

struct RatingDesk : Desk {
    RatingDesk() {
        steps(10, {"txt10Width=4.0", "txt10Depth=1.0", "txt10Elev(0)=100.0", "txt10Elev(1)=96.0",
                   "cmdStageDischarge"});
        table = qobject_cast<QTableWidget*>(
            services.windowOf(module.stageDischarge())->view().widgetNamed("grdData"));
    }
    QTableWidget* table = nullptr;
};

// Ctrl+C in the stage-discharge window of the manual's straight drop (a five-row rating) copies
// exactly the block the person selected, however it was selected: data/rating_copy.txt.
TEST(RatingWindowView, CtrlCCopiesTheSelectedBlock) {
    for (const QStringList& c : Cases("rating_copy.txt")) {  // case, steps, clipboard
        SCOPED_TRACE(c[0].toStdString());
        RatingDesk desk;
        desk.table->setFocus();
        Play(c[1], desk.table);
        QGuiApplication::clipboard()->clear();
        SendKey(desk.table, Qt::Key_C, "\x03", Qt::ControlModifier);
        Settle();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), QString(c[2]).replace("\\t", "\t").replace("\\n", "\n"));
    }
}

// The headings are the tables' header, not rows that scroll away, and every column of the
// riser's full chart is wide enough for its widest text (its controlling texts were cut).
TEST(RatingWindowView, HeadingsStayFixedAndColumnsFitTheirText) {
    RatingDesk desk;
    EXPECT_EQ(desk.table->rowCount(), 5);
    EXPECT_EQ(desk.table->horizontalHeaderItem(1)->text(), "Discharge\nCFS");
    desk.steps(19, {"txtWidth=12", "cmdCompute(19)"});
    ui::Form* window = nullptr;
    for (ui::Form* w : desk.module.resultWindows())
        if (w->name() == "frmRectRiserResults") window = w;
    ASSERT_NE(window, nullptr);
    static_cast<ui::TabStrip*>(window->find("tabStrip"))->clickTab(3);
    Settle();
    auto* full = qobject_cast<QTableWidget*>(
        desk.services.windowOf(*window)->view().widgetNamed("grdDataFull"));
    ASSERT_TRUE(full && full->rowCount() > 2);
    const QFontMetrics metrics(full->font());
    for (int c = 0; c < full->columnCount(); ++c) {
        QStringList texts = full->horizontalHeaderItem(c)->text().split('\n');
        for (int r = 0; r < full->rowCount(); ++r) texts << full->item(r, c)->text();
        for (const QString& text : texts)
            EXPECT_GT(full->columnWidth(c), metrics.horizontalAdvance(text)) << text.toStdString();
    }
    EXPECT_LE(full->minimumWidth(), 1280);
}

}  // namespace
}  // namespace vado::qt_test
