#include "image/Resampler.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vistarel {

namespace {

// 255 << 22 still fits the 32-bit accumulator; finer steps keep even a 100:1
// reduction well within one level of the exact average.
constexpr int kRowWeightBits = 22;
constexpr int kRowWeightOne = 1 << kRowWeightBits;

// Target pixel t spans [t*source, (t+1)*source) and source pixel s spans
// [s*target, (s+1)*target) in units of 1/(source*target) of the axis, so every
// coverage is an exact integer.
void computeArea(int source, int target, AxisWeights& axis) {
    for (int t = 0; t < target; ++t) {
        long long begin = static_cast<long long>(t) * source;
        long long end = begin + source;
        int firstSource = static_cast<int>(begin / target);
        int lastSource = static_cast<int>((end - 1) / target);
        axis.first.push_back(firstSource);
        for (int s = firstSource; s <= lastSource; ++s) {
            long long overlap = std::min(end, static_cast<long long>(s + 1) * target) -
                                std::max(begin, static_cast<long long>(s) * target);
            axis.weights.push_back(static_cast<double>(overlap) / source);
        }
        axis.offset.push_back(static_cast<int>(axis.weights.size()));
    }
}

// Pixel centres aligned; outside the outer centres the edge pixel is repeated.
void computeLinear(int source, int target, AxisWeights& axis) {
    for (int t = 0; t < target; ++t) {
        double x = (t + 0.5) * source / target - 0.5;
        x = std::clamp(x, 0.0, static_cast<double>(source - 1));
        int left = static_cast<int>(x);
        double fraction = x - left;
        axis.first.push_back(left);
        axis.weights.push_back(1.0 - fraction);
        if (fraction > 0.0)
            axis.weights.push_back(fraction);
        axis.offset.push_back(static_cast<int>(axis.weights.size()));
    }
}

std::uint8_t toByte(float value) {
    return static_cast<std::uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
}

} // namespace

void AxisWeights::compute(int sourceLength, int targetLength) {
    first.clear();
    weights.clear();
    offset.assign(1, 0);
    if (targetLength < sourceLength)
        computeArea(sourceLength, targetLength, *this);
    else
        computeLinear(sourceLength, targetLength, *this);
}

void Resampler::prepare(const Raster& source, const Raster& target) {
    columns_.compute(source.width, target.width);
    rows_.compute(source.height, target.height);

    // Row weights in fixed point, each row's sum exactly one, so a flat area stays flat.
    rowWeights_.resize(rows_.weights.size());
    for (int t = 0; t < target.height; ++t) {
        int begin = rows_.offset[t], end = rows_.offset[t + 1];
        long sum = 0;
        int largest = begin;
        for (int i = begin; i < end; ++i) {
            rowWeights_[i] =
                static_cast<std::uint32_t>(std::lround(rows_.weights[i] * kRowWeightOne));
            sum += rowWeights_[i];
            if (rows_.weights[i] > rows_.weights[largest])
                largest = i;
        }
        rowWeights_[largest] =
            static_cast<std::uint32_t>(rowWeights_[largest] + kRowWeightOne - sum);
    }
    columnWeights_.resize(columns_.weights.size());
    for (std::size_t i = 0; i < columns_.weights.size(); ++i)
        columnWeights_[i] = static_cast<float>(columns_.weights[i] / kRowWeightOne);
    accumulator_.resize(static_cast<std::size_t>(source.width) * 3);
}

void Resampler::accumulateRows(const Raster& source, int targetRow) {
    std::uint32_t* acc = accumulator_.data();
    const std::size_t n = accumulator_.size();
    int begin = rows_.offset[targetRow], end = rows_.offset[targetRow + 1];
    for (int i = begin; i < end; ++i) {
        const std::uint8_t* src = source.row(rows_.first[targetRow] + (i - begin));
        const std::uint32_t weight = rowWeights_[i];
        if (i == begin) {
            for (std::size_t k = 0; k < n; ++k)
                acc[k] = weight * src[k];
        } else {
            for (std::size_t k = 0; k < n; ++k)
                acc[k] += weight * src[k];
        }
    }
}

void Resampler::filterRow(std::uint8_t* targetRow, int targetWidth) {
    const std::uint32_t* acc = accumulator_.data();
    for (int t = 0; t < targetWidth; ++t, targetRow += 3) {
        const std::uint32_t* src = acc + static_cast<std::size_t>(columns_.first[t]) * 3;
        const float* weight = columnWeights_.data() + columns_.offset[t];
        const float* weightEnd = columnWeights_.data() + columns_.offset[t + 1];
        float r = 0, g = 0, b = 0;
        for (; weight != weightEnd; ++weight, src += 3) {
            r += *weight * static_cast<float>(src[0]);
            g += *weight * static_cast<float>(src[1]);
            b += *weight * static_cast<float>(src[2]);
        }
        targetRow[0] = toByte(r);
        targetRow[1] = toByte(g);
        targetRow[2] = toByte(b);
    }
}

void Resampler::resample(const Raster& source, Raster& target) {
    prepare(source, target);
    for (int y = 0; y < target.height; ++y) {
        accumulateRows(source, y);
        filterRow(target.row(y), target.width);
    }
}

void resampleInto(const Raster& source, Raster& target) {
    Resampler resampler;
    resampler.resample(source, target);
}

} // namespace vistarel
