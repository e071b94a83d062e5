#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QTableWidget>
#include <cstdio>
#include <map>

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
    FrmSubsurface& page() { return static_cast<FrmSubsurface&>(*module.FormList[kPage]); }
    // A click on the cell showing the model's row r, column c.
    void click(int r, int c) {
        LeftClick(table->viewport(), table->visualItemRect(table->item(r - 2, c)).center());
        Settle();
    }
    // Keys as the person types them: "<Tab>", "<S-Tab>", "<Enter>", "<Esc>", the arrows
    // "<Left>" ... "<Down>", "<Click r,c>", or plain text.
    void play(const std::vector<std::string>& steps) {
        static const std::map<std::string, std::pair<int, Qt::KeyboardModifiers>> keys = {
            {"<Tab>", {Qt::Key_Tab, Qt::NoModifier}},
            {"<S-Tab>", {Qt::Key_Backtab, Qt::ShiftModifier}},
            {"<Enter>", {Qt::Key_Return, Qt::NoModifier}},
            {"<Esc>", {Qt::Key_Escape, Qt::NoModifier}},
            {"<Left>", {Qt::Key_Left, Qt::NoModifier}},
            {"<Right>", {Qt::Key_Right, Qt::NoModifier}},
            {"<Up>", {Qt::Key_Up, Qt::NoModifier}},
            {"<Down>", {Qt::Key_Down, Qt::NoModifier}},
        };
        for (const std::string& step : steps) {
            int r = 0, c = 0;
            if (std::sscanf(step.c_str(), "<Click %d,%d>", &r, &c) == 2) {
                click(r, c);
            } else if (auto k = keys.find(step); k != keys.end()) {
                const QString text = step == "<Enter>" ? "\r"
                                     : step == "<Esc>" ? "\x1b"
                                     : step == "<Tab>" ? "\t"
                                                       : "";
                SendKey(QApplication::focusWidget(), k->second.first, text, k->second.second);
            } else {
                Type(QApplication::focusWidget(), step);
            }
            Settle();
        }
    }
    // The typed columns of every data row.
    std::vector<std::vector<std::string>> typed() {
        std::vector<std::vector<std::string>> rows;
        for (int r = 2; r < page().grdData.rows(); ++r)
            rows.push_back({page().grdData.textMatrix(r, 0), page().grdData.textMatrix(r, 1),
                            page().grdData.textMatrix(r, 2)});
        return rows;
    }
    QTableWidget* table = nullptr;
    QLineEdit* cover = nullptr;
};

