#include "document/readfile.h"

#include "document/errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include "document/nativepath.h"
#endif

namespace {

[[noreturn]] void fail(const std::string &path, int err)
{
    throw FileError(FileOpenMessage(path, SystemReason(err)));
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() { ::close(fd); }
};

} // namespace

std::string ReadWholeFile(const std::string &path)
{
#ifdef _WIN32
    const int fd = ::_wopen(NativePath(path).c_str(), _O_RDONLY | _O_BINARY | _O_NOINHERIT);
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
#endif
    if (fd < 0)
        fail(path, errno);
    const Descriptor closer{fd};
    struct stat st;
    if (::fstat(fd, &st) != 0)
        fail(path, errno);
    if (S_ISDIR(st.st_mode))
        fail(path, EISDIR);
    std::string bytes;
    if (S_ISREG(st.st_mode) && st.st_size > 0)
        bytes.reserve(std::size_t(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            fail(path, errno);
        if (n == 0)
            return bytes;
        bytes.append(buffer, std::size_t(n));
    }
}
