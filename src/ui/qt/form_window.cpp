#include "ui/qt/form_window.h"

#include "ui/qt/conversions.h"
#include "ui/qt/form_view.h"
#include "ui/qt/page_builder.h"

namespace ui::qt {

FormWindow::FormWindow(ui::Form& form, QWidget* parent)
    : QDialog(parent), view_(new FormView(form, this)) {
    BuildPage(*view_, this);
    setWindowTitle(ToQ(form.caption()));
    form.subscribe([token = view_->token(), this] {
        if (token.expired()) return;
        if (ui::Form* f = view_->form()) setWindowTitle(ToQ(f->caption()));
    });
}

FormWindow::~FormWindow() = default;

ui::Form* FormWindow::form() const { return view_->form(); }

void FormWindow::detach() { view_->detach(); }

void FormWindow::reject() {
    ui::Form* f = form();
    if (!f) {
        QDialog::reject();
        return;
    }
    CommandButton* cancel = nullptr;
    for (auto& c : f->controls()) {
        if (c->kind() != Kind::CommandButton || !c->visible() || !c->enabled()) continue;
        auto* b = static_cast<CommandButton*>(c.get());
        if (b->isCancel) cancel = b;
    }
    // The window itself closes when the form hides (QtServices follows the form).
    view_->act([&] {
        if (cancel)
            f->clickButton(*cancel);
        else
            f->Hide();
    });
}

}  // namespace ui::qt
