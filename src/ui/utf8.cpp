#include "ui/utf8.h"

namespace ui {

namespace {

// The length of the well-formed sequence at `i`, or 0.
size_t SequenceAt(std::string_view t, size_t i) {
    const auto byte = [&](size_t k) { return static_cast<unsigned char>(t[k]); };
    const unsigned char b = byte(i);
    if (b < 0x80) return 1;
    size_t n = 0;
    unsigned char lo = 0x80, hi = 0xBF;  // the allowed range of the second byte
    if (b >= 0xC2 && b <= 0xDF) n = 2;
    else if (b >= 0xE0 && b <= 0xEF) n = 3, lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
    else if (b >= 0xF0 && b <= 0xF4) n = 4, lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
    else return 0;
    if (i + n > t.size() || byte(i + 1) < lo || byte(i + 1) > hi) return 0;
    for (size_t k = 2; k < n; ++k)
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) return 0;
    return n;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
    // Well-formed runs are copied whole: every caption and number passes through here, and
    // nearly all of them are plain ASCII.
    std::string out;
    out.reserve(text.size());
    size_t run = 0;
    for (size_t i = 0; i < text.size();) {
        if (const size_t n = SequenceAt(text, i)) {
            i += n;
            continue;
        }
        out.append(text.substr(run, i - run));
        out += "\xEF\xBF\xBD";
        run = ++i;
    }
    out.append(text.substr(run));
    return out;
}

}  // namespace ui
