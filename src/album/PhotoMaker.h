#pragma once

#include "album/ImageScaling.h"
#include "album/PhotoPipeline.h"
#include "common/AlbumSettings.h"
#include "common/InputFile.h"
#include "image/ColourProfile.h"
#include "image/JpegDecoder.h"
#include "state/AlbumState.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vistarel {

// The comment editor's previews are never saved; a middling quality is enough.
inline constexpr int kPreviewQuality = 80;

// What one worker makes photos with; the buffers are kept from photo to photo, so they are
// allocated once per worker for the largest photo it meets.
struct PhotoWorkspace {
    FileBytes file;       // the photo's file, read whole
    FileBytes outputFile; // an album file read back to tell whether it is still as made
    ScaledPictures pictures;
    Raster turned;
};

// One photo's way from its file to the three encoded pictures: the EXIF data, the decode at
// the scale the pictures need, the three drawings, upright, in the colours the photo's
// profile means, and the encodes. One maker serves a whole build and may be used by several
// workers at once, each with its own workspace; the colour conversions are shared.
class PhotoMaker {
public:
    PhotoMaker(const AlbumState& state, const AlbumSettings& settings,
               const DecodeLimits& limits = {})
        : state_(state), settings_(settings), limits_(limits) {}

    // Reads the photo's file whole into the workspace (see readInputFile) and makes the
    // photo from those bytes. Throws the program's Error, naming the path, when the file
    // cannot be read or decoded.
    void make(const std::string& path, PhotoWorkspace& workspace, MadePhoto& made);
    // The same for bytes already read (workspace.file's, say): the EXIF block is read from
    // them and libjpeg decodes them; path only names the photo.
    void makeFromBytes(const std::string& path, std::span<const std::uint8_t> bytes,
                       PhotoWorkspace& workspace, MadePhoto& made);

    // The most memory the making of one photo can take: its file, libjpeg's buffers and the
    // three pictures.
    std::size_t memoryBound() const;

private:
    void finishPictures(int orientation, const SrgbConversion* toSrgb,
                        PhotoWorkspace& workspace) const;

    const AlbumState& state_;
    const AlbumSettings& settings_;
    DecodeLimits limits_;
    ColourProfiles profiles_;
};

} // namespace vistarel
