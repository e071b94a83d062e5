#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <vector>

#include "ui/form.h"
#include "ui/qt/binders.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"

// The binders of the two controls that lay out several things at once: a result window's tab
// strip and the grids.
namespace ui::qt {

namespace {

// --- TabStrip ---

// A result window's own page tabs (the catalogue's strip is the main window's).
class TabBinder : public Binder {
  public:
    TabBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        bar_ = new QTabBar(parent);
        bar_->setDrawBase(false);
        QObject::connect(bar_, &QTabBar::tabBarClicked, this, [this](int i) {
            if (mirroring_ || !live() || i < 0) return;
            view_.act([&] { strip().clickTab(i + 1); });
            mirror();
        });
        attach(bar_);
    }

  protected:
    void mirrorState() override {
        QSignalBlocker block(bar_);
        const auto& tabs = strip().tabs;
        while (bar_->count() > static_cast<int>(tabs.size())) bar_->removeTab(bar_->count() - 1);
        for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
            if (i >= bar_->count()) bar_->addTab(ToQ(tabs[i].caption));
            bar_->setTabText(i, ToQ(tabs[i].caption));
        }
        bar_->setCurrentIndex(strip().selectedTab() - 1);
    }

  private:
    TabStrip& strip() const { return static_cast<TabStrip&>(control_); }
    QTabBar* bar_;
};

// --- Grid ---

// Cells outside the part a person types in (fixed columns, a page-edited grid's computed
// columns) are drawn in the desktop's button colours, so every theme keeps its text readable.
class CellLook : public QStyledItemDelegate {
  public:
    CellLook(QObject* parent, std::function<bool(int column)> heading)
        : QStyledItemDelegate(parent), heading_(std::move(heading)) {}

  protected:
    void initStyleOption(QStyleOptionViewItem* o, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(o, index);
        if (!heading_(index.column())) return;
        const QPalette p = o->widget ? o->widget->palette() : o->palette;
        o->backgroundBrush = p.button();
        o->palette.setColor(QPalette::Text, p.color(QPalette::ButtonText));
    }

  private:
    std::function<bool(int)> heading_;
};

QString Trimmed(const std::string& s) { return ToQ(s).trimmed(); }

