// Files exiftool writes, in both byte orders and both ways of writing IPTC text, read by the
// EXIF reader and the caption readers as exiftool reports them.
#include "exif/Exif.h"

#include "captions/MetadataSegments.h"
#include "captions/PhotoCaption.h"
#include "common/FileSystem.h"
#include "iptc/IptcCaption.h"
#include "xmp/XmpPacket.h"

#include "ExifBytes.h"
#include "TempFolder.h"
#include "TestPhotos.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

// Neither the tags nor the temp paths hold an apostrophe.
std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// exiftool's numeric values of IFD0 and the EXIF sub-directory, by tag name.
std::map<std::string, std::string> peerValues(const std::string& path) {
    std::istringstream lines(toolOutput("exiftool -n -S -IFD0:all -ExifIFD:all " + quoted(path)));
    std::map<std::string, std::string> values;
    for (std::string line; std::getline(lines, line);)
        if (const auto colon = line.find(": "); colon != std::string::npos)
            values[line.substr(0, colon)] = line.substr(colon + 2);
    return values;
}

struct PeerCase {
    const char* byteOrder;
    const char* iptcWritten; // how exiftool writes IPTC text
    const char* iptcRead;    // what it must be told to read it back
};

class ExifToolPeer : public ::testing::TestWithParam<PeerCase> {};

TEST_P(ExifToolPeer, FileWrittenByExifToolReadsAsItReportsIt) {
    const TempFolder dir;
    const std::string path = dir.file("peer.jpg");
    writeFileBytes(path, realJpegFile());
    std::string command =
        "exiftool -q -overwrite_original -ExifByteOrder=" + std::string(GetParam().byteOrder) +
        " " + GetParam().iptcWritten;
    // clang-format off
    for (const char* tag : {"Make=Canon", "Model=EOS 5D Mark II", "ImageDescription=Příběh \"na horách\"",
        "Software=Firmware 1.1", "Artist=Jan Novak", "Copyright=(c) 2021",
        "ModifyDate=2021:01:02 03:04:05", "DateTimeOriginal=2021:05:06 07:08:09",
        "CreateDate=2021:05:06 07:08:10", "ISO=1600", "ExposureTime=0.008", "FNumber=5.6",
        "ExifIFD:Flash#=25", "Orientation#=8", "ExposureProgram#=3", "MeteringMode#=5",
        "LightSource#=21", "ShutterSpeedValue=0.01", "ApertureValue=2.8", "MaxApertureValue=1.4",
        "ExifImageWidth=4000", "ExifImageHeight=3000", "XResolution=300", "YResolution=72",
        "CompressedBitsPerPixel=4", "UserComment=Žluťoučký kůň úpěl", "XMP-dc:Description-cs=Pes",
        "XMP-dc:Description=Žluťoučký <b>kůň</b> & co", "IPTC:Caption-Abstract=Café Žižka – 5 €"})
        command += " " + quoted("-" + std::string(tag));
    // clang-format on
    ASSERT_EQ(std::system((command + " " + quoted(path)).c_str()), 0) << command;
    auto peer = peerValues(path);
    TExif e;
    e.ReadFromFile(path);
    EXPECT_EQ(e.IsMotorolaOrder(), std::string(GetParam().byteOrder) == "MM");
    const std::string photo = readFileBytes(path);
    const MetadataSegments segments = findMetadataSegments(photo);
    const auto text = [&](const std::string& tag) {
        return toolOutput("exiftool -b " + std::string(GetParam().iptcRead) + " -" + tag + " " +
                          path);
    };
    EXPECT_EQ(readXmpPacket(segments.xmp).description, text("XMP-dc:Description"));
    EXPECT_EQ(readIptcCaption(segments.photoshop), text("IPTC:Caption-Abstract"));
    // A comment beyond ASCII is stored as UTF-16 in the block's order.
    EXPECT_EQ(e.UserCommentCode, "UNICODE");
    const std::string comment =
        decodeUserComment(e.UserComment, e.UserCommentCode, e.IsMotorolaOrder());
    // clang-format off
    const std::pair<std::string, const char*> texts[] = {
        {e.Make, "Make"}, {e.Model, "Model"}, {e.ImageDescription, "ImageDescription"},
        {e.Software, "Software"}, {e.Artist, "Artist"}, {e.RightsNotice, "Copyright"},
        {e.DateTime, "ModifyDate"}, {e.DateTimeOriginal, "DateTimeOriginal"},
        {e.DateTimeDigitized, "CreateDate"}, {comment, "UserComment"}};
    // clang-format on
    for (const auto& [ours, tag] : texts)
        EXPECT_EQ(ours, peer[tag]) << tag;
    // "1/125 seconds" -> 0.008; aperture values are APEX numbers, exiftool gives F-numbers.
    const auto fraction = [](const std::string& text) {
        return std::stod(text) / std::stod(text.substr(text.find('/') + 1));
    };
    const auto apex = [](const std::string& text) { return std::pow(2.0, std::stod(text) / 2); };
    // clang-format off
    const std::pair<double, const char*> numbers[] = {
        {e.ISOSpeed, "ISO"}, {e.Flash, "Flash"}, {e.Orientation, "Orientation"},
        {e.ExposureProgram, "ExposureProgram"}, {e.MeteringMode, "MeteringMode"},
        {e.LightSource, "LightSource"}, {e.ExifImageWidth, "ExifImageWidth"},
        {e.ExifImageHeight, "ExifImageHeight"}, {e.XResolution, "XResolution"},
        {e.YResolution, "YResolution"}, {fraction(e.ExposureTime), "ExposureTime"},
        {std::stod(e.FNumber), "FNumber"},
        {std::stod(e.CompressedBitsPerPixel), "CompressedBitsPerPixel"},
        {fraction(e.ShutterSpeed), "ShutterSpeedValue"}, {apex(e.Aperture), "ApertureValue"},
        {apex(e.MaxAperture), "MaxApertureValue"}};
    // clang-format on
    for (const auto& [ours, tag] : numbers)
        EXPECT_NEAR(ours, std::stod(peer[tag]), std::stod(peer[tag]) * 1e-3) << tag;
}

INSTANTIATE_TEST_SUITE_P(Files, ExifToolPeer,
                         ::testing::Values(PeerCase{"II", "-charset iptc=latin", ""},
                                           PeerCase{"MM", "-codedcharacterset=utf8", ""},
                                           // UTF-8 that 1:90 does not declare, as many write
                                           PeerCase{"II", "-charset iptc=utf8",
                                                    "-charset iptc=utf8"}));

// A description too long for the photo's one XMP segment goes to the extended packet.
TEST(ExifToolPeerXmp, ReadsTheDescriptionThatExifToolMovedToExtendedXmp) {
    const TempFolder dir;
    const std::string path = dir.file("long.jpg");
    writeFileBytes(path, realJpegFile());
    writeFileBytes(dir.file("d.txt"), std::string(40000, 'D'));
    writeFileBytes(dir.file("l.txt"), std::string(40000, 'L'));
    runTool("exiftool -q -overwrite_original '-XMP-dc:Description<=" + dir.file("d.txt") +
            "' '-XMP-xmp:Label<=" + dir.file("l.txt") + "' " + path);
    TExif exif;
    exif.ReadFromFile(path);
    EXPECT_EQ(readPhotoCaption(path, readFileBytes(path), exif, *parseCaptionSources("xmp")).text,
              std::string(40000, 'D'));
}

} // namespace
