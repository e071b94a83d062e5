#pragma once

#include <QDialog>
#include <QHash>
#include <QString>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPagedPaintDevice;
class QTextBrowser;

namespace ui::qt {

// The program's manual: its pages listed as the contents page groups them (the list wraps and
// scrolls, so no title is cut off), the page shown from its Markdown with its links, pictures and
// headings followed, a search over every page, back and forward, and the page printed or
// exported to a PDF file on US Letter paper.
class ManualWindow : public QDialog {
  public:
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows the page at `path` (a page of the manual folder, "#heading" allowed after it):
    // false when there is none.
    bool showPage(const QString& path);
    QTextBrowser& browser() const { return *browser_; }
    QListWidget& contents() const { return *index_; }
    QLineEdit& searchField() const { return *search_; }
    QString currentPage() const;

    // Lists only the pages that hold `text` (every page when it is empty).
    void search(const QString& text);
    // Selects the next place of the search text: in the page shown, then in the next listed page
    // that holds it, round to the first again.
    bool findNext();
    // Writes the page shown to a PDF file on US Letter paper, all at once: an existing file is
    // replaced only when the whole document was made. False, with `why`, when it was not written.
    bool exportPdf(const QString& file, QString& why);

  private:
    void fillIndex(const QString& folder);
    void addPage(const QString& path, const QString& title);
    void markCurrent();
    void printPage();
    void exportPage();
    void layOut(QPagedPaintDevice& device);
    QString pageText(const QString& path);

    QListWidget* index_;
    QTextBrowser* browser_;
    QLineEdit* search_;
    QLabel* found_;
    QString folder_;
    QHash<QString, QString> texts_;  // a page's words, for the search
};

}  // namespace ui::qt