// Whatever moves the editing field, the next cell opens with its own text and every cell holds
// exactly what was typed into it.
TEST(SubsurfaceGridView, EveryMovingKeyKeepsWhatWasTyped) {
    using Rows = std::vector<std::vector<std::string>>;
    const struct {
        const char* name;
        std::vector<std::string> steps;
        Rows cells;
        int row, col;  // the cursor at the end
    } cases[] = {
        {"tab walks the row",
         {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Enter>"},
         {{"M1", "0.002", "10"}, {"", "", ""}},
         3,
         0},
        {"enter walks the row",
         {"M1", "<Enter>", "0.002", "<Enter>", "10", "<Enter>"},
         {{"M1", "0.002", "10"}, {"", "", ""}},
         3,
         0},
        {"arrows walk the row",
         {"M1", "<Right>", "0.002", "<Right>", "10", "<Down>"},
         {{"M1", "0.002", "10"}, {"", "", ""}},
         3,
         2},
        {"clicks move the field",
         {"M1", "<Click 2,1>", "0.002", "<Click 2,2>", "10"},
         {{"M1", "0.002", "10"}},
         2,
         2},
        {"tab from the acres opens the next row",
         {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Tab>", "M2"},
         {{"M1", "0.002", "10"}, {"M2", "", ""}},
         3,
         0},
        {"shift+tab goes back a column",
         {"M1", "<Tab>", "0.002", "<S-Tab>", "X"},
         {{"M1X", "0.002", ""}},
         2,
         0},
        {"shift+tab from column 0 goes to the row above",
         {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Enter>", "<S-Tab>", "5"},
         {{"M1", "0.002", "105"}},
         2,
         2},
        {"left at the start goes back a column",
         {"M1", "<Tab>", "<Left>", "X"},
         {{"M1X", "", ""}},
         2,
         0},
        {"up leaves an empty last row",
         {"M1", "<Tab>", "0.002", "<Tab>", "10", "<Enter>", "<Up>", "0"},
         {{"M10", "0.002", "10"}},
         2,
         0},
        {"escape closes the field, enter opens it again",
         {"M1", "<Esc>", "<Enter>", "2"},
         {{"M12", "", ""}},
         2,
         0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        GridDesk desk;
        desk.click(2, 0);
        ASSERT_EQ(QApplication::focusWidget(), desk.cover);
        desk.play(c.steps);
        EXPECT_EQ(desk.typed(), c.cells);
        EXPECT_EQ(desk.page().grdData.row, c.row);
        EXPECT_EQ(desk.page().grdData.col, c.col);
        // The table shows the model's cells under the fixed headings.
        EXPECT_EQ(desk.table->item(0, 0)->text().toStdString(), c.cells[0][0]);
    }
}

TEST(SubsurfaceGridView, ARowTypedWithTabsComputesAndEscapeHidesTheField) {
    GridDesk desk;
    desk.click(2, 0);
    desk.play({"M1", "<Tab>", "0.002", "<Tab>", "10"});
    EXPECT_EQ(desk.table->item(0, 6)->text(), "6") << "the size follows the typing";
    EXPECT_EQ(desk.table->item(0, 8)->text(), "1.1");
    desk.play({"<Esc>"});
    EXPECT_FALSE(desk.cover->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), desk.table);
    desk.window->grab().save(QDir::temp().filePath("vado-subsurface-grid.png"));
}

// The keyboard is never held in the table: Tab on the empty last row and Shift+Tab on the first
// cell go to the controls after and before it.
TEST(SubsurfaceGridView, TabLeavesTheTableAtItsEnds) {
    GridDesk desk;
    QWidget* compute = desk.window->view(kPage).widgetNamed("cmdCompute(15)");
    QWidget* coefficient = desk.window->view(kPage).widgetNamed("cboDC");
    desk.click(2, 0);
    desk.play({"<Tab>"});
    EXPECT_EQ(QApplication::focusWidget(), compute);
    EXPECT_FALSE(desk.cover->isVisible());
    desk.click(2, 0);
    desk.play({"<S-Tab>"});
    EXPECT_EQ(QApplication::focusWidget(), coefficient);
    // Tab from the list goes back into the table, with the field open on the cursor's cell.
    SendKey(coefficient, Qt::Key_Tab, "\t");
    Settle();
    Settle();
    EXPECT_EQ(QApplication::focusWidget(), desk.cover);
    EXPECT_TRUE(desk.cover->isVisible());
}

// Under a dark theme every cell keeps text that stands out from its background.
TEST(SubsurfaceGridView, CellsFollowADarkPalette) {
    GridDesk desk;
    QPalette dark = desk.table->palette();
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(60, 60, 60));
    dark.setColor(QPalette::ButtonText, QColor(240, 240, 240));
    desk.table->setPalette(dark);
    desk.click(2, 0);
    desk.play({"MMM", "<Tab>", "0.002", "<Tab>", "10", "<Esc>"});
    desk.table->clearSelection();
    desk.table->setCurrentCell(-1, -1);
    Settle();
    const QImage image = desk.table->viewport()->grab().toImage();
    for (int c : {0, 3, 6}) {
        const QRect cell = desk.table->visualItemRect(desk.table->item(0, c));
        int lightest = 0, darkest = 255;
        for (int y = cell.top() + 2; y < cell.bottom() - 1; ++y)
            for (int x = cell.left() + 2; x < cell.right() - 1; ++x) {
                const int g = qGray(image.pixel(x, y));
                lightest = std::max(lightest, g);
                darkest = std::min(darkest, g);
            }
        EXPECT_LT(darkest, 80) << "column " << c << ": a dark background";
        EXPECT_GT(lightest, 160) << "column " << c << ": light text on it";
    }
}

}  // namespace
}  // namespace vado::qt_test
