#pragma once

#include <cstdint>

// The numbers the photo's metadata is made of, under the names their standards give them:
// shared by the EXIF reader and the readers of the other caption sources.
namespace vistarel {

namespace exif_tag {
// The first image directory (IFD0).
inline constexpr std::uint16_t kImageDescription = 0x010E;
inline constexpr std::uint16_t kMake = 0x010F;
inline constexpr std::uint16_t kModel = 0x0110;
inline constexpr std::uint16_t kOrientation = 0x0112;
inline constexpr std::uint16_t kXResolution = 0x011A;
inline constexpr std::uint16_t kYResolution = 0x011B;
inline constexpr std::uint16_t kSoftware = 0x0131;
inline constexpr std::uint16_t kDateTime = 0x0132;
inline constexpr std::uint16_t kArtist = 0x013B;
inline constexpr std::uint16_t kCopyright = 0x8298;
inline constexpr std::uint16_t kExifIfdPointer = 0x8769;
// The EXIF sub-directory.
inline constexpr std::uint16_t kExposureTime = 0x829A;
inline constexpr std::uint16_t kFNumber = 0x829D;
inline constexpr std::uint16_t kExposureProgram = 0x8822;
inline constexpr std::uint16_t kIsoSpeed = 0x8827;
inline constexpr std::uint16_t kDateTimeOriginal = 0x9003;
inline constexpr std::uint16_t kDateTimeDigitized = 0x9004;
inline constexpr std::uint16_t kCompressedBitsPerPixel = 0x9102;
inline constexpr std::uint16_t kShutterSpeedValue = 0x9201;
inline constexpr std::uint16_t kApertureValue = 0x9202;
inline constexpr std::uint16_t kMaxApertureValue = 0x9205;
inline constexpr std::uint16_t kMeteringMode = 0x9207;
inline constexpr std::uint16_t kLightSource = 0x9208;
inline constexpr std::uint16_t kFlash = 0x9209;
inline constexpr std::uint16_t kUserComment = 0x9286;
inline constexpr std::uint16_t kPixelXDimension = 0xA002;
inline constexpr std::uint16_t kPixelYDimension = 0xA003;
} // namespace exif_tag

namespace tiff_type {
inline constexpr std::uint16_t kByte = 1;
inline constexpr std::uint16_t kAscii = 2;
inline constexpr std::uint16_t kShort = 3;
inline constexpr std::uint16_t kLong = 4;
inline constexpr std::uint16_t kRational = 5;
inline constexpr std::uint16_t kUndefined = 7;
} // namespace tiff_type

// The second byte of a JPEG marker (the first is FF).
namespace jpeg_marker {
inline constexpr unsigned char kPrefix = 0xFF;
inline constexpr unsigned char kStartOfImage = 0xD8;
inline constexpr unsigned char kEndOfImage = 0xD9;
inline constexpr unsigned char kStartOfScan = 0xDA;
inline constexpr unsigned char kApp1 = 0xE1;  // EXIF and XMP
inline constexpr unsigned char kApp13 = 0xED; // Photoshop's resources, IPTC among them
} // namespace jpeg_marker

} // namespace vistarel
