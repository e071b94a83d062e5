#pragma once

#include <span>

namespace ui::qt {

// One size of the program's icon: size x size pixels, row by row, each 0xAARRGGBB.
struct IconPixels {
    int size;
    const unsigned int* argb;
};

// The icon in the sizes a title bar and a task switcher draw, written into the program from the
// icon's PNG files when it is built.
extern const std::span<const IconPixels> kAppIconPixels;

}  // namespace ui::qt
