#include "iptc/IptcCaption.h"

#include "common/Cp1250.h"
#include "exif/ExifText.h"
#include "iptc/Windows1252.h"

#include <cstdint>
#include <optional>

namespace vistarel {
namespace {

constexpr std::string_view kPhotoshopHeader{"Photoshop 3.0\0", 14};
constexpr std::string_view kResourceSignature = "8BIM";
constexpr std::uint16_t kIptcResource = 0x0404;
constexpr unsigned char kTagMarker = 0x1C;
constexpr unsigned char kApplicationRecord = 2;
constexpr unsigned char kCaptionAbstract = 120;

std::uint32_t bigEndian(std::string_view bytes) {
    std::uint32_t value = 0;
    for (const char c : bytes)
        value = value << 8 | static_cast<unsigned char>(c);
    return value;
}

// The resource blocks of every Photoshop segment, one after another.
std::string resourceBlocks(const std::vector<std::string_view>& payloads) {
    std::string blocks;
    for (const std::string_view payload : payloads)
        if (payload.starts_with(kPhotoshopHeader))
            blocks += payload.substr(kPhotoshopHeader.size());
    return blocks;
}

// The data of the IPTC resource: "8BIM", the id, a name (a length byte and the name,
// padded to an even size), the data's size (32 bits) and the data, padded to even.
std::optional<std::string_view> iptcResource(std::string_view blocks) {
    std::size_t pos = 0;
    while (pos + 8 <= blocks.size() && blocks.substr(pos, 4) == kResourceSignature) {
        const auto id = static_cast<std::uint16_t>(bigEndian(blocks.substr(pos + 4, 2)));
        const std::size_t nameField = (1 + static_cast<unsigned char>(blocks[pos + 6]) + 1) & ~1u;
        const std::size_t sizeAt = pos + 6 + nameField;
        if (sizeAt + 4 > blocks.size())
            return std::nullopt;
        const std::size_t size = bigEndian(blocks.substr(sizeAt, 4));
        const std::size_t dataAt = sizeAt + 4;
        if (size > blocks.size() - dataAt)
            return std::nullopt;
        if (id == kIptcResource)
            return blocks.substr(dataAt, size);
        pos = dataAt + size + (size & 1);
    }
    return std::nullopt;
}

// The first 2:120 dataset: 1C, record, dataset, a 16-bit length (its top bit set: the
// number of bytes of a longer length that follows), the data.
std::optional<std::string_view> captionDataset(std::string_view data) {
    std::size_t pos = 0;
    while (pos + 5 <= data.size() && static_cast<unsigned char>(data[pos]) == kTagMarker) {
        const auto record = static_cast<unsigned char>(data[pos + 1]);
        const auto dataset = static_cast<unsigned char>(data[pos + 2]);
        std::size_t length = bigEndian(data.substr(pos + 3, 2));
        pos += 5;
        if (length & 0x8000) {
            const std::size_t lengthSize = length & 0x7FFF;
            if (lengthSize > 4 || lengthSize > data.size() - pos)
                return std::nullopt;
            length = bigEndian(data.substr(pos, lengthSize));
            pos += lengthSize;
        }
        if (length > data.size() - pos)
            return std::nullopt;
        if (record == kApplicationRecord && dataset == kCaptionAbstract)
            return data.substr(pos, length);
        pos += length;
    }
    return std::nullopt;
}

} // namespace

std::string readIptcCaption(const std::vector<std::string_view>& app13Payloads) {
    const std::string blocks = resourceBlocks(app13Payloads);
    const auto resource = iptcResource(blocks);
    const auto caption = resource ? captionDataset(*resource) : std::nullopt;
    if (!caption)
        return {};
    return trimmedText(isValidUtf8(*caption) ? std::string(*caption) : cp1252ToUtf8(*caption));
}

} // namespace vistarel
