#include <gtest/gtest.h>

#include <QDir>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QShortcut>
#include <QTextBlock>
#include <QTextBrowser>

#include "desk.h"
#include "shared/help.h"
#include "ui/qt/manual_window.h"

namespace vado::qt_test {
namespace {

const QString kManual = QString(VADO_PROGRAM_DIR) + "/manual";

// The manual on its own, as the program opens it.
struct Viewer {
    Viewer() {
        EXPECT_TRUE(window.showPage(kManual + "/index.md"));
        Settle();
    }
    QListWidgetItem* item(const QString& page) const {
        for (int i = 0; i < window.contents().count(); ++i)
            if (window.contents().item(i)->data(Qt::UserRole).toString().endsWith("/" + page))
                return window.contents().item(i);
        return nullptr;
    }
    ui::qt::ManualWindow window;
};

// F1 on the dry hydrant page opens the manual at its section.
TEST(ManualView, F1OnThePageOpensItsSection) {
    Desk desk;
    desk.services.setAppFolder(VADO_PROGRAM_DIR);
    desk.window->clickTab(17);
    desk.window->onHelp = [&desk](ui::Form& page) { OpenHelpFile(page.name(), desk.services); };
    for (auto* s : desk.window->findChildren<QShortcut*>())
        if (s->key() == QKeySequence(Qt::Key_F1)) emit s->activated();
    Settle();
    ui::qt::ManualWindow* manual = desk.services.manual();
    ASSERT_TRUE(manual && manual->isVisible());
    EXPECT_TRUE(manual->currentPage().endsWith("/manual/frmDryHydrant.md"));
    EXPECT_EQ(manual->windowTitle(), "Dry hydrant - Vadocalc Manual");
}

// Every title of the contents list shows whole, wrapped within the list's width, however narrow
// the window, and every page is listed.
TEST(ManualView, ContentsListIsNeverCut) {
    Viewer v;
    QListWidget& list = v.window.contents();
    for (int width : {980, 640}) {
        v.window.resize(width, 600);
        Settle();
        int pages = 0;
        for (int i = 0; i < list.count(); ++i) {
            QListWidgetItem* item = list.item(i);
            const QRect at = list.visualItemRect(item);
            const bool page = !item->data(Qt::UserRole).toString().isEmpty();
            const QRect needed =
                QFontMetrics(item->font())
                    .boundingRect(QRect(0, 0, at.width() - (page ? 16 : 0) - 6, 10000),
                                  Qt::TextWordWrap, item->text());
            EXPECT_LE(at.right(), list.viewport()->width()) << item->text().toStdString();
            EXPECT_LE(needed.height(), at.height()) << item->text().toStdString() << " at " << width;
            pages += page;
        }
        EXPECT_EQ(pages, QDir(kManual).entryList({"*.md"}).size());
    }
}

// The search lists the pages that hold the words and finds them page after page.
TEST(ManualView, SearchAndLinks) {
    Viewer v;
    v.window.resize(900, 500);
    v.window.searchField().setText("Hazen-Williams coefficient");
    Settle();
    ASSERT_TRUE(v.item("frmDryHydrant.md") && v.item("frmWeir.md"));
    EXPECT_FALSE(v.item("frmDryHydrant.md")->isHidden());
    EXPECT_TRUE(v.item("frmWeir.md")->isHidden());
    EXPECT_TRUE(v.window.findNext());
    EXPECT_TRUE(v.window.currentPage().endsWith("/frmDryHydrant.md"));
    EXPECT_EQ(v.window.browser().textCursor().selectedText(), "Hazen-Williams coefficient");
    v.window.searchField().setText("no page says this");
    EXPECT_FALSE(v.window.findNext());
    v.window.searchField().clear();
    EXPECT_FALSE(v.item("frmWeir.md")->isHidden());

    // A link to a heading of another page opens that page at the heading.
    v.window.browser().setSource(QUrl("frmDryHydrant.md#design-types"));
    Settle();
    EXPECT_EQ(v.window.browser().cursorForPosition(QPoint(5, 5)).block().text(), "Design types");
    EXPECT_EQ(v.window.contents().currentItem(), v.item("frmDryHydrant.md"));
}

}  // namespace
}  // namespace vado::qt_test
