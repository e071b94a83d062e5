#include "app/recovery.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>

#include "../program.h"
#include "app/project_file.h"
#include "calc/flow/frm_weir.h"

namespace vado::recovery {
namespace {

namespace fs = std::filesystem;

// A state folder of the test's own.
struct Folder {
    Folder() { fs::remove_all(path); }
    ~Folder() { fs::remove_all(path); }
    std::vector<std::string> names() const {
        std::set<std::string> all;
        for (std::error_code ec; auto& e : fs::directory_iterator(path, ec)) all.insert(e.path().filename());
        return {all.begin(), all.end()};
    }
    void write(const std::string& name, const std::string& text) const {
        fs::create_directories(path);
        std::ofstream(path / name) << text;
    }
    fs::path path = fs::temp_directory_path() / ("vado-recovery-" + std::to_string(::getpid()));
};

struct Program : test::Program {
    FrmWeir& weir() { return page<FrmWeir>(1); }
    std::string load(const std::string& text) { return project::Load(module, text).error; }
};

TEST(Recovery, TheFolderIsTheXdgStateHomesOrTheHomesDefault) {
    const struct {
        const char *state, *home;
        std::string folder;
    } cases[] = {
        {"/var/tmp/state", "/home/ann", "/var/tmp/state/vadocalc"},
        {"", "/home/ann", "/home/ann/.local/state/vadocalc"},
        {"relative/state", "/home/ann", "/home/ann/.local/state/vadocalc"},
        {nullptr, nullptr, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderFrom(c.state, c.home), c.folder)
            << (c.state ? c.state : "(unset)") << ", " << (c.home ? c.home : "(unset)");
}

TEST(Recovery, ARunKilledWithUnsavedWorkLeavesItForTheNextStartToRestore) {
    Folder dir;
    Program typed;
    typed.steps(1, {"txt1H1=2"});
    ASSERT_EQ(typed.weir().lbl1Q.caption(), "Q = 55.09 cfs");
    const std::string work = project::Save(typed.module);

    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t run = ::fork();
    if (run == 0) {
        Session session(dir.path.string());
        std::string why;
        const char kept = session.keep(work, why) ? 'k' : 'x';
        (void)!::write(ready[1], &kept, 1);
        ::pause();
        ::_exit(0);
    }
    struct Reaper {
        pid_t pid;
        void kill() {
            pid = pid > 0 && ::kill(pid, SIGKILL) == 0 ? (::waitpid(pid, nullptr, 0), 0) : 0;
        }
        ~Reaper() { kill(); }
    } reaper{run};
    char kept = 0;
    ASSERT_EQ(::read(ready[0], &kept, 1), 1);
    ASSERT_EQ(kept, 'k');
    {
        Session other(dir.path.string());
        EXPECT_TRUE(other.leftOvers().empty())
            << "the work of a program still running is not offered";
    }
    reaper.kill();

    Session next(dir.path.string());
    Program restored;
    int asked = 0;
    EXPECT_TRUE(OfferLeftOvers(
        next, [&](const LeftOver&) { return ++asked, Choice::Restore; },
        [&](const std::string& text) { return restored.load(text); },
        [](const std::string& message) { ADD_FAILURE() << message; }));
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(restored.weir().txt1H1.text(), "2");
    EXPECT_EQ(restored.weir().lbl1Q.caption(), "Q = 55.09 cfs") << "the page is as if typed";
    EXPECT_EQ(project::Save(restored.module), work);
    EXPECT_TRUE(dir.names().empty()) << "the restored work and the dead run's lock are gone";

    {
        Session clean(dir.path.string());
        std::string why;
        ASSERT_TRUE(clean.keep(work, why)) << why;
    }
    EXPECT_TRUE(dir.names().empty()) << "a clean end takes its work away";
}

// What becomes of a left-over for each answer; one that cannot be restored is set aside, told,
// and never offered again.
TEST(Recovery, EachAnswerSettlesTheLeftOver) {
    Program blank;
    const std::string good = project::Save(blank.module), big(project::kMaxBytes + 1, ' ');
    using Names = std::vector<std::string>;
    const Names later{"session-1-1.lock", "session-1-1.vado"}, aside{"unrestored-1-1.vado"};
    const struct {
        const char* name;
        const std::string& text;
        Choice answer;
        const Names& left;  // the folder afterwards
    } cases[] = {
        {"restored", good, Choice::Restore, {}},
        {"discarded", good, Choice::Discard, {}},
        {"kept for later", good, Choice::Later, later},
        {"not a project", "{", Choice::Restore, aside},
        {"too large to read", big, Choice::Restore, aside},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folder dir;
        dir.write("session-1-1.vado", c.text);  // a run that never took a lock
        Session start(dir.path.string());
        Program program;
        std::string told;
        const bool restored = OfferLeftOvers(
            start, [&](const LeftOver&) { return c.answer; },
            [&](const std::string& text) { return program.load(text); },
            [&](const std::string& message) { told = message; });
        EXPECT_EQ(restored, c.left.empty() && c.answer == Choice::Restore);
        EXPECT_EQ(dir.names(), c.left);
        EXPECT_EQ(told.find("unrestored-1-1.vado") != std::string::npos, &c.left == &aside) << told;
        Session next(dir.path.string());
        EXPECT_EQ(next.leftOvers().size(), c.answer == Choice::Later ? 1u : 0u) << "offered again";
    }
}

TEST(Recovery, TwoStartsDoNotBothOfferTheSameWork) {
    Folder dir;
    dir.write("session-1-1.vado", "{}");
    dir.write("session-2-2.lock", "");  // a run that ended before it kept anything
    Session a(dir.path.string()), b(dir.path.string());
    const auto found = a.leftOvers();
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"session-1-1.lock", "session-1-1.vado"}))
        << "the stale lock is cleared, the work is locked by the start that has it";
    EXPECT_TRUE(b.leftOvers().empty()) << "held by the first start";
    a.settle(found[0], Choice::Later);
    EXPECT_EQ(b.leftOvers().size(), 1u);
}

}  // namespace
}  // namespace vado::recovery
