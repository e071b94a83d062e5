#include "shared/side_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "report/county_list.h"
#include "shared/help.h"

namespace vado {
namespace {

namespace fs = std::filesystem;
using Folders = std::vector<std::string>;

TEST(SideFileFolders, OwnFolderThenConfigurationThenInstallation) {
    const struct {
        const char* name;
        const char* appFolder;
        const char* xdgConfigHome;
        const char* home;
        Folders folders;
    } cases[] = {
        {"installed",
         "/usr/bin",
         nullptr,
         "/home/ann",
         {"/usr/bin", "/home/ann/.config/vadocalc", "/usr/share/vadocalc"}},
        {"configuration folder set",
         "/opt/v/bin",
         "/cfg",
         "/home/ann",
         {"/opt/v/bin", "/cfg/vadocalc", "/opt/v/share/vadocalc"}},
        {"relative configuration folder ignored",
         "/usr/bin",
         "cfg",
         "/home/ann",
         {"/usr/bin", "/home/ann/.config/vadocalc", "/usr/share/vadocalc"}},
        {"empty configuration folder ignored",
         "/usr/bin",
         "",
         "/home/ann",
         {"/usr/bin", "/home/ann/.config/vadocalc", "/usr/share/vadocalc"}},
        {"no home at all", "/usr/bin", nullptr, nullptr, {"/usr/bin", "/usr/share/vadocalc"}},
        {"trailing separator and dots",
         "/opt/v/./bin/",
         nullptr,
         nullptr,
         {"/opt/v/bin", "/opt/v/share/vadocalc"}},
        {"program at the root", "/", nullptr, nullptr, {"/", "/share/vadocalc"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SideFileFolders(c.appFolder, c.xdgConfigHome, c.home), c.folders) << c.name;
}

TEST(SideFileFolders, ARelativeProgramFolderIsMadeAbsolute) {
    const Folders folders = SideFileFolders("build/src", nullptr, nullptr);
    ASSERT_EQ(folders.size(), 2u);
    EXPECT_EQ(folders[0], (fs::current_path() / "build/src").string());
    EXPECT_EQ(folders[1], (fs::current_path() / "build/share/vadocalc").string());
}

// An installed layout in a temporary prefix, with its own configuration folder.
class SideFileTest : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("vado-side-" +
                std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(root);
        bin = root / "prefix/bin";
        share = root / "prefix/share/vadocalc";
        config = root / "config";
        fs::create_directories(bin);
        fs::create_directories(share / "manual");
        fs::create_directories(config / "vadocalc");
        if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved = old;
        setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    }
    void TearDown() override {
        if (saved)
            setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(root);
    }
    static void write(const fs::path& file, const std::string& text) {
        fs::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << text;
    }
    std::string found(const std::string& name) {
        return FindSideFile(name, bin.string()).value_or("(none)");
    }

    fs::path root, bin, share, config;
    std::optional<std::string> saved;
};

TEST_F(SideFileTest, TheFirstFolderThatHasTheFileWins) {
    EXPECT_EQ(found("rain.txt"), "(none)");
    write(share / "rain.txt", "Installed,1,2,3,4,5,6,7\n");
    EXPECT_EQ(found("rain.txt"), (share / "rain.txt").string());
    write(config / "vadocalc/rain.txt", "Office,1,2,3,4,5,6,7\n");
    EXPECT_EQ(found("rain.txt"), (config / "vadocalc/rain.txt").string());
    write(bin / "rain.txt", "Beside,1,2,3,4,5,6,7\n");
    EXPECT_EQ(found("rain.txt"), (bin / "rain.txt").string());
    EXPECT_EQ(report::LoadCountyList(bin.string()), std::vector<std::string>{"Beside"});
}

TEST_F(SideFileTest, AFolderOfTheNameIsNotTheFile) {
    fs::create_directories(bin / "qlbs_print.bmp");
    write(share / "qlbs_print.bmp", "BM");
    EXPECT_EQ(found("qlbs_print.bmp"), (share / "qlbs_print.bmp").string());
}

TEST_F(SideFileTest, TheOfficesCountyListIsReadWhenNoneIsBesideTheProgram) {
    write(config / "vadocalc/rain.txt", "\"Adams\",1,2,3,4,5,6,7\n");
    EXPECT_EQ(report::LoadCountyList(bin.string()), std::vector<std::string>{"Adams"});
}

TEST_F(SideFileTest, TheInstalledManualIsFoundAndAMissingPageIsNamedBesideTheProgram) {
    write(share / "manual/index.md", "# Contents\n");
    EXPECT_EQ(HelpFilePath("index", bin.string()), (share / "manual/index.md").string());
    EXPECT_EQ(HelpFilePath("frmNothing", bin.string()), bin.string() + "/manual/frmNothing.md");
}

}  // namespace
}  // namespace vado
