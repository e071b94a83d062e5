#pragma once

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/control.h"
#include "ui/layout.h"
#include "ui/services.h"

namespace ui {

// A window of the program: its named controls, its window state and the focus protocol.
class Form {
public:
    Form(std::string name, Services& services);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    virtual ~Form();

    const std::string& name() const { return name_; }
    Services& services() const { return services_; }

    // Window state.
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& c);
    int left = 0, top = 0, width = 9600, height = 7200;  // twips
    bool visible() const { return visible_; }
    bool loaded() const { return loaded_; }
    // Runs Form_Load the first time.
    void Load();
    void Show();
    void ShowModal();
    void Hide();
    // Drops the form's state: the next Load starts it afresh. The owner decides whether the
    // object itself is destroyed.
    void Unload();

    // Controls.
    template <class T>
    T& add(std::string name, int index = -1) {
        auto c = std::make_unique<T>(*this, std::move(name), index);
        T& ref = *c;
        controls_.push_back(std::move(c));
        return ref;
    }
    Control* find(std::string_view fullName) const;
    const std::vector<std::unique_ptr<Control>>& controls() const { return controls_; }

    // The arrangement of the page, for the view.
    PageLayout layout;

    // Focus protocol: the control losing focus validates (cancel keeps the focus; a SetFocus
    // made by the validation is where the focus goes instead), then the new one gets focus.
    Control* focused() const { return focused_; }
    bool setFocus(Control* c);
    // The focus leaves the form's controls (validation runs; false when it was cancelled).
    bool leaveFocus();
    // Drops the focus without validating (a script that goes on after a cancelled validation).
    void dropFocus();

    // A click on a command button: the focus moves to the button first, and a cancelled
    // validation stops the click unless `clickAnyway`.
    void clickButton(CommandButton& b, bool clickAnyway = false);

    using Listener = std::function<void()>;
    void subscribe(Listener l) { listeners_.push_back(std::move(l)); }
    void notify();

    // Why the window's state does not hold together (a graph flagged ready over fewer than two
    // rows, a table cell that is no number), or "" when it does.
    virtual std::string Inconsistency() const { return {}; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    // The form was just shown (a page switched to), not a dialog over it closing.
    virtual void Form_Activate() {}

private:
    bool moveFocus(Control* target);

    std::string name_;
    Services& services_;
    std::string caption_;
    bool visible_ = false;
    bool loaded_ = false;
    std::vector<std::unique_ptr<Control>> controls_;
    Control* focused_ = nullptr;
    bool inValidate_ = false;
    Control* redirect_ = nullptr;
    bool redirected_ = false;
    // A list: a listener may subscribe another while it is told (a view built as its page is
    // shown), and the one running must stay where it is.
    std::list<Listener> listeners_;
};

}  // namespace ui
