// A page reached by opening a project is exactly the page a person gets by typing the same
// inputs: for every page, its worked example and a case with every list, option and check box
// moved off its default are typed into one program and computed, saved, opened into a fresh
// program and computed there; every control of the page (and of the result windows) must agree.
#include <gtest/gtest.h>

#include "../program.h"
#include "app/project_file.h"
#include "worked_examples.h"

namespace vado {
namespace {

struct Program : test::Program {
    CatalogueForm& show(const std::string& name) {
        CatalogueForm& page = *module.formNamed(name);
        test::ShowPage(module, page);
        return page;
    }
    void compute(CatalogueForm& page) { click(page, "cmdCompute"), page.dropFocus(); }
};

// Every list to an item other than its first choice, every option group to another member,
// every check box the other way: the steps a person takes for it.
std::vector<std::string> OffDefaults(const ui::Form& page) {
    std::vector<std::string> steps;
    for (auto& c : page.controls()) {
        if (c->kind() == ui::Kind::ComboBox) {
            const auto& combo = static_cast<const ui::ComboBox&>(*c);
            if (combo.listCount() > 1)
                steps.push_back(c->fullName() + "=" + std::to_string(combo.listIndex() == combo.listCount() - 1 ? 0 : combo.listCount() - 1));
        } else if (c->kind() == ui::Kind::CheckBox) {
            steps.push_back(c->fullName() + "=" + (static_cast<const ui::CheckBox&>(*c).value() ? "0" : "1"));
        } else if (c->kind() == ui::Kind::OptionButton && !static_cast<const ui::OptionButton&>(*c).value()) {
            steps.push_back(c->name() + "=" + std::to_string(c->index()));
        }
    }
    return steps;
}

std::vector<std::string> ShownWithWindows(Program& p, const ui::Form& page) {
    auto lines = test::Shown(page);
    for (ui::Form* w : p.module.resultWindows())
        if (w->visible()) {
            auto more = test::Shown(*w);
            lines.insert(lines.end(), more.begin(), more.end());
        }
    lines.push_back(std::string("lastComputeFailed: ") + (p.module.app().lastComputeFailed ? "true" : "false"));
    return lines;
}

void ExpectSameAfterOpening(const std::string& page, const std::vector<std::string>& steps, const std::string& what) {
    Program typed;
    CatalogueForm& a = typed.show(page);
    for (const auto& s : steps) ASSERT_TRUE(test::Apply(a, s)) << s;
    typed.compute(a);
    const std::string saved = project::Save(typed.module);

    Program opened;
    const auto loaded = project::Load(opened.module, saved);
    ASSERT_TRUE(loaded.ok) << what << ": " << loaded.error;
    CatalogueForm& b = opened.show(page);
    opened.compute(b);

    EXPECT_EQ(ShownWithWindows(opened, b), ShownWithWindows(typed, a)) << what;
}

TEST(TypedOrOpened, EveryPageComputesAlikeEitherWay) {
    Program catalogue;
    for (auto* page : catalogue.module.FormList) {
        if (!dynamic_cast<CalculatorForm*>(page)) continue;
        EXPECT_NE(test::WorkedExampleOf(page->name()), nullptr) << page->name() << " has no case";
    }
    for (const auto& c : test::WorkedExamples()) {
        ExpectSameAfterOpening(c.page, c.example, std::string(c.page) + ", worked example");
        Program fresh;
        std::vector<std::string> steps = OffDefaults(fresh.show(c.page));
        steps.insert(steps.end(), c.example.begin(), c.example.end());
        steps.insert(steps.end(), c.more.begin(), c.more.end());
        ExpectSameAfterOpening(c.page, steps, std::string(c.page) + ", lists and options moved");
    }
}

}  // namespace
}  // namespace vado
