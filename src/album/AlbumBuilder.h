#pragma once

#include "common/WindowOps.h"
#include "state/AlbumState.h"

namespace vistarel {

// The per-photo loop of the build: album photo, date stamp, caption, thumbnail and
// preview for every photo of the catalogue, yielding to the window after each.
class AlbumBuilder {
public:
    AlbumBuilder(AlbumState& state, WindowOps& window) : state_(state), window_(window) {}

    // False only when a folder is missing; true also when stopped. Errors at a photo are
    // thrown with the photo's path in their text, after the window's controls are restored.
    bool buildPhotos(int photoQuality, int thumbQuality);

private:
    struct WorkObjects;
    void buildPhoto(int index, const AlbumSettings& settings, int photoQuality, int thumbQuality,
                    WorkObjects& objects);

    AlbumState& state_;
    WindowOps& window_;
};

} // namespace vistarel
