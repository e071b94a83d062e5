#include "ui/qt/page_builder.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QStackedLayout>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "ui/form.h"
#include "ui/qt/form_view.h"

namespace ui::qt {

namespace {

// A place shared by several controls (a diameter field and a length field, one of them shown
// at a time): it shows the first of them the model has visible, or nothing. The stack keeps
// the size of its largest member, so the page does not jump when the choice changes.
class SharedCell : public QObject {
  public:
    SharedCell(FormView& view, const std::vector<ui::Control*>& members, QWidget* parent)
        : QObject(parent) {
        container_ = new QWidget(parent);
        stack_ = new QStackedLayout(container_);
        stack_->setContentsMargins(0, 0, 0, 0);
        for (ui::Control* c : members) {
            if (QWidget* w = view.createWidget(*c, container_, false)) {
                members_.push_back({c, w});
                stack_->addWidget(w);
            }
        }
        blank_ = new QWidget(container_);
        stack_->addWidget(blank_);
        for (auto& m : members_) {
            m.control->subscribe([token = view.token(), self = QPointer<SharedCell>(this)] {
                if (!token.expired() && self) self->follow();
            });
        }
        follow();
    }

    QWidget* widget() const { return container_; }

  private:
    struct Member {
        ui::Control* control;
        QWidget* widget;
    };

    void follow() {
        QWidget* shown = blank_;
        for (auto& m : members_) {
            if (m.control->visible()) {
                shown = m.widget;
                break;
            }
        }
        if (stack_->currentWidget() != shown) stack_->setCurrentWidget(shown);
    }

    QWidget* container_;
    QStackedLayout* stack_;
    QWidget* blank_;
    std::vector<Member> members_;
};

QWidget* CellWidget(FormView& view, const ui::Form& form, const LayoutCell& cell, QWidget* parent) {
    std::vector<ui::Control*> members;
    for (auto& name : cell.controls)
        if (ui::Control* c = form.find(name)) members.push_back(c);
    if (members.empty()) return nullptr;
    if (members.size() == 1) return view.createWidget(*members.front(), parent);
    return (new SharedCell(view, members, parent))->widget();
}

void MakeHeading(QLabel* label) {
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.5);
    label->setFont(f);
}

}  // namespace

void BuildPage(FormView& view, QWidget* page, const PageOptions& options) {
    ui::Form* form = view.form();
    if (!form) return;

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

    bool headingDone = !options.heading;
    for (const LayoutSection& section : form->layout.sections) {
        QWidget* holder = nullptr;
        if (!section.frame.empty()) {
            if (ui::Control* frame = form->find(section.frame))
                holder = view.createWidget(*frame, page);
        }
        if (!holder) holder = new QWidget(page);
        auto* grid = new QGridLayout(holder);
        grid->setHorizontalSpacing(12);
        if (section.frame.empty()) grid->setContentsMargins(0, 0, 0, 0);

        int r = 0;
        for (const auto& row : section.rows) {
            int col = 0;
            for (const LayoutCell& cell : row) {
                QWidget* w = CellWidget(view, *form, cell, holder);
                if (w) {
                    auto* label = qobject_cast<QLabel*>(w);
                    Qt::Alignment align;
                    if (section.stretch)
                        grid->setColumnStretch(col, cell.span);
                    else if (section.centered)
                        align = Qt::AlignCenter;
                    else if (label)
                        align = Qt::AlignLeft | Qt::AlignVCenter;
                    if (label && !headingDone) {
                        headingDone = true;
                        if (section.centered && row.size() == 1) MakeHeading(label);
                    }
                    grid->addWidget(w, r, col, 1, cell.span, align);
                }
                col += cell.span;
            }
            ++r;
        }
        if (section.stretch)
            column->addWidget(holder, 1);
        else
            column->addWidget(holder, 0, section.centered ? Qt::AlignHCenter : Qt::AlignLeft);
    }
    if (!grows) column->addStretch(2);
}

}  // namespace ui::qt
