#include "file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <new>

namespace {

FileBytes failure(std::string reason) {
    FileBytes result;
    result.error = std::move(reason);
    return result;
}

FileBytes read_file(const char* path, std::size_t max_bytes) {
    // Non-blocking, so that opening a pipe with no writer returns at once.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failure(errno == ENOENT || errno == ENOTDIR ? "no such file" : std::strerror(errno));
    struct Closer {
        int fd;
        ~Closer() { close(fd); }
    } closer{fd};

    struct stat info;
    if (fstat(fd, &info) != 0) return failure(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return failure("is a directory");
    if (!S_ISREG(info.st_mode)) return failure("not a regular file");
    if (static_cast<std::size_t>(info.st_size) > max_bytes) return failure("file too large");

    // Read to the end rather than trusting the size: some files report none,
    // and a file may grow meanwhile. One spare byte shows the end without
    // growing the buffer, and one past the limit shows a file too large.
    FileBytes result;
    std::vector<unsigned char>& bytes = result.bytes;
    bytes.resize(static_cast<std::size_t>(info.st_size) + 1);
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size()) {
            if (used > max_bytes) return failure("file too large");
            bytes.resize(std::min(used * 2, max_bytes + 1));
        }
        const ssize_t got = read(fd, bytes.data() + used, bytes.size() - used);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return failure(std::strerror(errno));
        if (got == 0) break;
        used += static_cast<std::size_t>(got);
    }
    if (used == 0) return failure("empty file");
    bytes.resize(used);
    return result;
}

}  // namespace

FileBytes read_regular_file(const char* path, std::size_t max_bytes) {
    try {
        return read_file(path, max_bytes);
    } catch (const std::bad_alloc&) {
        return failure("out of memory");
    }
}
