#include "app/project_file.h"

#include <gtest/gtest.h>

#include "../program.h"
#include "calc/mensuration/frm_mensuration.h"

namespace vado {
namespace {

using test::Program;

TEST(ProjectFile, ARefusedFileChangesNothing) {
    Program p;
    const std::string before = project::Save(p.module), good = before;
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
        // The reader would recurse as deep as the nest and run out of stack.
        {"nested deeper than any project",
         R"({"format": "vadocalc-project", "version": 1, "pages": {"frmWeir": {"txt1Coeff": )" + std::string(100000, '[') +
             std::string(100000, ']') + "}}}",
         "The file is not a project: its values are nested too deeply."},
    };
    for (const auto& c : cases) {
        auto r = project::Load(p.module, c.text);
        EXPECT_FALSE(r.ok) << c.name;
        EXPECT_EQ(r.error, c.error) << c.name;
        EXPECT_EQ(project::Save(p.module), before) << c.name << ": nothing changed";
    }
}

TEST(ProjectFile, OpeningAJobLeavesNothingOfTheJobBefore) {
    // A file that names one page (as a hand-edited or an older file may), with an option this
    // program does not have: every other page, the option, and the field a page had entered last
    // are as a fresh program has them.
    const std::string file =
        R"({"format": "vadocalc-project", "version": 1, "pages": {"frmOrifice": {"txt2H": "2", "opt2Selector": 7}}})";
    Program used;
    auto& weir = *used.module.formNamed("frmWeir");
    auto& coefficient = static_cast<ui::TextBox&>(*weir.find("txt1Coeff"));
    weir.setFocus(&coefficient);
    coefficient.setText("5");
    weir.leaveFocus();
    auto& figures = static_cast<FrmMensuration&>(*used.module.formNamed("frmMensuration"));
    figures.setFocus(figures.inputs(0)[2]);
    figures.dropFocus();
    ASSERT_EQ(figures.activeField(), 2);
    auto& area = static_cast<ui::OptionButton&>(*used.module.formNamed("frmOrifice")->find("opt2Selector(1)"));
    area.click();

    const auto loaded = project::Load(used.module, file);
    ASSERT_TRUE(loaded.ok);
    EXPECT_EQ(loaded.skipped, std::vector<std::string>{"frmOrifice.opt2Selector"});
    EXPECT_FALSE(area.value());
    Program fresh;
    ASSERT_TRUE(project::Load(fresh.module, file).ok);
    EXPECT_EQ(coefficient.text(), "3.1");
    EXPECT_EQ(static_cast<CalculatorForm&>(weir).lastEnteredField(), nullptr);
    EXPECT_EQ(figures.activeField(), 0) << "the figure computes from its first field again";
    EXPECT_EQ(project::Save(used.module), project::Save(fresh.module));
}

}  // namespace
}  // namespace vado
