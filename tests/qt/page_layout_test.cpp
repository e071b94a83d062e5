#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaEnum>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <algorithm>
#include <iostream>
#include <sstream>

#include "desk.h"
#include "ui/qt/page_builder.h"

namespace vado::qt_test {
namespace {

// What a person sees of one page: its scroll area and the widgets on show in it.
struct Seen {
    QScrollArea* area = nullptr;
    QWidget* content = nullptr;
    std::vector<QWidget*> widgets;  // labels, fields, lists, buttons, pictures, tables
};

bool IsPartOfAnother(QWidget* w, QWidget* content) {
    for (QWidget* p = w->parentWidget(); p && p != content; p = p->parentWidget())
        if (qobject_cast<QComboBox*>(p) || qobject_cast<QAbstractItemView*>(p) ||
            qobject_cast<QLineEdit*>(p))
            return true;
    return false;
}

Seen Look(Desk& desk, int page) {
    Seen seen;
    seen.area = desk.window->page(page)->findChild<QScrollArea*>();
    if (!seen.area) return seen;
    seen.content = seen.area->widget();
    const ui::qt::FormView& view = desk.window->view(page);
    for (QWidget* w : seen.content->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(seen.content) || IsPartOfAnother(w, seen.content)) continue;
        const ui::Control* c = view.controlAt(w);
        const bool ofControl = c && view.widgetOf(*c) == w && c->kind() != ui::Kind::Frame;
        if (ofControl || qobject_cast<QLabel*>(w)) seen.widgets.push_back(w);
    }
    return seen;
}

QRect Place(QWidget* w, QWidget* content) { return {w->mapTo(content, QPoint(0, 0)), w->size()}; }

QString Describe(QWidget* w, const Desk& desk, int page) {
    if (const ui::Control* c = desk.window->view(page).controlAt(w))
        return QString::fromStdString(c->fullName());
    if (auto* l = qobject_cast<QLabel*>(w)) return "label \"" + l->text() + "\"";
    return w->metaObject()->className();
}

bool IsInput(QWidget* w) {
    if (auto* e = qobject_cast<QLineEdit*>(w)) return !e->isReadOnly();
    return qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractItemView*>(w) ||
           (qobject_cast<QAbstractButton*>(w) && static_cast<QAbstractButton*>(w)->isCheckable());
}

struct Tally {
    int pages = 0, widgets = 0, overlaps = 0, cut = 0;
};

// Every widget inside the page, no two overlapping, no caption cut, every input named and every
// field's tooltip saying what it takes.
void Check(Desk& desk, int page, const Seen& seen, Tally& tally, bool scrollsAllowed) {
    const std::string at =
        "page " + std::to_string(page) + " (" + desk.module.FormList[page]->name() + ")";
    const QRect inside = seen.content->rect();
    for (size_t i = 0; i < seen.widgets.size(); ++i) {
        QWidget* w = seen.widgets[i];
        const QRect r = Place(w, seen.content);
        EXPECT_TRUE(inside.contains(r))
            << at << ": " << Describe(w, desk, page).toStdString() << " outside the page";
        for (size_t j = i + 1; j < seen.widgets.size(); ++j) {
            QWidget* v = seen.widgets[j];
            if (w->isAncestorOf(v) || v->isAncestorOf(w)) continue;
            if (r.intersects(Place(v, seen.content))) {
                ++tally.overlaps;
                ADD_FAILURE() << at << ": " << Describe(w, desk, page).toStdString() << " overlaps "
                              << Describe(v, desk, page).toStdString();
            }
        }
        QSize needs;
        if (auto* l = qobject_cast<QLabel*>(w); l && !l->wordWrap()) needs = l->sizeHint();
        if (auto* b = qobject_cast<QAbstractButton*>(w)) needs = b->sizeHint();
        if (needs.isValid() && (needs.width() > w->width() || needs.height() > w->height())) {
            ++tally.cut;
            ADD_FAILURE() << at << ": " << Describe(w, desk, page).toStdString()
                          << " is cut: needs " << needs.width() << "x" << needs.height() << ", has "
                          << w->width() << "x" << w->height();
        }
        if (IsInput(w) && w->isEnabled()) {
            QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
            EXPECT_FALSE(a == nullptr || a->text(QAccessible::Name).isEmpty())
                << at << ": " << Describe(w, desk, page).toStdString() << " has no accessible name";
            if (qobject_cast<QLineEdit*>(w)) {
                EXPECT_FALSE(w->toolTip().isEmpty())
                    << at << ": " << Describe(w, desk, page).toStdString() << " has no tooltip";
            }
        }
    }
    if (!scrollsAllowed) {
        EXPECT_FALSE(seen.area->horizontalScrollBar()->isVisible()) << at << " scrolls sideways";
        EXPECT_FALSE(seen.area->verticalScrollBar()->isVisible()) << at << " scrolls";
    }
    // Never crushed: the page keeps at least the room its layout asks for.
    EXPECT_GE(seen.content->width(), seen.content->minimumSizeHint().width()) << at;
    EXPECT_GE(seen.content->height(), seen.content->minimumSizeHint().height()) << at;
    ++tally.pages;
    tally.widgets += static_cast<int>(seen.widgets.size());
}

TEST(PageLayout, EveryPageWholeAtTheDefaultSizeAndScrollingBelowIt) {
    Desk desk;
    const struct {
        const char* name;
        QSize size;
        bool scrolls;
    } sizes[] = {{"default", ui::qt::kDefaultWindowSize, false},
                 {"minimum", ui::qt::kMinimumWindowSize, true}};
    for (const auto& s : sizes) {
        desk.window->resize(s.size);
        Settle();
        EXPECT_EQ(desk.window->size(), s.size) << s.name;
        EXPECT_LE(desk.window->width(), 1280);
        EXPECT_LE(desk.window->height(), 720);
        Tally tally;
        int scrolled = 0;
        for (int page = 0; page < desk.window->pageCount(); ++page) {
            desk.window->clickTab(page);
            Settle();
            const Seen seen = Look(desk, page);
            ASSERT_NE(seen.area, nullptr) << "page " << page;
            Check(desk, page, seen, tally, s.scrolls);
            scrolled += seen.area->verticalScrollBar()->isVisible() ||
                        seen.area->horizontalScrollBar()->isVisible();
        }
        desk.window->clickTab(0);
        std::cout << "layout at the " << s.name << " size " << s.size.width() << "x"
                  << s.size.height() << ": " << tally.pages << " pages, " << tally.widgets
                  << " widgets, " << tally.overlaps << " overlaps, " << tally.cut
                  << " cut captions, " << scrolled << " scrolled\n";
        EXPECT_EQ(tally.pages, desk.window->pageCount()) << s.name;
        if (s.scrolls) {
            EXPECT_GT(scrolled, 0) << "nothing scrolls at the minimum size";
        }
    }
}

// Tab from a page's first input reaches every input and command once, in reading order, and no
// result box.
TEST(PageLayout, TabVisitsEveryInputAndCommandOnceAndNoResult) {
    Desk desk;
    desk.window->resize(ui::qt::kDefaultWindowSize);
    for (int page = 1; page < desk.window->pageCount(); ++page) {
        desk.window->clickTab(page);
        Settle();
        const std::string at = desk.module.FormList[page]->name();
        const Seen seen = Look(desk, page);
        ASSERT_NE(seen.area, nullptr) << at;
        std::vector<QWidget*> expected;
        for (QWidget* w : seen.widgets)
            if (w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) expected.push_back(w);
        ASSERT_FALSE(expected.empty()) << at;
        QWidget* first = expected.front();
        for (QWidget* w = seen.content->nextInFocusChain(); w != seen.content;
             w = w->nextInFocusChain())
            if (std::find(expected.begin(), expected.end(), w) != expected.end()) {
                first = w;
                break;
            }
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
        // A table reached by Tab opens its editing field on the cursor's cell: the field is
        // where the table's stop is.
        for (QWidget* w : expected)
            EXPECT_EQ(std::count_if(visited.begin(), visited.end(),
                                    [w](QWidget* v) { return v == w || w->isAncestorOf(v); }),
                      1)
                << at << ": " << Describe(w, desk, page).toStdString() << " reached by Tab";
        for (QWidget* w : visited) {
            auto* edit = qobject_cast<QLineEdit*>(w);
            EXPECT_FALSE(edit && edit->isReadOnly())
                << at << ": Tab stops on the result " << Describe(w, desk, page).toStdString();
        }
        // Reading order: down each column; a step up only into a column further right.
        for (size_t i = 1; i < visited.size(); ++i) {
            const QRect a = Place(visited[i - 1], seen.content),
                        b = Place(visited[i], seen.content);
            EXPECT_TRUE(b.top() >= a.top() - 2 || b.left() > a.right())
                << at << ": Tab goes back up from "
                << Describe(visited[i - 1], desk, page).toStdString() << " to "
                << Describe(visited[i], desk, page).toStdString();
        }
        EXPECT_EQ(desk.watchdog.pending(), 0);
    }
}

// The trapezoidal page as a screen reader reads it: every input named by its caption.
TEST(PageLayout, TheTrapezoidalPageReadsAsItsCaptions) {
    Desk desk;
    desk.window->resize(ui::qt::kDefaultWindowSize);
    desk.window->clickTab(5);
    Settle();
    std::ostringstream tree;
    std::vector<QString> inputs;
    int unnamed = 0;
    std::function<void(QAccessibleInterface*, int)> walk = [&](QAccessibleInterface* a, int depth) {
        if (!a || a->state().invisible) return;
        const QString name = a->text(QAccessible::Name);
        const QAccessible::Role role = a->role();
        const bool input = role == QAccessible::EditableText || role == QAccessible::ComboBox ||
                           role == QAccessible::SpinBox;
        // A sketch is a drawn widget: a client area with its name and description.
        const bool picture =
            role == QAccessible::Client && !a->text(QAccessible::Description).isEmpty();
        const bool named = role == QAccessible::PushButton || picture || input;
        if (named || role == QAccessible::StaticText) {
            tree << std::string(depth * 2, ' ')
                 << QAccessible::staticMetaObject
                        .enumerator(QAccessible::staticMetaObject.indexOfEnumerator("Role"))
                        .valueToKey(role)
                 << " \"" << name.toStdString() << "\"";
            if (a->state().readOnly) tree << " read-only";
            const QString description = a->text(QAccessible::Description);
            if (!description.isEmpty()) tree << " - " << description.toStdString();
            tree << "\n";
        }
        if (named && name.isEmpty()) ++unnamed;
        if (input && !a->state().readOnly) inputs.push_back(name);
        for (int i = 0; i < a->childCount(); ++i) walk(a->child(i), depth + 1);
    };
    walk(QAccessible::queryAccessibleInterface(desk.window->page(5)), 0);
    std::cout << "accessibility tree of the trapezoidal page:\n" << tree.str();
    EXPECT_EQ(unnamed, 0);
    EXPECT_NE(tree.str().find("Client \"Sketch of the trapezoidal section\""), std::string::npos);
    const std::vector<QString> expected = {"Bottom width (ft)", "Depth (ft)", "Side slope",
                                           "Slope (ft/ft)", "Mannings N"};
    EXPECT_EQ(inputs, expected);
}

}  // namespace
}  // namespace vado::qt_test
