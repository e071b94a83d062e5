// The whole program as a test drives it: every page and result window, a printer that keeps its
// jobs, and a person's steps as vadocalc-cli takes them.
#pragma once

#include <optional>
#include <stdexcept>

#include "app/main_module.h"
#include "kept_printer.h"
#include "person.h"
#include "report/frm_info.h"

namespace vado::test {

struct Program {
    explicit Program(std::string appFolder = ".") : services(std::move(appFolder)) {
        services.selectPrinter = report::test::KeepJobs(jobs);
        module.SubMain();
    }
    ui::HeadlessServices services;
    std::vector<report::test::KeptJob> jobs;
    MainModule module{services};

    template <class Page = CalculatorForm>
    Page& page(int n) { return static_cast<Page&>(*module.FormList[n]); }
    template <class Window = ui::Form>
    Window& window(const std::string& name) {
        for (auto* w : module.resultWindows())
            if (w->name() == name) return static_cast<Window&>(*w);
        throw std::runtime_error(name);
    }
    // "NAME=VALUE" typed (or chosen) and left; a bare name is a command button clicked.
    void steps(ui::Form& form, std::initializer_list<std::string> steps) {
        for (const auto& s : steps) {
            if (s.find('=') != std::string::npos) {
                if (!Apply(form, s)) throw std::runtime_error(s);
            } else {
                click(form, s);
            }
        }
    }
    // A command button by its name, with or without its index ("cmdCompute" on any page).
    void click(ui::Form& form, const std::string& name) {
        for (auto& c : form.controls())
            if (c->kind() == ui::Kind::CommandButton && (c->name() == name || c->fullName() == name))
                return form.clickButton(static_cast<ui::CommandButton&>(*c), true);
        throw std::runtime_error(name);
    }
    void steps(int page, std::initializer_list<std::string> s) { steps(*module.FormList[page], s); }
    // The project-information dialog, when it is open.
    report::FrmInfo* dialog() {
        return services.modalStack.empty() ? nullptr : dynamic_cast<report::FrmInfo*>(services.modalStack.back());
    }
    // A Print command clicked and, when the dialog opens, its Print: the texts of the job, or
    // nothing when no report came out.
    std::optional<std::vector<std::string>> print(ui::Form& form, ui::CommandButton& button) {
        const size_t before = jobs.size();
        form.clickButton(button, true);
        if (!dialog()) return std::nullopt;
        dialog()->clickButton(dialog()->cmdPrint);
        if (jobs.size() == before) return std::nullopt;
        return jobs.back().texts();
    }
};

}  // namespace vado::test
