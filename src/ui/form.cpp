#include "ui/form.h"

namespace ui {

Form::Form(std::string name, Services& services) : name_(std::move(name)), services_(services) {}

Form::~Form() { services_.FormDestroyed(*this); }

void Form::setCaption(const std::string& c) {
    caption_ = c;
    notify();
}

void Form::notify() {
    // Only the listeners there when the change happened: a new one has just read the state.
    auto it = listeners_.begin();
    for (std::size_t n = listeners_.size(); n > 0; --n, ++it) (*it)();
}

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    Form_Load();
}

void Form::Show() {
    Load();
    if (visible_) return;
    visible_ = true;
    notify();
    services_.FormVisibilityChanged(*this);
    Form_Activate();
}

void Form::ShowModal() {
    Load();
    services_.RunModal(*this);
}

void Form::Hide() {
    Load();
    if (!visible_) return;
    visible_ = false;
    notify();
    services_.FormVisibilityChanged(*this);
}

void Form::Unload() {
    if (!loaded_) return;
    Form_Unload();
    loaded_ = false;
    focused_ = nullptr;
    if (visible_) {
        visible_ = false;
        notify();
        services_.FormVisibilityChanged(*this);
    }
}

Control* Form::find(std::string_view fullName) const {
    // "txt7Elev(0)" is member 0 of the group txt7Elev; the name is split once rather than every
    // control's full name built (opening a project looks up every control of every page).
    std::string_view name = fullName;
    int index = -1;
    if (const auto open = fullName.find('('); open != std::string_view::npos && fullName.back() == ')') {
        const std::string_view digits = fullName.substr(open + 1, fullName.size() - open - 2);
        const bool plain = !digits.empty() && digits.size() < 6 && (digits.size() == 1 || digits[0] != '0') &&
                           digits.find_first_not_of("0123456789") == std::string_view::npos;
        if (!plain) return nullptr;
        name = fullName.substr(0, open);
        index = std::stoi(std::string(digits));
    }
    for (auto& c : controls_)
        if (c->index() == index && c->name() == name) return c.get();
    return nullptr;
}

bool Form::moveFocus(Control* target) {
    if (focused_ == target) return true;
    if (focused_ && focused_->onValidate) {
        bool cancel = false;
        inValidate_ = true;
        redirect_ = nullptr;
        redirected_ = false;
        focused_->onValidate(cancel);
        inValidate_ = false;
        // A SetFocus made by the validation says where the focus goes, whether or not the
        // validation also cancelled the move.
        Control* r = redirected_ ? redirect_ : nullptr;
        if (r == focused_ && !cancel) r = nullptr;
        if (cancel || r) {
            if (r && r != focused_) {
                focused_ = r;
                notify();
                if (r->onGotFocus) r->onGotFocus();
            }
            return false;
        }
    }
    focused_ = target;
    notify();
    if (target && target->onGotFocus) target->onGotFocus();
    return true;
}

bool Form::setFocus(Control* c) {
    if (!c || &c->form() != this || !c->canFocus()) return false;
    if (inValidate_) {
        redirect_ = c;
        redirected_ = true;
        return true;
    }
    return moveFocus(c) && focused_ == c;
}

bool Form::leaveFocus() { return moveFocus(nullptr); }

void Form::dropFocus() {
    focused_ = nullptr;
    notify();
}

void Form::clickButton(CommandButton& b, bool clickAnyway) {
    if (!b.enabled() || !b.visible()) return;
    bool moved = moveFocus(&b);
    if (!moved && !clickAnyway) return;
    if (b.onClick) b.onClick();
}

}  // namespace ui
