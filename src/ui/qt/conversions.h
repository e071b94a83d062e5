#pragma once

#include <QString>
#include <algorithm>
#include <string>

namespace ui::qt {

inline QString ToQ(const std::string& s) { return QString::fromStdString(s); }
inline std::string FromQ(const QString& s) { return s.toStdString(); }

// The model counts text positions in bytes of UTF-8, Qt in UTF-16 units; the two differ only
// once a pasted text holds characters beyond ASCII.
inline int QtPos(const std::string& text, int bytes) {
    bytes = std::clamp(bytes, 0, static_cast<int>(text.size()));
    return static_cast<int>(QString::fromUtf8(text.data(), bytes).size());
}

inline int BytePos(const QString& text, int pos) {
    pos = std::clamp(pos, 0, static_cast<int>(text.size()));
    return static_cast<int>(text.left(pos).toUtf8().size());
}

// Form geometry is kept in twips, 1440 to the inch.
inline int TwipsToPixels(int twips, int dpi) { return twips * dpi / 1440; }
inline int PixelsToTwips(int pixels, int dpi) { return pixels * 1440 / dpi; }

}  // namespace ui::qt
