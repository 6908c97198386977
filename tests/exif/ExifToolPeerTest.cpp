// Cross-checks the reader against exiftool: files written by exiftool must read as exiftool
// reports them, and comments exiftool cannot write are generated here and read by both.
#include "ExifTestFiles.h"

#include "common/FileSystem.h"

#include "TempFolder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

bool haveExifTool() {
    return std::system("command -v exiftool >/dev/null 2>&1") == 0;
}

std::string quoted(const std::string& text) {
    std::string out = "'";
    for (const char c : text)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0;)
        text.append(buffer, n);
    return text;
}

void writeTags(const std::string& path, const std::vector<std::string>& assignments) {
    std::string command = "exiftool -q -overwrite_original";
    for (const std::string& assignment : assignments)
        command += " " + quoted("-" + assignment);
    ASSERT_EQ(std::system((command + " " + quoted(path)).c_str()), 0) << command;
}

// exiftool's numeric values of IFD0 and the EXIF sub-directory, by tag name.
std::map<std::string, std::string> peerValues(const std::string& path) {
    std::map<std::string, std::string> values;
    const std::string text = output("exiftool -n -S -IFD0:all -ExifIFD:all " + quoted(path));
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = text.substr(start, end - start);
        const std::size_t colon = line.find(": ");
        if (colon != std::string::npos)
            values[line.substr(0, colon)] = line.substr(colon + 2);
    }
    return values;
}

double number(const std::string& text) {
    return std::stod(text);
}

// "1/125 seconds" -> 0.008
double fractionValue(const std::string& text) {
    const std::size_t slash = text.find('/');
    return std::stod(text.substr(0, slash)) / std::stod(text.substr(slash + 1));
}

std::string utf8FromUtf16(const std::string& bytes, bool bigEndian) {
    std::string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const unsigned char a = bytes[i], b = bytes[i + 1];
        const unsigned unit = bigEndian ? (a << 8 | b) : (b << 8 | a);
        if (unit < 0x80) {
            text += static_cast<char>(unit);
        } else if (unit < 0x800) {
            text += static_cast<char>(0xC0 | unit >> 6);
            text += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            text += static_cast<char>(0xE0 | unit >> 12);
            text += static_cast<char>(0x80 | (unit >> 6 & 0x3F));
            text += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return text;
}

class ExifToolPeer : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (!haveExifTool())
            GTEST_SKIP() << "exiftool is not installed";
        writeFileBytes(path, realJpegFile());
    }
    TempFolder dir;
    const std::string path = dir.file("peer.jpg");
};

