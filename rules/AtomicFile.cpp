// Replacing a file's whole content so that a crash or a full disk never leaves it half written.
#include "rules/AtomicFile.hpp"

#include <atomic>
#include <boost/filesystem/path.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
const char* const TEMPORARY_MARK = ".tmp";
// Letters or digits after the mark and a dot make a save's own temporary, as mkstemp names them.
const size_t UNIQUE_LENGTH = 6;
// Far longer than any save of a game file takes: a unique temporary this old was left by a killed save,
// while a younger one may belong to a save still writing in another window or thread.
const std::time_t ABANDONED_AFTER_SECONDS = 5 * 60;
// Names move on while they are taken; this many taken names in a row is not a clash but a fault.
const int NAME_ATTEMPTS = 100;

std::atomic<unsigned long long> namesDrawn{0};

// The pid tells processes apart and the counter the saves of one process, so two saves running at once
// never pick the same name. A name still taken (left by a killed save of an earlier process with the same
// pid) just moves on to the next.
std::string uniqueTemporaryOf(const std::string& path) {
    static const char characters[] = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const unsigned long long base = sizeof(characters) - 1;
    // The kernel's pids fit in 22 bits; with 13 bits of counter that makes 35, and 62^6 is above 2^35.
    unsigned long long number = (static_cast<unsigned long long>(::getpid()) & 0x3FFFFFULL) << 13 |
                                (namesDrawn.fetch_add(1, std::memory_order_relaxed) & 0x1FFFULL);
    std::string name = path + TEMPORARY_MARK + ".";
    for (size_t i = 0; i < UNIQUE_LENGTH; ++i) {
        name += characters[number % base];
        number /= base;
    }
    return name;
}

bool isUniqueTemporaryName(const char* name, const std::string& prefix) {
    if (std::strncmp(name, prefix.c_str(), prefix.size()) != 0) return false;
    const char* suffix = name + prefix.size();
    size_t length = 0;
    for (; suffix[length] != '\0'; ++length) {
        const char c = suffix[length];
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return length == UNIQUE_LENGTH;
}

// Created with 0666 rather than by mkstemp, whose 0600 would hide a new file from the rest of the
// user's group: the umask applies as to any file the game writes.
int createUniqueTemporary(const std::string& path, std::string& temporary) {
    for (int attempt = 0; attempt < NAME_ATTEMPTS; ++attempt) {
        temporary = uniqueTemporaryOf(path);
        int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, const std::string& content) {
    size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<size_t>(n);
    }
    return true;
}
} // namespace

void removeStaleTemporary(const std::string& path) {
    // No save writes the plain name any more: whatever stands there is an older version's leftover.
    const std::string plain = path + TEMPORARY_MARK;
    struct stat info;
    if (::lstat(plain.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) ::unlink(plain.c_str());

    const boost::filesystem::path file(path);
    const std::string folder = file.has_parent_path() ? file.parent_path().string() : ".";
    const std::string prefix = file.filename().string() + TEMPORARY_MARK + ".";
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) return;
    const std::time_t now = std::time(nullptr);
    while (const dirent* entry = ::readdir(listing)) {
        if (!isUniqueTemporaryName(entry->d_name, prefix)) continue;
        if (::fstatat(::dirfd(listing), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0) continue;
        if (!S_ISDIR(info.st_mode) && now - info.st_mtime > ABANDONED_AFTER_SECONDS)
            ::unlinkat(::dirfd(listing), entry->d_name, 0);
    }
    ::closedir(listing);
}

bool replaceFileAtomically(const std::string& path, const std::string& content) {
    removeStaleTemporary(path);
    struct stat old;
    const bool keepMode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    std::string temporary;
    int fd = createUniqueTemporary(path, temporary);
    if (fd < 0) return false;
    bool written = writeAll(fd, content);
    // Set on the open file, so that a read-only mode does not stop the writing.
    if (keepMode) written = ::fchmod(fd, old.st_mode & 07777) == 0 && written;
    written = ::fsync(fd) == 0 && written;
    written = ::close(fd) == 0 && written;
    // The rename is the one step that changes what readers of path see: the old content whole, then the
    // new content whole. Of overlapping saves, the last to rename wins.
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
