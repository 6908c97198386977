#include "exif/Exif.h"

#include "common/Error.h"
#include "common/FileSystem.h"

#include "ExifBytes.h"
#include "TempFolder.h"

#include <gtest/gtest.h>

using namespace vistarel;
using namespace vistarel::testing;
using namespace vistarel::testing::tiff;
using B = TiffBlockBuilder;

namespace {

constexpr auto II = ByteOrder::Intel, MM = ByteOrder::Motorola;
constexpr auto kIfd0 = Directory::Ifd0, kExif = Directory::Exif;

TExif readExif(const std::string& bytes) {
    TempFolder dir;
    writeFileBytes(dir.file("photo.jpg"), bytes);
    TExif exif;
    exif.ReadFromFile(dir.file("photo.jpg"));
    return exif;
}

std::string f(const B& block) {
    return jpegFile({exifSegment(block.build())});
}

// The set fields the rows touch, "Name=value" joined by "|"; the peer test covers the rest.
std::string described(const TExif& e) {
    const auto n = [](long value) { return value ? std::to_string(value) : std::string(); };
    // clang-format off
    const std::pair<const char*, std::string> fields[] = {
        {"ImageDescription", e.ImageDescription}, {"Make", e.Make}, {"Model", e.Model},
        {"Orientation", n(e.Orientation)}, {"OrientationText", e.OrientationText},
        {"DateTime", e.DateTime}, {"DateTimeOriginal", e.DateTimeOriginal},
        {"DateTimeDigitized", e.DateTimeDigitized}, {"UserCommentCode", e.UserCommentCode},
        {"UserComment", e.UserComment}, {"ExposureTime", e.ExposureTime}, {"FNumber", e.FNumber},
        {"ShutterSpeed", e.ShutterSpeed}, {"XResolution", n(e.XResolution)}, {"Flash", n(e.Flash)},
        {"FlashText", e.FlashText}, {"ISOSpeed", n(e.ISOSpeed)}, {"Software", e.Software},
        {"Artist", e.Artist}};
    // clang-format on
    std::string out = e.ExifFound ? "" : "no EXIF";
    for (const auto& [name, text] : fields)
        if (!text.empty())
            out += (out.empty() ? "" : "|") + std::string(name) + "=" + text;
    return out;
}

B fillers(int count) {
    B block;
    for (int i = 0; i < count; ++i)
        block.rawEntry(kIfd0, 1, kShort, 1, 0);
    return block;
}

const std::string kDated =
    exifSegment(B(MM).text(kIfd0, 271, "Found").text(kExif, 36868, "2022:03:04").build());
const std::string kFound = "Make=Found|DateTimeDigitized=2022:03:04";

} // namespace

