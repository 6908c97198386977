#pragma once

#include "record/RecordedFile.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace vistarel {

// How the album page last wrote a photo's caption.
struct RecordedCaption {
    // The photo's own caption, written as text; else the user's, written as markup.
    bool fromPhoto = false;
    // fromPhoto: the own captions the page may hold. Two while a page is being replaced, so
    // that a build cut short between writing the page and this record still knows them.
    std::vector<std::string> photoTexts;
    bool operator==(const RecordedCaption&) const = default;
};

// One picture of a photo as the last build made it: its size, its file, and the settings
// that shaped it.
struct RecordedPicture {
    int width = 0;
    int height = 0;
    RecordedFile file;
    std::string settings;
    bool operator==(const RecordedPicture&) const = default;
};

// The photo a build read and the two files it made of it.
struct RecordedPictures {
    RecordedFile input;
    RecordedPicture photo;
    RecordedPicture thumbnail;
    bool operator==(const RecordedPictures&) const = default;
};

struct RecordEntry {
    std::optional<RecordedCaption> caption;
    std::optional<RecordedPictures> pictures;
    bool operator==(const RecordEntry&) const = default;
};

// What the program remembers of an album between runs, kept in a hidden file in the album
// folder: per photo (by file name, never a path), where its caption came from and what the
// last build made of it. Written whole after the files it describes, so it is never ahead
// of them; anything it cannot read as its own means "remember nothing".
class AlbumRecord {
public:
    static constexpr const char* kFileName = ".vistarel-album";

    // The folder's record; empty when there is none, or it is foreign, damaged or older.
    static AlbumRecord load(const std::string& folder);
    // Replaces the folder's record, unless it already holds exactly this.
    void save(const std::string& folder) const;

    const RecordEntry* find(const std::string& name) const;
    RecordEntry& entry(const std::string& name) { return entries_[name]; }
    void forgetCaptions();
    // Photos the record knows nothing more of take no line.
    void eraseEmptyEntries();
    const std::map<std::string, RecordEntry>& entries() const { return entries_; }

    // The record as text, and back; nothing when the text is not a whole record of ours.
    std::string text() const;
    static std::optional<AlbumRecord> fromText(std::string_view text);

    bool operator==(const AlbumRecord&) const = default;

private:
    std::map<std::string, RecordEntry> entries_;
};

} // namespace vistarel
