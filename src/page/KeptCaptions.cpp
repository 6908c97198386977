#include "page/KeptCaptions.h"

#include "page/AlbumPageReader.h"
#include "page/PhotoLine.h"

#include <algorithm>
#include <map>

namespace vistarel {
namespace {

void takeCaption(PhotoRecord& photo, const PagePhotoLine& line, const RecordEntry* entry) {
    if (!entry || !entry->caption) {
        photo.caption = captionFromField(line.captionField);
        photo.captionOrigin = CaptionOrigin::Page;
        return;
    }
    for (const std::string& text : entry->caption->photoTexts) {
        if (photoCaptionField(text) == line.captionField) {
            photo.caption = text;
            photo.captionOrigin = CaptionOrigin::Photo;
            return;
        }
    }
    // The user's, or edited in the page by hand since the photo's own was written.
    photo.caption = captionFromField(line.captionField);
    photo.captionOrigin = CaptionOrigin::User;
}

std::optional<RecordedCaption> captionWhileReplaced(const std::optional<RecordedCaption>& before,
                                                    const std::optional<RecordedCaption>& after) {
    if (!before || !after)
        return std::nullopt; // either page's caption is then left to the next build
    if (!before->fromPhoto && !after->fromPhoto)
        return after;
    RecordedCaption both{true, before->photoTexts};
    for (const std::string& text : after->photoTexts)
        if (std::find(both.photoTexts.begin(), both.photoTexts.end(), text) ==
            both.photoTexts.end())
            both.photoTexts.push_back(text);
    return both;
}

} // namespace

void takeCaptionsFromPage(PhotoCatalogue& catalogue, const std::string& outputFolder) {
    const auto lines = readAlbumPage(outputFolder + "index.html");
    if (!lines)
        return;
    std::map<std::string, const PagePhotoLine*> byName;
    for (const PagePhotoLine& line : *lines)
        byName.emplace(line.fileNameField, &line);
    const AlbumRecord record = AlbumRecord::load(outputFolder);
    for (PhotoRecord& photo : catalogue)
        if (const auto line = byName.find(fileNameField(photo.fileName)); line != byName.end())
            takeCaption(photo, *line->second, record.find(photo.fileName));
}

void applyPhotoCaption(PhotoRecord& record, const std::string& photoCaption) {
    switch (record.captionOrigin) {
    case CaptionOrigin::Photo:
        record.caption = photoCaption;
        break;
    case CaptionOrigin::User:
        break;
    case CaptionOrigin::Page:
        if (captionField(record) == photoCaptionField(photoCaption)) {
            record.caption = photoCaption;
            record.captionOrigin = CaptionOrigin::Photo;
        } else {
            record.captionOrigin = CaptionOrigin::User;
        }
        break;
    }
}

void recordPageCaptions(AlbumRecord& record, const PhotoCatalogue& catalogue) {
    record.forgetCaptions(); // the page lists only the catalogue
    for (const PhotoRecord& photo : catalogue) {
        auto& caption = record.entry(photo.fileName).caption;
        if (photo.captionOrigin == CaptionOrigin::Photo)
            caption = RecordedCaption{true, {photo.caption}};
        else if (photo.captionOrigin == CaptionOrigin::User)
            caption = RecordedCaption{};
    }
    record.eraseEmptyEntries();
}

AlbumRecord recordWhilePageIsReplaced(const AlbumRecord& before, const AlbumRecord& after) {
    AlbumRecord both = after;
    for (const auto& [name, entry] : after.entries()) {
        const RecordEntry* old = before.find(name);
        both.entry(name).caption =
            captionWhileReplaced(old ? old->caption : std::nullopt, entry.caption);
    }
    both.eraseEmptyEntries();
    return both;
}

} // namespace vistarel
