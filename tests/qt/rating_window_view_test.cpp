#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QTableWidget>

#include "desk.h"
#include "ui/qt/form_window.h"

namespace vado::qt_test {
namespace {

// The straight drop of the manual's example: a five-row rating in the stage-discharge window.
struct RatingDesk : Desk {
    RatingDesk() {
        steps(10, {"txt10Width=4.0", "txt10Depth=1.0", "txt10Elev(0)=100.0", "txt10Elev(1)=96.0",
                   "cmdStageDischarge"});
        results = services.windowOf(module.stageDischarge());
        table = qobject_cast<QTableWidget*>(results->view().widgetNamed("grdData"));
    }
    QPoint cell(int r, int c) const { return table->visualItemRect(table->item(r, c)).center(); }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) {
        Mouse(table->viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton, mods);
        Mouse(table->viewport(), QEvent::MouseMove, to, Qt::LeftButton, mods);
        Mouse(table->viewport(), QEvent::MouseButtonRelease, to, Qt::NoButton, mods);
    }
    ui::qt::FormWindow* results = nullptr;
    QTableWidget* table = nullptr;
};

// Ctrl+C copies exactly the block the person selected, however it was selected.
TEST(RatingWindowView, CtrlCCopiesTheSelectedBlock) {
    const std::string all = "100.2\t1.18\n100.4\t3.30\n100.6\t6.00\n100.8\t9.15\n101.0\t12.65";
    const struct {
        const char* name;
        std::function<void(RatingDesk&)> select;
        std::string clip;
    } cases[] = {
        {"drag", [](RatingDesk& d) { d.drag(d.cell(0, 0), d.cell(4, 1)); }, all},
        {"drag upwards", [](RatingDesk& d) { d.drag(d.cell(4, 1), d.cell(1, 0)); },
         "100.4\t3.30\n100.6\t6.00\n100.8\t9.15\n101.0\t12.65"},
        {"shift+click",
         [](RatingDesk& d) {
             LeftClick(d.table->viewport(), d.cell(0, 0));
             d.drag(d.cell(4, 1), d.cell(4, 1), Qt::ShiftModifier);
         },
         all},
        {"shift+arrows",
         [](RatingDesk& d) {
             LeftClick(d.table->viewport(), d.cell(0, 0));
             for (int key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Right})
                 SendKey(d.table, key, {}, Qt::ShiftModifier);
         },
         all},
        {"a click on a heading",
         [](RatingDesk& d) {
             QHeaderView* header = d.table->horizontalHeader();
             LeftClick(header->viewport(),
                       QPoint(header->sectionViewportPosition(1) + 10, header->height() / 2));
         },
         "1.18\n3.30\n6.00\n9.15\n12.65"},
        {"one cell", [](RatingDesk& d) { LeftClick(d.table->viewport(), d.cell(2, 1)); }, "6.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RatingDesk desk;
        ASSERT_NE(desk.table, nullptr);
        desk.table->setFocus();
        c.select(desk);
        Settle();
        QGuiApplication::clipboard()->clear();
        SendKey(desk.table, Qt::Key_C, "\x03", Qt::ControlModifier);
        Settle();
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clip);
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
