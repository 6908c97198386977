#include "exif/TiffReader.h"

#include "exif/ExifText.h"
#include "exif/MetadataTags.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vistarel {

namespace {

// Longer texts are cut here; no field the reader fills is anywhere near that long.
constexpr std::uint32_t kLongestText = 65535;
constexpr std::uint32_t kCommentCodeSize = 8;

struct CommentCode {
    const char* name;
    char bytes[kCommentCodeSize];
};

constexpr CommentCode kCommentCodes[] = {
    {"ASCII", {'A', 'S', 'C', 'I', 'I', 0, 0, 0}},
    {"UNICODE", {'U', 'N', 'I', 'C', 'O', 'D', 'E', 0}},
    {"JIS", {'J', 'I', 'S', 0, 0, 0, 0, 0}},
    {"", {0, 0, 0, 0, 0, 0, 0, 0}},
};

// The bytes up to the first NUL. When there is no NUL and the read came up short, the
// value ran past the end of the file and counts as unreadable.
std::string textUpToNul(const std::vector<char>& bytes, std::size_t wanted) {
    const auto nul = std::find(bytes.begin(), bytes.end(), '\0');
    if (nul == bytes.end() && bytes.size() < wanted)
        return {};
    return trimmedText(std::string(bytes.begin(), nul));
}

// UTF-16 bytes without the trailing NUL and blank characters, in either byte order.
std::string trimmedUtf16(std::vector<char> bytes) {
    if (bytes.size() % 2 != 0)
        bytes.pop_back();
    auto isPadding = [](char a, char b) {
        return (a == 0 || a == ' ') && (b == 0 || b == ' ') && (a == 0 || b == 0);
    };
    while (bytes.size() >= 2 && isPadding(bytes[bytes.size() - 2], bytes.back()))
        bytes.resize(bytes.size() - 2);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TiffReader::TiffReader(const PositionedBytes& file, std::uint64_t tiffBase, bool motorolaOrder)
    : file_(file), tiffBase_(tiffBase), motorolaOrder_(motorolaOrder) {}

std::uint16_t TiffReader::decode16(const unsigned char* bytes) const {
    if (motorolaOrder_)
        return static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
    return static_cast<std::uint16_t>(bytes[1] << 8 | bytes[0]);
}

std::uint32_t TiffReader::decode32(const unsigned char* bytes) const {
    const std::uint32_t high = decode16(motorolaOrder_ ? bytes : bytes + 2);
    const std::uint32_t low = decode16(motorolaOrder_ ? bytes + 2 : bytes);
    return high << 16 | low;
}

std::uint16_t TiffReader::readDirectoryCount(std::uint32_t offset) {
    std::array<unsigned char, 2> bytes{};
    file_.readAt(position(offset), bytes.data(), bytes.size());
    return decode16(bytes.data());
}

TiffEntry TiffReader::readEntry(std::uint64_t position) {
    std::array<unsigned char, 12> bytes{};
    file_.readAt(position, bytes.data(), bytes.size());
    TiffEntry entry;
    entry.tag = decode16(bytes.data());
    entry.type = decode16(bytes.data() + 2);
    entry.count = decode32(bytes.data() + 4);
    std::copy_n(bytes.begin() + 8, 4, entry.field.begin());
    if (entry.type == tiff_type::kShort)
        entry.wideValue = decode16(entry.field.data());
    else if (entry.type == tiff_type::kByte)
        entry.wideValue = entry.field[0]; // a single byte sits first in either order
    else
        entry.wideValue = decode32(entry.field.data());
    const bool small = entry.type == tiff_type::kShort || entry.type == tiff_type::kByte;
    entry.value = small ? entry.wideValue & 0xFF : entry.wideValue;
    return entry;
}

// The count includes the closing NUL, but some cameras count only the characters
// ("2005:08:13 09:47:23" with 19): all count bytes are read, the text ends at a NUL.
std::string TiffReader::readText(const TiffEntry& entry) {
    if (entry.count == 0)
        return {};
    const std::uint32_t length = std::min(entry.count, kLongestText);
    if (entry.count <= entry.field.size()) { // short texts live in the value field itself
        const std::vector<char> bytes(entry.field.begin(), entry.field.begin() + length);
        return textUpToNul(bytes, length);
    }
    return readTextAt(position(entry.value), length);
}

std::string TiffReader::readTextAt(std::uint64_t position, std::uint32_t count) {
    std::vector<char> bytes(count);
    bytes.resize(file_.readSomeAt(position, bytes.data(), bytes.size()));
    return textUpToNul(bytes, count);
}

UserCommentValue TiffReader::readUserComment(const TiffEntry& entry) {
    if (entry.count >= kCommentCodeSize) {
        const std::uint64_t start = position(entry.value);
        if (auto code = readCommentCode(start))
            return {code, readCommentText(*code, start + kCommentCodeSize,
                                          entry.count - kCommentCodeSize)};
    }
    return {std::nullopt, readText(entry)};
}

std::optional<std::string> TiffReader::readCommentCode(std::uint64_t position) {
    std::array<char, kCommentCodeSize> bytes{};
    if (file_.readSomeAt(position, bytes.data(), bytes.size()) != bytes.size())
        return std::nullopt;
    for (const CommentCode& known : kCommentCodes)
        if (std::memcmp(bytes.data(), known.bytes, bytes.size()) == 0)
            return known.name;
    return std::nullopt;
}

std::string TiffReader::readCommentText(const std::string& code, std::uint64_t position,
                                        std::uint32_t count) {
    const std::uint32_t length = std::min(count, kLongestText);
    std::vector<char> bytes(length);
    bytes.resize(file_.readSomeAt(position, bytes.data(), length));
    if (code != "UNICODE")
        return textUpToNul(bytes, length);
    if (bytes.size() < length)
        return {};
    return trimmedUtf16(std::move(bytes));
}

std::uint32_t TiffReader::readLong(const TiffEntry& entry) {
    std::array<unsigned char, 4> bytes{};
    if (file_.readSomeAt(position(entry.value), bytes.data(), bytes.size()) != bytes.size())
        return 0;
    return decode32(bytes.data());
}

std::optional<Rational> TiffReader::readRational(const TiffEntry& entry) {
    std::array<unsigned char, 8> bytes{};
    if (file_.readSomeAt(position(entry.value), bytes.data(), bytes.size()) != bytes.size())
        return std::nullopt;
    return Rational{decode32(bytes.data()), decode32(bytes.data() + 4)};
}

} // namespace vistarel
