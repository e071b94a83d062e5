#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vado::recovery {

// Where unsaved work is kept: $XDG_STATE_HOME/vadocalc, or ~/.local/state/vadocalc when
// XDG_STATE_HOME is unset, empty or not an absolute path (as the XDG base directories say).
// "" when neither is known.
std::string FolderFrom(const char* xdgStateHome, const char* home);
std::string DefaultFolder();

// Work a run left unsaved and did not take away, because it did not end cleanly.
struct LeftOver {
    std::string file;
    std::string text;         // the job, in the project format
    std::string readError;    // why the file could not be read, else ""
    std::int64_t keptAt = 0;  // when it was last written, seconds since the epoch
};

enum class Choice { Restore, Discard, Later };

// The recovery file of one running program, and the ones earlier runs left behind.
//
// Each run that has kept something holds an exclusive lock on a file of its own beside its
// recovery file for as long as it runs; the system drops the lock when the process ends, however
// it ends. A recovery file whose lock can be taken therefore belongs to a run no longer running.
// Nothing is written until there is work to keep.
class Session {
  public:
    explicit Session(std::string folder);
    // A clean end: this run's recovery file and lock go.
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Replaces this run's recovery file with `text`, all at once. False, with `why`, when it
    // cannot be written.
    bool keep(const std::string& text, std::string& why);
    // Nothing is unsaved any more: this run's recovery file goes.
    void drop();
    // This run's recovery file (it exists only while something is kept).
    std::string file() const;
    bool keeping() const { return kept_; }

    // The recovery files of runs that are no longer running, newest first. Each one stays
    // claimed by this run, so no other start offers it too, until `settle` or the end.
    std::vector<LeftOver> leftOvers();
    // Restored or discarded, a left-over goes; kept for later, the next start offers it again.
    void settle(const LeftOver& work, Choice choice);
    // Moves a left-over that cannot be restored aside, under a name no start offers, and gives
    // that name ("" when it could not be moved and was left where it was).
    std::string setAside(const LeftOver& work);

  private:
    std::string path(const std::string& base, const char* suffix) const;
    bool claim(std::string& why);
    void release(const std::string& base, bool remove);

    std::string folder_;
    std::string base_;  // this run's file names, without their suffix
    int lockFd_ = -1;
    bool kept_ = false;
    std::map<std::string, int> claimed_;  // left-overs held by this run: base name, lock
};

// Offers the left-overs, newest first, until one is restored: `ask` puts the question,
// `restore` loads the text and gives "" or why it could not be loaded, `tell` says what
// happened to work that could not be restored (it is set aside, never lost). The rest wait for
// a later start. True when work was restored.
bool OfferLeftOvers(Session& session, const std::function<Choice(const LeftOver&)>& ask,
                    const std::function<std::string(const std::string& text)>& restore,
                    const std::function<void(const std::string& message)>& tell);

}  // namespace vado::recovery
