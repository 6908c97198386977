#include "ExifTestFiles.h"

#include "common/Error.h"
#include "common/FileSystem.h"

#include "TempFolder.h"

#include <cerrno>
#include <gtest/gtest.h>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

constexpr auto kIfd0 = Directory::Ifd0;
constexpr auto kExif = Directory::Exif;

class EveryTag : public ::testing::TestWithParam<ByteOrder> {};

TiffBlockBuilder cameraBlock(ByteOrder order) {
    TiffBlockBuilder block(order);
    block.text(kIfd0, 270, "Sunset  ")
        .text(kIfd0, 271, "Olympus")
        .text(kIfd0, 271, "Canon") // a repeated tag overwrites
        .text(kIfd0, 272, "EOS 5D")
        .shortValue(kIfd0, 274, 6)
        .rational(kIfd0, 282, 72, 1)
        .rational(kIfd0, 283, 300, 1)
        .text(kIfd0, 305, "Firmware 1.0")
        .text(kIfd0, 306, "2021:01:02 03:04:05")
        .text(kIfd0, 315, "Jan Novak\r\n")
        .text(kIfd0, 33432, "(c) 2021")
        .text(kIfd0, 36867, "1999:09:09 09:09:09") // belongs to the sub-directory only
        .rational(kExif, 33434, 1, 125)
        .rational(kExif, 33437, 28, 10)
        .shortValue(kExif, 34850, 3)
        .shortValue(kExif, 34855, 400)
        .text(kExif, 36867, "2021:05:06 07:08:09")
        .text(kExif, 36868, "2021:05:06 07:08:10")
        .rational(kExif, 37122, 4, 1)
        .rational(kExif, 37377, 6643856, 1000000)
        .rational(kExif, 37378, 297, 100)
        .rational(kExif, 37381, 125, 100)
        .shortValue(kExif, 37383, 5)
        .shortValue(kExif, 37384, 21)
        .shortValue(kExif, 37385, 25)
        .undefined(kExif, 37510, userCommentBytes("ASCII", "Na horách   "))
        .text(kExif, 271, "Nikon") // belongs to IFD0 only
        .shortValue(kExif, 40962, 4000)
        .longValue(kExif, 40963, 3000);
    return block;
}

TEST_P(EveryTag, FillsEveryFieldOfBothDirectories) {
    const TExif exif = readExifBytes(fileWithBlock(cameraBlock(GetParam())));
    EXPECT_TRUE(exif.ExifFound);
    EXPECT_EQ(exif.IsMotorolaOrder(), GetParam() == ByteOrder::Motorola);
    EXPECT_EQ(exif.ImageDescription, "Sunset");
    EXPECT_EQ(exif.Make, "Canon");
    EXPECT_EQ(exif.Model, "EOS 5D");
    EXPECT_EQ(exif.Orientation, 6);
    EXPECT_EQ(exif.OrientationText, "Rotated 90 right");
    EXPECT_EQ(exif.XResolution, 72);
    EXPECT_EQ(exif.YResolution, 300);
    EXPECT_EQ(exif.Software, "Firmware 1.0");
    EXPECT_EQ(exif.DateTime, "2021:01:02 03:04:05");
    EXPECT_EQ(exif.Artist, "Jan Novak");
    EXPECT_EQ(exif.RightsNotice, "(c) 2021");
    EXPECT_EQ(exif.ExposureTime, "1/125 seconds");
    EXPECT_EQ(exif.FNumber, "2.8");
    EXPECT_EQ(exif.ExposureProgram, 3);
    EXPECT_EQ(exif.ExposureProgramText, "Aperture Priority");
    EXPECT_EQ(exif.ISOSpeed, 400);
    EXPECT_EQ(exif.DateTimeOriginal, "2021:05:06 07:08:09");
    EXPECT_EQ(exif.DateTimeDigitized, "2021:05:06 07:08:10");
    EXPECT_EQ(exif.CompressedBitsPerPixel, "4.0");
    EXPECT_EQ(exif.ShutterSpeed, "1/100 seconds");
    EXPECT_EQ(exif.Aperture, "2.97");
    EXPECT_EQ(exif.MaxAperture, "1.25");
    EXPECT_EQ(exif.MeteringMode, 5);
    EXPECT_EQ(exif.MeteringModeText, "Pattern");
    EXPECT_EQ(exif.LightSource, 21);
    EXPECT_EQ(exif.LightSourceText, "D65");
    EXPECT_EQ(exif.Flash, 25);
    EXPECT_EQ(exif.FlashText, "Flash (Auto)");
    EXPECT_EQ(exif.UserCommentCode, "ASCII");
    EXPECT_EQ(exif.UserComment, "Na horách");
    EXPECT_EQ(exif.ExifImageWidth, 4000); // all 16 bits of a SHORT
    EXPECT_EQ(exif.ExifImageHeight, 3000);
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, EveryTag,
                         ::testing::Values(ByteOrder::Intel, ByteOrder::Motorola));

