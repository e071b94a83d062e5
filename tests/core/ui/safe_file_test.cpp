#include "ui/safe_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace ui {
namespace {

namespace fs = std::filesystem;

class SafeFile : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("vado_safe_file_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    std::string at(const char* name) const { return (dir / name).string(); }
    static std::string read(const std::string& path) {
        std::ostringstream s;
        s << std::ifstream(path, std::ios::binary).rdbuf();
        return s.str();
    }
    // Nothing but the named entries is left in the folder (no temporary behind a failure).
    std::size_t entries() const {
        return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), {}));
    }
    fs::path dir;
};

TEST_F(SafeFile, WritesANewFileAndReplacesAnOldOneKeepingItsPermissions) {
    std::string why;
    ASSERT_TRUE(WriteFileAtomically(at("job.vado"), "first", why)) << why;
    EXPECT_EQ(read(at("job.vado")), "first");
    fs::permissions(at("job.vado"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(WriteFileAtomically(at("job.vado"), "second", why)) << why;
    EXPECT_EQ(read(at("job.vado")), "second");
    EXPECT_EQ(fs::status(at("job.vado")).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write);
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SafeFile, FollowsLinksToTheirTargetAndLeavesTheLinks) {
    const struct {
        const char* name;
        std::vector<std::pair<const char*, const char*>> links;  // (link, what it points at)
        const char *written, *target;
    } cases[] = {
        {"one link, relative", {{"link.vado", "real.vado"}}, "link.vado", "real.vado"},
        {"a chain of links", {{"a.vado", "b.vado"}, {"b.vado", "real.vado"}}, "a.vado", "real.vado"},
        {"a dangling link makes its target", {{"link.vado", "new.vado"}}, "link.vado", "new.vado"},
    };
    for (const auto& c : cases) {
        SetUp();
        std::ofstream(at("real.vado")) << "old";
        for (auto& [link, to] : c.links) fs::create_symlink(to, at(link));
        std::string why;
        ASSERT_TRUE(WriteFileAtomically(at(c.written), "project", why)) << c.name << ": " << why;
        EXPECT_EQ(read(at(c.target)), "project") << c.name;
        for (auto& [link, to] : c.links) {
            EXPECT_TRUE(fs::is_symlink(at(link))) << c.name << ": " << link << " is still a link";
            EXPECT_EQ(fs::read_symlink(at(link)).string(), to) << c.name;
        }
    }
}

TEST_F(SafeFile, NeverReplacesWhatIsNotARegularFile) {
    fs::create_directories(at("folder.vado"));
    ASSERT_EQ(::mkfifo(at("pipe.vado").c_str(), 0600), 0);
    fs::create_symlink("/dev/null", at("device.vado"));
    fs::create_symlink("loop2.vado", at("loop1.vado"));
    fs::create_symlink("loop1.vado", at("loop2.vado"));
    const std::size_t before = entries();
    for (const char* name :
         {"folder.vado", "pipe.vado", "device.vado", "loop1.vado", "no-such-folder/job.vado"}) {
        std::string why;
        EXPECT_FALSE(WriteFileAtomically(at(name), "project", why)) << name;
        EXPECT_FALSE(why.empty()) << name;
    }
    EXPECT_TRUE(fs::is_directory(at("folder.vado")));
    EXPECT_TRUE(fs::is_fifo(at("pipe.vado")));
    EXPECT_TRUE(fs::is_symlink(at("device.vado")));
    EXPECT_EQ(entries(), before) << "no temporary file left behind";
}

}  // namespace
}  // namespace ui
