#pragma once

#include <functional>

#include "ui/services.h"

namespace vado {

// The application-wide state every page may reach.
struct AppContext {
    explicit AppContext(ui::Services& s) : services(s) {}
    ui::Services& services;
    // Written by every Compute command, read by the Print commands.
    bool lastComputeFailed = false;
    // Opens the project-information dialog for a report code (installed by the report layer).
    std::function<void(short reportCode)> showReport;
};

}  // namespace vado
