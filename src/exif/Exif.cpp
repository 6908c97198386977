#include "exif/Exif.h"

#include "common/FileSystem.h"
#include "common/InputFile.h"
#include "exif/ExifNames.h"
#include "exif/ExifSegment.h"
#include "exif/ExifText.h"
#include "exif/PositionedBytes.h"
#include "exif/TiffReader.h"

#include <array>

namespace vistarel {

namespace {

constexpr std::uint32_t kIfd0CountWhenZero = 100;
constexpr std::uint64_t kEntrySize = 12;
// The TIFF header follows the 9 bytes of marker, length and "Exif" 00, and its first
// byte is the identifier's second 00; offsets count from the byte after that.
constexpr std::uint64_t kTiffHeaderOffset = 9;
constexpr std::uint64_t kTiffBaseOffset = 10;

struct TextTag {
    std::uint16_t tag;
    std::string TExif::*field;
};

constexpr std::array<TextTag, 7> kIfd0Texts{{
    {270, &TExif::ImageDescription},
    {271, &TExif::Make},
    {272, &TExif::Model},
    {305, &TExif::Software},
    {306, &TExif::DateTime},
    {315, &TExif::Artist},
    {33432, &TExif::RightsNotice},
}};

constexpr std::array<TextTag, 4> kExifDecimals{{
    {33437, &TExif::FNumber},
    {37122, &TExif::CompressedBitsPerPixel},
    {37378, &TExif::Aperture},
    {37381, &TExif::MaxAperture},
}};

std::string TExif::*findField(const auto& table, std::uint16_t tag) {
    for (const TextTag& entry : table)
        if (entry.tag == tag)
            return entry.field;
    return nullptr;
}

// An APEX time value as the reader gets it: both halves unsigned, so a negative value
// comes out huge; 0 when it cannot be read or the denominator is 0.
float timeValue(const std::optional<Rational>& rational) {
    if (!rational || rational->denominator == 0)
        return 0.0f;
    return static_cast<float>(static_cast<double>(rational->numerator) / rational->denominator);
}

std::string exposureTimeText(const std::optional<Rational>& rational) {
    const std::string fraction =
        rational ? fractionRationalText(rational->numerator, rational->denominator) : "";
    return fraction + " seconds";
}

std::string decimalText(const std::optional<Rational>& rational) {
    if (!rational)
        return {};
    return decimalRationalText(rational->numerator, rational->denominator).value_or("");
}

} // namespace

void TExif::Clear() {
    *this = TExif();
}

void TExif::ReadFromFile(const std::string& path) {
    if (!fileExists(path))
        return;
    Clear();
    FileBytes file;
    readInputFile(path, file);
    ReadFromBytes(file.bytes());
}

void TExif::ReadFromBytes(std::span<const std::uint8_t> bytes) {
    Clear();
    const PositionedBytes file(bytes);
    if (const auto app1 = findExifSegment(file))
        readTiffBlock(file, *app1);
}

void TExif::readTiffBlock(const PositionedBytes& file, std::uint64_t app1Position) {
    ExifFound = true;
    std::array<unsigned char, 11> header{};
    file.readAt(app1Position + kTiffHeaderOffset, header.data(), header.size());
    MotorolaOrder = header[1] == 'M' && header[2] == 'M';
    TiffReader reader(file, app1Position + kTiffBaseOffset, MotorolaOrder);
    walkDirectory(reader, reader.decode32(header.data() + 5), true);
    if (ExifIfdOffset != 0)
        walkDirectory(reader, ExifIfdOffset, false);
}

void TExif::walkDirectory(TiffReader& reader, std::uint32_t offset, bool isIfd0) {
    std::uint32_t count = reader.readDirectoryCount(offset);
    if (isIfd0 && count == 0)
        count = kIfd0CountWhenZero;
    std::uint64_t position = reader.position(offset) + 2;
    for (std::uint32_t i = 0; i < count; ++i, position += kEntrySize) {
        const TiffEntry entry = reader.readEntry(position);
        if (entry.tag == 0)
            return;
        if (isIfd0)
            dispatchIfd0Entry(reader, entry);
        else
            dispatchExifEntry(reader, entry);
    }
}

void TExif::dispatchIfd0Entry(TiffReader& reader, const TiffEntry& entry) {
    if (const auto field = findField(kIfd0Texts, entry.tag)) {
        this->*field = reader.readText(entry);
        return;
    }
    switch (entry.tag) {
    case 274:
        Orientation = static_cast<std::uint8_t>(entry.value);
        OrientationText = orientationName(Orientation);
        break;
    case 282:
        XResolution = static_cast<std::int32_t>(reader.readLong(entry));
        break;
    case 283:
        YResolution = static_cast<std::int32_t>(reader.readLong(entry));
        break;
    case 34665:
        ExifIfdOffset = entry.value;
        break;
    }
}

void TExif::dispatchExifEntry(TiffReader& reader, const TiffEntry& entry) {
    if (const auto field = findField(kExifDecimals, entry.tag)) {
        this->*field = decimalText(reader.readRational(entry));
        return;
    }
    switch (entry.tag) {
    case 33434:
        ExposureTime = exposureTimeText(reader.readRational(entry));
        break;
    case 37377:
        ShutterSpeed = shutterSpeedText(timeValue(reader.readRational(entry))).value_or("");
        break;
    case 34855:
        ISOSpeed = static_cast<std::uint16_t>(entry.wideValue);
        break;
    case 40962:
        ExifImageWidth = static_cast<std::int32_t>(entry.wideValue);
        break;
    case 40963:
        ExifImageHeight = static_cast<std::int32_t>(entry.wideValue);
        break;
    default:
        readExifTexts(reader, entry);
        readExifCodes(entry);
    }
}

void TExif::readExifTexts(TiffReader& reader, const TiffEntry& entry) {
    switch (entry.tag) {
    case 36867:
        DateTimeOriginal = reader.readText(entry);
        break;
    case 36868:
        DateTimeDigitized = reader.readText(entry);
        break;
    case 37510: {
        UserCommentValue comment = reader.readUserComment(entry);
        UserComment = std::move(comment.text);
        UserCommentCode = comment.code.value_or("");
        break;
    }
    }
}

void TExif::readExifCodes(const TiffEntry& entry) {
    const auto low8 = static_cast<std::uint8_t>(entry.value);
    switch (entry.tag) {
    case 34850:
        ExposureProgram = low8;
        ExposureProgramText = exposureProgramName(entry.value);
        break;
    case 37383:
        MeteringMode = low8;
        MeteringModeText = meteringModeName(entry.value);
        break;
    case 37384:
        LightSource = low8;
        LightSourceText = lightSourceName(entry.value);
        break;
    case 37385:
        Flash = low8;
        FlashText = flashName(entry.value);
        break;
    }
}

} // namespace vistarel
