#include "album/PhotoUpdate.h"

#include "album/DecodeScale.h"
#include "album/ExifPhotoData.h"
#include "captions/MetadataSegments.h"
#include "common/Error.h"
#include "common/Version.h"
#include "image/ImagingLibraries.h"
#include "image/JpegEncoder.h"
#include "image/JpegImage.h"

namespace vistarel {
namespace {

// Where a photo's metadata lies: a camera's segments before the first scan take some tens
// of kilobytes.
constexpr std::size_t kHeadBytes = 256 * 1024;

} // namespace

// Both sizes shape both files: together they choose the scale the photo is decoded at, and
// the thumbnail is drawn from the album photo when that is twice its size.
PictureSettings pictureSettings(const AlbumState& state, const AlbumSettings& settings) {
    const std::string made =
        std::string("vistarel ") + kProgramVersion + ", " + imagingLibraries() + ", upright " +
        (settings.turnUpright ? "yes" : "no") + ", photo " + std::to_string(state.photoSize) +
        ", thumbnail " + std::to_string(state.thumbSize) + ", quality ";
    return {made + std::to_string(settings.photoQuality),
            made + std::to_string(settings.thumbQuality)};
}

bool stillRecorded(RecordedFile& recorded, const std::string& path, FileBytes& scratch) {
    switch (compareIdentity(recorded, identityOf(path))) {
    case FileState::Same:
        return true;
    case FileState::Changed:
        return false;
    case FileState::Unsure:
        break;
    }
    try {
        readInputFile(path, scratch);
    } catch (const Error&) {
        return false;
    }
    if (contentHash(scratch.text()) != recorded.hash)
        return false;
    if (auto now = recordFile(path, scratch.text()))
        recorded = *now;
    return true;
}

const RecordedPictures* recordedPictures(const AlbumRecord& record, const std::string& fileName,
                                         bool remakeAll) {
    const RecordEntry* entry = remakeAll ? nullptr : record.find(fileName);
    return entry && entry->pictures ? &*entry->pictures : nullptr;
}

PhotoUpdater::PhotoUpdater(const AlbumState& state, const AlbumSettings& settings,
                           const AlbumRecord& record, PhotoMaker& maker)
    : state_(state), settings_(settings), record_(record), maker_(maker),
      pictureSettings_(pictureSettings(state, settings)) {}

void PhotoUpdater::update(const std::string& fileName, PhotoWorkspace& workspace, MadePhoto& made) {
    const std::string input = settings_.inputFolder + fileName;
    const RecordedPictures* recorded = recordedPictures(record_, fileName, settings_.remakeAll);
    bool readWhole = false;
    bool inputSame = false;
    if (recorded) {
        made.kept = *recorded;
        switch (compareIdentity(recorded->input, identityOf(input))) {
        case FileState::Same:
            inputSame = true;
            break;
        case FileState::Changed:
            break;
        case FileState::Unsure:
            readInputFile(input, workspace.file);
            readWhole = true;
            inputSame = contentHash(workspace.file.text()) == recorded->input.hash;
            break;
        }
    }
    const std::string output = settings_.outputFolder;
    if (inputSame) {
        RecordedPictures& kept = *made.kept;
        made.photoMade = kept.photo.settings != pictureSettings_.photo ||
                         !stillRecorded(kept.photo.file, output + fileName, workspace.outputFile);
        // Kept by its hash under another identity: its time may have been changed.
        made.photoVerifiedByHash =
            !made.photoMade && kept.photo.file.identity != recorded->photo.file.identity;
        made.thumbnailMade =
            kept.thumbnail.settings != pictureSettings_.thumbnail ||
            !stillRecorded(kept.thumbnail.file, output + "sm_" + fileName, workspace.outputFile);
    }
    if (inputSame && !made.photoMade && !made.thumbnailMade) {
        if (!readWhole)
            readMetadata(input, workspace, made);
        else
            made.exif = readExifPhotoData(input, workspace.file.bytes(), settings_.captionSources);
        made.upToDate = true;
        if (settings_.keepPreviews)
            made.previewJpeg = previewFromDisk(output + fileName, workspace);
        return;
    }
    if (!readWhole)
        readInputFile(input, workspace.file);
    maker_.makeFromBytes(input, workspace.file.bytes(), workspace, made);
    made.input = recordFile(input, workspace.file.text());
}

// The head of the file is enough for the metadata unless its segments reach further, or a
// damaged EXIF block points beyond them: then the whole file is read, as a full build does.
void PhotoUpdater::readMetadata(const std::string& path, PhotoWorkspace& workspace,
                                MadePhoto& made) const {
    readInputHead(path, workspace.file, kHeadBytes);
    if (findMetadataSegments(workspace.file.text()).wanted == 0) {
        try {
            made.exif = readExifPhotoData(path, workspace.file.bytes(), settings_.captionSources);
            return;
        } catch (const Error&) {
            // Read again whole, below.
        }
    }
    readInputFile(path, workspace.file);
    made.exif = readExifPhotoData(path, workspace.file.bytes(), settings_.captionSources);
}

// The album photo is already upright and in sRGB; decoded at a scale still twice the
// preview, it is a small file's work. A preview that cannot be made leaves the box blank.
std::optional<std::string> PhotoUpdater::previewFromDisk(const std::string& path,
                                                         PhotoWorkspace& workspace) const {
    try {
        readInputFile(path, workspace.outputFile);
        PictureSize preview;
        DecodeOptions options;
        options.chooseScale = [&](int width, int height) {
            preview = pictureSizes(width, height, state_).preview;
            return decodeScale(width, height, {preview, preview, preview});
        };
        JpegImage photo;
        photo.load(workspace.outputFile.bytes(), path, options);
        Raster& picture = workspace.pictures.preview;
        picture.resize(preview.width, preview.height);
        workspace.pictures.resamplers[2].resample(photo.picture(), picture, photo.scale());
        return encodeJpeg(picture, kPreviewQuality);
    } catch (const Error&) {
        return std::nullopt;
    }
}

} // namespace vistarel
