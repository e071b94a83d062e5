#include "shared/fields.h"

#include <gtest/gtest.h>

#include "ui/form.h"

namespace vado {
namespace {

struct FieldsTest : ::testing::Test {
    ui::HeadlessServices services;
    ui::Form form{"frmTest", services};
    ui::TextBox& field = form.add<ui::TextBox>("txtValue");
    ui::TextBox& other = form.add<ui::TextBox>("txtOther");
};

TEST_F(FieldsTest, KeyFilter) {
    const struct {
        const char* text;
        int selStart, selLength;
        char key;
        bool integerOnly, signs, accepted;
    } cases[] = {
        {"1", 1, 0, '7', false, false, true},     {"", 0, 0, '.', false, false, true},
        {"1.5", 3, 0, '.', false, false, false},  {"1.5", 0, 3, '.', false, false, true},  // over the point
        {"1.5", 0, 1, '.', false, false, false},  {"15", 2, 0, '.', true, false, false},
        {"", 0, 0, '-', false, false, false},     {"", 0, 0, '+', false, false, false},
        {"", 0, 0, 'a', false, false, false},     {"", 0, 0, ' ', false, false, false},
        {"", 0, 0, 22, false, false, false},      {"12", 2, 0, 8, false, false, true},
        {"12", 2, 0, 13, false, false, true},     {"-1", 2, 0, '-', false, true, false},  // once only
        {"1", 1, 0, '+', false, true, true},
    };
    for (const auto& c : cases) {
        field.setText(c.text);
        field.setSelection(c.selStart, c.selLength);
        std::int16_t k = c.key;
        const int beeps = services.beeps;
        FilterNumericKey(field, k, c.integerOnly, c.signs, c.signs);
        EXPECT_EQ(k != 0, c.accepted) << c.text << " + " << int(c.key);
        EXPECT_EQ(services.beeps - beeps, c.accepted ? 0 : 1) << c.text << " + " << int(c.key);
    }
}

TEST_F(FieldsTest, RangeChecksSpeakOnlyWhenAskedAndThenTakeTheFocus) {
    const char* between = "Please enter a number between 0.1 and 9.0.";
    const char* range = "Please enter a number between 4 and 60.";
    const char* whole = "Please enter a whole number between 4 and 60.";
    // A whole-number check refuses a fraction, never rounds it: the formulas would use it as typed.
    const struct {
        bool integer;
        const char* text;
        double lo, hi;
        const char* format;
        bool required;
        const char* message;  // "" when it passes
    } cases[] = {
        {false, "3.1", 0.1, 9.0, "0.0", true, ""},     {false, "9", 0.1, 9.0, "0.0", true, ""},
        {false, "0.1", 0.1, 9.0, "0.0", true, ""},     {false, "9.5", 0.1, 9.0, "0.0", true, between},
        {false, "0.05", 0.1, 9.0, "0.0", false, between},
        {false, "0", 0, 0, "0.0", true, ""},  // the lower-bound form: equal passes
        {false, "1", 2, 1, "#0.00", true, "Please enter a number greater than 2.00."},
        {false, "", 0.1, 9.0, "0.0", false, ""},       {false, "", 0.1, 9.0, "0.0", true, between},
        {false, "", 5, 0, "0", true, "Please enter a number greater than 5."},
        {false, ".", 0.1, 9.0, "0.0", false, between}, {false, "1.2.3", 0.1, 9.0, "0.0", false, between},
        {false, "abc", 0.1, 9.0, "0.0", false, between},
        {false, "1e999", 0, 0, "0.0", false, "Please enter a number greater than 0.0."},
        {true, "15", 4, 60, "#0", true, ""},           {true, "15.0", 4, 60, "#0", true, ""},
        {true, "1.5e1", 4, 60, "#0", true, ""},        {true, "60", 4, 60, "#0", true, ""},
        {true, "3.5", 4, 60, "#0", true, whole},       {true, "60.5", 4, 60, "#0", true, whole},
        {true, "40000.5", 4, 60, "#0", true, whole},   {true, "61", 4, 60, "#0", true, range},
        {true, "40000", 4, 60, "#0", true, range},     {true, "-1", 4, 60, "#0", true, range},
        {true, ".", 4, 60, "#0", true, range},         {true, "1e999", 4, 60, "#0", true, range},
    };
    for (const auto& c : cases) {
        auto check = [&](bool show) {
            return c.integer ? CheckRangeInt(field, c.lo, c.hi, c.format, c.required, show)
                             : CheckRange(field, c.lo, c.hi, c.format, c.required, show);
        };
        const bool passes = *c.message == '\0';
        services.messages.clear();
        other.SetFocus();
        field.setText(c.text);
        EXPECT_EQ(check(false), passes) << c.text;
        EXPECT_TRUE(services.messages.empty()) << c.text << ": a quiet check shows nothing";
        EXPECT_EQ(form.focused(), &other) << c.text << ": a quiet check keeps the focus";
        EXPECT_EQ(check(true), passes) << c.text;
        ASSERT_EQ(services.messages.size(), passes ? 0u : 1u) << c.text;
        if (passes) continue;
        EXPECT_EQ(services.messages[0].text, c.message) << c.text;
        EXPECT_EQ(services.messages[0].title, "Input Error") << c.text;
        EXPECT_EQ(form.focused(), &field) << c.text << ": the message returns the focus";
    }
}

}  // namespace
}  // namespace vado