TEST(ExifValues, CodedValuesKeepEightBitsAndIsoKeepsSixteen) {
    struct Row {
        ByteOrder order;
        std::uint16_t tag, type;
        std::uint32_t field;
        std::uint32_t expected; // the field's value
        const char* name;       // its text ("" for no text)
    };
    const Row rows[] = {
        {ByteOrder::Motorola, 37385, tiff::kShort, 0x01010000, 1, "Flash"},
        {ByteOrder::Intel, 37385, tiff::kShort, 0x00000101, 1, "Flash"},
        {ByteOrder::Intel, 37385, tiff::kLong, 257, 1, "No Flash"}, // name from the whole value
        {ByteOrder::Motorola, 37385, tiff::kByte, 0x19000000, 25, "Flash (Auto)"},
        {ByteOrder::Intel, 37385, tiff::kByte, 0x00000019, 25, "Flash (Auto)"},
        {ByteOrder::Intel, 274, tiff::kLong, 0x106, 6, "Rotated 90 right"}, // name from 8 bits
        {ByteOrder::Motorola, 34855, tiff::kShort, 0x0C800000, 3200, ""},
        {ByteOrder::Intel, 34855, tiff::kShort, 0x00000C80, 3200, ""},
        {ByteOrder::Intel, 34855, tiff::kLong, 0x00010190, 400, ""},
        {ByteOrder::Motorola, 40962, tiff::kShort, 0xFFFF0000, 65535, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message() << "tag " << row.tag << " type " << row.type);
        TiffBlockBuilder block(row.order);
        const auto dir = row.tag == 274 ? kIfd0 : kExif;
        block.rawEntry(dir, row.tag, row.type, 1, row.field).text(kExif, 36867, "x");
        const TExif exif = readExifBytes(fileWithBlock(block));
        if (row.tag == 37385) {
            EXPECT_EQ(exif.Flash, row.expected);
            EXPECT_EQ(exif.FlashText, row.name);
        } else if (row.tag == 274) {
            EXPECT_EQ(exif.Orientation, row.expected);
            EXPECT_EQ(exif.OrientationText, row.name);
        } else if (row.tag == 34855) {
            EXPECT_EQ(exif.ISOSpeed, row.expected);
        } else {
            EXPECT_EQ(exif.ExifImageWidth, static_cast<std::int32_t>(row.expected));
        }
    }
}

TEST(ExifValues, UnknownCodesFallBackToTheirDefaultNames) {
    TiffBlockBuilder block;
    block.shortValue(kIfd0, 274, 9)
        .shortValue(kExif, 34850, 9)
        .shortValue(kExif, 37383, 7)
        .shortValue(kExif, 37384, 4)
        .shortValue(kExif, 37385, 0);
    const TExif exif = readExifBytes(fileWithBlock(block));
    EXPECT_EQ(exif.OrientationText, "Unknown");
    EXPECT_EQ(exif.ExposureProgramText, "Unknown");
    EXPECT_EQ(exif.MeteringModeText, "Unknown");
    EXPECT_EQ(exif.LightSourceText, "Unknown");
    EXPECT_EQ(exif.FlashText, "No Flash");

    TiffBlockBuilder zeros;
    zeros.shortValue(kExif, 34850, 0).shortValue(kExif, 37383, 255).shortValue(kExif, 37384, 2);
    const TExif other = readExifBytes(fileWithBlock(zeros));
    EXPECT_EQ(other.ExposureProgramText, "Unknown");
    EXPECT_EQ(other.MeteringModeText, "Other");
    EXPECT_EQ(other.LightSourceText, "Flourescent");
}

