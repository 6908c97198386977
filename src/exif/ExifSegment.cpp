#include "exif/ExifSegment.h"

#include <array>
#include <cstring>

namespace vistarel {

namespace {

constexpr unsigned char kMarkerPrefix = 0xFF;
constexpr unsigned char kStartOfImage = 0xD8;
constexpr unsigned char kStartOfScan = 0xDA;
constexpr unsigned char kEndOfImage = 0xD9;
constexpr unsigned char kApp1 = 0xE1;
constexpr char kExifIdentifier[] = {'E', 'x', 'i', 'f', 0, 0};

// Markers that stand alone, without a length field.
bool isStandalone(unsigned char marker) {
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

bool startsWithStartOfImage(const PositionedBytes& file) {
    std::array<unsigned char, 2> bytes{};
    return file.tryReadAt(0, bytes.data(), bytes.size()) && bytes[0] == kMarkerPrefix &&
           bytes[1] == kStartOfImage;
}

bool holdsExifIdentifier(const PositionedBytes& file, std::uint64_t payload, unsigned length) {
    std::array<char, sizeof kExifIdentifier> bytes{};
    if (length < 2 + bytes.size() || !file.tryReadAt(payload, bytes.data(), bytes.size()))
        return false;
    return std::memcmp(bytes.data(), kExifIdentifier, bytes.size()) == 0;
}

} // namespace

std::optional<std::uint64_t> findExifSegment(const PositionedBytes& file) {
    if (!startsWithStartOfImage(file))
        return std::nullopt;
    std::uint64_t position = 2;
    std::array<unsigned char, 4> header{};
    while (file.tryReadAt(position, header.data(), header.size())) {
        if (header[0] != kMarkerPrefix)
            return std::nullopt;
        const unsigned char marker = header[1];
        if (marker == kMarkerPrefix) { // a fill byte before the marker
            position += 1;
            continue;
        }
        if (marker == kStartOfScan || marker == kEndOfImage)
            return std::nullopt;
        if (isStandalone(marker)) {
            position += 2;
            continue;
        }
        const unsigned length = header[2] << 8 | header[3];
        if (length < 2)
            return std::nullopt;
        if (marker == kApp1 && holdsExifIdentifier(file, position + 4, length))
            return position;
        position += 2 + length;
    }
    return std::nullopt;
}

} // namespace vistarel
