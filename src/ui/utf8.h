#pragma once

#include <string>
#include <string_view>

namespace ui {

// The text as valid UTF-8: every byte that does not belong to a well-formed sequence (a stray
// continuation byte, a cut sequence, an overlong form, a surrogate, a code point past U+10FFFF)
// becomes U+FFFD, as a text field on screen shows it. What controls hold is always valid, so
// it can be saved, printed and written as JSON whatever a script or a side file brought in.
std::string ValidUtf8(std::string_view text);

}  // namespace ui
