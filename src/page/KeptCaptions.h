#pragma once

#include "record/AlbumRecord.h"
#include "state/AlbumState.h"

#include <string>

namespace vistarel {

// Captions live in the album page; the album record says which of them were the photos'
// own. Together they let typed captions outlive a rebuild and a restart, while a photo
// nobody captioned still follows its own caption when that changes.

// Gives each catalogued photo that the folder's album page lists its caption back from its
// photo line, with its origin from the record: the photo's own where the line holds what
// the record says the page wrote from the photo, else the user's; without a record, left
// for the next build to decide. A page that is not ours or not whole gives nothing.
void takeCaptionsFromPage(PhotoCatalogue& catalogue, const std::string& outputFolder);

// A build's caption rule for a photo whose own caption is photoCaption: nobody's caption
// becomes it; the user's stays; one taken back without a record stays the user's unless
// the page held just what the photo's own would write.
void applyPhotoCaption(PhotoRecord& record, const std::string& photoCaption);

// The record's caption part for a page written from the catalogue.
void recordPageCaptions(AlbumRecord& record, const PhotoCatalogue& catalogue);

// The record to keep while the page of before is replaced by the page of after: for each
// photo every own caption either page may hold, so that a program stopped between the two
// writes still tells the photos' own captions from the user's.
AlbumRecord recordWhilePageIsReplaced(const AlbumRecord& before, const AlbumRecord& after);

} // namespace vistarel
