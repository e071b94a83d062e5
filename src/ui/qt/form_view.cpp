#include "ui/qt/form_view.h"

#include <QApplication>
#include <QWidget>

#include "ui/qt/binders.h"

namespace ui::qt {

int ModelCalls::depth_ = 0;

ModelCalls& ModelCalls::instance() {
    static ModelCalls calls;
    return calls;
}

ModelCalls::Scope::~Scope() {
    if (--depth_ == 0) emit instance().settled();
}

FormView::FormView(ui::Form& form, QObject* parent) : QObject(parent), form_(&form) {
    form.subscribe([token = token(), this] {
        if (!token.expired()) syncFocus();
    });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusChanged(now); });
    connect(&ModelCalls::instance(), &ModelCalls::settled, this, &FormView::syncFocus);
}

FormView::~FormView() {
    alive_.reset();
    binders_.clear();
}

QWidget* FormView::createWidget(ui::Control& c, QWidget* parent, bool ownVisibility) {
    if (auto it = byControl_.find(&c); it != byControl_.end()) return it->second->widget();
    auto binder = MakeBinder(*this, c, parent);
    if (!binder) return nullptr;
    Binder& b = *binder;
    b.ownVisibility = ownVisibility;
    byControl_[&c] = &b;
    byWidget_[b.widget()] = &c;
    binders_.push_back(std::move(binder));
    b.mirror();
    return b.widget();
}

QWidget* FormView::widgetOf(const ui::Control& c) const {
    auto it = byControl_.find(&c);
    return it == byControl_.end() ? nullptr : it->second->widget();
}

QWidget* FormView::widgetNamed(std::string_view fullName) const {
    if (!form_) return nullptr;
    ui::Control* c = form_->find(fullName);
    return c ? widgetOf(*c) : nullptr;
}

ui::Control* FormView::controlAt(const QWidget* w) const {
    for (; w; w = w->parentWidget()) {
        if (auto it = byWidget_.find(w); it != byWidget_.end()) return it->second;
        if (w->isWindow()) break;
    }
    return nullptr;
}

void FormView::focusChanged(QWidget* now) {
    if (!form_ || !now || ModelCalls::busy()) return;
    ui::Control* c = controlAt(now);
    // A caption clicked to select its text keeps Qt focus (for Ctrl+C); the model's focus stays.
    if (!c || form_->focused() == c || !c->canFocus()) return;
    act([&] { form_->setFocus(c); });
}

void FormView::syncFocus() {
    if (!form_ || ModelCalls::busy()) return;
    ui::Control* focused = form_->focused();
    if (!focused || focused->kind() == Kind::TabStrip) {
        // The model has no field focused (a page just shown, or its tab strip was clicked):
        // the field Qt focused becomes the model's.
        QWidget* fw = QApplication::focusWidget();
        ui::Control* c = fw ? controlAt(fw) : nullptr;
        if (c && c != focused && fw->window()->isActiveWindow()) act([&] { form_->setFocus(c); });
        return;
    }
    QWidget* target = widgetOf(*focused);
    if (!target || !target->isVisible() || !target->isEnabled()) return;
    QWidget* current = target->window()->focusWidget();
    if (current == target || (current && target->isAncestorOf(current))) return;
    // On a window that is not active this only marks the widget to get focus on activation.
    target->setFocus(Qt::OtherFocusReason);
}

void FormView::detach() {
    form_ = nullptr;
    alive_.reset();
}

}  // namespace ui::qt
