#include "ui/qt/page_sections.h"

#include <QAbstractItemView>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStackedLayout>

#include "ui/form.h"
#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"

namespace ui::qt {

// What the builder made of one cell.
struct Cell {
    QWidget* widget = nullptr;
    std::vector<ui::Control*> controls;
    std::vector<QWidget*> focusable;  // in the order Tab should reach them
};

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
    std::vector<QWidget*> members() const {
        std::vector<QWidget*> all;
        for (auto& m : members_) all.push_back(m.widget);
        return all;
    }

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
        // A caption naming the place hands the focus to the member on show.
        container_->setFocusProxy(shown == blank_ ? nullptr : shown);
    }

    QWidget* container_;
    QStackedLayout* stack_;
    QWidget* blank_;
    std::vector<Member> members_;
};

// A caption as a screen reader says it: no mnemonic mark, no trailing colon or equals sign.
QString Spoken(const std::string& caption) {
    QString s = ToQ(caption);
    s.remove('&');
    s = s.trimmed();
    while (s.endsWith(':') || s.endsWith('=')) s = s.left(s.size() - 1).trimmed();
    return s;
}

QLabel* PlainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The place of a result label that writes its own caption with its value: while the result is
// empty its caption shows there, dimmed, so the page reads the same before its first Compute.
class HintCell : public QObject {
  public:
    HintCell(FormView& view, ui::Control& result, const std::string& hint, QWidget* parent)
        : QObject(parent), result_(result) {
        container_ = new QWidget(parent);
        stack_ = new QStackedLayout(container_);
        stack_->setContentsMargins(0, 0, 0, 0);
        value_ = view.createWidget(result, container_, false);
        hint_ = PlainLabel(ToQ(hint), container_);
        QPalette p = hint_->palette();
        p.setColor(QPalette::WindowText, p.color(QPalette::PlaceholderText));
        hint_->setPalette(p);
        stack_->addWidget(value_);
        stack_->addWidget(hint_);
        result.subscribe([token = view.token(), self = QPointer<HintCell>(this)] {
            if (!token.expired() && self) self->follow();
        });
        follow();
    }

    QWidget* widget() const { return container_; }
    QWidget* value() const { return value_; }

  private:
    void follow() {
        container_->setVisible(result_.visible());
        QWidget* shown = result_.caption().empty() ? hint_ : value_;
        if (stack_->currentWidget() != shown) stack_->setCurrentWidget(shown);
    }

    ui::Control& result_;
    QWidget* container_;
    QStackedLayout* stack_;
    QWidget* value_;
    QLabel* hint_;
};

Cell MakeCell(FormView& view, const ui::Form& form, const LayoutCell& cell, QWidget* parent) {
    Cell made;
    for (auto& name : cell.controls)
        if (ui::Control* c = form.find(name)) made.controls.push_back(c);
    if (made.controls.empty()) return made;
    if (made.controls.size() == 1 && !cell.hint.empty() &&
        made.controls.front()->kind() == Kind::Label) {
        auto* hint = new HintCell(view, *made.controls.front(), cell.hint, parent);
        made.widget = hint->widget();
        return made;
    }
    if (made.controls.size() == 1) {
        made.widget = view.createWidget(*made.controls.front(), parent);
        if (made.widget) made.focusable.push_back(made.widget);
        return made;
    }
    auto* shared = new SharedCell(view, made.controls, parent);
    made.widget = shared->widget();
    made.focusable = shared->members();
    return made;
}

// A result box shows its caption, dimmed, while it is empty.
void ShowHint(QWidget* widget, const std::string& hint) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setPlaceholderText(ToQ(hint));
        edit->setAccessibleName(Spoken(hint));
    }
}

bool HasRows(const LayoutSection& s) {
    for (auto& row : s.rows)
        if (!row.empty()) return true;
    return false;
}

}  // namespace

void MakeHeading(QLabel* label) {
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.5);
    label->setFont(f);
}

SectionBuilder::SectionBuilder(FormView& view, std::vector<QWidget*>& focusOrder, bool* heading)
    : view_(view), form_(*view.form()), focusOrder_(focusOrder), heading_(heading) {}

