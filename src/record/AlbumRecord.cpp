#include "record/AlbumRecord.h"

#include "common/FileSystem.h"
#include "common/InputFile.h"

#include <charconv>

namespace vistarel {
namespace {

constexpr std::string_view kHeader = "vistarel-album 1";
constexpr std::string_view kEnd = "end";
// A record larger than this is no record of ours: two lines of some hundred bytes a photo.
constexpr std::size_t kLargestRecord = 256 * 1024 * 1024;

// Names and texts stand at the end of their line: line breaks, control characters and "%"
// are percent-encoded, and so are blanks at either end, which editors and eyes lose.
std::string escaped(std::string_view text) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool edgeBlank = c == ' ' && (i == 0 || i + 1 == text.size());
        if (c < 0x20 || c == 0x7F || c == '%' || edgeBlank) {
            out += '%';
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

std::optional<std::string> unescaped(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        unsigned value = 0;
        const auto end = text.data() + std::min(text.size(), i + 3);
        const auto [ptr, ec] = std::from_chars(text.data() + i + 1, end, value, 16);
        if (ec != std::errc() || ptr != text.data() + i + 3)
            return std::nullopt;
        out += static_cast<char>(value);
        i += 2;
    }
    return out;
}

std::string fileText(const RecordedFile& file) {
    const FileIdentity& id = file.identity;
    return std::to_string(id.size) + ' ' + std::to_string(id.modifiedNs) + ' ' +
           std::to_string(id.changedNs) + ' ' + std::to_string(id.inode) + ' ' + file.hash + ' ' +
           (file.settled ? "settled" : "unsettled");
}

std::string pictureText(const RecordedPicture& picture) {
    return std::to_string(picture.width) + ' ' + std::to_string(picture.height) + ' ' +
           fileText(picture.file) + ' ' + escaped(picture.settings);
}

// Reads the words of a line one by one; the last may be the rest of the line.
class Words {
public:
    explicit Words(std::string_view line) : rest_(line) {}
    std::optional<std::string_view> next() {
        if (rest_.empty())
            return std::nullopt;
        const auto blank = rest_.find(' ');
        const auto word = rest_.substr(0, blank);
        rest_ = blank == std::string_view::npos ? std::string_view() : rest_.substr(blank + 1);
        return word;
    }
    template <class Number> bool number(Number& value) {
        const auto word = next();
        if (!word)
            return false;
        const auto [ptr, ec] = std::from_chars(word->data(), word->data() + word->size(), value);
        return ec == std::errc() && ptr == word->data() + word->size();
    }
    std::string_view rest() const { return rest_; }

private:
    std::string_view rest_;
};

bool isHash(std::string_view word) {
    return word.size() == 32 && word.find_first_not_of("0123456789abcdef") == std::string::npos;
}

bool readFile(Words& words, RecordedFile& file) {
    FileIdentity& id = file.identity;
    if (!words.number(id.size) || !words.number(id.modifiedNs) || !words.number(id.changedNs) ||
        !words.number(id.inode))
        return false;
    const auto hash = words.next();
    const auto settled = words.next();
    if (!hash || !isHash(*hash) || !settled || (*settled != "settled" && *settled != "unsettled"))
        return false;
    file.hash = std::string(*hash);
    file.settled = *settled == "settled";
    return true;
}

bool readPicture(Words& words, RecordedPicture& picture) {
    if (!words.number(picture.width) || !words.number(picture.height) ||
        !readFile(words, picture.file))
        return false;
    const auto settings = unescaped(words.rest());
    if (!settings)
        return false;
    picture.settings = *settings;
    return true;
}

// One line of a photo's entry; false when it is not one.
bool readEntryLine(std::string_view line, RecordEntry& entry) {
    Words words(line);
    const auto keyword = words.next();
    if (keyword == "caption") {
        const auto kind = words.next();
        if (kind == "user" && words.rest().empty() && !entry.caption) {
            entry.caption.emplace();
            return true;
        }
        const auto text = unescaped(words.rest());
        if (kind != "photo" || !text || (entry.caption && !entry.caption->fromPhoto))
            return false;
        RecordedCaption& caption = entry.caption ? *entry.caption : entry.caption.emplace();
        caption.fromPhoto = true;
        caption.photoTexts.push_back(*text);
        return true;
    }
    if (keyword == "input" || keyword == "album-photo" || keyword == "thumbnail") {
        RecordedPictures& pictures = entry.pictures ? *entry.pictures : entry.pictures.emplace();
        if (keyword == "input")
            return readFile(words, pictures.input) && words.rest().empty();
        return readPicture(words, keyword == "album-photo" ? pictures.photo : pictures.thumbnail);
    }
    return false;
}

// An entry's pictures come as three lines: the input and both files.
bool wholePictures(const RecordedPictures& pictures) {
    return !pictures.input.hash.empty() && !pictures.photo.file.hash.empty() &&
           !pictures.thumbnail.file.hash.empty();
}

} // namespace

AlbumRecord AlbumRecord::load(const std::string& folder) {
    const std::string path = folder + kFileName;
    try {
        FileBytes file;
        if (fileExists(path)) {
            readInputFile(path, file, kLargestRecord);
            return fromText(file.text()).value_or(AlbumRecord());
        }
    } catch (const std::exception&) {
        // Unreadable is as good as missing: the build makes everything.
    }
    return {};
}

void AlbumRecord::save(const std::string& folder) const {
    const std::string path = folder + kFileName;
    const std::string bytes = text();
    try {
        if (fileExists(path) && readFileBytes(path) == bytes)
            return;
    } catch (const std::exception&) {
        // Replaced below.
    }
    writeFileBytes(path, bytes);
}

void AlbumRecord::forgetCaptions() {
    for (auto& [name, entry] : entries_)
        entry.caption.reset();
}

void AlbumRecord::eraseEmptyEntries() {
    std::erase_if(entries_,
                  [](const auto& item) { return !item.second.caption && !item.second.pictures; });
}

const RecordEntry* AlbumRecord::find(const std::string& name) const {
    const auto it = entries_.find(name);
    return it == entries_.end() ? nullptr : &it->second;
}

std::string AlbumRecord::text() const {
    std::string out = std::string(kHeader) + '\n';
    for (const auto& [name, entry] : entries_) {
        out += "photo " + escaped(name) + '\n';
        if (const auto& caption = entry.caption) {
            if (!caption->fromPhoto)
                out += "caption user\n";
            for (const std::string& text : caption->photoTexts)
                out += "caption photo " + escaped(text) + '\n';
        }
        if (const auto& pictures = entry.pictures) {
            out += "input " + fileText(pictures->input) + '\n';
            out += "album-photo " + pictureText(pictures->photo) + '\n';
            out += "thumbnail " + pictureText(pictures->thumbnail) + '\n';
        }
    }
    return out + std::string(kEnd) + '\n';
}

std::optional<AlbumRecord> AlbumRecord::fromText(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t start = 0; start < text.size();) {
        const auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            return std::nullopt; // cut short
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    if (lines.size() < 2 || lines.front() != kHeader || lines.back() != kEnd)
        return std::nullopt;
    AlbumRecord record;
    RecordEntry* entry = nullptr;
    for (std::size_t i = 1; i + 1 < lines.size(); ++i) {
        if (lines[i].starts_with("photo ")) {
            const auto name = unescaped(lines[i].substr(6));
            if (!name || name->empty() || record.entries_.contains(*name))
                return std::nullopt;
            entry = &record.entries_[*name];
        } else if (!entry || !readEntryLine(lines[i], *entry)) {
            return std::nullopt;
        }
    }
    for (const auto& [name, read] : record.entries_)
        if (read.pictures && !wholePictures(*read.pictures))
            return std::nullopt;
    return record;
}

} // namespace vistarel
