#include "album/ImageScaling.h"
#include "album/DecodeScale.h"

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
        state.previewWidth = 315;
        state.previewHeight = 186;
    }
    static Raster photo(int width, int height) { return testing::makeTestRaster(width, height, 4); }
    std::string sizes(int width, int height) {
        renderScaled(photo(width, height), {}, pictureSizes(width, height, state), pictures);
        auto text = [](const Raster& r) {
            return std::to_string(r.width) + "x" + std::to_string(r.height);
        };
        return text(pictures.photo) + " " + text(pictures.thumbnail) + " " + text(pictures.preview);
    }
    AlbumState state;
    ScaledPictures pictures;
};

TEST_F(RenderScaled, SizesEachPictureByItsRule) {
    EXPECT_EQ(sizes(1024, 768), "800x600 100x75 248x186");
    EXPECT_EQ(sizes(800, 300), "800x300 100x38 315x118") << "the longer side equals the size";
    EXPECT_EQ(sizes(799, 300), "799x300 100x38 315x118");
    EXPECT_EQ(sizes(315, 186), "315x186 100x59 315x186") << "the preview fills its box";
    // Long, thin photos: every picture keeps a side of one pixel and fits its bound.
    EXPECT_EQ(sizes(1000, 1), "800x1 100x1 315x1");
    EXPECT_EQ(sizes(10000, 1), "800x1 100x1 315x1");
    EXPECT_EQ(sizes(1, 10000), "1x800 1x100 1x186");
    EXPECT_EQ(sizes(300, 800), "300x800 38x100 70x186");
    EXPECT_EQ(pictures.preview.pixels.size(), 70u * 186 * 3);

    PhotoRecord record;
    EXPECT_EQ(sizes(50, 40), "50x40 100x80 232x186") << "the photo is never enlarged";
    EXPECT_EQ(pictures.photo.pixels, photo(50, 40).pixels) << "same size, same pixels";
    recordScaledSizes(pictureSizes(50, 40, state), record);
    EXPECT_EQ(record.photoWidth * 1000 + record.photoHeight, 50 * 1000 + 40);
    EXPECT_EQ(record.thumbWidth * 1000 + record.thumbHeight, 100 * 1000 + 80);
}

TEST_F(RenderScaled, DecodesAtTheSmallestScaleTwiceTheLargestPicture) {
    const struct {
        int width, height, eighths;
    } cases[] = {
        {6028, 3391, 3}, // the album photo, 800 x 450, is the largest picture
        {2056, 3088, 5}, // upright: 533 x 800
        {3200, 2400, 4}, // exactly twice at 4/8
        {3199, 2399, 4}, // libjpeg rounds 1599.5 up to 1600
        {3197, 2397, 5}, // 1598.5 rounds up to 1599 at 4/8, one short
        {8000, 1000, 2}, // a panorama: 800 x 100
        {1600, 1200, 8}, // the album photo is half the photo
        {1000, 750, 8},  // more than half
        {50, 40, 8},     // the thumbnail and preview enlarge
        {16, 12, 8},
    };
    for (const auto& c : cases)
        EXPECT_EQ(decodeScale(c.width, c.height, pictureSizes(c.width, c.height, state)), c.eighths)
            << c.width << "x" << c.height;
}

} // namespace
} // namespace vistarel
