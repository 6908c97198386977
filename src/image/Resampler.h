#pragma once

#include "image/Raster.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vistarel {

// The source pixels that make one target pixel along one axis, with integer weights
// that sum to `unit` for every target pixel. Shrinking: each target pixel is the
// coverage-weighted average of the source pixels it covers; the weights are the exact
// overlaps, also for a source decoded at a scale M/8 (its pixels then lie on the photo's
// axis as PhotoScale says). Enlarging: linear interpolation between the two nearest source
// pixel centres, in 16-bit fixed point.
struct AxisWeights {
    std::vector<int> first;  // per target index: first source index
    std::vector<int> offset; // per target index: start in weights; one extra at the end
    std::vector<std::uint32_t> weights;
    std::uint32_t unit = 1;

    // photoLength is the photo's length along the axis when the source was decoded at
    // eighths/8 of it.
    void compute(int sourceLength, int targetLength, int photoLength = 0, int eighths = 8);
};

// Draws a picture at another size, separably: for each target row the covered source
// rows are summed, weighted, at full width, then that row is filtered horizontally, in
// single-precision floats. The source is only read; the buffers are kept for the next call.
class Resampler {
public:
    // Fills target (already sized) from source; both must be non-empty. A source decoded at
    // a smaller scale than 8/8 must be at least as large as the target.
    void resample(const Raster& source, Raster& target, const PhotoScale& scale = {});

    // Fills several targets from one source in a single sweep down it: the target rows
    // are made in the order of the last source row they need, so the rows one target
    // reads are still in the cache when the next reads them, and the source is read once
    // instead of once per target; a source whose rows are made as they are asked for (a
    // photo being decoded) is asked for each row once, and keeps only the last few. Same
    // pixels as resample().
    struct Job {
        Resampler& resampler;
        Raster& target;
    };
    static void resampleTogether(SourceRows& source, std::span<const Job> jobs,
                                 const PhotoScale& scale = {});
    static void resampleTogether(const Raster& source, std::span<const Job> jobs,
                                 const PhotoScale& scale = {});

private:
    int lastSourceRow(int targetRow) const {
        return rows_.first[targetRow] + (rows_.offset[targetRow + 1] - rows_.offset[targetRow]) - 1;
    }
    void prepare(const SourceRows& source, const Raster& target, const PhotoScale& scale);
    int rowSpan() const; // the most source rows one target row takes
    void accumulateRows(SourceRows& source, int targetRow);
    void filterRow(std::uint8_t* targetRow, int targetWidth) const;

    AxisWeights columns_;
    AxisWeights rows_;
    std::vector<float> rowWeights_;    // rows_.weights over its unit
    int taps_ = 1;                     // source pixels per target pixel, padded
    std::vector<int> columnFirst_;     // per target pixel: its first source sample
    std::vector<float> columnWeights_; // per pair of target pixels, taps_ x 8 (see the .cpp)
    std::vector<float> summedRow_;     // the weighted source rows of one target row
};

// Convenience: a temporary resampler.
void resampleInto(const Raster& source, Raster& target);

} // namespace vistarel
