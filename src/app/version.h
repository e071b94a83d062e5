#pragma once

#include <string>

#include "ui/services.h"

namespace vado {

// What both programs answer to --version: "vadocalc 2.1.4".
inline std::string VersionLine() {
    return "vadocalc " + std::to_string(ui::Services::kVersionMajor) + "." +
           std::to_string(ui::Services::kVersionMinor) + "." +
           std::to_string(ui::Services::kVersionRevision);
}

}  // namespace vado
