#include "album/ImageScaling.h"
#include "album/DecodeScale.h"

#include "TestPhotos.h"

#include <gtest/gtest.h>

#include <string>

namespace vistarel {
namespace {

TEST(FitToSize, WorkedTableAndRoundingEdges) {
    const struct {
        int width, height, size;
        bool fitHeight;
        int expectedWidth, expectedHeight;
    } cases[] = {
        // The preview fits the height, whatever the width becomes.
        {5000, 100, 186, true, 9300, 186},
        // Otherwise the longer side, the width only when it is strictly longer.
        {3000, 2000, 800, false, 800, 533},
        {2000, 3000, 800, false, 533, 800},
        {1000, 1000, 100, false, 100, 100},
        // Ties go to even: 75.5 -> 76, 76.5 -> 76, 0.5 -> 0.
        {200, 151, 100, false, 100, 76},
        {200, 153, 100, false, 100, 76},
        {200, 1, 100, false, 100, 0},
        // 186 / 40 * 50 is exactly 232.5 at a 64-bit significand (233 with doubles).
        {50, 40, 186, true, 232, 186},
    };
    for (const auto& c : cases) {
        int width = c.width, height = c.height;
        fitToSize(width, height, c.size, c.fitHeight);
        EXPECT_EQ(width * 10000 + height, c.expectedWidth * 10000 + c.expectedHeight)
            << c.width << "x" << c.height << " to " << c.size;
    }
}

const AlbumState state{
    .catalogue = {}, .thumbSize = 100, .photoSize = 800, .previewWidth = 315, .previewHeight = 186};

// The album photo is never enlarged, the thumbnail fits its square, the preview its box.
TEST(RenderScaled, SizesEachPictureByItsRule) {
    ScaledPictures pictures;
    const auto sizes = [&](int width, int height) {
        renderScaled(testing::makeTestRaster(width, height, 4), {},
                     pictureSizes(width, height, state), pictures);
        std::string text;
        for (const Raster* r : {&pictures.photo, &pictures.thumbnail, &pictures.preview})
            text += std::to_string(r->width) + "x" + std::to_string(r->height) + " ";
        return text;
    };
    EXPECT_EQ(sizes(1024, 768), "800x600 100x75 248x186 ");
    EXPECT_EQ(sizes(800, 300), "800x300 100x38 315x118 ") << "the longer side equals the size";
    EXPECT_EQ(sizes(300, 800), "300x800 38x100 70x186 ");
    EXPECT_EQ(sizes(50, 40), "50x40 100x80 232x186 ");
    // Long, thin photos: every picture keeps a side of one pixel and fits its bound.
    EXPECT_EQ(sizes(10000, 1), "800x1 100x1 315x1 ");
    EXPECT_EQ(sizes(1, 10000), "1x800 1x100 1x186 ");
}

TEST(DecodeScale, TheCheapestThatIsTwiceTheLargestPicture) {
    const struct {
        int width, height, eighths;
    } cases[] = {
        {2056, 3088, 5}, // upright: the album photo, 533 x 800, is the largest picture
        {3200, 2400, 4}, // exactly twice at 4/8
        {3199, 2399, 4}, // libjpeg rounds 1599.5 up to 1600
        {3197, 2397, 5}, // 1598.5 rounds up to 1599 at 4/8, one short
        {8000, 1000, 2}, // a panorama: 800 x 100
        {1920, 1280, 8}, // 7/8 would do, but costs more than 8/8 (6/8 too)
        {1600, 1200, 8}, // the album photo is half the photo
        {50, 40, 8},     // tiny, and enlarged to a 232 x 186 preview
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeScale(c.width, c.height, pictureSizes(c.width, c.height, state)), c.eighths)
            << c.width << "x" << c.height;
}

} // namespace
} // namespace vistarel
