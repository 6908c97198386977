#pragma once

#include <string>
#include <string_view>

namespace vistarel {

// Writes a file whole or not at all. The bytes go to a new hidden file beside the target
// (".vistarel-*.tmp", a name no album file can have), which is closed (its write errors
// counted) and then renamed over the target: until commit() the target is untouched, and an
// entry that is a link is replaced rather than written through. The data is not forced to
// the disk (no fsync): a crash of the program leaves the old file or the new, a power cut
// may leave either empty. Every failure throws the program's file error naming the target;
// the temporary file never outlives the object, unless the process is killed.
class ReplacingFile {
public:
    explicit ReplacingFile(std::string target);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    void write(std::string_view bytes);
    void commit();

private:
    std::string target_;
    std::string temporary_; // empty once renamed
    int fd_ = -1;
};

} // namespace vistarel
