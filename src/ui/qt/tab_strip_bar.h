#pragma once

#include <QString>
#include <QWidget>
#include <vector>

namespace ui::qt {

// A tab strip whose tabs wrap onto as many rows as the width needs: twenty pages do not fit
// one row. The row holding the selected tab sits next to the page, the rows after it wrap
// round to the top, as multi-row tab strips do. The bar only reports clicks; which tab is
// selected is set by its owner from the model.
class TabStripBar : public QWidget {
    Q_OBJECT
  public:
    struct Tab {
        QString text;
        QString toolTip;
    };

    explicit TabStripBar(QWidget* parent = nullptr);

    void setTabs(const std::vector<Tab>& tabs);
    const std::vector<Tab>& tabs() const { return tabs_; }
    int count() const { return static_cast<int>(tabs_.size()); }
    int currentIndex() const { return current_; }
    void setCurrentIndex(int i);

    QRect tabRect(int i) const;
    int tabAt(const QPoint& p) const;
    int rowCount() const { return arrangement_.rows; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

  signals:
    void tabClicked(int index);

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    struct Arrangement {
        std::vector<QRect> rects;
        std::vector<int> rowOf;
        std::vector<std::vector<int>> rowTabs;  // top row first
        int rows = 0;
        int height = 0;
    };
    Arrangement arrange(int width) const;
    QSize naturalSize(int i) const;
    // The tabs' text changed, or the font or style they are measured in.
    void remeasure();
    void relayout();

    std::vector<Tab> tabs_;
    int current_ = -1;
    int hover_ = -1;
    Arrangement arrangement_;
    // Measuring a caption shapes its text, and layouts ask for the height at a width again and
    // again: both are kept until the tabs, the font or the style change.
    mutable std::vector<QSize> natural_;
    mutable QSize heightAtWidth_{-1, 0};
};

}  // namespace ui::qt
