#include "ui/services.h"

#include <filesystem>

#include "ui/form.h"

namespace ui {

void HeadlessServices::MsgBox(const std::string& text, const std::string& title, MsgIcon icon) {
    if (silenced > 0) return;
    messages.push_back({context, title, text, icon});
}

int HeadlessServices::ShellOpen(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return 2;
    shellOpened.push_back(path);
    return 42;
}

void HeadlessServices::RunModal(Form& form) {
    modalStack.push_back(&form);
    form.Show();
}

namespace {
void Erase(std::vector<Form*>& v, Form* f) { std::erase(v, f); }
}  // namespace

void HeadlessServices::FormVisibilityChanged(Form& form) {
    Erase(visibleForms, &form);
    if (form.visible()) {
        visibleForms.push_back(&form);
    } else {
        Erase(modalStack, &form);
    }
}

void HeadlessServices::FormDestroyed(Form& form) {
    Erase(visibleForms, &form);
    Erase(modalStack, &form);
}

}  // namespace ui
