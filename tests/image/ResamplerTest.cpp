#include "image/Resampler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

namespace vistarel {
namespace {

Raster randomRaster(int width, int height) {
    std::mt19937 random(1);
    Raster raster;
    raster.resize(width, height);
    std::generate(raster.pixels.begin(), raster.pixels.end(), [&] { return random() & 0xFF; });
    return raster;
}

// How much source pixel s gives target pixel t along one axis: enlarging is a tent around
// the target centre mapped into the source (clamped at the edges); otherwise the covered
// share of the target's span, where a source decoded at eighths/8 has pixels 8/eighths wide.
double contribution(int s, int t, int source, int target, int photo, int eighths) {
    if (eighths == 8 && target >= source) {
        const double centre = std::clamp((t + 0.5) * source / target - 0.5, 0.0, source - 1.0);
        return std::max(0.0, 1.0 - std::abs(centre - s));
    }
    const double k = static_cast<double>(eighths < 8 ? photo : source) / target, p = 8.0 / eighths;
    return std::max(std::min((s + 1) * p, (t + 1) * k) - std::max(s * p, t * k), 0.0) / k;
}

Raster slowReference(const Raster& source, int width, int height, const PhotoScale& scale) {
    Raster out;
    out.resize(width, height);
    for (int ty = 0; ty < height; ++ty)
        for (int tx = 0; tx < width; ++tx)
            for (int c = 0; c < 3; ++c) {
                double sum = 0;
                for (int sy = 0; sy < source.height; ++sy) {
                    double wy = contribution(sy, ty, source.height, height, scale.photoHeight,
                                             scale.eighths);
                    if (wy == 0)
                        continue;
                    for (int sx = 0; sx < source.width; ++sx)
                        sum += wy *
                               contribution(sx, tx, source.width, width, scale.photoWidth,
                                            scale.eighths) *
                               source.row(sy)[sx * 3 + c];
                }
                out.row(ty)[tx * 3 + c] = static_cast<std::uint8_t>(std::lround(sum));
            }
    return out;
}

// A source whose rows are "made" as they are asked for, as a photo being decoded is: no row
// may be asked for further back than the rows it was told to keep.
struct StreamedRows final : SourceRows {
    const Raster& picture;
    int made = -1, kept = 1;
    explicit StreamedRows(const Raster& source) : picture(source) {
        width_ = source.width;
        height_ = source.height;
    }
    void keep(int rows) override { kept = rows; }
    const std::uint8_t* row(int y) override {
        made = std::max(made, y);
        EXPECT_GT(y, made - kept) << "row " << y << " is no longer kept";
        return picture.row(y);
    }
};

struct SizeCase {
    int sourceWidth, sourceHeight, targetWidth, targetHeight;
    PhotoScale scale{}; // the source decoded at eighths/8 of a photo
};

// Drawn as the build draws: two pictures together in one sweep down the source as it is made.
TEST(Resampler, EveryChannelWithinOneOfTheReference) {
    for (const SizeCase& size :
         {SizeCase{37, 23, 5, 4}, SizeCase{100, 80, 33, 27}, SizeCase{301, 203, 2, 1},
          SizeCase{1000, 3, 7, 3}, SizeCase{1, 9, 1, 3},                            // shrinking
          SizeCase{1, 1, 5, 5}, SizeCase{3, 7, 10, 20}, SizeCase{50, 40, 232, 186}, // enlarging
          SizeCase{10, 3, 4, 9}, SizeCase{9, 9, 9, 9}, // mixed and unchanged
          // decoded smaller, the last pixels past the edge
          SizeCase{77, 59, 31, 23, {203, 157, 3}}, SizeCase{7, 6, 3, 2, {13, 11, 4}},
          SizeCase{251, 6, 100, 3, {401, 9, 5}}, SizeCase{87, 85, 40, 41, {99, 97, 7}}}) {
        const Raster source = randomRaster(size.sourceWidth, size.sourceHeight);
        Resampler resamplers[2];
        Raster targets[2];
        targets[0].resize(size.targetWidth, size.targetHeight);
        targets[1].resize((size.targetWidth + 1) / 2, (size.targetHeight + 1) / 2);
        const Resampler::Job jobs[] = {{resamplers[0], targets[0]}, {resamplers[1], targets[1]}};
        StreamedRows rows(source);
        Resampler::resampleTogether(rows, jobs, size.scale);
        for (const Raster& target : targets) {
            const Raster expected = slowReference(source, target.width, target.height, size.scale);
            for (std::size_t i = 0; i < expected.pixels.size(); ++i)
                ASSERT_LE(std::abs(int(target.pixels[i]) - int(expected.pixels[i])), 1)
                    << "byte " << i << " of " << size.sourceWidth << "x" << size.sourceHeight
                    << " to " << target.width << "x" << target.height;
        }
    }
}

// Weights that do not add up to exactly one show on a flat area, at any ratio.
TEST(Resampler, FlatAreaStaysFlat) {
    Raster source;
    source.resize(997, 661);
    for (std::size_t i = 0; i < source.pixels.size(); ++i)
        source.pixels[i] = "\xFF\x01\x80"[i % 3];
    for (auto [w, h] : {std::pair{800, 530}, {100, 66}, {281, 186}, {3, 1}, {1000, 700}}) {
        Raster target;
        target.resize(w, h);
        resampleInto(source, target);
        for (std::size_t i = 0; i < target.pixels.size(); ++i)
            ASSERT_EQ(target.pixels[i], source.pixels[i % 3]) << w << "x" << h << ", byte " << i;
    }
}

} // namespace
} // namespace vistarel
