#pragma once

#include <functional>
#include <memory>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "app/cli/arguments.h"
#include "app/main_module.h"
#include "ui/printer.h"
#include "ui/services.h"

namespace vado::cli {

using Json = nlohmann::ordered_json;

// The program as vadocalc-cli runs it: every page built as at start-up, with headless services
// that record what a person would have seen, and one page to talk to.
class Session {
  public:
    explicit Session(const std::string& appFolder);

    MainModule& module() { return module_; }
    ui::HeadlessServices& services() { return services_; }

    // Shows the page, as a click on its tab does.
    void open(CatalogueForm& page);

    // One step as a person would do it. Throws UsageError for a control, window or value the
    // page does not have.
    void run(const Step& step);

    // The page's Print command; when it opens the project-information dialog, the dialog's
    // fields are filled and its Print button pressed with `printer` as the person's choice.
    void print(const std::string& file,
               const std::vector<std::pair<std::string, std::string>>& info,
               std::function<std::unique_ptr<ui::Printer>()> printer);
    // The reason a requested report could not be written, or "".
    std::string printError() const;

    // What the run left on screen: messages, the page's controls, the open result windows.
    Json result();

    // The form the next step would talk to (an open dialog, the window chosen, or the page).
    ui::Form& form() { return target(); }

  private:
    ui::Form& target();
    void chooseWindow(const std::string& name);
    void assign(const std::string& step);
    void click(const std::string& name);
    void editCell(ui::Grid& grid, const std::string& rc, const std::string& value);
    void leave(ui::Form& form, const std::string& step);
    int indexOf(const CatalogueForm& page) const;
    bool isCatalogue(const ui::Form& f) const;

    ui::HeadlessServices services_;
    MainModule module_;
    CatalogueForm* page_ = nullptr;
    ui::Form* window_ = nullptr;
    std::vector<std::string> cancelled_;
    Json report_;  // how a --print ended
};

}  // namespace vado::cli