TEST(ExifValues, RationalTexts) {
    struct Row {
        std::uint16_t tag, type;
        std::uint32_t numerator, denominator;
        const char* expected;
    };
    const Row rows[] = {
        {33437, tiff::kRational, 28, 10, "2.8"},
        {33437, tiff::kRational, 4, 1, "4.0"},
        {33437, tiff::kRational, 5, 0, ""},
        {33437, tiff::kRational, 2, 3, "0.67"},
        {33437, tiff::kRational, 0, 1, "0.0"},
        {37378, tiff::kRational, 4294967295u, 1, "4294967295.0"},
        {33434, tiff::kRational, 1, 125, "1/125 seconds"},
        {33434, tiff::kRational, 1, 1000000, "0 seconds"},
        {33434, tiff::kRational, 10, 1, "10/1 seconds"},
        {37377, tiff::kRational, 6643856, 1000000, "1/100 seconds"},
        {37377, tiff::kSRational, static_cast<std::uint32_t>(-1), 1, "1 seconds"},
        {37377, tiff::kRational, 65535, 1, "1 seconds"},
        {37377, tiff::kRational, 7, 0, "1/1 seconds"},
        {37377, tiff::kRational, 62, 1, "1/4611686018427387904 seconds"},
        {37377, tiff::kRational, 200, 1, ""}, // too large to write
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(::testing::Message()
                     << row.tag << ": " << row.numerator << "/" << row.denominator);
        TiffBlockBuilder block;
        block.entry(kExif, row.tag, row.type, 1,
                    block.bytes32(row.numerator) + block.bytes32(row.denominator));
        const TExif exif = readExifBytes(fileWithBlock(block));
        const std::string& field = row.tag == 33437   ? exif.FNumber
                                   : row.tag == 37378 ? exif.Aperture
                                   : row.tag == 33434 ? exif.ExposureTime
                                                      : exif.ShutterSpeed;
        EXPECT_EQ(field, row.expected);
    }
}

TEST(ExifValues, ValuesPastTheEndOfTheFileGiveFallbacksAndTheWalkGoesOn) {
    TiffBlockBuilder block;
    block.rawEntry(kIfd0, 271, tiff::kAscii, 20, 0x10000)
        .rawEntry(kIfd0, 282, tiff::kRational, 1, 0x10000)
        .text(kIfd0, 272, "Model after")
        .rawEntry(kExif, 33434, tiff::kRational, 1, 0x10000)
        .rawEntry(kExif, 33437, tiff::kRational, 1, 0x10000)
        .rawEntry(kExif, 37377, tiff::kRational, 1, 0x10000)
        .text(kExif, 36868, "2020:02:02 02:02:02");
    const TExif exif = readExifBytes(fileWithBlock(block));
    EXPECT_EQ(exif.Make, "");
    EXPECT_EQ(exif.XResolution, 0);
    EXPECT_EQ(exif.Model, "Model after");
    EXPECT_EQ(exif.ExposureTime, " seconds");
    EXPECT_EQ(exif.FNumber, "");
    EXPECT_EQ(exif.ShutterSpeed, "1/1 seconds");
    EXPECT_EQ(exif.DateTimeDigitized, "2020:02:02 02:02:02");
}

