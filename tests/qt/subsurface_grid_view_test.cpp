#include <gtest/gtest.h>

#include <QApplication>
#include <QKeySequence>
#include <QLineEdit>
#include <QTableWidget>
#include <cstdio>

#include "calc/drainage/frm_subsurface.h"
#include "desk.h"

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
    // Keys as the person types them, "<Tab>", "<Shift+Backtab>", "<Return>", "<Esc>", "<Left>"
    // (as QKeySequence names them); "<Click r,c>" on the cell of the model's row r; or text.
    void play(const std::vector<std::string>& steps) {
        for (const std::string& step : steps) {
            int r = 0, c = 0;
            if (std::sscanf(step.c_str(), "<Click %d,%d>", &r, &c) == 2) {
                LeftClick(table->viewport(), table->visualItemRect(table->item(r - 2, c)).center());
            } else if (step.front() == '<') {
                const QKeyCombination key =
                    QKeySequence(QString::fromStdString(step.substr(1, step.size() - 2)))[0];
                const char* text = step == "<Tab>" ? "\t" : step == "<Return>" ? "\r" : step == "<Esc>" ? "\x1b" : "";
                SendKey(QApplication::focusWidget(), key.key(), text, key.keyboardModifiers());
            } else {
                Type(QApplication::focusWidget(), step);
            }
            Settle();
        }
    }
    // The typed columns of every data row.
    std::vector<std::vector<std::string>> typed() {
        std::vector<std::vector<std::string>> rows;
        for (int r = 2; r < grid().rows(); ++r)
            rows.push_back({grid().textMatrix(r, 0), grid().textMatrix(r, 1), grid().textMatrix(r, 2)});
        return rows;
    }
    QTableWidget* table = nullptr;
    QLineEdit* cover = nullptr;
};

// Whatever moves the editing field, the next cell opens with its own text and every cell holds
// exactly what was typed into it ("M1" Tab "0.002" once gave "M1 | M10.002").
TEST(SubsurfaceGridView, EveryMovingKeyKeepsWhatWasTyped) {
    using Rows = std::vector<std::vector<std::string>>;
    const Rows m1 = {{"M1", "0.002", "10"}, {"", "", ""}};
    const struct {
        const char* name;
        std::vector<std::string> steps;
        Rows cells;
        int row, col;  // the cursor at the end
    } cases[] = {
        {"tab", {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Return>"}, m1, 3, 0},
        {"enter", {"M1", "<Return>", "0.002", "<Return>", "10", "<Return>"}, m1, 3, 0},
        {"arrows", {"M1", "<Right>", "0.002", "<Right>", "10", "<Down>"}, m1, 3, 2},
        {"clicks", {"M1", "<Click 2,1>", "0.002", "<Click 2,2>", "10"}, {m1[0]}, 2, 2},
        {"tab from the acres opens the next row",
         {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Tab>", "M2"}, {m1[0], {"M2", "", ""}}, 3, 0},
        {"shift+tab goes back a column", {"M1", "<Tab>", "0.002", "<Shift+Backtab>", "X"},
         {{"M1X", "0.002", ""}}, 2, 0},
        {"shift+tab from column 0 goes to the row above",
         {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Return>", "<Shift+Backtab>", "5"},
         {{"M1", "0.002", "105"}}, 2, 2},
        {"left at the start goes back a column", {"M1", "<Tab>", "<Left>", "X"},
         {{"M1X", "", ""}}, 2, 0},
        {"up leaves an empty last row",
         {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Return>", "<Up>", "0"},
         {{"M10", "0.002", "10"}}, 2, 0},
        {"escape closes the field, enter opens it again", {"M1", "<Esc>", "<Return>", "2"},
         {{"M12", "", ""}}, 2, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDesk desk;
        desk.play({"<Click 2,0>"});
        ASSERT_EQ(QApplication::focusWidget(), desk.cover);
        desk.play(c.steps);
        EXPECT_EQ(desk.typed(), c.cells);
        EXPECT_EQ(desk.grid().row, c.row);
        EXPECT_EQ(desk.grid().col, c.col);
        EXPECT_EQ(desk.table->item(0, 0)->text().toStdString(), c.cells[0][0]);
    }
}

// The keyboard is never held in the table: Tab on the empty last row and Shift+Tab on the first
// cell go to the controls after and before it; Tab from the one before comes back into it.
TEST(SubsurfaceGridView, TabLeavesTheTableAtItsEnds) {
    GridDesk desk;
    QWidget* compute = desk.window->view(kPage).widgetNamed("cmdCompute(15)");
    QWidget* coefficient = desk.window->view(kPage).widgetNamed("cboDC");
    desk.play({"<Click 2,0>", "<Tab>"});
    EXPECT_EQ(QApplication::focusWidget(), compute);
    EXPECT_FALSE(desk.cover->isVisible());
    desk.play({"<Click 2,0>", "<Shift+Backtab>"});
    EXPECT_EQ(QApplication::focusWidget(), coefficient);
    SendKey(coefficient, Qt::Key_Tab, "\t");
    Settle();
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), desk.cover);
    EXPECT_TRUE(desk.cover->isVisible());
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
    desk.play({"<Click 2,0>", "MMM", "<Tab>", "0.002", "<Tab>", "10", "<Esc>"});
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

}  // namespace
}  // namespace vado::qt_test
