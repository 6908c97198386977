#include "record/AlbumLock.h"

#include <filesystem>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vistarel {

AlbumLock::AlbumLock(const std::string& folder)
    : fd_(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    held_ = fd_ >= 0 && ::flock(fd_, LOCK_EX | LOCK_NB) == 0;
}

AlbumLock::~AlbumLock() {
    if (fd_ >= 0)
        ::close(fd_); // releases the lock
}

void removeStaleTemporaryFiles(const std::string& folder) {
    std::error_code ec;
    for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end;
         it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(".vistarel-") && name.ends_with(".tmp") && it->is_regular_file(ec))
            std::filesystem::remove(it->path(), ec);
    }
}

} // namespace vistarel
