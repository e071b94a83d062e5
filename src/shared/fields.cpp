#include "shared/fields.h"

#include <cmath>

#include "shared/number_format.h"
#include "ui/form.h"

namespace vado {

void SelectAllText(ui::TextBox& field) {
    field.setSelection(0, static_cast<int>(field.text().size()));
}

namespace {

// A sign or point may be typed when the text has none, or when the one it has is selected and
// about to be replaced.
bool MayAdd(const ui::TextBox& field, char c) {
    return field.text().find(c) == std::string::npos ||
           field.selectedText().find(c) != std::string::npos;
}

}  // namespace

void FilterNumericKey(ui::TextBox& field, std::int16_t& key, bool integerOnly, bool allowPlus,
                      bool allowMinus) {
    bool accept = false;
    if (key >= '0' && key <= '9') {
        accept = true;
    } else if (key == '.') {
        accept = !integerOnly && MayAdd(field, '.');
    } else if (key == '+') {
        accept = allowPlus && MayAdd(field, '+');
    } else if (key == '-') {
        accept = allowMinus && MayAdd(field, '-');
    } else if (key == 8 || key == 13) {
        accept = true;
    }
    if (!accept) {
        key = 0;
        field.form().services().Beep();
    }
}

namespace {

std::string Bounds(const char* what, double lo, double hi, const std::string& format) {
    if (lo < hi)
        return std::string("Please enter ") + what + " between " + FormatNumber(lo, format) + " and " +
               FormatNumber(hi, format) + ".";
    return std::string("Please enter ") + what + " greater than " + FormatNumber(lo, format) + ".";
}

}  // namespace

std::string RangeMessage(double lo, double hi, const std::string& format) {
    return Bounds("a number", lo, hi, format);
}

std::string WholeNumberMessage(double lo, double hi, const std::string& format) {
    return Bounds("a whole number", lo, hi, format);
}

namespace {

// `notWhole`: the text is a number with a fraction where a whole number is wanted.
template <class T>
bool CheckValue(ui::TextBox& field, const std::optional<T>& x, T lo, T hi,
                const std::string& format, bool required, bool showMessage, bool notWhole = false) {
    bool fails;
    if (field.text().empty()) {
        fails = required;
    } else if (!x || notWhole) {
        fails = true;
    } else if (lo < hi) {
        fails = *x < lo || *x > hi;
    } else {
        fails = *x < lo;
    }
    if (fails && showMessage) {
        field.form().services().MsgBox(
            notWhole ? WholeNumberMessage(lo, hi, format) : RangeMessage(lo, hi, format), "Input Error",
            ui::MsgIcon::Exclamation);
        field.SetFocus();
    }
    return !fails;
}

}  // namespace

bool CheckRange(ui::TextBox& field, double lo, double hi, const std::string& format, bool required,
                bool showMessage) {
    return CheckValue(field, ParseReal(field.text()), lo, hi, format, required,
                      showMessage);
}

bool CheckRangeInt(ui::TextBox& field, short lo, short hi, const std::string& format,
                   bool required, bool showMessage) {
    const auto real = ParseReal(field.text());
    const bool notWhole = real && *real != std::floor(*real);
    return CheckValue(field, ParseInt16(field.text()), lo, hi, format, required, showMessage,
                      notWhole);
}

}  // namespace vado

namespace vado {

bool CheckRangeBetween(ui::TextBox& field, double lo, double hi, const std::string& format,
                       bool required, bool showMessage) {
    const auto x = ParseReal(field.text());
    const bool fails = field.text().empty() ? required : !x || *x < lo || *x > hi;
    if (fails && showMessage) {
        field.form().services().MsgBox("Please enter a number between " + FormatNumber(lo, format) +
                                           " and " + FormatNumber(hi, format) + ".",
                                       "Input Error", ui::MsgIcon::Exclamation);
        field.SetFocus();
    }
    return !fails;
}

}  // namespace vado
