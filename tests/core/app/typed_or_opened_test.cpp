// A page reached by opening a project is exactly the page a person gets by typing the same
// inputs: for every page, its worked example and a case with every list, option and check box
// moved off its default are typed into one program and computed, saved, opened into a fresh
// program and computed there; every control of the page (and of the result windows) must agree.
#include <gtest/gtest.h>

#include <algorithm>

#include "app/project_file.h"

namespace vado {
namespace {

struct Program {
    Program() { module.SubMain(); }
    ui::HeadlessServices services;
    MainModule module{services};

    CatalogueForm& show(const std::string& name) {
        CatalogueForm& page = *module.formNamed(name);
        for (int i = 0; i < static_cast<int>(module.FormList.size()); ++i)
            if (module.FormList[i] == &page) module.FormList[module.CurrentForm]->tabStrip.clickTab(i + 1);
        return page;
    }
    void compute(CatalogueForm& page) {
        for (auto& c : page.controls())
            if (c->kind() == ui::Kind::CommandButton && c->name() == "cmdCompute")
                page.clickButton(static_cast<ui::CommandButton&>(*c), true);
        page.dropFocus();
    }
};

void Leave(ui::Form& page) {
    if (!page.leaveFocus()) page.dropFocus();
}

// One step of a person: "NAME=TEXT" types into a field (focus, the text replaced, focus
// leaves), "NAME=INDEX" chooses a list item, clicks an option of a group or sets a check box,
// "grid(r,c)=TEXT" edits a table cell as its editor does.
void Do(ui::Form& page, const std::string& step) {
    const auto eq = step.find('=');
    const std::string name = step.substr(0, eq), value = step.substr(eq + 1);
    if (const auto open = name.find('('); open != std::string::npos) {
        ui::Control* g = page.find(name.substr(0, open));
        if (g && g->kind() == ui::Kind::Grid) {
            auto& grid = static_cast<ui::Grid&>(*g);
            const int r = std::stoi(name.substr(open + 1)), c = std::stoi(name.substr(name.find(',') + 1));
            if (r >= grid.rows()) grid.setRows(r + 1);
            grid.row = r;
            grid.col = c;
            grid.setTextMatrix(r, c, value);
            if (grid.onCellEdited) grid.onCellEdited(r, c);
            return;
        }
    }
    ui::Control* c = page.find(name);
    if (!c) c = page.find(name + "(" + value + ")");  // an option group by its base name
    ASSERT_NE(c, nullptr) << step;
    page.setFocus(c);
    switch (c->kind()) {
        case ui::Kind::TextBox: {
            auto& box = static_cast<ui::TextBox&>(*c);
            box.setSelection(0, static_cast<int>(box.text().size()));
            box.paste(value);
            break;
        }
        case ui::Kind::ComboBox:
            static_cast<ui::ComboBox&>(*c).setListIndex(std::stoi(value));
            break;
        case ui::Kind::CheckBox:
            static_cast<ui::CheckBox&>(*c).setValue(std::stoi(value));
            break;
        case ui::Kind::OptionButton:
            static_cast<ui::OptionButton&>(*c).click();
            break;
        default:
            FAIL() << step;
    }
    Leave(page);
}

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

// What a form shows: each control's value, and whether it is visible, enabled and locked.
std::vector<std::string> Shown(const ui::Form& form) {
    std::vector<std::string> lines;
    for (auto& c : form.controls()) {
        std::string v = form.name() + "." + c->fullName() + (c->visible() ? "" : " hidden") +
                        (c->enabled() ? "" : " disabled") + ": ";
        switch (c->kind()) {
            case ui::Kind::TextBox:
                v += static_cast<const ui::TextBox&>(*c).text() + (static_cast<const ui::TextBox&>(*c).locked ? " (locked)" : "");
                break;
            case ui::Kind::ComboBox:
                v += std::to_string(static_cast<const ui::ComboBox&>(*c).listIndex()) + " " +
                     static_cast<const ui::ComboBox&>(*c).text();
                break;
            case ui::Kind::CheckBox:
                v += std::to_string(static_cast<const ui::CheckBox&>(*c).value());
                break;
            case ui::Kind::OptionButton:
                v += static_cast<const ui::OptionButton&>(*c).value() ? "chosen" : "-";
                break;
            case ui::Kind::Grid:
                for (auto& row : static_cast<const ui::Grid&>(*c).cells())
                    for (auto& cell : row) v += cell + "|";
                break;
            default:
                v += c->caption();
        }
        lines.push_back(v);
    }
    return lines;
}

std::vector<std::string> ShownWithWindows(Program& p, const ui::Form& page) {
    auto lines = Shown(page);
    for (ui::Form* w : p.module.resultWindows())
        if (w->visible()) {
            auto more = Shown(*w);
            lines.insert(lines.end(), more.begin(), more.end());
        }
    lines.push_back(std::string("lastComputeFailed: ") + (p.module.app().lastComputeFailed ? "true" : "false"));
    return lines;
}

struct PageCase {
    const char* page;
    std::vector<std::string> example;  // the manual's worked example
    std::vector<std::string> more;     // typed after the lists moved off their defaults
};

const PageCase kPages[] = {
    {"frmWeir", {"txt1H1=2"}, {"txt1Len=6"}},
    {"frmOrifice", {"opt2Selector=1", "txt2Area=144"}, {"txt2Dia=10"}},
    {"frmCircular", {"txt3Dia=24", "txt3Depth=12", "txt3Slope=0.001", "txt3Manning=0.013"}, {}},
    {"frmParabolic", {}, {}},
    {"frmTrapezoidal", {}, {}},
    {"frmPipeFlow", {"txt6Kb=0.5"}, {}},
    {"frmCulvertFlow", {"txt7Elev(0)=110", "txt7Elev(1)=100", "txt7Elev(2)=95", "txt7Elev(3)=99", "cbo7Entrance=5"}, {}},
    {"frmPipeDrop",
     {"txt8ss(0)=2", "txt8ss(1)=2", "txt8extra=5", "txt8Elev(0)=110", "txt8Elev(1)=107", "txt8Elev(2)=105",
      "txt8Elev(3)=103", "txt8Elev(4)=96", "txt8Elev(5)=95"},
     {"txt8Elev(6)=96"}},
    {"frmHoodedInlet",
     {"txt9ss(0)=2", "txt9ss(1)=2", "txt9Extra=5", "txt9Elev(0)=108", "txt9Elev(1)=106", "txt9Elev(2)=101.5",
      "txt9Elev(3)=100", "txt9Elev(4)=98", "txt9N=0.013"},
     {"txt9Elev(5)=99"}},
    {"frmStraightDrop", {"txt10Width=4.0", "txt10Depth=1.0", "txt10Elev(0)=100.0", "txt10Elev(1)=96.0"}, {}},
    {"frmBoxInlet", {"txt11Depth=1", "txt11Width=4", "txt11Breadth=4", "txt11Elev(0)=100", "txt11Elev(1)=97"}, {}},
    {"frmSurfaceInlet", {"txt12Main=12", "txt12Elev(0)=104", "txt12Elev(1)=100"}, {"txt12Main=15"}},
    // A dimension typed, and the figure changed after: which one is known follows the typing.
    {"frmMensuration", {"cboFormula=11"}, {"cboFormula=8", "txt8Diag=13", "cboFormula=7"}},
    {"frmPlungePool", {}, {}},
    {"frmSubsurface", {"grdData(2,0)=M1", "grdData(2,1)=0.002", "grdData(2,2)=10"}, {"grdData(3,0)=M2", "grdData(3,1)=0.004", "grdData(3,2)=25"}},
    {"frmPumpDrainage", {"txtElev(0)=101", "txtElev(1)=110", "txtElev(2)=100", "txtElev(3)=98"}, {"txtSumpArea=20"}},
    {"frmDryHydrant",
     {"txtElev(0)=100", "txtElev(1)=100", "txtElev(2)=95", "txtElev(3)=88", "txtWaterNeeded=1000", "txtHzWms=100",
      "txtPipeLen=200"},
     {"txtWaterNeeded=250"}},
    {"frmWaterControl", {"txtPipeDia(0)=12", "txtPipeDia(1)=12"}, {"txtElev(5)=93"}},
    {"frmRectRiser", {"txtWidth=12"}, {}},
};

void ExpectSameAfterOpening(const std::string& page, const std::vector<std::string>& steps, const std::string& what) {
    Program typed;
    CatalogueForm& a = typed.show(page);
    for (const auto& s : steps) Do(a, s);
    typed.compute(a);
    const std::string saved = project::Save(typed.module);

    Program opened;
    const auto loaded = project::Load(opened.module, saved);
    ASSERT_TRUE(loaded.ok) << what << ": " << loaded.error;
    CatalogueForm& b = opened.show(page);
    opened.compute(b);

    const auto expected = ShownWithWindows(typed, a), actual = ShownWithWindows(opened, b);
    ASSERT_EQ(actual.size(), expected.size()) << what;
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(actual[i], expected[i]) << what;
}

TEST(TypedOrOpened, EveryPageComputesAlikeEitherWay) {
    Program catalogue;
    for (auto* page : catalogue.module.FormList) {
        if (!dynamic_cast<CalculatorForm*>(page)) continue;
        EXPECT_TRUE(std::any_of(std::begin(kPages), std::end(kPages), [&](const PageCase& c) { return page->name() == c.page; }))
            << page->name() << " has no case";
    }
    for (const auto& c : kPages) {
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
