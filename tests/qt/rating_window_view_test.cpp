#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include "desk.h"
#include "ui/qt/export_dialog.h"
#include "ui/qt/form_window.h"

namespace vado::qt_test {
namespace {

// Types a field's whole text and leaves it, as a person does.
void Fill(ui::Form& form, const std::string& name, const std::string& text) {
    auto* box = static_cast<ui::TextBox*>(form.find(name));
    ASSERT_NE(box, nullptr) << name;
    form.setFocus(box);
    box->setSelection(0, static_cast<int>(box->text().size()));
    box->paste(text);
    form.leaveFocus();
}

void Click(ui::Form& form, const std::string& name) {
    auto* button = static_cast<ui::CommandButton*>(form.find(name));
    ASSERT_NE(button, nullptr) << name;
    form.clickButton(*button);
}

void Mouse(QWidget* on, QEvent::Type type, QPoint at, Qt::MouseButtons buttons,
           Qt::KeyboardModifiers mods = {}) {
    QMouseEvent e(type, QPointF(at), QPointF(on->mapToGlobal(at)), Qt::LeftButton, buttons, mods);
    QApplication::sendEvent(on, &e);
}

// The straight drop of the manual's example: a five-row rating in the stage-discharge window.
struct RatingDesk : Desk {
    RatingDesk() {
        ui::qt::InstallExportDialog(services);
        window->clickTab(10);
        ui::Form& page = *module.FormList[10];
        Fill(page, "txt10Width", "4.0");
        Fill(page, "txt10Depth", "1.0");
        Fill(page, "txt10Elev(0)", "100.0");
        Fill(page, "txt10Elev(1)", "96.0");
        Click(page, "cmdStageDischarge");
        Settle();
        results = services.windowOf(module.stageDischarge());
        table = qobject_cast<QTableWidget*>(results->view().widgetNamed("grdData"));
    }
    QPoint cell(int r, int c) const { return table->visualItemRect(table->item(r, c)).center(); }
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
        {"drag",
         [](RatingDesk& d) {
             QWidget* v = d.table->viewport();
             Mouse(v, QEvent::MouseButtonPress, d.cell(0, 0), Qt::LeftButton);
             Mouse(v, QEvent::MouseMove, d.cell(2, 1), Qt::LeftButton);
             Mouse(v, QEvent::MouseMove, d.cell(4, 1), Qt::LeftButton);
             Mouse(v, QEvent::MouseButtonRelease, d.cell(4, 1), Qt::NoButton);
         },
         all},
        {"drag upwards",
         [](RatingDesk& d) {
             QWidget* v = d.table->viewport();
             Mouse(v, QEvent::MouseButtonPress, d.cell(4, 1), Qt::LeftButton);
             Mouse(v, QEvent::MouseMove, d.cell(1, 0), Qt::LeftButton);
             Mouse(v, QEvent::MouseButtonRelease, d.cell(1, 0), Qt::NoButton);
         },
         "100.4\t3.30\n100.6\t6.00\n100.8\t9.15\n101.0\t12.65"},
        {"shift+click",
         [](RatingDesk& d) {
             LeftClick(d.table->viewport(), d.cell(0, 0));
             Mouse(d.table->viewport(), QEvent::MouseButtonPress, d.cell(4, 1), Qt::LeftButton,
                   Qt::ShiftModifier);
             Mouse(d.table->viewport(), QEvent::MouseButtonRelease, d.cell(4, 1), Qt::NoButton,
                   Qt::ShiftModifier);
         },
         all},
        {"shift+arrows",
         [](RatingDesk& d) {
             LeftClick(d.table->viewport(), d.cell(0, 0));
             for (int i = 0; i < 4; ++i) SendKey(d.table, Qt::Key_Down, {}, Qt::ShiftModifier);
             SendKey(d.table, Qt::Key_Right, {}, Qt::ShiftModifier);
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
        Settle();
        c.select(desk);
        Settle();
        QGuiApplication::clipboard()->clear();
        SendKey(desk.table, Qt::Key_C, "\x03", Qt::ControlModifier);
        Settle();
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), c.clip);
    }
}

// The headings stay above the data (they are the table's header, not rows that scroll) and every
// column is wide enough for its widest text.
TEST(RatingWindowView, HeadingsStayFixedAndColumnsFitTheirText) {
    RatingDesk desk;
    EXPECT_EQ(desk.table->rowCount(), 5);
    EXPECT_TRUE(desk.table->horizontalHeader()->isVisible());
    EXPECT_EQ(desk.table->horizontalHeaderItem(0)->text(), "Elevation\n");
    EXPECT_EQ(desk.table->horizontalHeaderItem(1)->text(), "Discharge\nCFS");

    // The riser's full chart, whose controlling texts were cut.
    ui::Form& riser = *desk.module.FormList[19];
    desk.window->clickTab(19);
    Fill(riser, "txtWidth", "12");
    Click(riser, "cmdCompute(19)");
    Settle();
    ui::Form* window = nullptr;
    for (ui::Form* w : desk.module.resultWindows())
        if (w->name() == "frmRectRiserResults") window = w;
    ASSERT_NE(window, nullptr);
    static_cast<ui::TabStrip*>(window->find("tabStrip"))->clickTab(3);
    Settle();
    auto* full = qobject_cast<QTableWidget*>(
        desk.services.windowOf(*window)->view().widgetNamed("grdDataFull"));
    ASSERT_NE(full, nullptr);
    ASSERT_GT(full->rowCount(), 2);
    const QFontMetrics metrics(full->font());
    for (int c = 0; c < full->columnCount(); ++c) {
        int widest = 0;
        for (const QString& line : full->horizontalHeaderItem(c)->text().split('\n'))
            widest = std::max(widest, metrics.horizontalAdvance(line));
        for (int r = 0; r < full->rowCount(); ++r)
            widest = std::max(widest, metrics.horizontalAdvance(full->item(r, c)->text()));
        EXPECT_GT(full->columnWidth(c), widest) << "column " << c;
    }
    EXPECT_LE(full->minimumWidth(), 1280);
}

// The Export command writes the table as CSV and the graph as SVG or PNG to the file chosen.
TEST(RatingWindowView, ExportWritesTheChosenFile) {
    QTemporaryDir dir;
    auto save = [](const QString& path) {
        return [path](QWidget* w) {
            auto* dialog = qobject_cast<QFileDialog*>(w);
            ASSERT_NE(dialog, nullptr) << "the save dialog";
            // The name typed into the dialog's own field, as a person does.
            auto* name = dialog->findChild<QLineEdit*>("fileNameEdit");
            ASSERT_NE(name, nullptr);
            name->setText(path);
            QMetaObject::invokeMethod(dialog, "accept");
        };
    };
    RatingDesk desk;
    ui::Form& form = desk.module.stageDischarge();
    desk.watchdog.expect(save(dir.filePath("rating.csv")));
    Click(form, "cmdExport");
    Settle();
    EXPECT_EQ(desk.watchdog.pending(), 0) << "the save dialog was shown";
    QFile csv(dir.filePath("rating.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    EXPECT_EQ(csv.readAll().toStdString(),
              "Elevation,Discharge\r\n,CFS\r\n100.2,1.18\r\n100.4,3.30\r\n100.6,6.00\r\n100.8,9."
              "15\r\n101.0,12.65\r\n");

    desk.watchdog.expect(save(dir.filePath("rating.svg")));
    Click(form, "cmdExport");
    Settle();
    QFile svg(dir.filePath("rating.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(svg.readAll());
    while (!xml.atEnd()) xml.readNext();
    EXPECT_FALSE(xml.hasError());

    // A PNG asks its scale: twice the graph's size on screen.
    const QSize shown = desk.results->view().widgetNamed("picGraph")->size();
    desk.watchdog.expect(save(dir.filePath("rating.png")));
    desk.watchdog.expect([](QWidget* w) {
        auto* scale = qobject_cast<QInputDialog*>(w);
        ASSERT_NE(scale, nullptr) << "the scale question";
        scale->setTextValue(QString::fromUtf8("2\u00d7"));
        scale->accept();
    });
    Click(form, "cmdExport");
    Settle();
    EXPECT_EQ(QImage(dir.filePath("rating.png")).size(), shown * 2);
    EXPECT_EQ(desk.watchdog.pending(), 0);
}

}  // namespace
}  // namespace vado::qt_test
