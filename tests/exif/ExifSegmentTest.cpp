#include "ExifTestFiles.h"

#include <gtest/gtest.h>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

std::string exifWithMake(const std::string& make) {
    TiffBlockBuilder block(ByteOrder::Motorola);
    block.text(Directory::Ifd0, 271, make).text(Directory::Exif, 36868, "2022:03:04 05:06:07");
    return exifSegment(block.build());
}

TEST(ExifSegmentSearch, FindsTheFirstExifBlockWhereverTheSegmentChainPutsIt) {
    const std::string exif = exifWithMake("Found");
    const std::string xmpOnly = jpegFile({app0Segment(), xmpSegment()});
    struct Row {
        const char* name;
        std::string bytes;
        bool found;
    };
    const Row rows[] = {
        {"directly after the start of image", jpegFile({exif}), true},
        {"after a 16-byte APP0", jpegFile({app0Segment(16), exif}), true},
        {"after an 18-byte APP0", jpegFile({app0Segment(18), exif}), true},
        {"after an odd-length APP0", jpegFile({app0Segment(17), exif}), true},
        {"after an ICC profile", jpegFile({app0Segment(), iccSegment(), exif}), true},
        {"after an XMP packet", jpegFile({xmpSegment(), exif}), true},
        {"after fill bytes", "\xFF\xD8\xFF\xFF" + jpegFile({exif}).substr(2), true},
        {"the first of two", jpegFile({exif, exifWithMake("Second")}), true},
        {"in a real JPEG before its JFIF segment", realJpegFile({exif}), true},
        {"in a real JPEG after its JFIF segment",
         withSegmentsAfterSoi(realJpegFile(), {}).insert(20, exif), true},
        {"only XMP", xmpOnly, false},
        {"only an ICC profile with look-alikes", jpegFile({iccSegment(200)}), false},
        {"no segments", jpegFile({}), false},
        {"an APP1 named Exif without its two NULs",
         jpegFile({jpegSegment(0xE1, "ExifMM\0*" + std::string(20, 'x'))}), false},
        {"after the start of scan", jpegFile({}).insert(jpegFile({}).size() - 2, exif), false},
        {"not a JPEG", "GIF89a" + exif, false},
        {"empty", "", false},
        {"one byte", "\xFF", false},
        {"only the start of image", "\xFF\xD8", false},
        {"a segment longer than the file", "\xFF\xD8\xFF\xE0\x10" + std::string(1, '\0') + exif,
         false},
        {"a file cut inside a segment", jpegFile({app0Segment(), exif}).substr(0, 12), false},
        {"a length below 2", "\xFF\xD8\xFF\xE0" + std::string(2, '\0') + exif, false},
        {"a byte that is no marker", std::string("\xFF\xD8\x00", 3) + exif, false},
        {"a chain cut inside a segment header", std::string("\xFF\xD8\xFF\xE0\x00", 5), false},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const TExif read = readExifBytes(row.bytes);
        EXPECT_EQ(read.ExifFound, row.found);
        EXPECT_EQ(read.Make, row.found ? "Found" : "");
        EXPECT_EQ(read.DateTimeDigitized, row.found ? "2022:03:04 05:06:07" : "");
    }
}

} // namespace