TEST(ExifTexts, ShortTextsComeFromTheValueFieldAndAllAreTrimmed) {
    TiffBlockBuilder block(ByteOrder::Motorola);
    block.entry(kIfd0, 271, tiff::kAscii, 4, std::string("EOS\0", 4))
        .entry(kIfd0, 272, tiff::kAscii, 1, std::string(1, '\0'))
        .entry(kIfd0, 305, tiff::kAscii, 0, "")
        .entry(kIfd0, 315, tiff::kAscii, 3, "AB ")
        .text(kIfd0, 306, "2021:01:01 00:00:00 \t\n")
        // Without a NUL, all count bytes are taken (a camera counting only the characters).
        .entry(kIfd0, 270, tiff::kAscii, 8, "abcdefgh")
        .entry(kExif, 36868, tiff::kAscii, 19, "2005:08:13 09:47:23");
    const TExif exif = readExifBytes(fileWithBlock(block));
    EXPECT_EQ(exif.Make, "EOS");
    EXPECT_EQ(exif.Model, "");
    EXPECT_EQ(exif.Software, "");
    EXPECT_EQ(exif.Artist, "AB");
    EXPECT_EQ(exif.DateTime, "2021:01:01 00:00:00");
    EXPECT_EQ(exif.ImageDescription, "abcdefgh");
    EXPECT_EQ(exif.DateTimeDigitized, "2005:08:13 09:47:23");
}

TEST(ExifTexts, UserCommentLosesItsCharacterCode) {
    const std::string unicodeLe = utf16Bytes(u"Ahoj \u010D", ByteOrder::Intel);
    const std::string unicodeBe = utf16Bytes(u"Ahoj", ByteOrder::Motorola);
    struct Row {
        std::string value;
        const char* code;
        std::string comment;
    };
    const Row rows[] = {
        {userCommentBytes("ASCII", "Hello   "), "ASCII", "Hello"},
        {userCommentBytes("ASCII", std::string("Hi\0rest", 7)), "ASCII", "Hi"},
        {userCommentBytes("ASCII", ""), "ASCII", ""},
        {userCommentBytes("UNICODE", unicodeLe + std::string("\0\0 \0 \0\0\0", 8)), "UNICODE",
         unicodeLe},
        {userCommentBytes("UNICODE", unicodeBe + std::string("\0 \0\0", 4)), "UNICODE", unicodeBe},
        {userCommentBytes("JIS", "kanji\n"), "JIS", "kanji"},
        {userCommentBytes("", "        "), "", ""},
        {userCommentBytes("", "Beach"), "", "Beach"},
        {std::string("Plain text\0", 11), "", "Plain text"},
        {std::string("abc\0", 4), "", "abc"}, // short: from the value field
        {std::string("ASCII\0\0", 7), "", "ASCII"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.comment);
        TiffBlockBuilder block;
        block.undefined(kExif, 37510, row.value);
        const TExif exif = readExifBytes(fileWithBlock(block));
        EXPECT_EQ(exif.UserCommentCode, row.code);
        EXPECT_EQ(exif.UserComment, row.comment);
    }
}

TEST(ExifDirectories, AnIfd0CountOfZeroReadsUpToAHundredEntries) {
    auto fileWithCount = [](std::uint16_t count, std::size_t fillers) {
        TiffBlockBuilder block;
        for (std::size_t i = 0; i < fillers; ++i)
            block.shortValue(kIfd0, 1, 1);
        block.text(kIfd0, 271, "Canon").ifd0CountField(count);
        return readExifBytes(fileWithBlock(block));
    };
    EXPECT_EQ(fileWithCount(0, 3).Make, "Canon");
    EXPECT_EQ(fileWithCount(0, 99).Make, "Canon");
    EXPECT_EQ(fileWithCount(0, 100).Make, "");
    EXPECT_EQ(fileWithCount(101, 100).Make, "Canon");
}

TEST(ExifDirectories, ATagOfZeroEndsTheWalk) {
    TiffBlockBuilder block;
    block.text(kIfd0, 271, "Canon")
        .rawEntry(kIfd0, 0, tiff::kShort, 1, 0)
        .text(kIfd0, 272, "EOS")
        .text(kExif, 36868, "2021:05:06 07:08:10");
    const TExif exif = readExifBytes(fileWithBlock(block));
    EXPECT_EQ(exif.Make, "Canon");
    EXPECT_EQ(exif.Model, "");
    EXPECT_EQ(exif.DateTimeDigitized, ""); // its pointer came after the end
}

