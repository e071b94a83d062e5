#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vado {

// Formats v with a numeric picture: '0' is a digit always shown, '#' a digit shown only when
// significant. Every integer digit is printed; the decimals lie between the count of '0' and the
// count of '0' and '#' after the point. The double is first reduced to 15 significant digits,
// then rounded half away from zero, so 2.675 with "0.00" reads 2.68. Non-finite values give "".
std::string FormatNumber(double v, std::string_view picture);

// The shortest text of v with up to 15 significant digits: "0.5", "2", "1E-05", "1E+15".
std::string NumberText(double v);

// Text to a real. Surrounding blanks are ignored and "." is the decimal point whatever the
// locale. Anything but an unsigned decimal number with an optional exponent is not a number,
// and so is a value beyond the double range.
std::optional<double> ParseReal(std::string_view text);

// Text to a 16-bit integer: read as a real, rounded half to even; outside -32768..32767 it is
// not a number.
std::optional<short> ParseInt16(std::string_view text);

// Text to a 16-bit whole number: "15" and "15.0" are 15; a number with a fraction ("12.4") is not
// a whole number and gives nothing, as does anything ParseInt16 refuses.
std::optional<short> ParseWholeInt16(std::string_view text);

// Rounds half to even to a 16-bit integer; false when the result would overflow.
bool RoundToInt16(double x, short& out);

// Text with leading and trailing blanks removed.
std::string Trim(std::string_view text);

}  // namespace vado
