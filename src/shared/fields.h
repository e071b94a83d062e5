#pragma once

#include <cstdint>
#include <string>

#include "ui/control.h"

namespace vado {

// Selects the whole text of the field, as on entering it.
void SelectAllText(ui::TextBox& field);

// Refuses (key = 0, with a beep) every key that cannot form a number: digits, one point (none
// in an integer field), the signs where allowed, Backspace and Enter pass.
void FilterNumericKey(ui::TextBox& field, std::int16_t& key, bool integerOnly, bool allowPlus,
                      bool allowMinus);

// Range check of a real field. lo < hi is the range form ("between"), otherwise the lower-bound
// form ("greater than"; hi plays no part). A text that is not a number fails like an
// out-of-range value. An empty text fails only when required.
bool CheckRange(ui::TextBox& field, double lo, double hi, const std::string& format, bool required,
                bool showMessage);

// Always the range form, even when lo equals hi ("between 0.01 and 0.01"), for a bound that
// follows another field.
bool CheckRangeBetween(ui::TextBox& field, double lo, double hi, const std::string& format,
                       bool required, bool showMessage);

// The same over 16-bit whole numbers. A number with a fraction ("12.4", pasted past the key
// filter) fails like a value out of range, with WholeNumberMessage: the formulas and the report
// would otherwise use a value the check never saw. "15.0" is the whole number 15.
bool CheckRangeInt(ui::TextBox& field, short lo, short hi, const std::string& format,
                   bool required, bool showMessage);

// "Please enter a number between 0.1 and 9.0." or "Please enter a number greater than 0.0."
std::string RangeMessage(double lo, double hi, const std::string& format);
// "Please enter a whole number between 4 and 36." (or "... greater than LO.")
std::string WholeNumberMessage(double lo, double hi, const std::string& format);

}  // namespace vado
