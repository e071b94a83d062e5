#include "ui/printer.h"

namespace ui {

void Printer::NewPage() {
    startNextPage();
    ++page_;
    setCurrentX(0);
    setCurrentY(0);
}

}  // namespace ui
