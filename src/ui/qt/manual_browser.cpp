#include "ui/qt/manual_browser.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>
#include <QTimer>

namespace ui::qt {

QString HeadingAnchor(const QString& heading) {
    QString slug;
    for (const QChar c : heading.trimmed()) {
        if (c.isLetterOrNumber() || c == '-' || c == '_')
            slug += c.toLower();
        else if (c == ' ')
            slug += '-';
    }
    return slug;
}

void ManualBrowser::doSetSource(const QUrl& link, QTextDocument::ResourceType type) {
    // A page named the way the pages link to each other is found beside the page shown.
    const QUrl name = link.isRelative() && source().isValid() ? source().resolved(link) : link;
    QTextBrowser::doSetSource(name, type);
    spaceTables();
    fitPictures();
    if (const QString anchor = name.fragment(); !anchor.isEmpty()) {
        scrollToHeading(anchor);
        // Once the page is laid out in the window, again.
        QTimer::singleShot(0, this, [this, anchor] { scrollToHeading(anchor); });
    }
    if (onShown) onShown();
}

void ManualBrowser::scrollToHeading(const QString& anchor) {
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        if (b.blockFormat().headingLevel() == 0 || HeadingAnchor(b.text()) != anchor) continue;
        const QRectF at = document()->documentLayout()->blockBoundingRect(b);
        verticalScrollBar()->setValue(static_cast<int>(at.top()));
        return;
    }
}

// The pictures of the pages are screenshots of the program's windows: shown no wider than
// a page of the manual, their proportions kept.
void ManualBrowser::fitPictures() {
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.charFormat().isImageFormat()) continue;
            QTextImageFormat picture = fragment.charFormat().toImageFormat();
            const QImage image = document()
                                     ->resource(QTextDocument::ImageResource, QUrl(picture.name()))
                                     .value<QImage>();
            if (image.isNull() || image.width() <= kWidestPicture) continue;
            picture.setWidth(kWidestPicture);
            picture.setHeight(kWidestPicture * image.height() / image.width());
            QTextCursor at(document());
            at.setPosition(fragment.position());
            at.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            at.setCharFormat(picture);
        }
    }
}

// The tables the pages write in Markdown (those with a heading row) get padded, ruled cells;
// the tables that typeset equations keep theirs tight and stand a little apart.
void ManualBrowser::spaceTables() {
    for (QTextFrame* frame : document()->rootFrame()->childFrames()) {
        auto* table = qobject_cast<QTextTable*>(frame);
        if (!table) continue;
        QTextTableFormat format = table->format();
        if (format.headerRowCount() > 0) {
            format.setCellPadding(4);
            format.setCellSpacing(0);
            format.setBorderCollapse(true);
            format.setBorder(1);
        } else {
            format.setTopMargin(6);
            format.setBottomMargin(6);
        }
        table->setFormat(format);
    }
}

}  // namespace ui::qt
