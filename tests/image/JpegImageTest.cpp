#include "image/JpegImage.h"
#include "image/JpegEncoder.h"
#include "image/Resampler.h"

#include "TempFolder.h"
#include "TestPhotos.h"
#include "common/Error.h"
#include "common/FileSystem.h"

#include <gtest/gtest.h>

namespace vistarel {
namespace {

// The colour spaces cameras and editors write (progressive is libjpeg's business), made from
// one RGB photo: grey by jpegtran (losslessly), inverted CMYK with Adobe's marker (as YCCK) by
// ImageMagick; plain CMYK, as few writers store it, by the fixture.
TEST(JpegImage, DecodesEveryColourSpaceToRgb) {
    const testing::TempFolder folder;
    const std::string rgb = folder.file("rgb.jpg");
    testing::writeTestJpeg(rgb, 96, 64, {.quality = 95});
    testing::writeTestJpeg(folder.file("plain.jpg"), 96, 64, {.quality = 95, .plainCmyk = true});
    testing::runTool("jpegtran -grayscale -outfile " + folder.file("grey.jpg") + " " + rgb);
    testing::runTool("convert " + rgb + " -colorspace CMYK " + folder.file("adobe.jpg"));
    JpegImage image, expected;
    expected.loadFromFile(rgb);
    Raster grey = expected.picture();
    for (auto px = grey.pixels.begin(); px != grey.pixels.end(); px += 3)
        std::fill_n(px, 3, (299 * px[0] + 587 * px[1] + 114 * px[2] + 500) / 1000);
    for (const char* name : {"adobe.jpg", "plain.jpg"}) {
        image.loadFromFile(folder.file(name));
        EXPECT_LE(testing::meanDifference(image.picture(), expected.picture()), 4.0) << name;
    }
    image.loadFromFile(folder.file("grey.jpg"));
    EXPECT_LE(testing::meanDifference(image.picture(), grey), 0.5);
}

TEST(JpegImage, DecodesAtTheChosenScaleRoundingUp) {
    const testing::TempFolder folder;
    testing::writeTestJpeg(folder.file("in.jpg"), 203, 157);
    JpegImage full;
    full.loadFromFile(folder.file("in.jpg"));
    for (int eighths = 1; eighths <= 8; ++eighths) {
        JpegImage image;
        DecodeOptions options;
        options.chooseScale = [&](int width, int height) {
            EXPECT_EQ(width * 1000 + height, 203157) << "the stored size";
            return eighths;
        };
        image.loadFromFile(folder.file("in.jpg"), options);
        ASSERT_EQ(image.width() * 1000 + image.height(),
                  (203 * eighths + 7) / 8 * 1000 + (157 * eighths + 7) / 8);
        EXPECT_EQ(image.scale().photoWidth * 10000 + image.scale().photoHeight * 10 +
                      image.scale().eighths,
                  2031570 + eighths);
        Raster reference;
        reference.resize(image.width(), image.height());
        resampleInto(full.picture(), reference);
        EXPECT_LT(testing::meanDifference(image.picture(), reference), 8.0) << eighths << "/8";
    }
}

// Baseline, for every browser and viewer; the quality is the one asked for.
TEST(EncodeJpeg, WritesBaselineColourAtTheQuality) {
    const Raster picture = testing::makeTestRaster(120, 90, 9);
    const std::string high = encodeJpeg(picture, 100);
    EXPECT_LT(encodeJpeg(picture, 20).size(), high.size());
    const std::size_t sof = high.find("\xFF\xC0");
    ASSERT_NE(sof, std::string::npos) << "baseline";
    EXPECT_EQ(high[sof + 9], 3) << "three components";
    EXPECT_THROW(encodeJpeg(Raster(), 80), Error) << "an empty picture";
}

TEST(JpegImage, UnreadableFilesGiveErrorsNamingThePath) {
    const testing::TempFolder folder;
    std::string huge = testing::encodeTestJpeg(16, 16);
    huge.replace(huge.find("\xFF\xC0") + 5, 4, "\xEA\x60\xEA\x60"); // 60000 x 60000
    writeFileBytes(folder.file("huge.jpg"), huge);
    writeFileBytes(folder.file("text.jpg"), "hello");
    testing::writeTestJpeg(folder.file("good.jpg"), 16, 16);
    const std::pair<std::string, std::string> cases[] = {
        {"text.jpg", ": Not a JPEG file: starts with 0x68 0x65"},
        {"huge.jpg", ": Image is too large (60000 x 60000 pixels)"},
        {"none.jpg", "\". No such file or directory"}};
    JpegImage image; // a worker's, reused: a failed load leaves no earlier picture behind
    for (const auto& [name, error] : cases) {
        image.loadFromFile(folder.file("good.jpg"));
        try {
            image.loadFromFile(folder.file(name));
            ADD_FAILURE() << "no error loading " << name;
        } catch (const Error& e) {
            EXPECT_NE(e.text().find(folder.file(name) + error), std::string::npos) << e.text();
            EXPECT_TRUE(image.empty());
        }
    }
}

} // namespace
} // namespace vistarel
