#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <cstdio>
#include <algorithm>

#include "desk.h"
#include "ui/qt/page_builder.h"

namespace vado::qt_test {
namespace {

// What a person sees of one page: its scroll area and the labels and control widgets on show in
// it (not the parts of a list, table or field).
struct Seen {
    QScrollArea* area = nullptr;
    QWidget* content = nullptr;
    std::vector<QWidget*> widgets;
    QRect place(QWidget* w) const { return {w->mapTo(content, QPoint(0, 0)), w->size()}; }
};

Seen Look(Desk& desk, int page) {
    desk.window->clickTab(page);
    Settle();
    Seen seen{desk.window->page(page)->findChild<QScrollArea*>()};
    if (!seen.area) return seen;
    seen.content = seen.area->widget();
    const ui::qt::FormView& view = desk.window->view(page);
    for (QWidget* w : seen.content->findChildren<QWidget*>()) {
        bool part = false;
        for (QWidget* p = w->parentWidget(); p && p != seen.content; p = p->parentWidget())
            part |= qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractItemView*>(p) ||
                    qobject_cast<QLineEdit*>(p);
        const ui::Control* c = view.controlAt(w);
        if (w->isVisibleTo(seen.content) && !part &&
            ((c && view.widgetOf(*c) == w && c->kind() != ui::Kind::Frame) ||
             qobject_cast<QLabel*>(w)))
            seen.widgets.push_back(w);
    }
    return seen;
}

std::string Describe(QWidget* w, const Desk& desk, int page) {
    const std::string at = desk.module.FormList[page]->name() + ": ";
    if (const ui::Control* c = desk.window->view(page).controlAt(w)) return at + c->fullName();
    if (auto* l = qobject_cast<QLabel*>(w)) return at + "label \"" + l->text().toStdString() + "\"";
    return at + w->metaObject()->className();
}

// Tab from a page's first input reaches every input and command once, in reading order (down
// each column, left column first), and no result box.
void ExpectTabOrder(const Desk& desk, int page, const Seen& seen) {
    std::vector<QWidget*> expected;
    for (QWidget* w : seen.widgets)
        if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) expected.push_back(w);
    ASSERT_FALSE(expected.empty()) << page;
    QWidget* first = seen.content->nextInFocusChain();
    while (std::find(expected.begin(), expected.end(), first) == expected.end())
        first = first->nextInFocusChain();
    first->setFocus(Qt::TabFocusReason);
    Settle();
    std::vector<QWidget*> visited;
    for (int step = 0; step < 200; ++step) {
        QWidget* now = QApplication::focusWidget();
        if (!now || !seen.content->isAncestorOf(now) || (step > 0 && now == first)) break;
        visited.push_back(now);
        SendKey(now, Qt::Key_Tab, "\t");
        Settle();
    }
    // A table's stop is the editing field it opens on the cursor's cell.
    for (QWidget* w : expected)
        EXPECT_EQ(std::count_if(visited.begin(), visited.end(),
                                [w](QWidget* v) { return v == w || w->isAncestorOf(v); }),
                  1)
            << Describe(w, desk, page) << " reached by Tab";
    for (size_t i = 0; i < visited.size(); ++i) {
        auto* edit = qobject_cast<QLineEdit*>(visited[i]);
        EXPECT_FALSE(edit && edit->isReadOnly()) << Describe(visited[i], desk, page);
        if (i == 0) continue;
        const QRect a = seen.place(visited[i - 1]), b = seen.place(visited[i]);
        EXPECT_TRUE(b.top() >= a.top() - 2 || b.left() > a.right())
            << "Tab goes back up from " << Describe(visited[i - 1], desk, page) << " to "
            << Describe(visited[i], desk, page);
    }
}

// At the default size every page shows whole without a scroll bar; at the minimum it scrolls
// rather than crushing. At both: every widget inside the page, none overlapping another, no
// caption cut, every input named for a screen reader and every field's tooltip saying what it
// takes. At the default size, Tab goes through each page in reading order.
TEST(PageLayout, EveryPageWholeAtTheDefaultSizeScrollingBelowItAndTabbedInReadingOrder) {
    Desk desk;
    ASSERT_TRUE(QRect(0, 0, 1280, 720).contains(QRect(QPoint(), ui::qt::kDefaultWindowSize)));
    int pages = 0, widgets = 0, overlaps = 0, cut = 0;
    for (const bool minimum : {false, true}) {
        SCOPED_TRACE(minimum ? "minimum size" : "default size");
        desk.window->resize(minimum ? ui::qt::kMinimumWindowSize : ui::qt::kDefaultWindowSize);
        int scrolled = 0;
        for (int page = 0; page < desk.window->pageCount(); ++page) {
            const Seen seen = Look(desk, page);
            ASSERT_NE(seen.area, nullptr) << "page " << page;
            pages += !minimum;
            widgets += minimum ? 0 : static_cast<int>(seen.widgets.size());
            for (size_t i = 0; i < seen.widgets.size(); ++i) {
                QWidget* w = seen.widgets[i];
                const QRect r = seen.place(w);
                EXPECT_TRUE(seen.content->rect().contains(r)) << Describe(w, desk, page);
                for (size_t j = i + 1; j < seen.widgets.size(); ++j) {
                    QWidget* v = seen.widgets[j];
                    const bool apart = w->isAncestorOf(v) || v->isAncestorOf(w) || !r.intersects(seen.place(v));
                    overlaps += !apart;
                    EXPECT_TRUE(apart) << Describe(w, desk, page) << " overlaps " << Describe(v, desk, page);
                }
                auto* edit = qobject_cast<QLineEdit*>(w);
                auto* button = qobject_cast<QAbstractButton*>(w);
                QSize needs;  // none: (-1, -1)
                if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap()) needs = l->sizeHint();
                if (button) needs = button->sizeHint();
                const bool whole = needs.width() <= w->width() && needs.height() <= w->height();
                cut += !whole;
                EXPECT_TRUE(whole) << Describe(w, desk, page) << " is cut";
                const bool input = (edit && !edit->isReadOnly()) || (button && button->isCheckable()) ||
                                   qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w);
                if (!input || !w->isEnabled()) continue;
                QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
                EXPECT_TRUE(a && !a->text(QAccessible::Name).isEmpty())
                    << Describe(w, desk, page) << " has no accessible name";
                EXPECT_TRUE(!edit || !w->toolTip().isEmpty()) << Describe(w, desk, page);
            }
            const bool scrolls = seen.area->verticalScrollBar()->isVisible() ||
                                 seen.area->horizontalScrollBar()->isVisible();
            EXPECT_TRUE(minimum || !scrolls) << "page " << page << " scrolls";
            scrolled += scrolls;
            EXPECT_GE(seen.content->width(), seen.content->minimumSizeHint().width());
            EXPECT_GE(seen.content->height(), seen.content->minimumSizeHint().height());
            if (!minimum && page > 0) ExpectTabOrder(desk, page, seen);
        }
        EXPECT_TRUE(!minimum || scrolled > 0) << "nothing scrolls at the minimum size";
    }
    std::printf("page layout: %d pages, %d widgets, %d overlaps, %d cut captions\n", pages, widgets, overlaps, cut);
}

}  // namespace
}  // namespace vado::qt_test
