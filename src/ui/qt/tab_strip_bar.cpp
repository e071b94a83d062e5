#include "ui/qt/tab_strip_bar.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QToolTip>
#include <algorithm>
#include <numeric>

namespace ui::qt {

TabStripBar::TabStripBar(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

void TabStripBar::setTabs(const std::vector<Tab>& tabs) {
    bool same = tabs.size() == tabs_.size() &&
                std::equal(tabs.begin(), tabs.end(), tabs_.begin(), [](auto& a, auto& b) {
                    return a.text == b.text && a.toolTip == b.toolTip;
                });
    if (same) return;
    tabs_ = tabs;
    if (current_ >= count()) current_ = -1;
    remeasure();
    relayout();
}

void TabStripBar::setCurrentIndex(int i) {
    if (i < -1 || i >= count() || i == current_) return;
    current_ = i;
    relayout();
}

void TabStripBar::remeasure() {
    natural_.clear();
    heightAtWidth_ = QSize(-1, 0);
}

QSize TabStripBar::naturalSize(int i) const {
    if (natural_.size() != tabs_.size()) {
        natural_.clear();
        for (int k = 0; k < count(); ++k) {
            QStyleOptionTab opt;
            opt.initFrom(this);
            opt.shape = QTabBar::RoundedNorth;
            opt.text = tabs_[k].text;
            const QFontMetrics fm = fontMetrics();
            const int hspace = style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &opt, this);
            const int vspace = style()->pixelMetric(QStyle::PM_TabBarTabVSpace, &opt, this);
            QSize text(fm.horizontalAdvance(opt.text) + hspace, fm.height() + vspace);
            natural_.push_back(style()->sizeFromContents(QStyle::CT_TabBarTab, &opt, text, this));
        }
    }
    return natural_[i];
}

TabStripBar::Arrangement TabStripBar::arrange(int width) const {
    Arrangement a;
    if (tabs_.empty()) return a;
    std::vector<QSize> sizes;
    for (int i = 0; i < count(); ++i) sizes.push_back(naturalSize(i));
    const int rowHeight = std::max_element(sizes.begin(), sizes.end(), [](auto& x, auto& y) {
                              return x.height() < y.height();
                          })->height();

    auto wrap = [&](int limit) {
        std::vector<std::vector<int>> rows(1);
        int used = 0;
        for (int i = 0; i < count(); ++i) {
            if (!rows.back().empty() && used + sizes[i].width() > limit) {
                rows.emplace_back();
                used = 0;
            }
            rows.back().push_back(i);
            used += sizes[i].width();
        }
        return rows;
    };
    std::vector<std::vector<int>> rows = wrap(width);
    if (rows.size() > 1) {
        // The fewest rows the width allows, filled evenly: the narrowest limit that still
        // needs no more rows, so no last row holds a lone tab.
        const size_t fewest = rows.size();
        int total = 0;
        for (auto& s : sizes) total += s.width();
        int lo = total / static_cast<int>(fewest), hi = width;
        while (lo < hi) {
            int mid = lo + (hi - lo) / 2;
            if (wrap(mid).size() <= fewest)
                hi = mid;
            else
                lo = mid + 1;
        }
        rows = wrap(hi);
    }

    const int n = static_cast<int>(rows.size());
    int selectedRow = n - 1;
    for (int r = 0; r < n; ++r)
        if (std::find(rows[r].begin(), rows[r].end(), current_) != rows[r].end()) selectedRow = r;

    a.rects.resize(count());
    a.rowOf.resize(count());
    a.rows = n;
    a.height = n * rowHeight;
    for (int k = 0; k < n; ++k) {
        const std::vector<int>& row = rows[(selectedRow + 1 + k) % n];
        a.rowTabs.push_back(row);
        const int natural = std::accumulate(row.begin(), row.end(), 0,
                                            [&](int s, int i) { return s + sizes[i].width(); });
        // Several rows are stretched to the full width, as one block; a single row is not.
        const int extra = n > 1 ? std::max(0, width - natural) : 0;
        int x = 0;
        for (size_t j = 0; j < row.size(); ++j) {
            const int i = row[j];
            int w = sizes[i].width() + extra / static_cast<int>(row.size());
            if (j + 1 == row.size() && n > 1) w = std::max(w, width - x);
            a.rects[i] = QRect(x, k * rowHeight, w, rowHeight);
            a.rowOf[i] = k;
            x += w;
        }
    }
    return a;
}

void TabStripBar::relayout() {
    const int before = arrangement_.height;
    arrangement_ = arrange(width());
    if (arrangement_.height != before) updateGeometry();
    update();
}

QRect TabStripBar::tabRect(int i) const {
    if (i < 0 || i >= count() || i >= static_cast<int>(arrangement_.rects.size())) return {};
    return arrangement_.rects[i];
}

int TabStripBar::tabAt(const QPoint& p) const {
    for (int i = 0; i < static_cast<int>(arrangement_.rects.size()); ++i)
        if (arrangement_.rects[i].contains(p)) return i;
    return -1;
}

QSize TabStripBar::sizeHint() const {
    int total = 0, widest = 0;
    for (int i = 0; i < count(); ++i) {
        int w = naturalSize(i).width();
        total += w;
        widest = std::max(widest, w);
    }
    const int w = std::max(widest, total / 4);
    return {w, heightForWidth(w)};
}

QSize TabStripBar::minimumSizeHint() const {
    int total = 0, widest = 0;
    for (int i = 0; i < count(); ++i) {
        int w = naturalSize(i).width();
        total += w;
        widest = std::max(widest, w);
    }
    // Narrower would stack the tabs into a tower taller than any page.
    const int w = std::max(widest, total / 5);
    return {w, heightForWidth(w)};
}

int TabStripBar::heightForWidth(int width) const {
    if (heightAtWidth_.width() != width) heightAtWidth_ = QSize(width, arrange(width).height);
    return heightAtWidth_.height();
}

bool TabStripBar::event(QEvent* e) {
    if (e->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(e);
        int i = tabAt(help->pos());
        if (i >= 0 && !tabs_[i].toolTip.isEmpty())
            QToolTip::showText(help->globalPos(), tabs_[i].toolTip, this, tabRect(i));
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(e);
}

void TabStripBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    auto paintTab = [&](int i) {
        const auto& row = arrangement_.rowTabs[arrangement_.rowOf[i]];
        const auto at = std::find(row.begin(), row.end(), i) - row.begin();
        const int size = static_cast<int>(row.size());
        QStyleOptionTab opt;
        opt.initFrom(this);
        opt.shape = QTabBar::RoundedNorth;
        opt.rect = arrangement_.rects[i];
        opt.text = tabs_[i].text;
        opt.row = arrangement_.rowOf[i];
        opt.position = size == 1        ? QStyleOptionTab::OnlyOneTab
                       : at == 0        ? QStyleOptionTab::Beginning
                       : at == size - 1 ? QStyleOptionTab::End
                                        : QStyleOptionTab::Middle;
        opt.selectedPosition = QStyleOptionTab::NotAdjacent;
        if (at > 0 && row[at - 1] == current_)
            opt.selectedPosition = QStyleOptionTab::PreviousIsSelected;
        if (at + 1 < size && row[at + 1] == current_)
            opt.selectedPosition = QStyleOptionTab::NextIsSelected;
        opt.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver);
        if (i == current_) opt.state |= QStyle::State_Selected;
        if (i == hover_) opt.state |= QStyle::State_MouseOver;
        style()->drawControl(QStyle::CE_TabBarTab, &opt, &p, this);
    };
    for (int i = 0; i < static_cast<int>(arrangement_.rects.size()); ++i)
        if (i != current_) paintTab(i);
    // The selected tab last, so that it overlaps its neighbours.
    if (current_ >= 0 && current_ < static_cast<int>(arrangement_.rects.size())) paintTab(current_);
}

void TabStripBar::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return QWidget::mousePressEvent(e);
    int i = tabAt(e->position().toPoint());
    if (i >= 0) emit tabClicked(i);
}

void TabStripBar::mouseMoveEvent(QMouseEvent* e) {
    int i = tabAt(e->position().toPoint());
    if (i != hover_) {
        hover_ = i;
        update();
    }
    QWidget::mouseMoveEvent(e);
}

void TabStripBar::leaveEvent(QEvent* e) {
    hover_ = -1;
    update();
    QWidget::leaveEvent(e);
}

void TabStripBar::resizeEvent(QResizeEvent* e) {
    relayout();
    QWidget::resizeEvent(e);
}

void TabStripBar::changeEvent(QEvent* e) {
    if (e->type() == QEvent::FontChange || e->type() == QEvent::StyleChange) {
        remeasure();
        relayout();
    }
    QWidget::changeEvent(e);
}

}  // namespace ui::qt