// One block per row, in either byte order, and every field it sets.
TEST(ExifReader, ReadsEveryFieldFromEitherByteOrder) {
    const std::string le = utf16Bytes(u"Ahoj \u010D", II), be = utf16Bytes(u"Ahoj", MM);
    // clang-format off
    const std::pair<std::string, std::string> rows[] = {
        // A repeated tag overwrites; a tag in the other directory is left alone.
        {f(B(MM).text(kIfd0, 270, "Sunset \r\n").text(kIfd0, 271, "Olympus").text(kIfd0, 271, "Canon")
               .text(kIfd0, 36867, "in IFD0").text(kExif, 271, "in EXIF")),
         "ImageDescription=Sunset|Make=Canon"},
        // The orientation is read whole, and one outside 1 to 8 leaves the photo as stored;
        // other coded values keep 8 bits of a SHORT, BYTE or LONG; rationals never divide by zero.
        {f(B(MM).rawEntry(kIfd0, 274, kShort, 1, 0x00060000)),
         "Orientation=6|OrientationText=Rotated 90 right"},
        {f(B(MM).rawEntry(kIfd0, 274, kShort, 1, 0x01060000)), "Orientation=1|OrientationText=Unknown"},
        {f(B(II).rawEntry(kIfd0, 274, kShort, 1, 0x00090008)), "Orientation=8|OrientationText=Rotated 90 left"},
        {f(B(MM).rawEntry(kIfd0, 274, kByte, 1, 0x03000000)), "Orientation=3|OrientationText=Rotated 180"},
        {f(B(II).rawEntry(kIfd0, 274, kLong, 1, 0x106)), "Orientation=1|OrientationText=Unknown"},
        {f(B(II).rawEntry(kExif, 37385, kLong, 1, 257)), "Flash=1|FlashText=No Flash"},
        {f(B(MM).rawEntry(kExif, 34855, kShort, 1, 0x0C800000)), "ISOSpeed=3200"},
        {f(B().rational(kExif, 33437, 5, 0).rational(kExif, 37377, 7, 0)),
         "ShutterSpeed=1/1 seconds"},
        {f(B().rational(kExif, 37377, 200, 1)), ""}, // too large to write
        // Texts: short ones from the value field, without a NUL all count bytes, trimmed.
        {f(B(MM).entry(kIfd0, 271, kAscii, 4, std::string("EOS\0", 4))
               .entry(kIfd0, 272, kAscii, 1, std::string(1, '\0')).entry(kIfd0, 305, kAscii, 0, "")
               .entry(kIfd0, 315, kAscii, 3, "AB ").entry(kIfd0, 270, kAscii, 8, "abcdefgh")
               .text(kIfd0, 306, "2021:01:01 00:00:00 \t\n")),
         "ImageDescription=abcdefgh|Make=EOS|DateTime=2021:01:01 00:00:00|Artist=AB"},
        // User comments lose their character code.
        {f(B().undefined(kExif, 37510, userCommentBytes("ASCII", "Hi  "))),
         "UserCommentCode=ASCII|UserComment=Hi"},
        {f(B().undefined(kExif, 37510, userCommentBytes("ASCII", std::string("Hi\0rest", 7)))),
         "UserCommentCode=ASCII|UserComment=Hi"},
        {f(B().undefined(kExif, 37510,
                         userCommentBytes("UNICODE", le + std::string("\0\0 \0", 4)))),
         "UserCommentCode=UNICODE|UserComment=" + le},
        {f(B(MM).undefined(kExif, 37510, userCommentBytes("UNICODE", be + std::string("\0 ", 2)))),
         "UserCommentCode=UNICODE|UserComment=" + be},
        {f(B().undefined(kExif, 37510, userCommentBytes("", "        "))), ""},
        {f(B().undefined(kExif, 37510, std::string("Plain text\0", 11))), "UserComment=Plain text"},
        // Directories: IFD0's count 0 reads up to a hundred entries; tag 0 ends the walk.
        {f(fillers(99).text(kIfd0, 271, "Canon").ifd0CountField(0)), "Make=Canon"},
        {f(fillers(100).text(kIfd0, 271, "Canon").ifd0CountField(0)), ""},
        {f(B().text(kIfd0, 271, "Canon").rawEntry(kIfd0, 0, kShort, 1, 0).text(kIfd0, 272, "EOS")
               .text(kExif, 36868, "2021")),
         "Make=Canon"},
        // Values past the end of the file give fallbacks, and the walk goes on.
        {f(B().rawEntry(kIfd0, 271, kAscii, 20, 0x10000).rawEntry(kIfd0, 282, kRational, 1, 0x10000)
               .text(kIfd0, 272, "After").rawEntry(kExif, 33434, kRational, 1, 0x10000)
               .rawEntry(kExif, 33437, kRational, 1, 0x10000)
               .rawEntry(kExif, 37377, kRational, 1, 0x10000).text(kExif, 36868, "2020")),
         "Model=After|DateTimeDigitized=2020|ExposureTime= seconds|ShutterSpeed=1/1 seconds"},
        // The first EXIF block wherever the segment chain puts it.
        {jpegFile({app0Segment(17), iccSegment(), xmpSegment(), kDated}), kFound},
        {"\xFF\xD8\xFF\xFF" + jpegFile({kDated}).substr(2), kFound}, // after a fill byte
        {jpegFile({kDated, exifSegment(B().text(kIfd0, 271, "Second").build())}), kFound},
        {realJpegFile().insert(20, kDated), kFound}, // after the JFIF segment
        {jpegFile({app0Segment(), xmpSegment(), iccSegment()}), "no EXIF"},
        {jpegFile({jpegSegment(0xE1, "ExifMM\0*" + std::string(20, 'x'))}), "no EXIF"},
        {jpegFile({}).insert(jpegFile({}).size() - 2, kDated), "no EXIF"}, // after the scan
        {"\xFF\xD8\xFF\xE0\x10" + std::string(1, '\0') + kDated, "no EXIF"}, // longer than the file
        {"\xFF\xD8\xFF\xE0" + std::string(2, '\0') + kDated, "no EXIF"}, // a length below 2
        {std::string("\xFF\xD8\x00", 3) + kDated, "no EXIF"}};        // no marker
    // clang-format on
    for (const auto& [bytes, fields] : rows)
        EXPECT_EQ(described(readExif(bytes)), fields);
}

// A read outside the value readers ends the read, however far past the end it points; the
// fields found stay. Inside a value reader it gives the fallback.
TEST(ExifReader, ReadErrorsKeepWhatWasFound) {
    const std::string beyond = "Read beyond end of file";
    const std::string texts =
        f(B().text(kIfd0, 271, "Pen").text(kIfd0, 272, "EM1").text(kIfd0, 305, "v2"));
    const B canon = B().text(kIfd0, 271, "Canon");
    // clang-format off
    const struct {
        std::string bytes, error, fields;
    } rows[] = {
        {texts.substr(0, 17), beyond, ""}, // in the TIFF header
        // The TIFF block starts at 12 and its entries at 12 + 10: inside the third entry.
        {texts.substr(0, 12 + 10 + 12 * 2 + 6), beyond, "Make=Pen|Model=EM1"},
        {f(B(canon).rawEntry(kIfd0, 34665, kLong, 1, 5000)), beyond, "Make=Canon"},
        {f(B(canon).rawEntry(kIfd0, 34665, kLong, 1, 0x80000000u)), beyond, "Make=Canon"},
        {f(B(canon).rawEntry(kIfd0, 272, kAscii, 10, 0xFFFFFFF0u)), "", "Make=Canon"}};
    // clang-format on
    for (const auto& row : rows) {
        TempFolder dir;
        writeFileBytes(dir.file("bad.jpg"), row.bytes);
        TExif exif;
        std::string error;
        try {
            exif.ReadFromFile(dir.file("bad.jpg"));
        } catch (const Error& e) {
            error = e.text();
        }
        EXPECT_EQ(error, row.error);
        EXPECT_EQ(described(exif), row.fields);
    }
}
