#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace ui::qt {

// The program's manual: its pages in a list, the page shown as Markdown with its links
// followed, a search over the page, and back and forward.
class ManualWindow : public QDialog {
  public:
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows the page at `path` (a page of the manual folder): false when there is none.
    bool showPage(const QString& path);
    QTextBrowser& browser() const { return *browser_; }
    QString currentPage() const;

  private:
    void fillIndex(const QString& folder);
    void find(bool backward);

    QListWidget* index_;
    QTextBrowser* browser_;
    QLineEdit* search_;
    QString folder_;
};

}  // namespace ui::qt