QWidget* SectionBuilder::build(const LayoutSection& section, QWidget* parent, bool pageRoles) {
    QWidget* holder = nullptr;
    if (!section.frame.empty())
        if (ui::Control* frame = form_.find(section.frame))
            holder = view_.createWidget(*frame, parent);
    if (!holder && pageRoles && section.role == Role::Results && HasRows(section))
        holder = new QGroupBox(QObject::tr("Results"), parent);
    if (!holder) holder = new QWidget(parent);
    auto* grid = new QGridLayout(holder);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);
    if (qobject_cast<QGroupBox*>(holder) == nullptr) grid->setContentsMargins(0, 0, 0, 0);

    const bool roles = pageRoles && section.role != Role::Plain;
    int r = 0;
    for (const auto& row : section.rows) {
        std::vector<Cell> cells;
        int col = 0;
        for (const LayoutCell& cell : row) {
            Cell made = MakeCell(view_, form_, cell, holder);
            if (!made.widget && !cell.hint.empty() && cell.controls.empty())
                made.widget = PlainLabel(ToQ(cell.hint), holder);  // a caption of the view's own
            if (made.widget) {
                place(section, grid, made.widget, r, col, cell.span, roles);
                if (heading_ && *heading_ && section.centered && row.size() == 1)
                    if (auto* label = qobject_cast<QLabel*>(made.widget)) {
                        MakeHeading(label);
                        *heading_ = false;
                    }
                if (!made.controls.empty() && !cell.hint.empty()) ShowHint(made.widget, cell.hint);
                for (QWidget* w : made.focusable) focusOrder_.push_back(w);
            }
            cells.push_back(std::move(made));
            col += cell.span;
        }
        if (roles && (section.role == Role::Inputs || section.role == Role::Results))
            caption(cells, grid, r, holder);
        ++r;
    }
    if (section.stretch)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (grid->columnStretch(c) == 0) grid->setColumnStretch(c, 1);
    // Captions stay beside their fields and values; the room to spare is after them.
    if (roles && (section.role == Role::Inputs || section.role == Role::Results) &&
        !section.stretch)
        grid->setColumnStretch(grid->columnCount(), 1);
    if (!section.showWith.empty())
        if (ui::Control* leader = form_.find(section.showWith)) follow(*leader, holder);
    if (!section.name.empty()) nameControls(section);
    // Tab leaves a table for the next control; the arrow keys move within it.
    if (roles && section.role == Role::Inputs)
        for (auto* table : holder->findChildren<QAbstractItemView*>())
            table->setTabKeyNavigation(false);
    return holder;
}

// Pictures and tables carry the names the section gives them.
void SectionBuilder::nameControls(const LayoutSection& section) {
    for (auto& row : section.rows)
        for (auto& cell : row)
            for (auto& name : cell.controls)
                if (ui::Control* c = form_.find(name);
                    c && (c->kind() == Kind::PictureBox || c->kind() == Kind::Grid))
                    if (QWidget* w = view_.widgetOf(*c)) {
                        w->setAccessibleName(ToQ(section.name));
                        w->setAccessibleDescription(ToQ(section.description));
                    }
}

void SectionBuilder::place(const LayoutSection& section, QGridLayout* grid, QWidget* w, int r,
                           int col, int span, bool roles) {
    auto* label = qobject_cast<QLabel*>(w);
    Qt::Alignment align;
    if (section.stretch) {
        grid->setColumnStretch(col, span);
    } else if (roles && section.role == Role::Picture) {
        // A sketch keeps the proportions it is drawn in, in the middle of its column.
        w->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
        align = Qt::AlignHCenter;
    } else if (section.centered || (roles && section.role == Role::Title)) {
        align = Qt::AlignCenter;
    } else if (label) {
        align = Qt::AlignLeft | Qt::AlignVCenter;
    }
    if (roles && section.role == Role::Inputs && col == 1 && qobject_cast<QLineEdit*>(w))
        w->setMinimumWidth(w->fontMetrics().averageCharWidth() * 12);
    grid->addWidget(w, r, col, 1, span, align);
}

// A caption before a field is its buddy and its spoken name, and the field's unit follows
// it; both follow the model when the caption changes.
void SectionBuilder::caption(const std::vector<Cell>& cells, QGridLayout* grid, int r,
                             QWidget* holder) {
    if (cells.size() < 2 || !cells[1].widget) return;
    const Cell& field = cells[1];
    ui::Control* unitOf = nullptr;
    for (ui::Control* c : field.controls)
        if (!c->unit.empty()) unitOf = c;
    if (unitOf && cells.size() == 2) {
        QLabel* unit = PlainLabel(ToQ(unitOf->unit), holder);
        grid->addWidget(unit, r, 2, Qt::AlignLeft | Qt::AlignVCenter);
        // The unit of the field on show (a place shared by a diameter and a length), and
        // none while no field shows (a tailwater field hidden with its box).
        auto show = [controls = field.controls, unit = QPointer<QLabel>(unit)] {
            if (!unit) return;
            for (ui::Control* c : controls)
                if (c->visible()) {
                    unit->setText(ToQ(c->unit));
                    unit->setVisible(true);
                    return;
                }
            unit->setVisible(false);
        };
        for (ui::Control* c : field.controls)
            c->subscribe([token = view_.token(), show] {
                if (!token.expired()) show();
            });
        show();
    }
    auto* label = qobject_cast<QLabel*>(cells[0].widget);
    if (!label) return;
    label->setBuddy(field.widget);
    std::vector<QWidget*> named = field.focusable;
    if (named.empty()) named.push_back(field.widget);
    ui::Control* captionControl = cells[0].controls.empty() ? nullptr : cells[0].controls[0];
    auto name = [captionControl, label = QPointer<QLabel>(label), named] {
        if (!label) return;
        const QString spoken = captionControl ? Spoken(captionControl->caption())
                                              : Spoken(label->text().toStdString());
        // A value shown in a label is read as its own text; a field is named by its caption.
        for (QWidget* w : named)
            if (!qobject_cast<QLabel*>(w)) w->setAccessibleName(spoken);
    };
    name();
    if (captionControl)
        captionControl->subscribe([token = view_.token(), name] {
            if (!token.expired()) name();
        });
}

void SectionBuilder::follow(ui::Control& leader, QWidget* holder) {
    auto show = [&leader, holder = QPointer<QWidget>(holder)] {
        if (holder) holder->setVisible(leader.visible());
    };
    leader.subscribe([token = view_.token(), show] {
        if (!token.expired()) show();
    });
    show();
}

}  // namespace ui::qt
