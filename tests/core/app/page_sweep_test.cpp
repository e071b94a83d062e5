// Every page of the catalogue, driven with hostile input through the control model as a person
// would: whatever is pasted, chosen or clicked, nothing crashes, hangs, shows NaN or infinity,
// shows an empty message box, or leaves a result window in a state that does not hold together.
// New pages are swept without touching this test.
#include <gtest/gtest.h>

#include <iostream>
#include <set>

#include "app/main_module.h"
#include "person.h"

namespace vado {
namespace {

const std::vector<std::string> kHostileTexts = {
    "", ".", "-", "1e999", "1e-320", "32768", "-0", "1,5", "1.2.3", "abc",
    std::string(400, '9'), "\t", "\xEF\xBC\x91\xEF\xBC\x92\xEF\xBC\x93" /* full-width 123 */};

class Sweep {
public:
    Sweep() { module_.SubMain(); }

    void run() {
        for (CatalogueForm* page : module_.FormList) sweepPage(*page);
    }
    int pages = 0, fields = 0, choices = 0, clicks = 0;

private:
    void sweepPage(CatalogueForm& page) {
        ++pages;
        test::ShowPage(module_, page);
        ASSERT_TRUE(page.visible()) << page.name();
        // Pages whose fields start blank start from their worked example.
        if (auto* calc = dynamic_cast<CalculatorForm*>(&page))
            for (auto& [name, text] : calc->example)
                if (auto* box = dynamic_cast<ui::TextBox*>(page.find(name))) test::Paste(page, *box, text);
        for (auto& c : test::Snapshot(page)) {
            if (!test::Usable(page, *c)) continue;
            closeResultWindows(page);  // a table that grows with every click is checked per control
            switch (c->kind()) {
                case ui::Kind::TextBox:
                    sweepField(page, static_cast<ui::TextBox&>(*c));
                    break;
                case ui::Kind::ComboBox: {
                    auto& combo = static_cast<ui::ComboBox&>(*c);
                    const int before = combo.listIndex();
                    for (int i = 0; i < combo.listCount(); ++i) {
                        ++choices;
                        page.setFocus(&combo);
                        combo.setListIndex(i);
                        test::Leave(page);
                        clickAll(page, combo.fullName() + "=" + std::to_string(i));
                        // A choice that shows other fields (a figure, a mode): those too.
                        for (auto& other : test::Snapshot(page))
                            if (other->kind() == ui::Kind::TextBox && test::Usable(page, *other))
                                sweepField(page, static_cast<ui::TextBox&>(*other));
                    }
                    if (before >= 0) combo.setListIndex(before);
                    break;
                }
                case ui::Kind::OptionButton:
                case ui::Kind::CheckBox: {
                    for (int v : {1, 0}) {
                        ++choices;
                        page.setFocus(c);
                        if (c->kind() == ui::Kind::OptionButton)
                            static_cast<ui::OptionButton&>(*c).click();
                        else
                            static_cast<ui::CheckBox&>(*c).setValue(v);
                        test::Leave(page);
                        clickAll(page, c->fullName() + "=" + std::to_string(v));
                    }
                    break;
                }
                case ui::Kind::Grid: {
                    auto& grid = static_cast<ui::Grid&>(*c);
                    if (!grid.editable) break;
                    ++fields;
                    for (int col = 0; col < grid.cols(); ++col)
                        for (const auto& text : kHostileTexts) {
                            int r = grid.fixedRows;
                            if (r >= grid.rows()) grid.setRows(r + 1);
                            grid.row = r;
                            grid.col = col;
                            grid.setTextMatrix(r, col, text);
                            if (grid.onCellEdited) grid.onCellEdited(r, col);
                            clickAll(page, grid.name() + "(" + std::to_string(r) + "," +
                                               std::to_string(col) + ")=" + printable(text));
                        }
                    break;
                }
                default:
                    break;
            }
        }
        closeWindows();
    }

    void sweepField(CatalogueForm& page, ui::TextBox& box) {
        if (box.locked || !swept_.insert(&box).second) return;
        ++fields;
        const std::string before = box.text();
        for (const auto& text : kHostileTexts) {
            test::Paste(page, box, text);
            clickAll(page, box.fullName() + "=" + printable(text));
        }
        test::Paste(page, box, before);
    }

    // Clicks every command button of the page (a dialog a button opens is closed again), and
    // checks the page and every open window after each click.
    void clickAll(CatalogueForm& page, const std::string& step) {
        check(page, step);
        for (auto& c : test::Snapshot(page)) {
            if (c->kind() != ui::Kind::CommandButton || !test::Usable(page, *c)) continue;
            ++clicks;
            page.clickButton(static_cast<ui::CommandButton&>(*c), true);
            page.dropFocus();
            while (!services_.modalStack.empty()) services_.modalStack.back()->Hide();
            check(page, step + " --click " + c->fullName());
            if (!page.visible()) return;  // a button that leaves the page
        }
    }

    void check(const CatalogueForm& page, const std::string& step) {
        for (auto& m : services_.messages) EXPECT_FALSE(m.text.empty()) << step << ": an empty message box";
        services_.messages.clear();
        checkForm(page, step);
        for (ui::Form* w : services_.visibleForms) {
            if (w == &page) continue;
            checkForm(*w, step);
            EXPECT_EQ(w->Inconsistency(), "") << step << ": " << w->name();
        }
    }

    static void checkForm(const ui::Form& form, const std::string& step) {
        for (auto& c : form.controls()) {
            for (auto& t : test::Texts(*c)) {
                // A pasted field may hold 400 nines, which is no result.
                if (t.size() < 300 && test::ShowsNotANumber(t)) {
                    ADD_FAILURE() << step << ": " << form.name() << "." << c->fullName() << " shows \"" << t << "\"";
                }
            }
        }
    }

    void closeResultWindows(const CatalogueForm& page) {
        for (ui::Form* w : std::vector<ui::Form*>(services_.visibleForms))
            if (w != &page) w->Unload();
    }
    void closeWindows() {
        while (!services_.modalStack.empty()) services_.modalStack.back()->Hide();
    }
    static std::string printable(const std::string& t) { return t.size() > 20 ? t.substr(0, 20) + "..." : t; }

    ui::HeadlessServices services_;
    MainModule module_{services_};
    std::set<const ui::TextBox*> swept_;
};

TEST(PageSweep, NoHostileInputBreaksAnyPage) {
    Sweep sweep;
    sweep.run();
    std::cout << "page sweep: " << sweep.pages << " pages, " << sweep.fields << " fields x "
              << kHostileTexts.size() << " texts, " << sweep.choices << " list and option choices, "
              << sweep.clicks << " button clicks\n";
    EXPECT_EQ(sweep.pages, 20);
}

}  // namespace
}  // namespace vado
