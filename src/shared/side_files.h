#pragma once

#include <optional>
#include <string>
#include <vector>

namespace vado {

// The folders a side file (the county list, the report logo, the manual) is looked for in, in
// order: the program's own folder; the user's configuration folder `$XDG_CONFIG_HOME/vadocalc`
// (`~/.config/vadocalc` when XDG_CONFIG_HOME is unset or not absolute), where an office keeps
// its own county list and logo without touching the installation; and `../share/vadocalc`
// beside the program's folder, where an installation puts them. So a build folder and an
// installed copy both find theirs.
std::vector<std::string> SideFileFolders(const std::string& appFolder);
// The same, with the environment given: `xdgConfigHome` and `home` as the variables hold them
// (null when unset).
std::vector<std::string> SideFileFolders(const std::string& appFolder, const char* xdgConfigHome,
                                         const char* home);

// The folder of the running executable (whatever the working directory), from the system's
// record of it, else from argv[0]; "." when neither tells.
std::string ProgramFolder(const char* argv0);

// The first regular file `name` (a relative path such as "rain.txt" or "manual/index.md")
// found in those folders, or nothing.
std::optional<std::string> FindSideFile(const std::string& name, const std::string& appFolder);

}  // namespace vado
