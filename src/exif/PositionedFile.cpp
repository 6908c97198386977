#include "exif/PositionedFile.h"

#include "common/Error.h"

#include <cerrno>

namespace vistarel {

namespace {
constexpr std::uint64_t kFirstUnreachablePosition = std::uint64_t{1} << 31;
}

PositionedFile::PositionedFile(const std::string& path) : file_(std::fopen(path.c_str(), "rb")) {
    if (!file_)
        throw cannotOpenFile(path, errno);
}

void PositionedFile::seek(std::uint64_t position) {
    if (position >= kFirstUnreachablePosition)
        throw ioError(EINVAL);
    if (std::fseek(file_.get(), static_cast<long>(position), SEEK_SET) != 0)
        throw ioError(errno);
}

std::size_t PositionedFile::readSomeAt(std::uint64_t position, void* buffer, std::size_t size) {
    seek(position);
    return std::fread(buffer, 1, size, file_.get());
}

void PositionedFile::readAt(std::uint64_t position, void* buffer, std::size_t size) {
    if (readSomeAt(position, buffer, size) != size)
        throw readBeyondEndOfFile();
}

bool PositionedFile::tryReadAt(std::uint64_t position, void* buffer, std::size_t size) noexcept {
    if (position >= kFirstUnreachablePosition)
        return false;
    if (std::fseek(file_.get(), static_cast<long>(position), SEEK_SET) != 0)
        return false;
    return std::fread(buffer, 1, size, file_.get()) == size;
}

} // namespace vistarel
