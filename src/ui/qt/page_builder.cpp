#include "ui/qt/page_builder.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QBoxLayout>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "ui/form.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/page_sections.h"

namespace ui::qt {

namespace {

// The inputs beside the pictures and results while the width allows both at their natural
// widths, one above the other otherwise; Tab reads the left column first either way.
class PageBody : public QWidget {
  public:
    explicit PageBody(QWidget* parent) : QWidget(parent) {
        box_ = new QBoxLayout(QBoxLayout::LeftToRight, this);
        box_->setContentsMargins(0, 0, 0, 0);
        box_->setSpacing(24);
        left_ = new QVBoxLayout;
        right_ = new QVBoxLayout;
        for (auto* column : {left_, right_}) column->setSpacing(12);
        box_->addLayout(left_, 0);
        box_->addLayout(right_, 1);
    }

    QVBoxLayout* left() const { return left_; }
    QVBoxLayout* right() const { return right_; }

    void finish() {
        left_->addStretch(1);
        right_->addStretch(1);
    }

    // Chooses the arrangement for the room the page has.
    void fit(int width) {
        const int two = left_->sizeHint().width() + box_->spacing() + right_->sizeHint().width();
        const auto direction = width >= two || right_->count() <= 1 ? QBoxLayout::LeftToRight
                                                                    : QBoxLayout::TopToBottom;
        if (box_->direction() != direction) box_->setDirection(direction);
    }

  private:
    QBoxLayout* box_;
    QVBoxLayout* left_;
    QVBoxLayout* right_;
};

// The page's scroll area tells the body how wide the page may be.
class FitOnResize : public QObject {
  public:
    FitOnResize(PageBody* body, QScrollArea* area) : QObject(area), body_(body), area_(area) {
        area->viewport()->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Resize && body_) {
            const QMargins m = area_->widget()->contentsMargins();
            body_->fit(area_->viewport()->width() - m.left() - m.right());
        }
        return false;
    }

  private:
    QPointer<PageBody> body_;
    QScrollArea* area_;
};

void ChainTabs(const std::vector<QWidget*>& order) {
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void MarkDefault(const std::vector<QWidget*>& commands) {
    for (QWidget* w : commands)
        if (qobject_cast<QAbstractButton*>(w)) {
            w->setProperty("pageDefault", true);
            // The binder reads the mark when it next mirrors; show it now.
            w->setProperty("default", true);
            return;
        }
}

void BuildStacked(FormView& view, QWidget* page, const PageOptions& options) {
    ui::Form* form = view.form();
    // The sections form one column centred on the page; within it a centred section is
    // centred and the others (label, field and unit rows, option frames) align left.
    bool grows = false;
    for (const LayoutSection& section : form->layout.sections) grows = grows || section.stretch;
    auto* outer = new QHBoxLayout(page);
    auto* column = new QVBoxLayout;
    column->setSpacing(12);
    if (!grows) outer->addStretch(1);
    outer->addLayout(column);
    if (!grows) {
        outer->addStretch(1);
        column->addStretch(1);
    }
    std::vector<QWidget*> order;
    bool heading = options.heading;
    SectionBuilder builder(view, order, &heading);
    for (const LayoutSection& section : form->layout.sections) {
        QWidget* holder = builder.build(section, page, false);
        if (section.stretch)
            column->addWidget(holder, 1);
        else
            column->addWidget(holder, 0, section.centered ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    if (!grows) column->addStretch(2);
}

bool UsesRoles(const ui::Form& form) {
    for (const LayoutSection& s : form.layout.sections)
        if (s.role != Role::Plain) return true;
    return false;
}

}  // namespace

void BuildPage(FormView& view, QWidget* page, const PageOptions& options) {
    ui::Form* form = view.form();
    if (!form) return;
    if (!options.heading || !UsesRoles(*form)) {
        BuildStacked(view, page, options);
        return;
    }

    auto* pageLayout = new QVBoxLayout(page);
    pageLayout->setContentsMargins(0, 0, 0, 0);
    auto* area = new QScrollArea(page);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    pageLayout->addWidget(area);
    auto* content = new QWidget;
    auto* column = new QVBoxLayout(content);
    column->setContentsMargins(16, 10, 16, 10);
    column->setSpacing(12);

    std::vector<QWidget*> order, commands;
    std::vector<QWidget*> left, right, across;
    std::vector<bool> acrossCentred;
    bool stretches = false;
    QWidget* title = nullptr;
    QWidget* commandRow = nullptr;
    bool heading = std::none_of(form->layout.sections.begin(), form->layout.sections.end(),
                                [](const LayoutSection& s) { return s.role == Role::Title; });
    for (const LayoutSection& section : form->layout.sections) {
        std::vector<QWidget*>& into = section.role == Role::Commands ? commands : order;
        SectionBuilder sectionBuilder(view, into, &heading);
        QWidget* holder = sectionBuilder.build(section, content, true);
        switch (section.role) {
            case Role::Title:
                // The first line is the heading; a line under it (a warning) stays plain.
                if (!title)
                    if (auto* label = holder->findChild<QLabel*>()) MakeHeading(label);
                title = holder;
                column->addWidget(holder, 0, Qt::AlignHCenter);
                break;
            case Role::Commands:
                commandRow = holder;
                MarkDefault(commands);
                break;
            default:
                if (section.column == Column::Across) {
                    across.push_back(holder);
                    acrossCentred.push_back(section.centered);
                    if (section.stretch) {
                        QSizePolicy policy = holder->sizePolicy();
                        policy.setVerticalStretch(1);
                        holder->setSizePolicy(policy);
                        stretches = true;
                    }
                } else if (section.column == Column::Left ||
                           (section.column == Column::ByRole &&
                            (section.role == Role::Inputs || section.role == Role::Plain))) {
                    left.push_back(holder);
                } else {
                    right.push_back(holder);
                }
                break;
        }
    }
    // Made after the title, so a screen reader meets the page in reading order.
    auto* body = new PageBody(content);
    for (QWidget* w : left) body->left()->addWidget(w);
    for (QWidget* w : right) body->right()->addWidget(w);
    body->finish();
    column->addWidget(body);
    for (size_t i = 0; i < across.size(); ++i) {
        QWidget* w = across[i];
        column->addWidget(w, w->sizePolicy().verticalStretch(),
                          acrossCentred[i] ? Qt::AlignHCenter : Qt::Alignment());
        w->raise();
    }
    if (!stretches) column->addStretch(1);
    if (commandRow) {
        column->addWidget(commandRow, 0, Qt::AlignHCenter);
        commandRow->raise();  // last in reading order too
    }
    area->setWidget(content);
    new FitOnResize(body, area);

    // Tab: the left column top to bottom, then the right, then the commands. The sections
    // were built in declaration order; the columns decide the reading order.
    std::vector<QWidget*> reading;
    auto inColumn = [&](const std::vector<QWidget*>& holders) {
        for (QWidget* w : order)
            for (QWidget* h : holders)
                if (h == w || h->isAncestorOf(w)) {
                    reading.push_back(w);
                    break;
                }
    };
    inColumn(left);
    inColumn(right);
    inColumn(across);
    for (QWidget* w : order)
        if (std::find(reading.begin(), reading.end(), w) == reading.end()) reading.push_back(w);
    reading.insert(reading.end(), commands.begin(), commands.end());
    ChainTabs(reading);
}

}  // namespace ui::qt
