#include "ui/utf8.h"

#include <gtest/gtest.h>

#include "../program.h"

namespace ui {
namespace {

TEST(ValidUtf8, KeepsWellFormedTextAndReplacesEveryStrayByte) {
    const std::string r = "\xEF\xBF\xBD";  // U+FFFD
    const struct {
        const char* name;
        std::string in, out;
    } cases[] = {
        {"plain", "12.5 ft", "12.5 ft"},
        {"full-width and Arabic-Indic digits", "\xEF\xBC\x91\xD9\xA1", "\xEF\xBC\x91\xD9\xA1"},
        {"a four-byte character", "\xF0\x9F\x92\xA7", "\xF0\x9F\x92\xA7"},
        {"a NUL is text", std::string("1\0" "2", 3), std::string("1\0" "2", 3)},
        {"a lone byte of Latin-1", "Do\xF1" "a Ana", "Do" + r + "a Ana"},
        {"a stray continuation byte", "\x80" "5", r + "5"},
        {"a sequence cut short", "5\xC3", "5" + r},
        {"an overlong slash", "\xC0\xAF", r + r},
        {"a surrogate", "\xED\xA0\x80", r + r + r},
        {"past U+10FFFF", "\xF4\x90\x80\x80", r + r + r + r},
    };
    for (const auto& c : cases) EXPECT_EQ(ValidUtf8(c.in), c.out) << c.name;
}

// Whatever a script pastes, the field holds valid text, so the job can be saved and printed.
TEST(ValidUtf8, AFieldHoldsValidTextWhateverIsPasted) {
    vado::test::Program p;
    p.steps(1, {"txt1Coeff=\xFF"});
    EXPECT_EQ(static_cast<TextBox&>(*p.page(1).find("txt1Coeff")).text(), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace ui
