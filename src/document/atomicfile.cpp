#include "document/atomicfile.h"

#include "document/errors.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include "document/nativepath.h"
#endif

namespace {

#ifdef _WIN32
constexpr char FolderSeparators[] = "/\\";

// The errno of the system's last error, for the same Polish reasons as elsewhere.
int lastErrorNumber()
{
    switch (GetLastError()) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EACCES;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_WRITE_PROTECT: return EROFS;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    default: return EIO;
    }
}

int openNewFile(const std::string &path)
{
    return ::_wopen(NativePath(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

int syncFile(int fd)
{
    return ::_commit(fd);
}

// 0, or the errno of why temp could not take target's place (std::rename never replaces on Windows).
int replaceFile(const std::string &temp, const std::string &target)
{
    return MoveFileExW(NativePath(temp).c_str(), NativePath(target).c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? 0
               : lastErrorNumber();
}

void removeFile(const std::string &path)
{
    ::_wunlink(NativePath(path).c_str());
}
#else
constexpr char FolderSeparators[] = "/";

int openNewFile(const std::string &path)
{
    return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
}

int syncFile(int fd)
{
    return ::fsync(fd);
}

int replaceFile(const std::string &temp, const std::string &target)
{
    return std::rename(temp.c_str(), target.c_str()) == 0 ? 0 : errno;
}

void removeFile(const std::string &path)
{
    ::unlink(path.c_str());
}
#endif

constexpr char NameLetters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool isNameLetter(char ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
}

// A fresh temporary name in folder (empty or ending with '/'); each call draws other letters.
std::string temporaryName(const std::string &folder)
{
    static std::atomic<uint64_t> calls{0};
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    // splitmix64 of the time, the process and a counter: names differ between calls and programs.
    uint64_t x = uint64_t(now.tv_nsec) ^ (uint64_t(now.tv_sec) << 30) ^ (uint64_t(::getpid()) << 42)
                 ^ (calls.fetch_add(1) * 0x9E3779B97F4A7C15ull);
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    x ^= x >> 31;
    std::string name = folder + std::string(TemporaryPrefix);
    for (std::size_t i = 0; i < TemporaryUniqueLength; ++i, x /= 62)
        name += NameLetters[x % 62];
    return name + std::string(TemporarySuffix);
}

} // namespace

bool IsTemporaryName(std::string_view name)
{
    if (name.size() != TemporaryPrefix.size() + TemporaryUniqueLength + TemporarySuffix.size()
        || !name.starts_with(TemporaryPrefix) || !name.ends_with(TemporarySuffix))
        return false;
    const std::string_view unique = name.substr(TemporaryPrefix.size(), TemporaryUniqueLength);
    return std::all_of(unique.begin(), unique.end(), isNameLetter);
}

std::string ResolveWriteTarget(const std::string &path)
{
    std::string target = path;
#ifndef _WIN32  // links there are rare and not followed
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
#endif
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
    const std::size_t slash = target.find_last_of(FolderSeparators);
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
#ifndef _WIN32  // Windows has no permission bits to carry over
    struct stat old;
    const bool replacing = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode);
#endif

    // O_EXCL: the temporary file is always a new one of ours, never a file or link lying there.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = temporaryName(folder);
        fd = openNewFile(temp);
        if (fd < 0 && errno != EEXIST)
            break;
    }
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
#ifndef _WIN32
    else if (replacing && ::fchmod(fd, old.st_mode & 07777) != 0)
        err = errno;
#endif
    else if (sync && syncFile(fd) != 0)
        err = errno;
    if (::close(fd) != 0 && err == 0)
        err = errno;
    if (err == 0)
        err = replaceFile(temp, target);
    if (err != 0) {
        removeFile(temp);
        throw FileError(FileCreateMessage(path, SystemReason(err)));
    }
}
