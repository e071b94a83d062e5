#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextImageFormat>
#include <QTextTable>
#include <map>

#include "app/frm_vado.h"
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

// A table of the page whose first column reads `first` and whose second row reads `second`: how
// the equations set a fraction, a numerator over a ruled denominator.
bool HasFraction(const QTextDocument& doc, const QString& numerator, const QString& denominator) {
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        QTextTable* table = QTextCursor(b).currentTable();
        if (!table || table->rows() != 2 || table->columns() != 1) continue;
        const QTextTableCell top = table->cellAt(0, 0);
        const QString upper = QTextCursor(top.firstCursorPosition()).block().text().trimmed();
        const QString lower =
            QTextCursor(table->cellAt(1, 0).firstCursorPosition()).block().text().trimmed();
        if (upper == numerator && lower == denominator &&
            top.format().toTableCellFormat().bottomBorderStyle() !=
                QTextFrameFormat::BorderStyle_None)
            return true;
    }
    return false;
}

// F1 on the dry hydrant page opens its section: the inputs with units and meanings, the design
// types, the head-loss equation typeset as mathematics and a worked example that designs.
TEST(ManualView, F1OnThePageOpensItsSection) {
    Desk desk;
    desk.services.setAppFolder(VADO_PROGRAM_DIR);
    desk.widget<QPushButton>(0, "cmdHelp")->click();
    Settle();
    ui::qt::ManualWindow* manual = desk.services.manual();
    ASSERT_NE(manual, nullptr);
    EXPECT_TRUE(manual->isVisible());
    EXPECT_TRUE(manual->currentPage().endsWith("/manual/index.md"));

    desk.window->clickTab(17);
    Settle();
    desk.window->onHelp = [&desk](ui::Form& page) { OpenHelpFile(page.name(), desk.services); };
    QShortcut* f1 = nullptr;
    for (auto* s : desk.window->findChildren<QShortcut*>())
        if (s->key() == QKeySequence(Qt::Key_F1)) f1 = s;
    ASSERT_NE(f1, nullptr);
    emit f1->activated();
    Settle();
    ASSERT_TRUE(manual->currentPage().endsWith("/manual/frmDryHydrant.md"))
        << manual->currentPage().toStdString();
    const QString text = manual->browser().toPlainText();
    for (const char* part : {"Water Needed (gal./min.)", "gpm", "What it means", "Design types",
                             "The Hazen-Williams coefficient", "Total head loss: 18.4 ft."})
        EXPECT_TRUE(text.contains(part)) << part;
    EXPECT_FALSE(text.contains("txtElev")) << "captions, not internal names";
    const QTextDocument& doc = *manual->browser().document();
    EXPECT_TRUE(HasFraction(doc, "0.2083", "100"));
    EXPECT_TRUE(HasFraction(doc, "Q1.85", "d4.87"))
        << "the exponents are raised, not written with ^";
    EXPECT_FALSE(text.contains("^"));
    EXPECT_EQ(manual->windowTitle(), "Dry hydrant - Vadocalc Manual");
    // The picture of the page, once the build could take it (the manual's check says when not).
    if (QFileInfo::exists(kManual + "/frmDryHydrant.png")) {
        EXPECT_FALSE(doc.resource(QTextDocument::ImageResource, QUrl("frmDryHydrant.png"))
                         .value<QImage>()
                         .isNull());
    }
}

