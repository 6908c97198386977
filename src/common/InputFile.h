#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace vistarel {

// Larger files are refused before they are read: a photo is held whole in memory while it
// is made, by every worker at once.
inline constexpr std::size_t kMaxInputFileBytes = std::size_t{256} << 20;

// The bytes of one file, read whole. The buffer is kept for the next file read into it, so a
// worker that reads photo after photo allocates only for a file larger than any before.
class FileBytes {
public:
    std::span<const std::uint8_t> bytes() const { return {buffer_.get(), size_}; }
    std::string_view text() const { return {reinterpret_cast<const char*>(buffer_.get()), size_}; }
    std::size_t size() const { return size_; }

private:
    friend void readInputFile(const std::string& path, FileBytes& into, std::size_t limit);
    friend void readInputHead(const std::string& path, FileBytes& into, std::size_t count);
    std::uint8_t* reserve(std::size_t capacity, std::size_t kept);

    std::unique_ptr<std::uint8_t[]> buffer_;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

// Reads the file at path whole into `into`, in one read when the file keeps the size it had
// when opened. The file is opened without blocking and must be a regular file: a named pipe
// or a device put in a photo's place would otherwise hold the build in open or read for
// ever. Throws the program's errors: "Cannot open file" with the system's reason or with
// "Not a file but a folder" (a named pipe, a device, a socket); after the path, "File is
// too large" beyond limit or "I/O error".
void readInputFile(const std::string& path, FileBytes& into,
                   std::size_t limit = kMaxInputFileBytes);

// The first count bytes of the file (fewer when it is shorter), opened as above: where a
// photo's metadata is, when its pixels are not needed.
void readInputHead(const std::string& path, FileBytes& into, std::size_t count);

} // namespace vistarel
