#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

namespace vistarel {

// A file opened read-only for small reads at given positions. The file is closed when the
// object goes, whichever way the reading ends.
class PositionedFile {
public:
    // Throws the program's "Cannot open file" error when the file cannot be opened.
    explicit PositionedFile(const std::string& path);

    // Positions are sums of 32-bit numbers; a seek to 2^31 or beyond fails with the
    // system's code for an invalid argument ("I/O error %d").
    void seek(std::uint64_t position);

    // Reads exactly size bytes at position; "Read beyond end of file" when fewer are there.
    void readAt(std::uint64_t position, void* buffer, std::size_t size);

    // Reads up to size bytes at position and returns how many were there. Only the seek
    // can throw.
    std::size_t readSomeAt(std::uint64_t position, void* buffer, std::size_t size);

    // Like readAt but reports a short read (or an unreachable position) as false.
    bool tryReadAt(std::uint64_t position, void* buffer, std::size_t size) noexcept;

private:
    struct Closer {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, Closer> file_;
};

} // namespace vistarel
