#include <QHeaderView>
#include <QKeyEvent>
#include <QTabBar>
#include <QTableWidget>

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

// The cells mirror the model's text matrix, fixed rows and columns drawn as headings. An
// editable grid shows one blank row past the last, where a new row is typed.
class GridBinder : public Binder {
  public:
    GridBinder(FormView& v, ui::Control& c, QWidget* parent) : Binder(v, c) {
        table_ = new QTableWidget(parent);
        table_->horizontalHeader()->hide();
        table_->verticalHeader()->hide();
        table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        QObject::connect(table_, &QTableWidget::itemChanged, this,
                         [this](QTableWidgetItem* item) { cellEdited(item); });
        QObject::connect(table_, &QTableWidget::currentCellChanged, this, [this](int r, int col) {
            // Only the person moves the cursor: not Qt while the model is working.
            if (mirroring_ || !live() || ModelCalls::busy()) return;
            grid().row = grid().rowSel = r;
            grid().col = grid().colSel = col;
        });
        QObject::connect(table_, &QTableWidget::itemSelectionChanged, this, [this] {
            if (mirroring_ || !live() || ModelCalls::busy()) return;
            const auto ranges = table_->selectedRanges();
            if (ranges.isEmpty()) return;
            auto& g = grid();
            g.row = ranges.first().topRow();
            g.col = ranges.first().leftColumn();
            g.rowSel = ranges.first().bottomRow();
            g.colSel = ranges.first().rightColumn();
        });
        table_->installEventFilter(this);
        // A page that edits its cells through a field of its own: the field opens over the
        // clicked cell.
        QObject::connect(table_, &QTableWidget::cellClicked, this, [this](int r, int col) {
            if (mirroring_ || !live() || !grid().onEnterCell) return;
            view_.act([&] {
                auto& g = grid();
                g.row = g.rowSel = r;
                g.col = g.colSel = col;
                if (g.form().setFocus(&g)) g.onEnterCell();
            });
            mirror();
        });
        for (auto& c : grid().form().controls())
            if (c->kind() == Kind::TextBox && c->container == grid().name())
                overlay_ = view_.createWidget(*c, table_->viewport(), true);
        QObject::connect(table_, &QTableWidget::cellDoubleClicked, this, [this](int r, int col) {
            if (!live()) return;
            grid().row = r;
            grid().col = col;
            if (grid().onDblClick) view_.act([&] { grid().onDblClick(); });
        });
        attach(table_);
    }

  protected:
    void mirrorState() override {
        const auto& g = grid();
        QSignalBlocker block(table_);
        const int rows = g.rows() + (g.editable ? 1 : 0);
        if (table_->rowCount() != rows) table_->setRowCount(rows);
        if (table_->columnCount() != g.cols()) table_->setColumnCount(g.cols());
        const QBrush heading = table_->palette().button();
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < g.cols(); ++c) {
                QTableWidgetItem* item = table_->item(r, c);
                if (!item) {
                    item = new QTableWidgetItem;
                    table_->setItem(r, c, item);
                }
                const QString text = ToQ(g.textMatrix(r, c));
                if (item->text() != text) item->setText(text);
                const bool fixed = r < g.fixedRows || c < g.fixedCols;
                Qt::ItemFlags flags = Qt::ItemIsEnabled;
                if (!fixed) flags |= Qt::ItemIsSelectable;
                if (!fixed && g.editable) flags |= Qt::ItemIsEditable;
                if (item->flags() != flags) item->setFlags(flags);
                if (fixed) item->setBackground(heading);
                const char align = g.columnAlignment(c);
                const Qt::Alignment a = Qt::AlignVCenter | (align == '^'   ? Qt::AlignHCenter
                                                            : align == '>' ? Qt::AlignRight
                                                                           : Qt::AlignLeft);
                if (item->textAlignment() != static_cast<int>(a)) item->setTextAlignment(a);
                // Computed columns of a page-edited grid look like the headings.
                if (!fixed && g.editableColumns > 0 && c >= g.editableColumns) item->setBackground(heading);
            }
        }
        if (g.row >= 0 && g.row < table_->rowCount() && g.col >= 0 && g.col < table_->columnCount() &&
            (table_->currentRow() != g.row || table_->currentColumn() != g.col))
            table_->setCurrentCell(g.row, g.col);
        if (overlay_ && g.row < table_->rowCount() && g.col < table_->columnCount()) {
            if (QTableWidgetItem* cell = table_->item(g.row, g.col)) {
                overlay_->setGeometry(table_->visualItemRect(cell));
                overlay_->raise();
            }
        }
    }

  private:
    Grid& grid() const { return static_cast<Grid&>(control_); }

    // Keys go to the grid's key-down handler with their code and shift state, as Ctrl+C needs.
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == table_ && event->type() == QEvent::KeyPress && live() && grid().onKeyDown) {
            auto* key = static_cast<QKeyEvent*>(event);
            const Qt::KeyboardModifiers m = key->modifiers();
            const int shift = (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
                              (m & Qt::AltModifier ? 4 : 0);
            const int code = key->key();
            view_.act([&] { grid().onKeyDown(code, shift); });
        }
        return QObject::eventFilter(watched, event);
    }

    void cellEdited(QTableWidgetItem* item) {
        if (mirroring_ || !live()) return;
        auto& g = grid();
        const int r = item->row();
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
    QWidget* overlay_ = nullptr;
};

}  // namespace

std::unique_ptr<Binder> MakeTabBinder(FormView& view, ui::Control& control, QWidget* parent) {
    return std::make_unique<TabBinder>(view, control, parent);
}

std::unique_ptr<Binder> MakeGridBinder(FormView& view, ui::Control& control, QWidget* parent) {
    return std::make_unique<GridBinder>(view, control, parent);
}

}  // namespace ui::qt
