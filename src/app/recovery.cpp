#include "app/recovery.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>

#include "app/project_file.h"
#include "ui/safe_file.h"

namespace vado::recovery {

namespace fs = std::filesystem;

namespace {

// Every name a run uses starts with this; a set-aside file does not, so no start offers it.
constexpr const char* kPrefix = "session-";
constexpr const char* kWork = ".vado";
constexpr const char* kLock = ".lock";

bool EndsWith(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

std::int64_t ModifiedAt(const std::string& file) {
    std::error_code ec;
    const auto t = fs::last_write_time(file, ec);
    if (ec) return 0;
    const auto sys = std::chrono::file_clock::to_sys(t);
    return std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count();
}

// Removes the temporary files an interrupted write of `work` left beside it.
void RemoveTemporaries(const std::string& folder, const std::string& work) {
    const std::string stem = fs::path(work).filename().string() + ".";
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (entry.path().filename().string().starts_with(stem)) fs::remove(entry.path(), ec);
}

// Makes the lock file `path`, held by this process. It is made and locked under a passing name
// and only then linked to its own, so no one ever sees it unlocked; the link fails when the
// file is there already (another start claimed it first). Close-on-exec: a program started
// from this one (a document viewer) must not hold the lock on after this run ends. -1 with
// errno set when it cannot be made.
int NewLock(const std::string& path) {
    std::string passing = path + ".XXXXXX";
    const int fd = ::mkostemp(passing.data(), O_CLOEXEC);
    if (fd < 0) return -1;
    const bool made =
        ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::link(passing.c_str(), path.c_str()) == 0;
    const int error = errno;
    ::unlink(passing.c_str());
    if (made) return fd;
    ::close(fd);
    errno = error;
    return -1;
}

}  // namespace

std::string FolderFrom(const char* xdgStateHome, const char* home) {
    if (xdgStateHome && xdgStateHome[0] == '/')
        return (fs::path(xdgStateHome) / "vadocalc").string();
    if (home && home[0] != '\0') return (fs::path(home) / ".local" / "state" / "vadocalc").string();
    return "";
}

std::string DefaultFolder() {
    return FolderFrom(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

Session::Session(std::string folder) : folder_(std::move(folder)) {
    // The process number tells runs apart while they run; the start time keeps a later run
    // that is given the same number from taking an old run's name.
    const auto started = std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::system_clock::now().time_since_epoch())
                             .count();
    base_ = std::string(kPrefix) + std::to_string(::getpid()) + "-" + std::to_string(started);
}

Session::~Session() {
    drop();
    if (lockFd_ >= 0) {
        ::unlink(path(base_, kLock).c_str());
        ::close(lockFd_);
    }
    while (!claimed_.empty()) release(claimed_.begin()->first, false);
}

std::string Session::path(const std::string& base, const char* suffix) const {
    return (fs::path(folder_) / (base + suffix)).string();
}

std::string Session::file() const { return path(base_, kWork); }

bool Session::claim(std::string& why) {
    if (lockFd_ >= 0) return true;
    if (folder_.empty()) return (why = "neither XDG_STATE_HOME nor HOME is set", false);
    std::error_code ec;
    if (fs::create_directories(folder_, ec)) fs::permissions(folder_, fs::perms::owner_all, ec);
    if (ec) return (why = ec.message(), false);
    lockFd_ = NewLock(path(base_, kLock));
    if (lockFd_ < 0) return (why = std::strerror(errno), false);
    return true;
}

bool Session::keep(const std::string& text, std::string& why) {
    if (!claim(why)) return false;
    if (!ui::WriteFileAtomically(file(), text, why)) return false;
    kept_ = true;
    return true;
}

void Session::drop() {
    if (!kept_) return;
    kept_ = false;
    ::unlink(file().c_str());
}

std::vector<LeftOver> Session::leftOvers() {
    std::set<std::string> bases, withWork;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder_, ec)) {
        const std::string name = entry.path().filename().string();
        if (!name.starts_with(kPrefix)) continue;
        for (const char* suffix : {kWork, kLock}) {
            if (!EndsWith(name, suffix)) continue;
            const std::string base = name.substr(0, name.size() - std::strlen(suffix));
            if (base == base_ || claimed_.contains(base)) continue;
            bases.insert(base);
            if (suffix == kWork) withWork.insert(base);
        }
    }

    std::vector<LeftOver> found;
    for (const std::string& base : bases) {
        const std::string lock = path(base, kLock);
        int fd = ::open(lock.c_str(), O_RDWR | O_CLOEXEC);
        if (fd >= 0 && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            ::close(fd);  // its run is still running, or another start has it
            continue;
        }
        // Work without a lock: its run is gone, and this start takes a lock of its own on it.
        if (fd < 0 && (errno != ENOENT || (fd = NewLock(lock)) < 0)) continue;
        claimed_[base] = fd;
        if (!withWork.contains(base)) {
            release(base, true);
            continue;
        }
        LeftOver work{.file = path(base, kWork)};
        if (!project::ReadText(work.file, work.text, work.readError)) work.text.clear();
        work.keptAt = ModifiedAt(work.file);
        found.push_back(std::move(work));
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const LeftOver& a, const LeftOver& b) { return a.keptAt > b.keptAt; });
    return found;
}

void Session::release(const std::string& base, bool remove) {
    auto it = claimed_.find(base);
    if (it == claimed_.end()) return;
    if (remove) {
        const std::string work = path(base, kWork);
        ::unlink(work.c_str());
        RemoveTemporaries(folder_, work);
        ::unlink(path(base, kLock).c_str());
    }
    ::close(it->second);
    claimed_.erase(it);
}

void Session::settle(const LeftOver& work, Choice choice) {
    const std::string name = fs::path(work.file).filename().string();
    if (!EndsWith(name, kWork)) return;
    release(name.substr(0, name.size() - std::strlen(kWork)), choice != Choice::Later);
}

std::string Session::setAside(const LeftOver& work) {
    const fs::path from(work.file);
    const std::string name = from.filename().string();
    const fs::path to = from.parent_path() / ("unrestored-" + name.substr(std::strlen(kPrefix)));
    std::error_code ec;
    fs::rename(from, to, ec);
    if (ec) {
        settle(work, Choice::Later);
        return "";
    }
    settle(work, Choice::Discard);
    return to.string();
}

bool OfferLeftOvers(Session& session, const std::function<Choice(const LeftOver&)>& ask,
                    const std::function<std::string(const std::string& text)>& restore,
                    const std::function<void(const std::string& message)>& tell) {
    bool restored = false;
    for (const LeftOver& work : session.leftOvers()) {
        if (restored) {
            session.settle(work, Choice::Later);
            continue;
        }
        std::string why = work.readError;
        if (why.empty()) {
            const Choice choice = ask(work);
            if (choice != Choice::Restore) {
                session.settle(work, choice);
                continue;
            }
            why = restore(work.text);
            if (why.empty()) {
                session.settle(work, Choice::Restore);
                restored = true;
                continue;
            }
        }
        const std::string kept = session.setAside(work);
        tell("The unsaved work of an earlier session could not be restored. " + why +
             (kept.empty() ? "\nIt is still in " + work.file + "."
                           : "\nIt has been kept in " + kept + "."));
    }
    return restored;
}

}  // namespace vado::recovery
