// Files exiftool writes, in both byte orders, read as exiftool reports them.
#include "exif/Exif.h"

#include "common/Cp1250.h"
#include "common/FileSystem.h"

#include "ExifBytes.h"
#include "TempFolder.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <memory>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

// Neither the tags nor the temp paths hold an apostrophe.
std::string quoted(const std::string& text) {
    return "'" + text + "'";
}

// exiftool's numeric values of IFD0 and the EXIF sub-directory, by tag name.
std::map<std::string, std::string> peerValues(const std::string& path) {
    const std::string command = "exiftool -n -S -IFD0:all -ExifIFD:all " + quoted(path);
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::map<std::string, std::string> values;
    char line[4096];
    while (pipe && std::fgets(line, sizeof line, pipe.get())) {
        const std::string text(line, std::strcspn(line, "\n"));
        if (const auto colon = text.find(": "); colon != std::string::npos)
            values[text.substr(0, colon)] = text.substr(colon + 2);
    }
    return values;
}

class ExifToolPeer : public ::testing::TestWithParam<const char*> {};

TEST_P(ExifToolPeer, FileWrittenByExifToolReadsAsItReportsIt) {
    const TempFolder dir;
    const std::string path = dir.file("peer.jpg");
    writeFileBytes(path, realJpegFile());
    std::string command =
        "exiftool -q -overwrite_original -ExifByteOrder=" + std::string(GetParam());
    // clang-format off
    for (const char* tag : {"Make=Canon", "Model=EOS 5D Mark II", "ImageDescription=Sunset",
        "Software=Firmware 1.1", "Artist=Jan Novak", "Copyright=(c) 2021",
        "ModifyDate=2021:01:02 03:04:05", "DateTimeOriginal=2021:05:06 07:08:09",
        "CreateDate=2021:05:06 07:08:10", "ISO=1600", "ExposureTime=0.008", "FNumber=5.6",
        "ExifIFD:Flash#=25", "Orientation#=8", "ExposureProgram#=3", "MeteringMode#=5",
        "LightSource#=21", "ShutterSpeedValue=0.01", "ApertureValue=2.8", "MaxApertureValue=1.4",
        "ExifImageWidth=4000", "ExifImageHeight=3000", "XResolution=300", "YResolution=72",
        "CompressedBitsPerPixel=4", "UserComment=Žluťoučký kůň úpěl"})
        command += " " + quoted("-" + std::string(tag));
    // clang-format on
    ASSERT_EQ(std::system((command + " " + quoted(path)).c_str()), 0) << command;
    auto peer = peerValues(path);
    TExif e;
    e.ReadFromFile(path);
    EXPECT_EQ(e.IsMotorolaOrder(), std::string(GetParam()) == "MM");
    // A comment beyond ASCII is stored as UTF-16 in the block's order.
    EXPECT_EQ(e.UserCommentCode, "UNICODE");
    std::string comment;
    for (std::size_t i = 0; i + 1 < e.UserComment.size(); i += 2) {
        const auto a = static_cast<unsigned char>(e.UserComment[i]);
        const auto b = static_cast<unsigned char>(e.UserComment[i + 1]);
        appendUtf8(comment, e.IsMotorolaOrder() ? a << 8 | b : b << 8 | a);
    }
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

INSTANTIATE_TEST_SUITE_P(ByteOrders, ExifToolPeer, ::testing::Values("II", "MM"));

} // namespace
