#include "common/InputFile.h"

#include "common/Error.h"
#include "common/FileDescriptor.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>

namespace vistarel {

namespace {

// What a path names when it is no regular file, as the user is told.
const char* kindOfNonFile(mode_t mode) {
    if (S_ISDIR(mode))
        return "a folder";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISSOCK(mode))
        return "a socket";
    return "a device";
}

std::string megabytes(std::size_t bytes) {
    return std::to_string((bytes + (1 << 20) - 1) >> 20) + " MiB";
}

Error tooLarge(const std::string& path, std::size_t limit) {
    return Error(path + ": File is too large (more than " + megabytes(limit) + ")");
}

// Reads until the end of the file or until `room` bytes are in; 0 at once at the end.
std::size_t readUpTo(int fd, std::uint8_t* into, std::size_t room, const std::string& path) {
    std::size_t got = 0;
    while (got < room) {
        const ssize_t count = ::read(fd, into + got, room - got);
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            throw Error(path + ": " + ioError(errno).text());
        if (count == 0)
            break;
        got += static_cast<std::size_t>(count);
    }
    return got;
}

} // namespace

// Keeps the first `kept` bytes. With none to keep, the old buffer goes first, so that two
// large buffers are never held at once.
std::uint8_t* FileBytes::reserve(std::size_t capacity, std::size_t kept) {
    if (capacity > capacity_) {
        if (kept == 0)
            buffer_.reset();
        auto larger = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
        std::copy_n(buffer_.get(), kept, larger.get());
        buffer_ = std::move(larger);
        capacity_ = capacity;
    }
    return buffer_.get();
}

namespace {

// Opens an input without blocking; refuses what is not a regular file.
FileDescriptor openInput(const std::string& path, struct stat& status) {
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file)
        throw cannotOpenFile(path, errno);
    if (::fstat(file.get(), &status) != 0)
        throw Error(path + ": " + ioError(errno).text());
    if (!S_ISREG(status.st_mode))
        throw Error("Cannot open file \"" + path + "\". Not a file but " +
                    kindOfNonFile(status.st_mode));
    return file;
}

} // namespace

void readInputHead(const std::string& path, FileBytes& into, std::size_t count) {
    into.size_ = 0;
    struct stat status {};
    const FileDescriptor file = openInput(path, status);
    into.size_ = readUpTo(file.get(), into.reserve(count, 0), count, path);
}

void readInputFile(const std::string& path, FileBytes& into, std::size_t limit) {
    into.size_ = 0;
    struct stat status {};
    const FileDescriptor file = openInput(path, status);
    if (static_cast<std::uint64_t>(status.st_size) > limit)
        throw tooLarge(path, limit);
    // One byte more than the file holds, so that the end is seen without a second buffer;
    // a file that grew since is read on into a larger one.
    std::size_t size = 0;
    for (std::size_t capacity = static_cast<std::size_t>(status.st_size) + 1;; capacity *= 2) {
        std::uint8_t* buffer = into.reserve(capacity, size);
        size += readUpTo(file.get(), buffer + size, capacity - size, path);
        if (size < capacity)
            break;
        if (size > limit)
            throw tooLarge(path, limit);
    }
    into.size_ = size;
}

} // namespace vistarel
