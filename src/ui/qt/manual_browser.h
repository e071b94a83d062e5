#pragma once

#include <QTextBrowser>
#include <functional>

namespace ui::qt {

// A heading's anchor as Markdown renderers make it: lower case, punctuation dropped, blanks as
// hyphens ("Design types" gives "design-types"), so "page.md#design-types" reaches it.
QString HeadingAnchor(const QString& heading);

// Shows a page of the manual from its Markdown: a link to "page.md#heading" opens the page at
// that heading, the tables get room to read, the pictures fit the page's width.
class ManualBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    // Runs once a page is shown, by a link, back, forward or the contents.
    std::function<void()> onShown;
    // The widest a picture is shown, in pixels.
    static constexpr double kWidestPicture = 640;

  protected:
    void doSetSource(const QUrl& link, QTextDocument::ResourceType type) override;

  private:
    void scrollToHeading(const QString& anchor);
    void fitPictures();
    void spaceTables();
};

}  // namespace ui::qt
