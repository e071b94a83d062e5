#include "app/recovery.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "app/project_file.h"
#include "calc/flow/frm_weir.h"

namespace vado::recovery {
namespace {

namespace fs = std::filesystem;

// A state folder of the test's own.
struct Folder {
    Folder() : path(fs::temp_directory_path() / ("vado-recovery-" + std::to_string(::getpid()))) {
        fs::remove_all(path);
    }
    ~Folder() { fs::remove_all(path); }
    std::vector<std::string> names() const {
        std::vector<std::string> all;
        std::error_code ec;
        for (auto& e : fs::directory_iterator(path, ec))
            all.push_back(e.path().filename().string());
        std::sort(all.begin(), all.end());
        return all;
    }
    void write(const std::string& name, const std::string& text) const {
        fs::create_directories(path);
        std::ofstream(path / name) << text;
    }
    fs::path path;
};

struct Program {
    Program() { module.SubMain(); }
    FrmWeir& weir() { return static_cast<FrmWeir&>(*module.FormList[1]); }
    // A field filled in as a person does it: focus, the text replaced, the focus moved on.
    void type(ui::TextBox& box, const std::string& text) {
        box.form().setFocus(&box);
        box.setSelection(0, static_cast<int>(box.text().size()));
        box.paste(text);
        box.form().leaveFocus();
    }
    std::string load(const std::string& text) {
        const project::Loaded loaded = project::Load(module, text);
        return loaded.ok ? "" : loaded.error;
    }
    ui::HeadlessServices services;
    MainModule module{services};
};

TEST(Recovery, TheFolderIsTheXdgStateHomesOrTheHomesDefault) {
    const struct {
        const char* state;
        const char* home;
        std::string folder;
    } cases[] = {
        {"/var/tmp/state", "/home/ann", "/var/tmp/state/vadocalc"},
        {nullptr, "/home/ann", "/home/ann/.local/state/vadocalc"},
        {"", "/home/ann", "/home/ann/.local/state/vadocalc"},
        {"relative/state", "/home/ann", "/home/ann/.local/state/vadocalc"},
        {nullptr, nullptr, ""},
        {nullptr, "", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FolderFrom(c.state, c.home), c.folder)
            << (c.state ? c.state : "(unset)") << ", " << (c.home ? c.home : "(unset)");
}

TEST(Recovery, ARunKilledWithUnsavedWorkLeavesItForTheNextStartToRestore) {
    Folder dir;
    Program typed;
    typed.type(typed.weir().txt1H1, "2");
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
            if (pid > 0) ::kill(pid, SIGKILL), ::waitpid(pid, nullptr, 0);
            pid = 0;
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
}

TEST(Recovery, ACleanEndTakesItsWorkAway) {
    Folder dir;
    {
        Session session(dir.path.string());
        EXPECT_TRUE(dir.names().empty()) << "nothing is written before there is work to keep";
        std::string why;
        ASSERT_TRUE(session.keep("first", why)) << why;
        ASSERT_TRUE(session.keep("second", why)) << why;
        std::ifstream in(session.file());
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "second");
        EXPECT_EQ(dir.names().size(), 2u) << "the work and its lock";
        session.drop();
        EXPECT_FALSE(fs::exists(session.file())) << "saved: nothing left to keep";
        ASSERT_TRUE(session.keep("third", why)) << why;
    }
    EXPECT_TRUE(dir.names().empty());
}

// What becomes of a left-over for each answer.
TEST(Recovery, EachAnswerSettlesTheLeftOver) {
    Program blank;
    const std::string good = project::Save(blank.module);
    const struct {
        const char* name;
        std::string text;
        Choice answer;
        bool asked, restored;
        std::vector<std::string> left;  // the folder afterwards
        bool told;
    } cases[] = {
        {"restored", good, Choice::Restore, true, true, {}, false},
        {"discarded", good, Choice::Discard, true, false, {}, false},
        {"kept for later",
         good,
         Choice::Later,
         true,
         false,
         {"session-1-1.lock", "session-1-1.vado"},
         false},
        {"not a project",
         "{\"truncated",
         Choice::Restore,
         true,
         false,
         {"unrestored-1-1.vado"},
         true},
        {"too large to read",
         std::string(project::kMaxBytes + 1, ' '),
         Choice::Restore,
         false,
         false,
         {"unrestored-1-1.vado"},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Folder dir;
        dir.write("session-1-1.vado", c.text);  // a run that never took a lock
        Session start(dir.path.string());
        Program program;
        bool asked = false;
        std::string told;
        const bool restored = OfferLeftOvers(
            start, [&](const LeftOver&) { return asked = true, c.answer; },
            [&](const std::string& text) { return program.load(text); },
            [&](const std::string& message) { told = message; });
        EXPECT_EQ(asked, c.asked);
        EXPECT_EQ(restored, c.restored);
        EXPECT_EQ(dir.names(), c.left);
        EXPECT_EQ(!told.empty(), c.told) << told;
        if (c.told) {
            EXPECT_NE(told.find("unrestored-1-1.vado"), std::string::npos) << told;
        }
        Session later(dir.path.string());
        EXPECT_EQ(later.leftOvers().size(), c.answer == Choice::Later ? 1u : 0u) << "offered again";
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
