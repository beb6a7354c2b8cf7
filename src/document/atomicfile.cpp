#include "document/atomicfile.h"

#include "document/errors.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

const char *const TemporarySuffix = ".zapis~";

std::string ResolveWriteTarget(const std::string &path)
{
    std::string target = path;
    // The system gives up on longer chains too (ELOOP); the open below then reports it.
    for (int hop = 0; hop < 40; ++hop) {
        struct stat st;
        if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            break;
        char link[PATH_MAX];
        const ssize_t n = readlink(target.c_str(), link, sizeof link - 1);
        if (n <= 0)
            break;
        const std::string to(link, std::size_t(n));
        const std::size_t slash = target.find_last_of('/');
        // A relative link is read from the folder that holds it.
        target = (to.front() == '/' || slash == std::string::npos) ? to : target.substr(0, slash + 1) + to;
    }
    return target;
}

namespace {

// Writes all of bytes, going on after a short write; false with errno set when the system refuses.
bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = EIO;
            return false;
        }
        bytes.remove_prefix(std::size_t(n));
    }
    return true;
}

} // namespace

void WriteFileAtomically(const std::string &path, std::string_view bytes, bool sync)
{
    const std::string target = ResolveWriteTarget(path);
    const std::string temp = target + TemporarySuffix;
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);

    // O_NOFOLLOW: a link lying under the temporary name is never written through.
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    // Not created: whatever lies under the temporary name is not ours to remove.
    if (fd < 0)
        throw FileError(FileCreateMessage(path, SystemReason(errno)));

    int err = 0;
    struct stat written;
    if (!writeAll(fd, bytes))
        err = errno;
    else if (::fstat(fd, &written) != 0)
        err = errno;
    else if (written.st_size != off_t(bytes.size()))
        err = EIO;  // the system took less than it said it did
    else if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        err = errno;
    else if (sync && ::fsync(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0 && std::rename(temp.c_str(), target.c_str()) != 0)
        err = errno;
    if (err != 0) {
        ::unlink(temp.c_str());
        throw FileError(FileCreateMessage(path, SystemReason(err)));
    }
}
