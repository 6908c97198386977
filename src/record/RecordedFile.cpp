#include "record/RecordedFile.h"

#include <sys/stat.h>
#include <time.h>
#include <xxhash.h>

namespace vistarel {
namespace {

// Longer than the tick of any file system's clock a photo folder may live on (FAT's is 2 s).
constexpr std::int64_t kSettleNs = 3'000'000'000;

std::int64_t nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}

std::int64_t nowNs() {
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

} // namespace

std::optional<FileIdentity> identityOf(const std::string& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim),
                        nanoseconds(st.st_ctim), static_cast<std::uint64_t>(st.st_ino)};
}

std::string contentHash(std::string_view bytes) {
    const XXH128_hash_t hash = XXH3_128bits(bytes.data(), bytes.size());
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text;
    for (const std::uint64_t half : {hash.high64, hash.low64})
        for (int shift = 60; shift >= 0; shift -= 4)
            text += kHex[(half >> shift) & 0xF];
    return text;
}

std::optional<RecordedFile> recordFile(const std::string& path, std::string_view bytes) {
    const auto identity = identityOf(path);
    if (!identity)
        return std::nullopt;
    const std::int64_t lastChange = std::max(identity->modifiedNs, identity->changedNs);
    return RecordedFile{*identity, contentHash(bytes), nowNs() - lastChange >= kSettleNs};
}

FileState compareIdentity(const RecordedFile& recorded, const std::optional<FileIdentity>& now) {
    if (!now || now->size != recorded.identity.size)
        return FileState::Changed;
    return recorded.settled && *now == recorded.identity ? FileState::Same : FileState::Unsure;
}

} // namespace vistarel
