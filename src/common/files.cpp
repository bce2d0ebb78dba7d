#include "common/files.h"

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// 0 when `info` is a regular file, else the error open_regular() gives.
int not_regular(const struct stat& info)
{
    if (S_ISREG(info.st_mode)) return 0;
    return S_ISDIR(info.st_mode) ? EISDIR : notRegularFile;
}

// Closes the open descriptor `fd` and returns nullptr with errno set to
// `error`.
std::FILE* refuse(int fd, int error)
{
    close(fd);
    errno = error;
    return nullptr;
}

}  // namespace

std::FILE* open_regular(const char* name, const char* mode)
{
    const bool create = mode[0] == 'w';
    const int access = create ? O_WRONLY : std::strchr(mode, '+') ? O_RDWR : O_RDONLY;
    // Looked at before the open: a FIFO opened for writing alone fails
    // (ENXIO) without a reader, and a device is better not opened at all.
    struct stat info;
    if (stat(name, &info) == 0 && not_regular(info)) {
        errno = not_regular(info);
        return nullptr;
    }
    // O_NONBLOCK keeps the open from waiting should the name have become a
    // FIFO since; the descriptor is looked at again once it is open. The
    // flag may stay: reads and writes of a regular file never wait anyway.
    const int fd =
        open(name, access | O_NONBLOCK | O_CLOEXEC | (create ? O_CREAT : 0), 0666);
    if (fd < 0) return nullptr;  // errno says why
    if (fstat(fd, &info) != 0) return refuse(fd, errno);
    if (not_regular(info)) return refuse(fd, not_regular(info));
    if (create && ftruncate(fd, 0) != 0) return refuse(fd, errno);
    std::FILE* file = fdopen(fd, mode);
    return file ? file : refuse(fd, errno);
}

const char* file_error_text(int error)
{
    return error == notRegularFile ? "it is not a regular file" : std::strerror(error);
}
