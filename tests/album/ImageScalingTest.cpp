#include "album/ImageScaling.h"

#include "RecordingWindow.h"
#include "TestPhotos.h"

#include <gtest/gtest.h>

#include <string>

namespace vistarel {
namespace {

struct FitCase {
    int width, height, size;
    bool fitHeight;
    int expectedWidth, expectedHeight;
};

TEST(FitToSize, WorkedTableAndRoundingEdges) {
    const FitCase cases[] = {
        // The album sizes 800 / 100 / 186 (preview fits the height).
        {3000, 2000, 800, false, 800, 533},
        {3000, 2000, 100, false, 100, 67},
        {3000, 2000, 186, true, 279, 186},
        {2000, 3000, 800, false, 533, 800},
        {2000, 3000, 100, false, 67, 100},
        {2000, 3000, 186, true, 124, 186},
        {1024, 768, 800, false, 800, 600},
        {1024, 768, 186, true, 248, 186},
        {1000, 1000, 800, false, 800, 800},
        {1000, 1000, 186, true, 186, 186},
        {50, 40, 100, false, 100, 80},
        {200, 153, 100, false, 100, 76},
        {200, 153, 186, true, 243, 186},
        {640, 480, 100, false, 100, 75},
        {900, 1200, 800, false, 600, 800},
        {5000, 100, 186, true, 9300, 186},
        // Ties go to even: 75.5 -> 76, 76.5 -> 76, 0.5 -> 0, 2.5 -> 2.
        {200, 151, 100, false, 100, 76},
        {200, 1, 100, false, 100, 0},
        {40, 1, 100, false, 100, 2},
        // 186 / 40 * 50 is exactly 232.5 at a 64-bit significand (233 with doubles).
        {50, 40, 186, true, 232, 186},
    };
    for (const FitCase& c : cases) {
        int width = c.width, height = c.height;
        fitToSize(width, height, c.size, c.fitHeight);
        EXPECT_EQ(width, c.expectedWidth) << c.width << "x" << c.height << " to " << c.size;
        EXPECT_EQ(height, c.expectedHeight) << c.width << "x" << c.height << " to " << c.size;
    }
}

class RenderScaled : public ::testing::Test {
protected:
    RenderScaled() {
        state.photoSize = 800;
        state.thumbSize = 100;
        state.previewHeight = 186;
        state.catalogue.resize(2);
    }
    JpegImage photo(int width, int height) {
        JpegImage image;
        image.assign(testing::makeTestRaster(width, height, 4));
        return image;
    }
    AlbumState state;
    Raster raster;
};

TEST_F(RenderScaled, WritesTheRecordFieldsOfItsMode) {
    const JpegImage source = photo(1024, 768);
    renderScaled(source, raster, ScaleMode::Photo, 1, state);
    EXPECT_EQ(raster.width, 800);
    EXPECT_EQ(raster.height, 600);
    renderScaled(source, raster, ScaleMode::Thumbnail, 1, state);
    EXPECT_EQ(raster.width, 100);
    EXPECT_EQ(raster.height, 75);
    renderScaled(source, raster, ScaleMode::Preview, 1, state);
    EXPECT_EQ(raster.width, 248);
    EXPECT_EQ(raster.height, 186);
    EXPECT_EQ(raster.pixels.size(), 248u * 186 * 3);

    const PhotoRecord& record = state.catalogue[1];
    EXPECT_EQ(record.photoWidth, 800);
    EXPECT_EQ(record.photoHeight, 600);
    EXPECT_EQ(record.thumbWidth, 100);
    EXPECT_EQ(record.thumbHeight, 75);
    EXPECT_EQ(state.catalogue[0].photoWidth, 0) << "other records untouched";
}

TEST_F(RenderScaled, NeverEnlargesThePhotoButEnlargesTheThumbnail) {
    const JpegImage source = photo(50, 40);
    renderScaled(source, raster, ScaleMode::Photo, 0, state);
    EXPECT_EQ(raster.pixels, source.picture().pixels) << "same size, same pixels";
    renderScaled(source, raster, ScaleMode::Thumbnail, 0, state);
    renderScaled(source, raster, ScaleMode::Preview, 0, state);
    EXPECT_EQ(raster.width, 232);
    const PhotoRecord& record = state.catalogue[0];
    EXPECT_EQ(record.photoWidth * 1000 + record.photoHeight, 50 * 1000 + 40);
    EXPECT_EQ(record.thumbWidth * 1000 + record.thumbHeight, 100 * 1000 + 80);
}

TEST_F(RenderScaled, LongerSideEqualToThePhotoSizeKeepsItsSize) {
    for (auto [width, height] : {std::pair{800, 300}, {799, 300}, {300, 800}}) {
        renderScaled(photo(width, height), raster, ScaleMode::Photo, 0, state);
        EXPECT_EQ(state.catalogue[0].photoWidth, width);
        EXPECT_EQ(state.catalogue[0].photoHeight, height);
    }
}

TEST_F(RenderScaled, ThinPhotoKeepsAtLeastOnePixel) {
    renderScaled(photo(1000, 1), raster, ScaleMode::Thumbnail, 0, state);
    EXPECT_EQ(state.catalogue[0].thumbWidth, 100);
    EXPECT_EQ(state.catalogue[0].thumbHeight, 1);
    EXPECT_EQ(raster.height, 1);
}

TEST(EncodeJpeg, HandsACopyAndTheQualityToTheTarget) {
    testing::RecordingWindow window;
    Raster raster = testing::makeTestRaster(9, 7, 1);
    JpegImage target;
    encodeJpeg(raster, target, 37, window);
    EXPECT_EQ(target.picture().pixels, raster.pixels);
    EXPECT_EQ(target.quality(), 37);
    EXPECT_TRUE(window.calls.empty());
}

} // namespace
} // namespace vistarel
