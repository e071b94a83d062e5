#include "shared/fields.h"

#include <gtest/gtest.h>

#include "ui/form.h"

namespace vado {
namespace {

class FieldsTest : public ::testing::Test {
protected:
    ui::HeadlessServices services;
    ui::Form form{"frmTest", services};
    ui::TextBox& field = form.add<ui::TextBox>("txtValue");
    ui::TextBox& other = form.add<ui::TextBox>("txtOther");

    // Types a key through the filter as a field's key-press handler does.
    std::int16_t filter(const std::string& text, int selStart, int selLength, char key,
                        bool integerOnly = false) {
        field.setText(text);
        field.setSelection(selStart, selLength);
        std::int16_t k = key;
        FilterNumericKey(field, k, integerOnly, false, false);
        return k;
    }
};

TEST_F(FieldsTest, KeyFilter) {
    struct Case {
        const char* name;
        const char* text;
        int selStart, selLength;
        char key;
        bool integerOnly;
        bool accepted;
    };
    const Case cases[] = {
        {"digit", "1", 1, 0, '7', false, true},
        {"point into empty", "", 0, 0, '.', false, true},
        {"second point refused", "1.5", 3, 0, '.', false, false},
        {"point over a selected point", "1.5", 0, 3, '.', false, true},
        {"point with selection lacking it", "1.5", 0, 1, '.', false, false},
        {"point in integer field", "15", 2, 0, '.', true, false},
        {"minus refused", "", 0, 0, '-', false, false},
        {"plus refused", "", 0, 0, '+', false, false},
        {"letter refused", "", 0, 0, 'a', false, false},
        {"blank refused", "", 0, 0, ' ', false, false},
        {"paste shortcut refused", "", 0, 0, 22, false, false},
        {"backspace", "12", 2, 0, 8, false, true},
        {"enter", "12", 2, 0, 13, false, true},
    };
    for (const auto& c : cases) {
        int beepsBefore = services.beeps;
        std::int16_t k = filter(c.text, c.selStart, c.selLength, c.key, c.integerOnly);
        EXPECT_EQ(k != 0, c.accepted) << c.name;
        EXPECT_EQ(services.beeps - beepsBefore, c.accepted ? 0 : 1) << c.name;
    }
}

TEST_F(FieldsTest, SignsAllowedOnlyOnceWhenAsked) {
    field.setText("-1");
    field.setSelection(2, 0);
    std::int16_t k = '-';
    FilterNumericKey(field, k, false, true, true);
    EXPECT_EQ(k, 0);
    field.setText("1");
    k = '+';
    FilterNumericKey(field, k, false, true, true);
    EXPECT_EQ(k, '+');
}

struct RangeCase {
    const char* name;
    const char* text;
    double lo, hi;
    const char* format;
    bool required;
    bool passes;
    const char* message;  // shown with showMessage, "" for none
};

TEST_F(FieldsTest, CheckRange) {
    const RangeCase cases[] = {
        {"inside", "3.1", 0.1, 9.0, "0.0", true, true, ""},
        {"upper bound passes", "9", 0.1, 9.0, "0.0", true, true, ""},
        {"lower bound passes", "0.1", 0.1, 9.0, "0.0", true, true, ""},
        {"above", "9.5", 0.1, 9.0, "0.0", true, false, "Please enter a number between 0.1 and 9.0."},
        {"below", "0.05", 0.1, 9.0, "0.0", false, false, "Please enter a number between 0.1 and 9.0."},
        {"lower-bound form, equal passes", "0", 0, 0, "0.0", true, true, ""},
        {"lower-bound form, below", "1", 2, 1, "#0.00", true, false,
         "Please enter a number greater than 2.00."},
        {"empty not required", "", 0.1, 9.0, "0.0", false, true, ""},
        {"empty required", "", 0.1, 9.0, "0.0", true, false,
         "Please enter a number between 0.1 and 9.0."},
        {"empty required, lower-bound form", "", 5, 0, "0", true, false,
         "Please enter a number greater than 5."},
        {"lone point", ".", 0.1, 9.0, "0.0", false, false, "Please enter a number between 0.1 and 9.0."},
        {"two points", "1.2.3", 0.1, 9.0, "0.0", false, false,
         "Please enter a number between 0.1 and 9.0."},
        {"pasted letters", "abc", 0.1, 9.0, "0.0", false, false,
         "Please enter a number between 0.1 and 9.0."},
        {"overflowing exponent", "1e999", 0, 0, "0.0", false, false,
         "Please enter a number greater than 0.0."},
    };
    for (const auto& c : cases) {
        services.messages.clear();
        other.SetFocus();
        field.setText(c.text);
        EXPECT_EQ(CheckRange(field, c.lo, c.hi, c.format, c.required, false), c.passes) << c.name;
        EXPECT_TRUE(services.messages.empty()) << c.name << ": a quiet check shows nothing";
        EXPECT_EQ(form.focused(), &other) << c.name << ": a quiet check keeps the focus";

        EXPECT_EQ(CheckRange(field, c.lo, c.hi, c.format, c.required, true), c.passes) << c.name;
        if (c.passes) {
            EXPECT_TRUE(services.messages.empty()) << c.name;
        } else {
            ASSERT_EQ(services.messages.size(), 1u) << c.name;
            EXPECT_EQ(services.messages[0].text, c.message) << c.name;
            EXPECT_EQ(services.messages[0].title, "Input Error") << c.name;
            EXPECT_EQ(services.messages[0].icon, ui::MsgIcon::Exclamation) << c.name;
            EXPECT_EQ(form.focused(), &field) << c.name << ": the message returns the focus";
        }
    }
}

TEST_F(FieldsTest, CheckRangeInt) {
    // A number with a fraction is refused, never rounded: the formulas would use it as typed.
    const char* range = "Please enter a number between 4 and 60.";
    const char* whole = "Please enter a whole number between 4 and 60.";
    const struct {
        const char* text;
        const char* message;  // "" when it passes
    } cases[] = {
        {"15", ""},         {"15.0", ""} /* a whole number with a point */, {"1.5e1", ""},
        {"60", ""},         {"3.5", whole},  {"60.5", whole}, {"12.4", whole},
        {"40000.5", whole}, {"61", range},   {"40000", range}, {"-1", range},
        {"x", range},       {".", range},    {"1e999", range},
    };
    for (const auto& c : cases) {
        field.setText(c.text);
        services.messages.clear();
        const bool passes = *c.message == '\0';
        EXPECT_EQ(CheckRangeInt(field, 4, 60, "#0", true, false), passes) << c.text;
        EXPECT_TRUE(services.messages.empty()) << c.text << ": a quiet check says nothing";
        EXPECT_EQ(CheckRangeInt(field, 4, 60, "#0", true, true), passes) << c.text;
        if (passes) {
            EXPECT_TRUE(services.messages.empty()) << c.text;
        } else {
            ASSERT_EQ(services.messages.size(), 1u) << c.text;
            EXPECT_EQ(services.messages[0].text, c.message) << c.text;
            EXPECT_EQ(services.messages[0].title, "Input Error") << c.text;
        }
    }
}

TEST_F(FieldsTest, SelectAllTextSelectsEverything) {
    field.setText("12.5");
    field.setSelection(1, 1);
    SelectAllText(field);
    EXPECT_EQ(field.selStart(), 0);
    EXPECT_EQ(field.selLength(), 4);
}

}  // namespace
}  // namespace vado