// The grid's fixed rows are the table's column headings, one line each, so they stay in
// place while the data scrolls; table row i shows the model's row i + fixedRows. Every column
// is as wide as its widest text, and room to spare is shared out. An editable grid shows one
// blank row past the last, where a new row is typed.
class GridBinder : public Binder {
  public:
    GridBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        table_ = new QTableWidget(parent);
        table_->verticalHeader()->hide();
        table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
        table_->horizontalHeader()->setHighlightSections(false);
        // Tab leaves the table as it leaves a field; the arrows move within it.
        table_->setTabKeyNavigation(false);
        table_->setWordWrap(false);
        table_->setItemDelegate(
            new CellLook(table_, [this](int column) { return heading(column); }));
        QObject::connect(table_, &QTableWidget::itemChanged, this,
                         [this](QTableWidgetItem* item) { cellEdited(item); });
        QObject::connect(table_, &QTableWidget::currentCellChanged, this,
                         [this] { takeSelection(); });
        QObject::connect(table_, &QTableWidget::itemSelectionChanged, this,
                         [this] { takeSelection(); });
        table_->installEventFilter(this);
        viewport_ = table_->viewport();
        viewport_->installEventFilter(this);
        // A page that edits its cells through a field of its own: the field opens over the
        // clicked cell.
        QObject::connect(table_, &QTableWidget::cellClicked, this, [this](int r, int col) {
            if (mirroring_ || !live() || !grid().onEnterCell) return;
            openCell(r + fixed(), col);
        });
        for (auto& ctl : grid().form().controls()) {
            if (ctl->kind() == Kind::TextBox && ctl->container == grid().name()) {
                overlayBox_ = static_cast<TextBox*>(ctl.get());
                overlay_ = view_.createWidget(*ctl, table_->viewport(), true);
                if (overlay_) overlay_->installEventFilter(this);
            }
        }
        QObject::connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int r, int col) {
            if (!live()) return;
            grid().row = r + fixed();
            grid().col = col;
            if (grid().onDblClick) view_.act([&] { grid().onDblClick(); });
        });
        QObject::connect(table_->horizontalHeader(), &QHeaderView::sectionResized, this,
                         [this] { placeOverlay(); });
        table_->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(table_, &QWidget::customContextMenuRequested, this,
                         [this](const QPoint& at) { contextMenu(at); });
        // Changes made while the model works show once it is done: a computation writes a
        // table cell by cell.
        QObject::connect(&ModelCalls::instance(), &ModelCalls::settled, this, [this] {
            if (stale_) mirror();
        });
        attach(table_);
    }

  protected:
    void changed() override {
        if (ModelCalls::busy()) {
            stale_ = true;
            return;
        }
        mirror();
    }

    void mirrorState() override {
        stale_ = false;
        const auto& g = grid();
        QSignalBlocker block(table_);
        const int fixedRows = fixed();
        const int rows = std::max(0, g.rows() - fixedRows) + (g.editable ? 1 : 0);
        bool resized = false;
        if (table_->rowCount() != rows) table_->setRowCount(rows);
        if (table_->columnCount() != g.cols()) {
            table_->setColumnCount(g.cols());
            resized = true;
        }
        for (int c = 0; c < g.cols(); ++c) {
            QStringList lines;
            for (int r = 0; r < fixedRows; ++r) lines << Trimmed(g.textMatrix(r, c));
            const QString text = lines.join('\n');
            QTableWidgetItem* head = table_->horizontalHeaderItem(c);
            if (!head) {
                head = new QTableWidgetItem;
                table_->setHorizontalHeaderItem(c, head);
            }
            if (head->text() != text) {
                head->setText(text);
                resized = true;
            }
        }
        table_->horizontalHeader()->setVisible(fixedRows > 0);
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < g.cols(); ++c) {
                QTableWidgetItem* item = table_->item(r, c);
                if (!item) {
                    item = new QTableWidgetItem;
                    table_->setItem(r, c, item);
                }
                const QString text = ToQ(g.textMatrix(r + fixedRows, c));
                if (item->text() != text) {
                    item->setText(text);
                    resized = true;
                }
                Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
                if (g.editable && c >= g.fixedCols) flags |= Qt::ItemIsEditable;
                if (item->flags() != flags) item->setFlags(flags);
                const char align = g.columnAlignment(c);
                const Qt::Alignment a = Qt::AlignVCenter | (align == '^'   ? Qt::AlignHCenter
                                                            : align == '>' ? Qt::AlignRight
                                                                           : Qt::AlignLeft);
                if (item->textAlignment() != static_cast<int>(a)) item->setTextAlignment(a);
            }
        }
        if (resized) fitColumns(true);
        showCursor();
        if (overlay_ && overlayBox_ && overlayBox_->visible()) {
            if (QTableWidgetItem* cell = table_->item(g.row - fixedRows, g.col))
                table_->scrollToItem(cell);
            placeOverlay();
        }
    }

  private:
    Grid& grid() const { return static_cast<Grid&>(control_); }
    int fixed() const { return std::max(0, grid().fixedRows); }

    bool heading(int column) const {
        const auto& g = grid();
        return column < g.fixedCols || (g.editableColumns > 0 && column >= g.editableColumns);
    }

    // The page's editing field over the cell under the cursor, wherever the columns now are.
    void placeOverlay() {
        if (!overlay_ || !overlayBox_ || !overlayBox_->visible()) return;
        if (QTableWidgetItem* cell = table_->item(grid().row - fixed(), grid().col)) {
            overlay_->setGeometry(table_->visualItemRect(cell));
            overlay_->raise();
        }
    }

    // The model's cursor, in the table. The selected block is the person's: a cursor the page
    // moves shows as that one cell selected.
    void showCursor() {
        const auto& g = grid();
        const int r = g.row - fixed(), c = g.col;
        if (r < 0 || r >= table_->rowCount() || c < 0 || c >= table_->columnCount()) return;
        if (table_->currentRow() != r || table_->currentColumn() != c) table_->setCurrentCell(r, c);
    }

    // The person's selection, however it was made (drag, Shift+click, Shift+arrows, a click on
    // a heading), becomes the model's: the cursor at the current cell when it is a corner of
    // the block, the block's far corner as the selection's end.
    void takeSelection() {
        if (mirroring_ || !live() || ModelCalls::busy()) return;
        auto& g = grid();
        const int f = fixed();
        const int cr = table_->currentRow(), cc = table_->currentColumn();
        const auto ranges = table_->selectedRanges();
        const QTableWidgetSelectionRange* block = nullptr;
        for (const auto& range : ranges)
            if (cr >= range.topRow() && cr <= range.bottomRow() && cc >= range.leftColumn() &&
                cc <= range.rightColumn())
                block = &range;
        if (!block && !ranges.isEmpty()) block = &ranges.first();
        if (!block) {
            if (cr < 0 || cc < 0) return;
            g.row = g.rowSel = cr + f;
            g.col = g.colSel = cc;
            return;
        }
        const int top = block->topRow(), bottom = block->bottomRow();
        const int left = block->leftColumn(), right = block->rightColumn();
        const bool corner = (cr == top || cr == bottom) && (cc == left || cc == right);
        if (corner) {
            g.row = cr + f;
            g.col = cc;
            g.rowSel = (cr == top ? bottom : top) + f;
            g.colSel = cc == left ? right : left;
        } else {
            g.row = top + f;
            g.col = left;
            g.rowSel = bottom + f;
            g.colSel = right;
        }
    }

    // Columns as wide as their widest text (heading included); room to spare is shared out.
    // The table asks for enough width to show every column whole.
    void fitColumns(bool measure) {
        const int n = table_->columnCount();
        if (measure) {
            table_->resizeColumnsToContents();
            natural_.assign(n, 0);
            for (int c = 0; c < n; ++c) natural_[c] = table_->columnWidth(c) + 8;
        }
        if (static_cast<int>(natural_.size()) != n || n == 0) return;
        int total = 0;
        for (int w : natural_) total += w;
        const int scrollBar = table_->verticalScrollBar()->sizeHint().width();
        table_->setMinimumWidth(total + 2 * table_->frameWidth() + scrollBar);
        const int spare = std::max(0, table_->viewport()->width() - total);
        for (int c = 0; c < n; ++c)
            table_->setColumnWidth(c, natural_[c] + spare / n + (c < spare % n ? 1 : 0));
    }

    // Opens the page's own editing field over a cell, as a click on it does.
    void openCell(int row, int col) {
        view_.act([&] {
            auto& g = grid();
            g.row = g.rowSel = std::max(row, fixed());
            g.col = g.colSel = col;
            if (g.form().setFocus(&g)) g.onEnterCell();
        });
        mirror();
    }

    // Tab past the table's end, or Shift+Tab before its start: the focus goes to the next
    // control outside it.
    void leave(bool backwards) {
        QWidget* w = table_;
        for (int guard = 0; guard < 10000; ++guard) {
            w = backwards ? w->previousInFocusChain() : w->nextInFocusChain();
            if (!w || w == table_) return;
            if (table_->isAncestorOf(w) || w->window() != table_->window()) continue;
            if (w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus)) {
                w->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
                return;
            }
        }
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!live()) return QObject::eventFilter(watched, event);
        if (watched == overlay_ && event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
            if (!tab || key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
            const bool backwards =
                key->key() == Qt::Key_Backtab || key->modifiers() & Qt::ShiftModifier;
            bool handled = false;
            if (overlayBox_->onKeyDown)
                view_.act([&] { handled = overlayBox_->onKeyDown(9, backwards ? 1 : 0); });
            if (!handled) leave(backwards);
            return true;
        }
        // Compared by the pointer kept at set-up: the filter also sees the events a table sends
        // while it is being destroyed, when asking it for its viewport is no longer safe.
        if (watched == viewport_ && event->type() == QEvent::Resize) fitColumns(false);
        if (watched != table_) return QObject::eventFilter(watched, event);
        if (event->type() == QEvent::FocusIn && overlay_ && grid().onEnterCell) {
            // Reached with the keyboard: the editing field opens on the cursor's cell, once the
            // focus change is over.
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
                QTimer::singleShot(0, this, [this] {
                    if (live() && table_->hasFocus()) openCell(grid().row, grid().col);
                });
        } else if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (overlay_ && grid().onEnterCell &&
                (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
                 key->key() == Qt::Key_F2)) {
                openCell(grid().row, grid().col);
                return true;
            }
            if (grid().onKeyDown) {
                const Qt::KeyboardModifiers m = key->modifiers();
                const int shift = (m & Qt::ShiftModifier ? 1 : 0) |
                                  (m & Qt::ControlModifier ? 2 : 0) | (m & Qt::AltModifier ? 4 : 0);
                const int code = key->key();
                view_.act([&] { grid().onKeyDown(code, shift); });
                // The grid's own copy: the table would put the current cell alone on the
                // clipboard after it.
                if (key->matches(QKeySequence::Copy)) return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

    // Copy (the grid's Ctrl+C) and the window's Export command.
    void contextMenu(const QPoint& at) {
        QMenu menu;
        if (grid().onKeyDown)
            menu.addAction("&Copy", QKeySequence::Copy, this, [this] {
                if (live()) view_.act([&] { grid().onKeyDown(Qt::Key_C, 2); });
            });
        AddExportAction(view_, menu);
        if (!menu.isEmpty()) menu.exec(table_->viewport()->mapToGlobal(at));
    }

    void cellEdited(QTableWidgetItem* item) {
        if (mirroring_ || !live()) return;
        auto& g = grid();
        const int r = item->row() + fixed();
        const int c = item->column();
        const std::string text = FromQ(item->text());
        view_.act([&] {
            if (r >= g.rows()) g.setRows(r + 1);
            g.row = r;
            g.col = c;
            g.setTextMatrix(r, c, text);
            if (g.onCellEdited) g.onCellEdited(r, c);
        });
        mirror();
    }

    QTableWidget* table_;
    QObject* viewport_ = nullptr;
    QWidget* overlay_ = nullptr;
    TextBox* overlayBox_ = nullptr;
    std::vector<int> natural_;
    bool stale_ = false;
};

}  // namespace

std::unique_ptr<Binder> MakeTabBinder(FormView& view, ui::Control& control, QWidget* parent) {
    return std::make_unique<TabBinder>(view, control, parent);
}

std::unique_ptr<Binder> MakeGridBinder(FormView& view, ui::Control& control, QWidget* parent) {
    return std::make_unique<GridBinder>(view, control, parent);
}

}  // namespace ui::qt
