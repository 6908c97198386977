#include "exif/Exif.h"

#include "common/FileSystem.h"
#include "common/InputFile.h"
#include "exif/ExifNames.h"
#include "exif/ExifSegment.h"
#include "exif/ExifText.h"
#include "exif/MetadataTags.h"
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
    {exif_tag::kImageDescription, &TExif::ImageDescription},
    {exif_tag::kMake, &TExif::Make},
    {exif_tag::kModel, &TExif::Model},
    {exif_tag::kSoftware, &TExif::Software},
    {exif_tag::kDateTime, &TExif::DateTime},
    {exif_tag::kArtist, &TExif::Artist},
    {exif_tag::kCopyright, &TExif::RightsNotice},
}};

constexpr std::array<TextTag, 4> kExifDecimals{{
    {exif_tag::kFNumber, &TExif::FNumber},
    {exif_tag::kCompressedBitsPerPixel, &TExif::CompressedBitsPerPixel},
    {exif_tag::kApertureValue, &TExif::Aperture},
    {exif_tag::kMaxApertureValue, &TExif::MaxAperture},
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
    if (const auto app1 = findExifSegment(bytes))
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
    case exif_tag::kOrientation:
        readOrientation(entry);
        break;
    case exif_tag::kXResolution:
        XResolution = static_cast<std::int32_t>(reader.readLong(entry));
        break;
    case exif_tag::kYResolution:
        YResolution = static_cast<std::int32_t>(reader.readLong(entry));
        break;
    case exif_tag::kExifIfdPointer:
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
    case exif_tag::kExposureTime:
        ExposureTime = exposureTimeText(reader.readRational(entry));
        break;
    case exif_tag::kShutterSpeedValue:
        ShutterSpeed = shutterSpeedText(timeValue(reader.readRational(entry))).value_or("");
        break;
    case exif_tag::kIsoSpeed:
        ISOSpeed = static_cast<std::uint16_t>(entry.wideValue);
        break;
    case exif_tag::kPixelXDimension:
        ExifImageWidth = static_cast<std::int32_t>(entry.wideValue);
        break;
    case exif_tag::kPixelYDimension:
        ExifImageHeight = static_cast<std::int32_t>(entry.wideValue);
        break;
    default:
        readExifTexts(reader, entry);
        readExifCodes(entry);
    }
}

// The whole value, not its low byte: 262 is no 6. A value no camera means leaves the
// photo as stored; the text still says it is unknown.
void TExif::readOrientation(const TiffEntry& entry) {
    const bool known = entry.wideValue >= 1 && entry.wideValue <= 8;
    Orientation = known ? static_cast<std::uint8_t>(entry.wideValue) : 1;
    OrientationText = orientationName(entry.wideValue);
}

void TExif::readExifTexts(TiffReader& reader, const TiffEntry& entry) {
    switch (entry.tag) {
    case exif_tag::kDateTimeOriginal:
        DateTimeOriginal = reader.readText(entry);
        break;
    case exif_tag::kDateTimeDigitized:
        DateTimeDigitized = reader.readText(entry);
        break;
    case exif_tag::kUserComment: {
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
    case exif_tag::kExposureProgram:
        ExposureProgram = low8;
        ExposureProgramText = exposureProgramName(entry.value);
        break;
    case exif_tag::kMeteringMode:
        MeteringMode = low8;
        MeteringModeText = meteringModeName(entry.value);
        break;
    case exif_tag::kLightSource:
        LightSource = low8;
        LightSourceText = lightSourceName(entry.value);
        break;
    case exif_tag::kFlash:
        Flash = low8;
        FlashText = flashName(entry.value);
        break;
    }
}

} // namespace vistarel
