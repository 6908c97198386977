#pragma once

#include "album/PhotoMaker.h"
#include "record/AlbumRecord.h"

#include <string>

namespace vistarel {

// The settings that shape each of a photo's two files, with the versions of the program and
// of the libraries that make them: a file made under other ones is made again.
struct PictureSettings {
    std::string photo;
    std::string thumbnail;
};
PictureSettings pictureSettings(const AlbumState& state, const AlbumSettings& settings);

// Whether the file at path is still the one recorded: by its identity when that is settled,
// else by the hash of its bytes (read into scratch), in which case the recorded identity is
// brought up to date.
bool stillRecorded(RecordedFile& recorded, const std::string& path, FileBytes& scratch);

// What the record says of the photo's files; none when it says nothing (or when every photo
// is to be made).
const RecordedPictures* recordedPictures(const AlbumRecord& record, const std::string& fileName,
                                         bool remakeAll);

// A rebuild makes of each photo only what is out of date. A photo is up to date when its
// input is the same content, its album photo and thumbnail are still the files the record
// describes, and their settings are the same: then nothing is decoded, encoded or written,
// while its EXIF data is still read, and the window gets a preview made from the album photo
// on disk. Otherwise the photo is made, and only its files that are out of date are to be
// written. Used by several workers at once, like the maker.
class PhotoUpdater {
public:
    PhotoUpdater(const AlbumState& state, const AlbumSettings& settings, const AlbumRecord& record,
                 PhotoMaker& maker);

    void update(const std::string& fileName, PhotoWorkspace& workspace, MadePhoto& made);

private:
    void readMetadata(const std::string& path, PhotoWorkspace& workspace, MadePhoto& made) const;
    std::optional<std::string> previewFromDisk(const std::string& path,
                                               PhotoWorkspace& workspace) const;

    const AlbumState& state_;
    const AlbumSettings& settings_;
    const AlbumRecord& record_;
    PhotoMaker& maker_;
    PictureSettings pictureSettings_;
};

} // namespace vistarel
