#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace vado {

// vadocalc-cli: drives one page of the program without a window, step by step as a person
// would, and prints what the page shows. Returns the process exit status.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace vado
