#pragma once

#include "image/Raster.h"

#include <cstdint>
#include <vector>

namespace vistarel {

// The source pixels that make one target pixel along one axis, with their weights.
// Shrinking: each target pixel is the coverage-weighted average of the source pixels
// it covers (exact fractions of the pixel area). Enlarging: linear interpolation
// between the two nearest source pixel centres.
struct AxisWeights {
    std::vector<int> first;      // per target index: first source index
    std::vector<int> offset;     // per target index: start in weights; one extra at the end
    std::vector<double> weights; // sum to 1 per target index

    void compute(int sourceLength, int targetLength);
    int count(int target) const { return offset[target + 1] - offset[target]; }
};

// Draws a picture at another size, separably: for each target row the covered source
// rows are accumulated at full width, then that row is filtered horizontally. Only the
// source rows are read; the buffers are kept for the next call.
class Resampler {
public:
    // Fills target (already sized) from source; both must be non-empty.
    void resample(const Raster& source, Raster& target);

private:
    void prepare(const Raster& source, const Raster& target);
    void accumulateRows(const Raster& source, int targetRow);
    void filterRow(std::uint8_t* targetRow, int targetWidth);

    AxisWeights columns_;
    AxisWeights rows_;
    std::vector<std::uint32_t> rowWeights_;  // fixed point, each target row sums to 1 << 22
    std::vector<float> columnWeights_;       // scaled back from the row fixed point
    std::vector<std::uint32_t> accumulator_; // one source row wide, 3 channels
};

// Convenience: a temporary resampler.
void resampleInto(const Raster& source, Raster& target);

} // namespace vistarel