// Every title of the contents list shows whole, wrapped within the list's width, however narrow
// the window.
TEST(ManualView, ContentsListIsNeverCut) {
    Viewer v;
    for (int width : {980, 640}) {
        v.window.resize(width, 600);
        Settle();
        QListWidget& list = v.window.contents();
        EXPECT_EQ(list.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        int pages = 0;
        for (int i = 0; i < list.count(); ++i) {
            QListWidgetItem* item = list.item(i);
            const QRect at = list.visualItemRect(item);
            EXPECT_LE(at.right(), list.viewport()->width()) << item->text().toStdString();
            // The text wrapped to the room it has fits the height it was given.
            const int indent = item->data(Qt::UserRole).toString().isEmpty() ? 0 : 16;
            const QRect needed = QFontMetrics(item->font())
                                     .boundingRect(QRect(0, 0, at.width() - indent - 6, 10000),
                                                   Qt::TextWordWrap, item->text());
            EXPECT_LE(needed.height(), at.height())
                << item->text().toStdString() << " at width " << width;
            pages += !item->data(Qt::UserRole).toString().isEmpty();
        }
        EXPECT_EQ(pages, QDir(kManual).entryList({"*.md"}).size()) << "every page is listed";
    }
}

// The search lists the pages that hold the words and finds them page after page.
TEST(ManualView, SearchListsAndFindsAcrossPages) {
    Viewer v;
    v.window.searchField().setText("Hazen-Williams coefficient");
    Settle();
    ASSERT_NE(v.item("frmDryHydrant.md"), nullptr);
    EXPECT_FALSE(v.item("frmDryHydrant.md")->isHidden());
    EXPECT_TRUE(v.item("frmWeir.md")->isHidden());
    EXPECT_TRUE(v.window.findNext());
    EXPECT_TRUE(v.window.currentPage().endsWith("/frmDryHydrant.md"))
        << "the contents do not hold it";
    EXPECT_EQ(v.window.browser().textCursor().selectedText(), "Hazen-Williams coefficient");

    v.window.searchField().setText("no page says this");
    EXPECT_FALSE(v.window.findNext());
    v.window.searchField().clear();
    for (int i = 0; i < v.window.contents().count(); ++i)
        EXPECT_FALSE(v.window.contents().item(i)->isHidden());
}

// A link to a heading of another page opens that page at the heading; back and forward retrace.
TEST(ManualView, LinksReachHeadingsAndBackAndForwardRetrace) {
    Viewer v;
    v.window.resize(900, 500);
    Settle();
    QTextBrowser& browser = v.window.browser();
    browser.setSource(QUrl("frmDryHydrant.md#design-types"));
    Settle();
    ASSERT_TRUE(v.window.currentPage().endsWith("/frmDryHydrant.md"));
    EXPECT_GT(browser.verticalScrollBar()->value(), 0);
    EXPECT_EQ(browser.cursorForPosition(QPoint(5, 5)).block().text(), "Design types");
    EXPECT_EQ(v.window.contents().currentItem(), v.item("frmDryHydrant.md"));

    browser.backward();
    Settle();
    EXPECT_TRUE(v.window.currentPage().endsWith("/index.md"));
    browser.forward();
    Settle();
    EXPECT_TRUE(v.window.currentPage().endsWith("/frmDryHydrant.md"));
}

// The page shown exports to a PDF on US Letter paper; a target that is a folder is refused and
// left as it was.
TEST(ManualView, ExportsThePageToALetterPdf) {
    Viewer v;
    ASSERT_TRUE(v.window.showPage(kManual + "/frmWeir.md"));
    QTemporaryDir dir;
    const QString file = dir.filePath("weir.pdf");
    QString why;
    ASSERT_TRUE(v.window.exportPdf(file, why)) << why.toStdString();
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_TRUE(bytes.contains("/MediaBox [0 0 612.000000 792.000000]")) << "8.5 by 11 in.";

    QDir(dir.path()).mkdir("folder.pdf");
    EXPECT_FALSE(v.window.exportPdf(dir.filePath("folder.pdf"), why));
    EXPECT_FALSE(why.isEmpty());
    EXPECT_TRUE(QFileInfo(dir.filePath("folder.pdf")).isDir());
}

// A screenshot wider than the page is shown at the page's width, its proportions kept; a small
// picture keeps its own size.
TEST(ManualView, PicturesFitThePage) {
    QTemporaryDir dir;
    QImage(1200, 700, QImage::Format_RGB32).save(dir.filePath("wide.png"));
    QImage(300, 200, QImage::Format_RGB32).save(dir.filePath("small.png"));
    QFile page(dir.filePath("index.md"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("# Pictures\n\n![wide](wide.png)\n\n![small](small.png)\n");
    page.close();
    ui::qt::ManualWindow window;
    ASSERT_TRUE(window.showPage(dir.filePath("index.md")));
    std::map<QString, QSizeF> shown;
    for (QTextBlock b = window.browser().document()->begin(); b.isValid(); b = b.next())
        for (auto it = b.begin(); !it.atEnd(); ++it)
            if (it.fragment().charFormat().isImageFormat()) {
                const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                shown[f.name()] = QSizeF(f.width(), f.height());
            }
    EXPECT_EQ(shown["wide.png"], QSizeF(640, 640.0 * 700 / 1200));
    EXPECT_EQ(shown["small.png"], QSizeF(0, 0)) << "no size set: its own";
}

}  // namespace
}  // namespace vado::qt_test
