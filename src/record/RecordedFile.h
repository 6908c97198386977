#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vistarel {

// What the file system says of a file, enough to tell without reading it that it is still
// the file it was: an edit changes its change time even when a tool restores its size and
// modification time.
struct FileIdentity {
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::int64_t changedNs = 0;
    std::uint64_t inode = 0;
    bool operator==(const FileIdentity&) const = default;
};

// The identity of the regular file at path; none when there is no such file.
std::optional<FileIdentity> identityOf(const std::string& path);

// A 128-bit xxHash of the bytes, as 32 hexadecimal digits.
std::string contentHash(std::string_view bytes);

// A file as a build last saw it. Its identity is trusted only once it is settled: taken at
// least a couple of seconds after the file last changed, so that a change within the same
// tick of a coarse file-system clock cannot hide behind an equal identity.
struct RecordedFile {
    FileIdentity identity;
    std::string hash;
    bool settled = false;
    bool operator==(const RecordedFile&) const = default;
};

// The file as it is now, with the hash of its bytes.
std::optional<RecordedFile> recordFile(const std::string& path, std::string_view bytes);

enum class FileState { Same, Changed, Unsure };
// Same when the identity is settled and equal; Changed when the file is gone or differs in
// size; Unsure otherwise, when only its hash can tell.
FileState compareIdentity(const RecordedFile& recorded, const std::optional<FileIdentity>& now);

} // namespace vistarel
