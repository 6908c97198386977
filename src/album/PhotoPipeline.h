#pragma once

#include "album/ExifPhotoData.h"
#include "album/ImageScaling.h"
#include "common/FrontEnd.h"
#include "record/AlbumRecord.h"

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace vistarel {

// What the workers make of one photo; the calling thread commits it to the album.
struct MadePhoto {
    ExifPhotoData exif;
    PictureSizes sizes;
    // The encoded pictures; none where the encoder refused the picture.
    std::optional<std::string> photoJpeg, thumbnailJpeg, previewJpeg;
    std::string damage;       // libjpeg's warning when the photo's data was damaged
    std::exception_ptr error; // the photo could not be made

    // What a rebuild found. Up to date: nothing was made, and the record's entry (kept)
    // still describes both files. Else the files not made are kept as kept describes them,
    // and input is the photo as it was read.
    bool upToDate = false;
    bool photoMade = true;
    bool thumbnailMade = true;
    bool photoVerifiedByHash = false; // its file time may no longer be the one it was given
    std::optional<RecordedPictures> kept;
    std::optional<RecordedFile> input;
};

// How many workers a build uses: the hardware threads this process may run on, at most
// requested when that is positive, and no more than the machine's memory holds when each
// may take memoryPerJob bytes (0: no such bound).
int buildJobs(int requested, std::size_t memoryPerJob = 0);

// Makes photos on worker threads and hands them back to the calling thread one by one in
// catalogue order. Only the calling thread starts photos and takes them, so everything the
// user sees happens there, in order; at most twice as many photos as workers are in flight,
// which bounds the memory of a build whatever the number of photos.
class PhotoPipeline {
public:
    // Runs on a worker thread; an exception it throws is kept in the photo's error.
    using Work = std::function<void(int index, MadePhoto& made)>;

    PhotoPipeline(int jobs, Work work);
    // Drops the photos no worker has begun and waits for the others.
    ~PhotoPipeline();
    PhotoPipeline(const PhotoPipeline&) = delete;
    PhotoPipeline& operator=(const PhotoPipeline&) = delete;

    int started() const { return started_; }
    bool hasRoom() const { return started_ - taken_ < static_cast<int>(slots_.size()); }
    // Starts the photo after the last one started; needs room.
    void startNext();
    // The next photo in order, once it is made; the front end processes its events while
    // the calling thread waits. Needs a started photo not yet taken.
    MadePhoto takeNext(FrontEnd& frontEnd);

private:
    struct Slot {
        MadePhoto made;
        bool ready = false;
    };
    struct Workers;
    void run(int index);

    Work work_;
    std::vector<Slot> slots_;
    int started_ = 0;
    int taken_ = 0;
    int unfinished_ = 0;
    bool dropping_ = false;
    std::mutex mutex_;
    std::condition_variable finished_;
    std::unique_ptr<Workers> workers_;
};

} // namespace vistarel
