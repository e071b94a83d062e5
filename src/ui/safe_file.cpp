#include "ui/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace ui {

namespace fs = std::filesystem;

namespace {

// A chain of links longer than this is taken for a loop, as the kernel does with ELOOP.
constexpr int kMaxLinks = 40;

std::string Reason(int error) { return std::strerror(error); }

}  // namespace

std::string WriteTarget(const std::string& path, std::string& why) {
    fs::path p(path);
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        std::error_code ec;
        const fs::file_status st = fs::symlink_status(p, ec);
        if (ec && ec != std::errc::no_such_file_or_directory) return (why = ec.message(), "");
        if (!fs::is_symlink(st)) return p.string();
        const fs::path next = fs::read_symlink(p, ec);
        if (ec) return (why = ec.message(), "");
        p = next.is_absolute() ? next : p.parent_path() / next;
    }
    why = Reason(ELOOP);
    return "";
}

bool MayReplace(const std::string& target, std::string& why) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0) {
        if (errno == ENOENT) return true;
        return (why = Reason(errno), false);
    }
    if (S_ISREG(st.st_mode)) return true;
    if (S_ISDIR(st.st_mode))
        why = "it is a folder, not a file";
    else
        why = "it is not a regular file (a device, a pipe or a socket)";
    return false;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes, std::string& why) {
    const std::string target = WriteTarget(path, why);
    if (target.empty() || !MayReplace(target, why)) return false;

    // The temporary file sits beside the target, so the rename stays on one file system.
    std::string temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) return (why = Reason(errno), false);
    auto fail = [&](int error) {
        ::close(fd);
        ::unlink(temporary.c_str());
        why = Reason(error);
        return false;
    };

    // Keep the permissions of the file being replaced; a new file gets the usual 0666 less umask.
    struct stat old {};
    mode_t mode;
    if (::stat(target.c_str(), &old) == 0) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) return fail(errno);

    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(errno);
    if (::close(fd) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return (why = Reason(error), false);
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary.c_str());
        return (why = Reason(error), false);
    }
    return true;
}

}  // namespace ui
