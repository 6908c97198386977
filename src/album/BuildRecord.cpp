#include "album/BuildRecord.h"

#include <cstdio>
#include <set>

namespace vistarel {
namespace {

std::optional<RecordedPicture> picture(bool made, const PictureSize& size,
                                       const std::optional<RecordedFile>& file,
                                       const std::string& settings, const RecordedPicture* kept) {
    if (!made)
        return kept ? std::optional(*kept) : std::nullopt;
    if (!file)
        return std::nullopt;
    return RecordedPicture{size.width, size.height, *file, settings};
}

bool sameIdentity(const RecordedFile& file, const std::string& path) {
    return identityOf(path) == file.identity;
}

} // namespace

std::optional<RecordedPictures> recordedAfterCommit(const MadePhoto& made,
                                                    const PictureSettings& settings,
                                                    const std::optional<RecordedFile>& photo,
                                                    const std::optional<RecordedFile>& thumbnail) {
    if (made.upToDate)
        return made.kept;
    const RecordedPictures* kept = made.kept ? &*made.kept : nullptr;
    const auto photoPicture = picture(made.photoMade, made.sizes.photo, photo, settings.photo,
                                      kept ? &kept->photo : nullptr);
    const auto thumbnailPicture = picture(made.thumbnailMade, made.sizes.thumbnail, thumbnail,
                                          settings.thumbnail, kept ? &kept->thumbnail : nullptr);
    if (!made.input || !photoPicture || !thumbnailPicture)
        return std::nullopt;
    return RecordedPictures{*made.input, *photoPicture, *thumbnailPicture};
}

void takeRecordedSizes(PhotoRecord& photo, const AlbumRecord& record, const AlbumSettings& settings,
                       const PictureSettings& pictureSettings) {
    const RecordedPictures* recorded = recordedPictures(record, photo.fileName, settings.remakeAll);
    if (!recorded || recorded->photo.settings != pictureSettings.photo ||
        recorded->thumbnail.settings != pictureSettings.thumbnail ||
        !sameIdentity(recorded->input, settings.inputFolder + photo.fileName) ||
        !sameIdentity(recorded->photo.file, settings.outputFolder + photo.fileName) ||
        !sameIdentity(recorded->thumbnail.file, settings.outputFolder + "sm_" + photo.fileName))
        return;
    photo.photoWidth = recorded->photo.width;
    photo.photoHeight = recorded->photo.height;
    photo.thumbWidth = recorded->thumbnail.width;
    photo.thumbHeight = recorded->thumbnail.height;
}

std::vector<std::string> pruneRemovedPhotos(AlbumRecord& record, const PhotoCatalogue& catalogue,
                                            const std::string& outputFolder) {
    std::set<std::string> inCatalogue, written;
    for (const PhotoRecord& photo : catalogue) {
        inCatalogue.insert(photo.fileName);
        written.insert(photo.fileName);
        written.insert("sm_" + photo.fileName);
    }
    std::vector<std::string> removed;
    std::vector<std::string> gone;
    FileBytes scratch;
    for (const auto& [name, entry] : record.entries()) {
        if (inCatalogue.contains(name) || !entry.pictures)
            continue;
        gone.push_back(name);
        RecordedPictures files = *entry.pictures;
        for (auto [file, fileName] :
             {std::pair{&files.photo.file, name}, std::pair{&files.thumbnail.file, "sm_" + name}}) {
            const std::string path = outputFolder + fileName;
            if (!written.contains(fileName) && stillRecorded(*file, path, scratch) &&
                std::remove(path.c_str()) == 0)
                removed.push_back(path);
        }
    }
    for (const std::string& name : gone)
        record.entry(name).pictures.reset();
    record.eraseEmptyEntries();
    return removed;
}

} // namespace vistarel
