#pragma once

#include <string>

namespace vistarel {

// One build or page write at a time in an album folder, across processes: an exclusive
// lock on the folder itself (flock), so nothing is created for it and it ends with the
// process however that ends. Two writers would otherwise mix their pages and records.
class AlbumLock {
public:
    // Takes the lock if no other process holds it; held() tells. A folder that cannot be
    // opened is not held either (the command reports the missing folder itself).
    explicit AlbumLock(const std::string& folder);
    ~AlbumLock();
    AlbumLock(const AlbumLock&) = delete;
    AlbumLock& operator=(const AlbumLock&) = delete;

    bool held() const { return held_; }

private:
    int fd_ = -1;
    bool held_ = false;
};

// The temporary files a writer that was killed left in the folder (".vistarel-*.tmp"). Only
// with the lock held: then no writer of ours is at work there.
void removeStaleTemporaryFiles(const std::string& folder);

} // namespace vistarel