TEST_P(ExifToolPeer, FileWrittenByExifToolReadsAsItReportsIt) {
    writeTags(path, {std::string("ExifByteOrder=") + GetParam(),
                     "Make=Canon",
                     "Model=EOS 5D Mark II",
                     "ImageDescription=Sunset",
                     "Software=Firmware 1.1",
                     "Artist=Jan Novak",
                     "Copyright=(c) 2021",
                     "ModifyDate=2021:01:02 03:04:05",
                     "DateTimeOriginal=2021:05:06 07:08:09",
                     "CreateDate=2021:05:06 07:08:10",
                     "ISO=1600",
                     "ExposureTime=0.008",
                     "FNumber=5.6",
                     "ExifIFD:Flash#=25",
                     "Orientation#=8",
                     "ExposureProgram#=3",
                     "MeteringMode#=5",
                     "LightSource#=21",
                     "ShutterSpeedValue=0.01",
                     "ApertureValue=2.8",
                     "MaxApertureValue=1.4",
                     "ExifImageWidth=4000",
                     "ExifImageHeight=3000",
                     "XResolution=300",
                     "YResolution=72",
                     "CompressedBitsPerPixel=4",
                     "UserComment=Beach at noon"});
    auto peer = peerValues(path);
    TExif exif;
    exif.ReadFromFile(path);
    ASSERT_TRUE(exif.ExifFound);
    EXPECT_EQ(exif.IsMotorolaOrder(), std::string(GetParam()) == "MM");
    EXPECT_EQ(exif.Make, peer["Make"]);
    EXPECT_EQ(exif.Model, peer["Model"]);
    EXPECT_EQ(exif.ImageDescription, peer["ImageDescription"]);
    EXPECT_EQ(exif.Software, peer["Software"]);
    EXPECT_EQ(exif.Artist, peer["Artist"]);
    EXPECT_EQ(exif.RightsNotice, peer["Copyright"]);
    EXPECT_EQ(exif.DateTime, peer["ModifyDate"]);
    EXPECT_EQ(exif.DateTimeOriginal, peer["DateTimeOriginal"]);
    EXPECT_EQ(exif.DateTimeDigitized, peer["CreateDate"]);
    EXPECT_EQ(exif.UserCommentCode, "ASCII");
    EXPECT_EQ(exif.UserComment, peer["UserComment"]);
    EXPECT_EQ(exif.ISOSpeed, number(peer["ISO"]));
    EXPECT_EQ(exif.Flash, number(peer["Flash"]));
    EXPECT_EQ(exif.Orientation, number(peer["Orientation"]));
    EXPECT_EQ(exif.ExposureProgram, number(peer["ExposureProgram"]));
    EXPECT_EQ(exif.MeteringMode, number(peer["MeteringMode"]));
    EXPECT_EQ(exif.LightSource, number(peer["LightSource"]));
    EXPECT_EQ(exif.ExifImageWidth, number(peer["ExifImageWidth"]));
    EXPECT_EQ(exif.ExifImageHeight, number(peer["ExifImageHeight"]));
    EXPECT_EQ(exif.XResolution, number(peer["XResolution"]));
    EXPECT_EQ(exif.YResolution, number(peer["YResolution"]));
    EXPECT_NEAR(fractionValue(exif.ExposureTime), number(peer["ExposureTime"]), 1e-9);
    EXPECT_NEAR(number(exif.FNumber), number(peer["FNumber"]), 0.005);
    EXPECT_NEAR(number(exif.CompressedBitsPerPixel), number(peer["CompressedBitsPerPixel"]), 0.005);
    EXPECT_NEAR(fractionValue(exif.ShutterSpeed), number(peer["ShutterSpeedValue"]), 1e-4);
    // Aperture values are APEX numbers; exiftool reports them as F-numbers.
    EXPECT_NEAR(std::pow(2.0, number(exif.Aperture) / 2), number(peer["ApertureValue"]), 0.01);
    EXPECT_NEAR(std::pow(2.0, number(exif.MaxAperture) / 2), number(peer["MaxApertureValue"]),
                0.01);
}

TEST_P(ExifToolPeer, UnicodeCommentWrittenByExifToolKeepsItsCharacters) {
    const std::string comment = "Žluťoučký kůň úpěl ďábelské ódy";
    writeTags(path, {std::string("ExifByteOrder=") + GetParam(), "UserComment=" + comment});
    TExif exif;
    exif.ReadFromFile(path);
    EXPECT_EQ(exif.UserCommentCode, "UNICODE");
    EXPECT_EQ(utf8FromUtf16(exif.UserComment, exif.IsMotorolaOrder()), comment);
    EXPECT_EQ(peerValues(path)["UserComment"], comment);
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, ExifToolPeer, ::testing::Values("II", "MM"));

TEST(ExifToolPeerComments, CodesExifToolDoesNotWriteReadAsItReadsThem) {
    if (!haveExifTool())
        GTEST_SKIP() << "exiftool is not installed";
    TempFolder dir;
    struct Row {
        const char* code;
        std::string text;
    };
    // A JIS comment holds JIS X 0208 text, which exiftool decodes and the reader leaves as
    // bytes, so only the undefined code is compared besides ASCII.
    const Row rows[] = {{"", "Beach at noon"}, {"ASCII", "Rodina"}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.code);
        PhotoExif photo;
        photo.order = ByteOrder::Motorola;
        photo.dateTimeDigitized = "2020:07:08 09:10:11";
        photo.userComment = row.text + std::string(6, ' ');
        photo.userCommentCode = row.code;
        writeFileBytes(dir.file("g.jpg"), realJpegFile({exifSegment(photo)}));
        TExif exif;
        exif.ReadFromFile(dir.file("g.jpg"));
        auto peer = peerValues(dir.file("g.jpg"));
        EXPECT_EQ(exif.UserCommentCode, row.code);
        EXPECT_EQ(exif.UserComment, row.text);
        EXPECT_EQ(peer["UserComment"], row.text);
        EXPECT_EQ(exif.DateTimeDigitized, peer["CreateDate"]);
    }
}

} // namespace
