#pragma once

#include <string>
#include <string_view>

namespace ui {

// Where a write to `path` lands: a symbolic link is followed (through every link of a chain) to
// its final target, which need not exist yet. Writing there keeps the link pointing where it did.
// Empty, with `why` set, when the chain loops or cannot be read.
std::string WriteTarget(const std::string& path, std::string& why);

// Checks that `target` (as WriteTarget gives it) may be replaced by a file: it is missing or a
// regular file. A folder, a device, a FIFO or a socket is never replaced; `why` says which.
bool MayReplace(const std::string& target, std::string& why);

// Replaces the file at `path` with `bytes` all at once: written to a temporary file beside the
// target, flushed to the disk and renamed over it, so an interrupted write leaves the old file
// whole. A symbolic link is followed to its target; a target that is not a regular file is
// refused. On failure nothing is changed and `why` says what went wrong, in a few words that
// fit after "cannot be written to PATH: ".
bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& why);

}  // namespace ui
