#include "app/project_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "shared/number_format.h"

namespace vado {
namespace {

// What the pages show: every label's caption and every field's text.
std::vector<std::string> Shown(MainModule& m) {
    std::vector<std::string> all;
    for (auto* page : m.FormList)
        for (auto& c : page->controls()) {
            const std::string name = page->name() + "." + c->fullName() + "=";
            if (c->kind() == ui::Kind::Label) all.push_back(name + c->caption());
            if (c->kind() == ui::Kind::TextBox) all.push_back(name + static_cast<ui::TextBox&>(*c).text());
        }
    return all;
}

struct Program {
    Program() { module.SubMain(); }
    ui::HeadlessServices services;
    MainModule module{services};
};

TEST(ProjectFile, EveryPageComesBackAsItWasSaved) {
    Program a;
    // Every input changed: the last item of each list, each box ticked, each numeric field to a
    // value inside its range, the worked examples where a page starts blank.
    for (auto* page : a.module.FormList) {
        for (auto& c : page->controls()) {
            if (c->kind() == ui::Kind::ComboBox) {
                auto& combo = static_cast<ui::ComboBox&>(*c);
                if (combo.listCount() > 0) combo.setListIndex(combo.listCount() - 1);
            }
            if (c->kind() == ui::Kind::CheckBox) static_cast<ui::CheckBox&>(*c).setValue(1);
        }
        if (auto* calc = dynamic_cast<CalculatorForm*>(page)) {
            // Typed: the field entered, its text replaced, the field left.
            auto type = [calc](ui::TextBox& box, const std::string& text) {
                calc->setFocus(&box);
                box.setText(text);
                if (!calc->leaveFocus()) calc->dropFocus();
            };
            for (auto& f : calc->fields())
                if (!f.box->locked && f.lo < f.hi) type(*f.box, FormatNumber(f.lo + (f.hi - f.lo) * 0.37, f.format));
            for (auto& [name, text] : calc->example) type(*static_cast<ui::TextBox*>(calc->find(name)), text);
            calc->inputEdited = false;
            bool ok = true;
            calc->RunCompute(false, ok);
        }
    }
    auto& grid = static_cast<ui::Grid&>(*a.module.formNamed("frmSubsurface")->find("grdData"));
    grid.setRows(4);
    for (int c = 0; c < 3; ++c) grid.setTextMatrix(3, c, c == 0 ? "M2" : c == 1 ? "0.004" : "25");
    a.module.reporting().setProjectInfo({"Hilltop Farm LLC", "Adams", "PA", "Field Office", "Pond 3"});
    a.module.FormList[0]->tabStrip.clickTab(8);
    const std::string saved = project::Save(a.module);

    Program b;
    const auto loaded = project::Load(b.module, saved);
    ASSERT_TRUE(loaded.ok) << loaded.error;
    EXPECT_TRUE(loaded.skipped.empty());
    EXPECT_EQ(project::Save(b.module), saved);
    const auto shownA = Shown(a.module), shownB = Shown(b.module);
    ASSERT_EQ(shownA.size(), shownB.size());
    for (size_t i = 0; i < shownA.size(); ++i) EXPECT_EQ(shownB[i], shownA[i]);
    EXPECT_EQ(b.module.CurrentForm, 7);
    EXPECT_EQ(b.module.reporting().projectInfo().site, "Pond 3");
}

TEST(ProjectFile, ARefusedFileChangesNothing) {
    Program p;
    const std::string before = project::Save(p.module);
    const std::string good = before;
    const struct {
        const char* name;
        std::string text;
        const char* error;
    } cases[] = {
        {"empty", "", "The file is empty."},
        {"truncated", good.substr(0, good.size() / 2), "The file is not a project: it is not valid JSON."},
        {"another format", R"({"format": "other", "version": 1})", "The file is not a Vadocalc project."},
        {"newer", R"({"format": "vadocalc-project", "version": 99})",
         "The project was saved by a later version of Vadocalc (file version 99); this one reads version 1."},
        {"wrong type late in the file",
         R"({"format": "vadocalc-project", "version": 1, "pages": {"frmWeir": {"txt1Coeff": "5"}, "frmOrifice": {"txt2H": 3}}})",
         "frmOrifice.txt2H should hold a text."},
        {"no such item", R"({"format": "vadocalc-project", "version": 1, "pages": {"frmCulvertFlow": {"cbo7Entrance": 9}}})",
         "frmCulvertFlow.cbo7Entrance has no item 9."},
        {"huge", std::string(project::kMaxBytes + 1, ' '), "The file is too large to be a project."},
        {"a number beyond a double",
         R"j({"format": "vadocalc-project", "version": 1, "pages": {"frmCulvertFlow": {"txt7Elev(0)": 1e999}}})j",
         "The project holds a number too large to read (1e999)."},
        {"a version beyond a double", R"({"format": "vadocalc-project", "version": -1e400})",
         "The project holds a number too large to read (-1e400)."},
        {"last entered fields not a list", R"({"format": "vadocalc-project", "version": 1, "lastEntered": 3})",
         "The project's last entered fields are not a list of fields."},
    };
    for (const auto& c : cases) {
        auto r = project::Load(p.module, c.text);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_EQ(r.error, c.error) << c.name;
        EXPECT_EQ(project::Save(p.module), before) << c.name << ": nothing changed";
    }
}

}  // namespace
}  // namespace vado
