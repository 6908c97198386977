#pragma once

#include "album/PhotoPipeline.h"
#include "album/PhotoUpdate.h"
#include "record/AlbumRecord.h"
#include "state/AlbumState.h"

#include <optional>
#include <string>
#include <vector>

namespace vistarel {

// What the record keeps of a photo a build has just committed: the kept entry of one found
// up to date; else the input as read and each file as written now or kept. None when a
// picture could not be encoded, so that the next build makes it again.
std::optional<RecordedPictures> recordedAfterCommit(const MadePhoto& made,
                                                    const PictureSettings& settings,
                                                    const std::optional<RecordedFile>& photo,
                                                    const std::optional<RecordedFile>& thumbnail);

// A photo the build did not reach keeps the sizes of its files when the record finds them
// up to date without reading them (the settings and every identity equal), so that a
// stopped build's page does not list it at 0 x 0 beside its files.
void takeRecordedSizes(PhotoRecord& photo, const AlbumRecord& record, const AlbumSettings& settings,
                       const PictureSettings& pictureSettings);

// Removes the files the record lists for photos that are no longer in the catalogue, where
// they are still the files the record describes and no photo of the catalogue writes that
// name, and forgets those photos' files. Returns the paths removed.
std::vector<std::string> pruneRemovedPhotos(AlbumRecord& record, const PhotoCatalogue& catalogue,
                                            const std::string& outputFolder);

} // namespace vistarel
