#include "shared/side_files.h"

#include <cstdlib>
#include <filesystem>

namespace vado {

namespace fs = std::filesystem;

std::vector<std::string> SideFileFolders(const std::string& appFolder, const char* xdgConfigHome,
                                         const char* home) {
    std::error_code ec;
    fs::path own = fs::absolute(appFolder.empty() ? fs::path(".") : fs::path(appFolder), ec);
    own = own.lexically_normal();
    if (!own.has_filename()) own = own.parent_path();  // a trailing separator

    std::vector<std::string> folders = {own.string()};
    // Relative values are to be ignored, as the base directory rules say.
    if (xdgConfigHome && fs::path(xdgConfigHome).is_absolute())
        folders.push_back((fs::path(xdgConfigHome) / "vadocalc").lexically_normal().string());
    else if (home && fs::path(home).is_absolute())
        folders.push_back((fs::path(home) / ".config" / "vadocalc").lexically_normal().string());
    folders.push_back((own.parent_path() / "share" / "vadocalc").string());
    return folders;
}

std::vector<std::string> SideFileFolders(const std::string& appFolder) {
    return SideFileFolders(appFolder, std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

std::string ProgramFolder(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec && argv0) {
        ec.clear();
        exe = fs::absolute(argv0, ec);
    }
    if (ec || !exe.has_parent_path()) return ".";
    return exe.parent_path().string();
}

std::optional<std::string> FindSideFile(const std::string& name, const std::string& appFolder) {
    for (const std::string& folder : SideFileFolders(appFolder)) {
        fs::path candidate = fs::path(folder) / name;
        std::error_code ec;
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
    return std::nullopt;
}

}  // namespace vado
