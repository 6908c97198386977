#include "common/ReplacingFile.h"

#include "common/Error.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace vistarel {
namespace {

std::string folderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string temporaryName(const std::string& folder) {
    static std::atomic<unsigned> counter{0};
    return folder + ".vistarel-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) +
           ".tmp";
}

} // namespace

ReplacingFile::ReplacingFile(std::string target) : target_(std::move(target)) {
    const std::string folder = folderOf(target_);
    // O_EXCL never takes over a file that is there already, a link included; 0666 lets
    // the umask give the file the permissions a plain create would.
    for (int attempt = 0; fd_ < 0; ++attempt) {
        temporary_ = temporaryName(folder);
        fd_ = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && (errno != EEXIST || attempt == 100)) {
            const int error = errno;
            temporary_.clear();
            throw cannotCreateFile(target_, error);
        }
    }
}

ReplacingFile::~ReplacingFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!temporary_.empty())
        ::unlink(temporary_.c_str());
}

void ReplacingFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd_, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            throw cannotWriteFile(target_, written < 0 ? errno : ENOSPC);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
}

void ReplacingFile::commit() {
    // Local file systems report a full disk when written to; network ones may report it
    // only on close, so that result counts too. No fsync: it would make a build of many
    // small photos several times slower, and a power cut is not what the rename guards.
    const int closed = ::close(fd_);
    fd_ = -1;
    if (closed != 0 && errno != EINTR)
        throw cannotWriteFile(target_, errno);
    if (std::rename(temporary_.c_str(), target_.c_str()) != 0)
        throw cannotCreateFile(target_, errno);
    temporary_.clear();
}

} // namespace vistarel
