// Replacing a file's whole content so that a crash or a full disk never leaves it half written.
#include "rules/AtomicFile.hpp"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
std::string temporaryOf(const std::string& path) { return path + ".tmp"; }

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
    const std::string temporary = temporaryOf(path);
    struct stat info;
    if (::lstat(temporary.c_str(), &info) == 0 && !S_ISDIR(info.st_mode)) ::unlink(temporary.c_str());
}

bool replaceFileAtomically(const std::string& path, const std::string& content) {
    const std::string temporary = temporaryOf(path);
    // A temporary left by an interrupted save may even be read-only (it had the old file's mode): start
    // afresh rather than write into it.
    removeStaleTemporary(path);
    struct stat old;
    const bool keepMode = ::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode);
    int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    bool written = writeAll(fd, content);
    // Set on the open file, so that a read-only mode does not stop the writing.
    if (keepMode) written = ::fchmod(fd, old.st_mode & 07777) == 0 && written;
    written = ::fsync(fd) == 0 && written;
    written = ::close(fd) == 0 && written;
    if (!written || std::rename(temporary.c_str(), path.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}
