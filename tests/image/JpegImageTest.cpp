#include "image/JpegImage.h"

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

TEST(JpegImage, SavesBaselineColourJfif) {
    TempFolder folder;
    JpegImage image;
    image.assign(testing::makeTestRaster(40, 30, 5));
    EXPECT_EQ(image.quality(), 90);
    image.saveToFile(folder.file("out.jpg"));
    std::vector<std::uint8_t> bytes = testing::readBytes(folder.file("out.jpg"));
    ASSERT_GT(bytes.size(), 20u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 4),
              (std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0xE0}));
    EXPECT_EQ(std::string(bytes.begin() + 6, bytes.begin() + 11), std::string("JFIF\0", 5));
    std::size_t sof = findMarker(bytes, 0xC0);
    ASSERT_NE(sof, std::string::npos);
    EXPECT_EQ(bytes[sof + 9], 3) << "three components";
    for (std::uint8_t other : {0xC1, 0xC2, 0xC3, 0xC9, 0xCA})
        EXPECT_EQ(findMarker(bytes, other), std::string::npos);
}

TEST(JpegImage, QualityTakesEffect) {
    TempFolder folder;
    Raster picture = testing::makeTestRaster(120, 90, 9);
    std::vector<std::size_t> sizes;
    for (int quality : {20, 60, 100}) {
        JpegImage image;
        image.assign(picture);
        image.setQuality(quality);
        image.saveToFile(folder.file("q.jpg"));
        sizes.push_back(testing::readBytes(folder.file("q.jpg")).size());
    }
    EXPECT_LT(sizes[0], sizes[1]);
    EXPECT_LT(sizes[1], sizes[2]);
    JpegImage reread;
    reread.loadFromFile(folder.file("q.jpg"));
    EXPECT_LT(testing::meanDifference(reread.picture(), picture), 2.0);
}

TEST(JpegImage, AssignReplacesTheLoadedPicture) {
    TempFolder folder;
    testing::writeTestJpeg(folder.file("a.jpg"), 50, 40);
    JpegImage image;
    image.loadFromFile(folder.file("a.jpg"));
    Raster small = testing::makeTestRaster(7, 3, 2);
    image.assign(small);
    EXPECT_EQ(image.picture().pixels, small.pixels);
    image.saveToFile(folder.file("b.jpg"));
    image.loadFromFile(folder.file("b.jpg"));
    EXPECT_EQ(image.width(), 7);
    EXPECT_EQ(image.height(), 3);
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

TEST(JpegImage, SaveIntoMissingFolderGivesCannotCreateFile) {
    TempFolder folder;
    JpegImage image;
    image.assign(testing::makeTestRaster(8, 8));
    const std::string path = folder.file("no such folder/x.jpg");
    try {
        image.saveToFile(path);
        FAIL() << "saved into a missing folder";
    } catch (const Error& error) {
        EXPECT_EQ(error.text(), "Cannot create file \"" + path + "\". No such file or directory");
    }
}

TEST(JpegImage, SavingAnEmptyPictureFailsWithThePath) {
    TempFolder folder;
    JpegImage image;
    const std::string path = folder.file("empty.jpg");
    try {
        image.saveToFile(path);
        FAIL() << "saved an empty picture";
    } catch (const Error& error) {
        EXPECT_EQ(error.text().rfind(path + ": ", 0), 0u) << error.text();
    }
}

} // namespace
} // namespace vistarel
