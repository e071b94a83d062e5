// The tables as a person edits and copies them: the subsurface page's grid, the rating windows.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeySequence>
#include <QLineEdit>
#include <QTableWidget>
#include <fstream>

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
    // Keys as the person types them, "<Tab>", "<Shift+Backtab>", "<Return>", "<Esc>", "<Left>"
    // (as QKeySequence names them); "@r,c" a click on the cell of the model's row r; or text.
    void play(const QStringList& steps) {
        for (const QString& step : steps) {
            if (step.startsWith('@')) {
                const int r = step.section(',', 0, 0).mid(1).toInt(), c = step.section(',', 1).toInt();
                LeftClick(table->viewport(), table->visualItemRect(table->item(r - 2, c)).center());
            } else if (step.startsWith('<')) {
                const QKeyCombination key = QKeySequence(step.mid(1, step.size() - 2))[0];
                const char* text = step == "<Tab>" ? "\t" : step == "<Return>" ? "\r" : step == "<Esc>" ? "\x1b" : "";
                SendKey(QApplication::focusWidget(), key.key(), text, key.keyboardModifiers());
            } else {
                Type(QApplication::focusWidget(), step.toStdString());
            }
            Settle();
        }
    }
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
    std::ifstream cases(VADO_QT_TEST_DIR "/data/grid_keys.txt");
    int read = 0;
    for (std::string line; std::getline(cases, line);) {
        if (line.empty() || line[0] == '#') continue;
        SCOPED_TRACE(line);
        ++read;
        QStringList c = QString::fromStdString(line).split('|');  // case, steps, cells, cursor
        for (QString& field : c) field = field.trimmed();
        GridDesk desk;
        desk.play({"@2,0"});
        ASSERT_EQ(QApplication::focusWidget(), desk.cover);
        desk.play(c[1].split(' ', Qt::SkipEmptyParts));
        EXPECT_EQ(desk.typed(), c[2]);
        EXPECT_EQ(QString("%1,%2").arg(desk.grid().row).arg(desk.grid().col), c[3]);
        EXPECT_EQ(desk.table->item(0, 0)->text(), c[2].section(',', 0, 0));
    }
    EXPECT_GT(read, 0) << "no cases in data/grid_keys.txt";
}

// Shift+Tab on the first cell leaves the table for the control before it (Tab through the
// table and out of it is part of the page layout's Tab order test).
TEST(SubsurfaceGridView, ShiftTabLeavesTheTableAtItsStart) {
    GridDesk desk;
    desk.play({"@2,0", "<Shift+Backtab>"});
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
    desk.play({"@2,0", "MMM", "<Tab>", "0.002", "<Tab>", "10", "<Esc>"});
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

// The straight drop of the manual's example: a five-row rating in the stage-discharge window.
struct RatingDesk : Desk {
    RatingDesk() {
        steps(10, {"txt10Width=4.0", "txt10Depth=1.0", "txt10Elev(0)=100.0", "txt10Elev(1)=96.0",
                   "cmdStageDischarge"});
        table = qobject_cast<QTableWidget*>(
            services.windowOf(module.stageDischarge())->view().widgetNamed("grdData"));
    }
    QPoint cell(int r, int c) const { return table->visualItemRect(table->item(r, c)).center(); }
    void drag(QPoint from, QPoint to, Qt::KeyboardModifiers mods = {}) {
        Mouse(table->viewport(), QEvent::MouseButtonPress, from, Qt::LeftButton, mods);
        Mouse(table->viewport(), QEvent::MouseMove, to, Qt::LeftButton, mods);
        Mouse(table->viewport(), QEvent::MouseButtonRelease, to, Qt::NoButton, mods);
    }
    void click(int r, int c, Qt::KeyboardModifiers mods = {}) { drag(cell(r, c), cell(r, c), mods); }
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
        {"shift+click", [](RatingDesk& d) { d.click(0, 0), d.click(4, 1, Qt::ShiftModifier); }, all},
        {"shift+arrows",
         [](RatingDesk& d) {
             d.click(0, 0);
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
        {"one cell", [](RatingDesk& d) { d.click(2, 1); }, "6.00"},
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
