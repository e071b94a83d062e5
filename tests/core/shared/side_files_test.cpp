#include "shared/side_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include <unistd.h>

#include "report/county_list.h"
#include "shared/help.h"

namespace vado {
namespace {

namespace fs = std::filesystem;
using Folders = std::vector<std::string>;

TEST(SideFileFolders, OwnFolderThenConfigurationThenInstallation) {
    const char* home = "/home/ann";
    const Folders installed{"/usr/bin", "/home/ann/.config/vadocalc", "/usr/share/vadocalc"};
    const struct {
        const char *appFolder, *xdgConfigHome, *home;
        Folders folders;
    } cases[] = {
        {"/usr/bin", nullptr, home, installed},
        {"/opt/v/bin", "/cfg", home, {"/opt/v/bin", "/cfg/vadocalc", "/opt/v/share/vadocalc"}},
        {"/usr/bin", "cfg", home, installed},  // a relative configuration folder is ignored
        {"/usr/bin", "", home, installed},
        {"/usr/bin", nullptr, nullptr, {"/usr/bin", "/usr/share/vadocalc"}},
        {"/opt/v/./bin/", nullptr, nullptr, {"/opt/v/bin", "/opt/v/share/vadocalc"}},
        {"/", nullptr, nullptr, {"/", "/share/vadocalc"}},
        {"build/src", nullptr, nullptr,
         {(fs::current_path() / "build/src").string(), (fs::current_path() / "build/share/vadocalc").string()}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SideFileFolders(c.appFolder, c.xdgConfigHome, c.home), c.folders) << c.appFolder;
}

// An installed layout in a temporary prefix, with its own configuration folder: the first
// folder that has a file wins, a folder of the file's name is not the file, and a page missing
// from the installed manual is named beside the program.
TEST(SideFiles, FoundInTheFirstFolderThatHasThem) {
    const fs::path root = fs::temp_directory_path() / ("vado-side-" + std::to_string(::getpid())), bin = root / "prefix/bin",
                   share = root / "prefix/share/vadocalc", config = root / "config";
    fs::remove_all(root);
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::optional<std::string> saved = old ? std::optional<std::string>(old) : std::nullopt;
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    auto write = [](const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    };
    auto found = [&](const std::string& name) { return FindSideFile(name, bin.string()).value_or("(none)"); };
    fs::create_directories(bin / "qlbs_print.bmp");

    EXPECT_EQ(found("rain.txt"), "(none)");
    write(share / "rain.txt", "Installed,1,2,3,4,5,6,7\n");
    write(share / "qlbs_print.bmp", "BM");
    EXPECT_EQ(found("rain.txt"), (share / "rain.txt").string());
    EXPECT_EQ(found("qlbs_print.bmp"), (share / "qlbs_print.bmp").string());
    write(config / "vadocalc/rain.txt", "\"Office\",1,2,3,4,5,6,7\n");
    EXPECT_EQ(report::LoadCountyList(bin.string()), std::vector<std::string>{"Office"});
    write(bin / "rain.txt", "Beside,1,2,3,4,5,6,7\n");
    EXPECT_EQ(found("rain.txt"), (bin / "rain.txt").string());
    EXPECT_EQ(report::LoadCountyList(bin.string()), std::vector<std::string>{"Beside"});

    write(share / "manual/index.md", "# Contents\n");
    EXPECT_EQ(HelpFilePath("index", bin.string()), (share / "manual/index.md").string());
    EXPECT_EQ(HelpFilePath("frmNothing", bin.string()), bin.string() + "/manual/frmNothing.md");

    saved ? setenv("XDG_CONFIG_HOME", saved->c_str(), 1) : unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(root);
}

}  // namespace
}  // namespace vado
