#pragma once

#include "common/AlbumSettings.h"
#include "common/FrontEnd.h"
#include "state/AlbumState.h"

#include <string>
#include <vector>

namespace vistarel {

// Looks at every file a build is about to write (album photos, "sm_" thumbnails, the page,
// the style) before the first is written. Refuses the build with one warning naming the
// files when a thumbnail's name would be too long for the output folder's file system,
// when an output is the same file as an input photo (a link into the input folder) or when
// two photos would write the same output. True when the build may go on, also when
// a folder is missing: the build reports that itself.
bool checkPlannedOutputs(const AlbumState& state, const AlbumSettings& settings,
                         FrontEnd& frontEnd);

// The photos whose thumbnail names ("sm_" + the name) the folder's file system cannot hold.
std::vector<std::string> photosWithTooLongNames(const PhotoCatalogue& catalogue,
                                                const std::string& folder);

// Whether the file system holding folder takes names that differ only in letter case for
// one name. Found out by creating a probe file there; false when it cannot be made.
bool folderIgnoresCase(const std::string& folder);

// The photos whose album photos or thumbnails would have one name, as "<photo> a <photo>"
// lines in catalogue order; with ignoringCase, names that differ only in letter case
// (compared letter by letter in lower case, as such a file system does) are one name.
std::vector<std::string> photosWritingOneName(const PhotoCatalogue& catalogue, bool ignoringCase);

} // namespace vistarel
