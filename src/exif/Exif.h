#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace vistarel {

class PositionedBytes;
class TiffReader;
struct TiffEntry;

// The EXIF record of one JPEG file: what the first image directory and the EXIF
// sub-directory hold, as texts and numbers. Strings are the file's bytes, unconverted,
// with trailing bytes of value 0x20 or less removed.
class TExif {
public:
    TExif() = default; // cleared

    // Every string empty, every number 0, ExifFound false.
    void Clear();

    // Nothing at all happens when no regular file of that name exists. Otherwise the record
    // is cleared and filled from the file's bytes as ReadFromBytes does; the file's own
    // errors (see readInputFile) come first.
    void ReadFromFile(const std::string& path);

    // Clears the record and fills it as far as the bytes of a JPEG file allow. Throws
    // vistarel::Error "Read beyond end of file" for a position past the end outside the
    // value readers, however far past; the fields read until then stay.
    void ReadFromBytes(std::span<const std::uint8_t> bytes);

    // Whether the block was big-endian ("MM"): the byte order of a UNICODE UserComment.
    bool IsMotorolaOrder() const { return MotorolaOrder; }

    std::string ImageDescription;
    std::string Make;
    std::string Model;
    std::uint8_t Orientation = 0; // 1 to 8; 1 for a value outside them; 0 without the tag
    std::string OrientationText;
    std::string RightsNotice;
    bool ExifFound = false; // an APP1 segment with an EXIF block was found
    std::string DateTime;
    std::string DateTimeOriginal;
    std::string DateTimeDigitized;
    // The comment after its character code when it has one, else the stored text. For
    // UNICODE these are the raw UTF-16 bytes in the block's order.
    std::string UserComment;
    // "ASCII", "UNICODE", "JIS", or "" for an undefined code or none.
    std::string UserCommentCode;
    std::string ExposureTime;
    std::string FNumber;
    std::string ShutterSpeed;
    std::string Aperture;
    std::string MaxAperture;
    std::uint8_t ExposureProgram = 0;
    std::string ExposureProgramText;
    std::int32_t ExifImageWidth = 0;
    std::int32_t ExifImageHeight = 0;
    std::int32_t XResolution = 0;
    std::int32_t YResolution = 0;
    std::uint8_t MeteringMode = 0;
    std::string MeteringModeText;
    std::uint8_t LightSource = 0;
    std::string LightSourceText;
    std::uint8_t Flash = 0;
    std::string FlashText;
    std::uint16_t ISOSpeed = 0;
    std::string Software;
    std::string Artist;
    std::string CompressedBitsPerPixel;

private:
    void readTiffBlock(const PositionedBytes& file, std::uint64_t app1Position);
    void walkDirectory(TiffReader& reader, std::uint32_t offset, bool isIfd0);
    void dispatchIfd0Entry(TiffReader& reader, const TiffEntry& entry);
    void dispatchExifEntry(TiffReader& reader, const TiffEntry& entry);
    void readOrientation(const TiffEntry& entry);
    void readExifTexts(TiffReader& reader, const TiffEntry& entry);
    void readExifCodes(const TiffEntry& entry);

    std::uint32_t ExifIfdOffset = 0; // 0: no EXIF sub-directory
    bool MotorolaOrder = false;      // the block is big-endian
};

} // namespace vistarel
