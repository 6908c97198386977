#pragma once

#include "exif/PositionedBytes.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace vistarel {

// One 12-byte directory entry, decoded in the block's byte order.
struct TiffEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::array<unsigned char, 4> field{}; // the value field as stored
    // BYTE and SHORT entries: the low 8 bits of the value; other types: the whole field.
    std::uint32_t value = 0;
    // BYTE and SHORT entries: the whole value; other types: the whole field.
    std::uint32_t wideValue = 0;
};

struct Rational {
    std::uint32_t numerator = 0;
    std::uint32_t denominator = 0;
};

// A user comment split into its character code ("ASCII", "UNICODE", "JIS" or "" for
// undefined; nothing when the value has no code field) and the text after it.
struct UserCommentValue {
    std::optional<std::string> code;
    std::string text;
};

// Reads the directories and values of a TIFF block that starts at tiffBase in the file;
// every offset in the block counts from there. Directory counts and entries must be in
// the file ("Read beyond end of file" otherwise); the value readers give an empty or zero
// value instead when their bytes are not there. Any seek to 2^31 or beyond throws.
class TiffReader {
public:
    TiffReader(const PositionedBytes& file, std::uint64_t tiffBase, bool motorolaOrder);

    std::uint16_t readDirectoryCount(std::uint32_t offset);
    TiffEntry readEntry(std::uint64_t position);

    std::string readText(const TiffEntry& entry);
    UserCommentValue readUserComment(const TiffEntry& entry);
    std::uint32_t readLong(const TiffEntry& entry);
    std::optional<Rational> readRational(const TiffEntry& entry);

    std::uint16_t decode16(const unsigned char* bytes) const;
    std::uint32_t decode32(const unsigned char* bytes) const;

    std::uint64_t position(std::uint32_t offset) const { return tiffBase_ + offset; }

private:
    std::string readTextAt(std::uint64_t position, std::uint32_t count);
    std::optional<std::string> readCommentCode(std::uint64_t position);
    std::string readCommentText(const std::string& code, std::uint64_t position,
                                std::uint32_t count);

    const PositionedBytes& file_;
    std::uint64_t tiffBase_;
    bool motorolaOrder_;
};

} // namespace vistarel
