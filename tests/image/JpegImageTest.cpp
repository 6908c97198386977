#include "image/JpegImage.h"
#include "image/JpegDecoder.h"
#include "image/JpegEncoder.h"
#include "image/Resampler.h"

#include "TempFolder.h"
#include "TestPhotos.h"
#include "common/Error.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vistarel {
namespace {

using testing::TempFolder;
using testing::TestColourSpace;
using testing::TestPhotoOptions;

// The message of the Error that loading path throws.
std::string loadError(const std::string& path) {
    JpegImage image;
    try {
        image.loadFromFile(path);
    } catch (const Error& error) {
        EXPECT_TRUE(image.empty());
        return error.text();
    }
    ADD_FAILURE() << "no error loading " << path;
    return {};
}

// Index of the first marker FF code in a JPEG's bytes, or npos.
std::size_t findMarker(const std::vector<std::uint8_t>& bytes, std::uint8_t code) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i)
        if (bytes[i] == 0xFF && bytes[i + 1] == code)
            return i;
    return std::string::npos;
}

TEST(JpegImage, DecodesEveryColourSpaceToRgb) {
    TempFolder folder;
    for (auto space : {TestColourSpace::Rgb, TestColourSpace::Grayscale, TestColourSpace::Cmyk,
                       TestColourSpace::AdobeInvertedCmyk, TestColourSpace::AdobeYcck}) {
        TestPhotoOptions options;
        options.quality = 95;
        options.seed = 3;
        options.colourSpace = space;
        testing::writeTestJpeg(folder.file("in.jpg"), 96, 64, options);
        JpegImage image;
        image.loadFromFile(folder.file("in.jpg"));
        ASSERT_EQ(image.width(), 96);
        ASSERT_EQ(image.height(), 64);
        EXPECT_LT(
            testing::meanDifference(image.picture(), testing::expectedTestPicture(96, 64, options)),
            4.0)
            << "colour space " << static_cast<int>(space);
    }
}

TEST(JpegImage, DecodesProgressiveFilesLikeBaseline) {
    TempFolder folder;
    TestPhotoOptions options;
    testing::writeTestJpeg(folder.file("b.jpg"), 33, 17, options);
    options.progressive = true;
    testing::writeTestJpeg(folder.file("p.jpg"), 33, 17, options);
    JpegImage baseline, progressive;
    baseline.loadFromFile(folder.file("b.jpg"));
    progressive.loadFromFile(folder.file("p.jpg"));
    EXPECT_EQ(progressive.picture().pixels, baseline.picture().pixels);
}

TEST(JpegImage, DecodesAtTheChosenScaleRoundingUp) {
    TempFolder folder;
    testing::writeTestJpeg(folder.file("in.jpg"), 203, 157);
    JpegImage full;
    full.loadFromFile(folder.file("in.jpg"));
    for (int eighths = 1; eighths <= 8; ++eighths) {
        JpegImage image;
        image.loadFromFile(folder.file("in.jpg"), {[&](int width, int height) {
                               EXPECT_EQ(width * 1000 + height, 203157) << "the stored size";
                               return eighths;
                           }});
        ASSERT_EQ(image.width(), (203 * eighths + 7) / 8);
        ASSERT_EQ(image.height(), (157 * eighths + 7) / 8);
        EXPECT_EQ(image.scale().photoWidth * 1000 + image.scale().photoHeight, 203157);
        EXPECT_EQ(image.scale().eighths, eighths);
        Raster reference;
        reference.resize(image.width(), image.height());
        resampleInto(full.picture(), reference);
        EXPECT_LT(testing::meanDifference(image.picture(), reference), 8.0) << eighths << "/8";
    }
}

TEST(EncodeJpeg, WritesBaselineColourJfifAtTheQuality) {
    const Raster picture = testing::makeTestRaster(120, 90, 9);
    std::vector<std::string> encoded;
    for (int quality : {20, 60, 100})
        encoded.push_back(encodeJpeg(picture, quality));
    EXPECT_LT(encoded[0].size(), encoded[1].size());
    EXPECT_LT(encoded[1].size(), encoded[2].size());

    const std::vector<std::uint8_t> bytes(encoded[2].begin(), encoded[2].end());
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0}));
    EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 11), std::string("JFIF\0", 5));
    std::size_t sof = findMarker(bytes, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    EXPECT_EQ(bytes[sof + 9], 3) << "three components";
    for (std::uint8_t other : {0xC1, 0xC2, 0xC3, 0xC9, 0xCA})
        EXPECT_EQ(findMarker(bytes, other), std::string::npos);

    Raster reread;
    decodeJpegBytes(encoded[2], reread);
    EXPECT_LT(testing::meanDifference(reread, picture), 2.0);
    EXPECT_THROW(encodeJpeg(Raster(), 80), Error) << "an empty picture";
}

TEST(JpegImage, DamagedScanDataStillDecodes) {
    TempFolder folder;
    std::vector<std::uint8_t> bytes = testing::encodeTestJpeg(64, 64);
    bytes.resize(bytes.size() * 2 / 3); // cut inside the scan: libjpeg only warns
    testing::writeBytes(folder.file("cut.jpg"), bytes);
    JpegImage image;
    image.loadFromFile(folder.file("cut.jpg"));
    EXPECT_EQ(image.width(), 64);
    EXPECT_EQ(image.height(), 64);
}

TEST(JpegImage, UnreadableFilesGiveErrorsNamingThePath) {
    TempFolder folder;
    const std::string notJpeg = folder.file("text.jpg");
    testing::writeBytes(notJpeg, {'h', 'e', 'l', 'l', 'o'});
    EXPECT_EQ(loadError(notJpeg), notJpeg + ": Not a JPEG file: starts with 0x68 0x65");

    std::vector<std::uint8_t> bytes = testing::encodeTestJpeg(64, 64);
    bytes.resize(findMarker(bytes, 0xC0) + 5); // cut inside the frame header
    const std::string cut = folder.file("header cut.jpg");
    testing::writeBytes(cut, bytes);
    EXPECT_EQ(loadError(cut).rfind(cut + ": ", 0), 0u) << loadError(cut);

    const std::string missing = folder.file("missing.jpg");
    EXPECT_EQ(loadError(missing),
              "Cannot open file \"" + missing + "\". No such file or directory");
}

TEST(JpegImage, RefusesAbsurdDimensionsBeforeDecoding) {
    TempFolder folder;
    std::vector<std::uint8_t> bytes = testing::encodeTestJpeg(16, 16);
    std::size_t sof = findMarker(bytes, 0xC0);
    for (std::size_t i : {sof + 5, sof + 7}) { // height and width: 60000 each
        bytes[i] = 60000 >> 8;
        bytes[i + 1] = 60000 & 0xFF;
    }
    const std::string path = folder.file("huge.jpg");
    testing::writeBytes(path, bytes);
    EXPECT_EQ(loadError(path), path + ": Image is too large (60000 x 60000 pixels)");
}

} // namespace
} // namespace vistarel