TEST(ExifReuse, AMissingFileKeepsTheValuesAndAnExistingOneClearsThem) {
    TempFolder dir;
    writeFileBytes(dir.file("a.jpg"), fileWithBlock(cameraBlock(ByteOrder::Intel)));
    writeFileBytes(dir.file("b.jpg"), "not a photo");
    TExif exif;
    EXPECT_FALSE(exif.ExifFound);
    exif.ReadFromFile(dir.file("a.jpg"));
    exif.ReadFromFile(dir.file("missing.jpg"));
    EXPECT_TRUE(exif.ExifFound);
    EXPECT_EQ(exif.Make, "Canon");
    EXPECT_EQ(exif.DateTimeDigitized, "2021:05:06 07:08:10");
    exif.ReadFromFile(dir.path()); // a folder is no file either
    EXPECT_EQ(exif.Make, "Canon");
    exif.ReadFromFile(dir.file("b.jpg"));
    EXPECT_FALSE(exif.ExifFound);
    EXPECT_EQ(exif.Make, "");
    EXPECT_EQ(exif.ISOSpeed, 0);
    EXPECT_EQ(exif.UserCommentCode, "");
}

// Reads the bytes expecting an error; returns its text and the record as it was left.
std::string errorText(const std::string& bytes, TExif& exif) {
    TempFolder dir;
    writeFileBytes(dir.file("bad.jpg"), bytes);
    const int filesBefore = openFileCount();
    try {
        exif.ReadFromFile(dir.file("bad.jpg"));
    } catch (const Error& e) {
        EXPECT_EQ(openFileCount(), filesBefore) << "the file stays open";
        return e.text();
    }
    return "no error";
}

TEST(ExifErrors, ReadsOutsideTheValueReadersEndTheReadKeepingWhatWasFound) {
    const std::string readBeyond = "Read beyond end of file";
    const std::string badSeek = "I/O error " + std::to_string(EINVAL);
    TExif exif;

    const std::string full = fileWithBlock(cameraBlock(ByteOrder::Intel));
    EXPECT_EQ(errorText(full.substr(0, 2 + 4 + 6 + 5), exif), readBeyond); // header cut
    EXPECT_TRUE(exif.ExifFound);

    // Cut inside IFD0's third entry: the TIFF block starts at 12, its entries at 12 + 10.
    TiffBlockBuilder inlineTexts;
    inlineTexts.text(kIfd0, 271, "Pen").text(kIfd0, 272, "EM1").text(kIfd0, 305, "v2");
    const std::string inlineFile = fileWithBlock(inlineTexts);
    EXPECT_EQ(errorText(inlineFile.substr(0, 12 + 10 + 12 * 2 + 6), exif), readBeyond);
    EXPECT_EQ(exif.Make, "Pen");
    EXPECT_EQ(exif.Model, "EM1");
    EXPECT_EQ(exif.Software, "");

    TiffBlockBuilder farExif;
    farExif.text(kIfd0, 271, "Canon").longValue(kIfd0, 34665, 5000);
    EXPECT_EQ(errorText(fileWithBlock(farExif), exif), readBeyond);
    EXPECT_EQ(exif.Make, "Canon");

    TiffBlockBuilder hugeExif;
    hugeExif.text(kIfd0, 271, "Canon").longValue(kIfd0, 34665, 0x80000000u);
    EXPECT_EQ(errorText(fileWithBlock(hugeExif), exif), badSeek);
    EXPECT_EQ(exif.Make, "Canon");

    TiffBlockBuilder hugeValue;
    hugeValue.text(kIfd0, 271, "Canon").rawEntry(kIfd0, 272, tiff::kAscii, 10, 0xFFFFFFF0u);
    EXPECT_EQ(errorText(fileWithBlock(hugeValue), exif), badSeek);
    EXPECT_EQ(exif.Make, "Canon");
}

} // namespace
