#include "image/Resampler.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <numeric>

namespace vistarel {

namespace {

constexpr std::uint32_t kLinearUnit = 1u << 15;

// Target pixel t spans [t*targetPixel, (t+1)*targetPixel) and source pixel s spans
// [s*sourcePixel, (s+1)*sourcePixel) in common units (for a source at full size,
// 1/(source*target) of the axis), so every coverage is an exact integer and each target
// pixel's coverages sum to targetPixel.
void computeArea(long long targetPixel, long long sourcePixel, int target, AxisWeights& axis) {
    axis.unit = static_cast<std::uint32_t>(targetPixel);
    for (int t = 0; t < target; ++t) {
        const long long begin = t * targetPixel;
        const long long end = begin + targetPixel;
        const auto firstSource = static_cast<int>(begin / sourcePixel);
        const auto lastSource = static_cast<int>((end - 1) / sourcePixel);
        axis.first.push_back(firstSource);
        for (int s = firstSource; s <= lastSource; ++s) {
            const long long overlap =
                std::min(end, (s + 1) * sourcePixel) - std::max(begin, s * sourcePixel);
            axis.weights.push_back(static_cast<std::uint32_t>(overlap));
        }
        axis.offset.push_back(static_cast<int>(axis.weights.size()));
    }
}

// Pixel centres aligned; outside the outer centres the edge pixel is repeated.
void computeLinear(int source, int target, AxisWeights& axis) {
    axis.unit = kLinearUnit;
    for (int t = 0; t < target; ++t) {
        double x = (t + 0.5) * source / target - 0.5;
        x = std::clamp(x, 0.0, static_cast<double>(source - 1));
        int left = static_cast<int>(x);
        auto right = static_cast<std::uint32_t>(std::lround((x - left) * kLinearUnit));
        axis.first.push_back(left);
        axis.weights.push_back(kLinearUnit - right);
        if (right > 0)
            axis.weights.push_back(right);
        axis.offset.push_back(static_cast<int>(axis.weights.size()));
    }
}

// The hot loops below are built twice, for AVX2 and for any x86-64, and the program picks
// the one the CPU runs; they are vectorised whole (see CMakeLists.txt) and have neither
// divisions nor branches inside.
using Floats4 = float __attribute__((vector_size(16)));

// sum = weight * row, and sum += weight * row, over n samples.
[[gnu::target_clones("avx2", "default")]] void setWeightedRow(float* __restrict sum,
                                                              const std::uint8_t* __restrict row,
                                                              float weight, std::size_t n) {
    for (std::size_t k = 0; k < n; ++k)
        sum[k] = weight * static_cast<float>(row[k]);
}

[[gnu::target_clones("avx2", "default")]] void addWeightedRow(float* __restrict sum,
                                                              const std::uint8_t* __restrict row,
                                                              float weight, std::size_t n) {
    for (std::size_t k = 0; k < n; ++k)
        sum[k] += weight * static_cast<float>(row[k]);
}

// Two target pixels at once from `taps` source pixels each of the summed row: R, G, B of
// each and the R after it, which is carried along unused (the row has a sample of room at
// its end). Weights come eight to a tap: the first pixel's weight four times, then the
// second's. A weighted average of bytes, the result needs no clamping to 0-255.
using Floats8 = float __attribute__((vector_size(32)));
using Ints8 = std::int32_t __attribute__((vector_size(32)));
using Bytes32 = std::uint8_t __attribute__((vector_size(32)));
using Bytes8 = std::uint8_t __attribute__((vector_size(8)));

inline Bytes8 pixelPair(const float* first, const float* second, const float* weights, int taps) {
    Floats8 total{};
    for (int k = 0; k < taps; ++k, first += 3, second += 3, weights += 8) {
        Floats4 a, b;
        std::memcpy(&a, first, sizeof a);
        std::memcpy(&b, second, sizeof b);
        Floats8 weight;
        std::memcpy(&weight, weights, sizeof weight);
        total += __builtin_shufflevector(a, b, 0, 1, 2, 3, 4, 5, 6, 7) * weight;
    }
    const auto bytes = reinterpret_cast<Bytes32>(__builtin_convertvector(total + 0.5f, Ints8));
    return __builtin_shufflevector(bytes, bytes, 0, 4, 8, 16, 20, 24, 0, 0);
}

[[gnu::target_clones("avx2", "default")]] void
filterPixels(std::uint8_t* __restrict out, const float* __restrict row, const int* __restrict first,
             const float* __restrict weights, int taps, int width) {
    int t = 0;
    for (; t + 1 < width; t += 2, out += 6, weights += 8 * taps) {
        const Bytes8 pair = pixelPair(row + first[t], row + first[t + 1], weights, taps);
        std::memcpy(out, &pair, 6);
    }
    if (t < width) { // the second of the last pair is a copy of the first
        const Bytes8 pair = pixelPair(row + first[t], row + first[t], weights, taps);
        std::memcpy(out, &pair, 3);
    }
}

} // namespace

void AxisWeights::compute(int sourceLength, int targetLength, int photoLength, int eighths) {
    first.clear();
    weights.clear();
    offset.assign(1, 0);
    if (eighths != 8 && photoLength > 0) {
        // On the photo's axis a target pixel is photoLength/targetLength photo pixels long
        // and a source pixel 8/eighths; both times targetLength * eighths.
        const int common = std::gcd(eighths, 8);
        computeArea(static_cast<long long>(photoLength) * eighths / common,
                    8LL * targetLength / common, targetLength, *this);
    } else if (targetLength < sourceLength) {
        computeArea(sourceLength, targetLength, targetLength, *this);
    } else {
        computeLinear(sourceLength, targetLength, *this);
    }
}

void Resampler::prepare(const SourceRows& source, const Raster& target, const PhotoScale& scale) {
    columns_.compute(source.width(), target.width, scale.photoWidth, scale.eighths);
    rows_.compute(source.height(), target.height, scale.photoHeight, scale.eighths);
    rowWeights_.resize(rows_.weights.size());
    for (std::size_t i = 0; i < rows_.weights.size(); ++i)
        rowWeights_[i] = static_cast<float>(static_cast<double>(rows_.weights[i]) / rows_.unit);
    // Every target pixel gets as many taps as the widest; the ones it lacks weigh nothing.
    taps_ = 1;
    for (int t = 0; t < target.width; ++t)
        taps_ = std::max(taps_, columns_.offset[t + 1] - columns_.offset[t]);
    const auto pairs = static_cast<std::size_t>(target.width + 1) / 2;
    columnFirst_.resize(2 * pairs);
    columnWeights_.assign(pairs * taps_ * 8, 0.0f);
    for (int t = 0; t < target.width; ++t) {
        columnFirst_[t] = columns_.first[t] * 3;
        float* weights = columnWeights_.data() + t / 2 * taps_ * 8 + t % 2 * 4;
        for (int i = columns_.offset[t]; i < columns_.offset[t + 1]; ++i)
            std::fill_n(
                weights + (i - columns_.offset[t]) * 8, 4,
                static_cast<float>(static_cast<double>(columns_.weights[i]) / columns_.unit));
    }
    // Room for the padded taps past the last pixel and for the carried sample, all zero.
    summedRow_.assign(static_cast<std::size_t>(source.width() + taps_) * 3 + 8, 0.0f);
}

int Resampler::rowSpan() const {
    int span = 1;
    for (std::size_t t = 0; t + 1 < rows_.offset.size(); ++t)
        span = std::max(span, rows_.offset[t + 1] - rows_.offset[t]);
    return span;
}

void Resampler::accumulateRows(SourceRows& source, int targetRow) {
    const auto n = static_cast<std::size_t>(source.width()) * 3;
    const int begin = rows_.offset[targetRow], end = rows_.offset[targetRow + 1];
    const int firstRow = rows_.first[targetRow] - begin;
    setWeightedRow(summedRow_.data(), source.row(firstRow + begin), rowWeights_[begin], n);
    for (int i = begin + 1; i < end; ++i)
        addWeightedRow(summedRow_.data(), source.row(firstRow + i), rowWeights_[i], n);
}

void Resampler::filterRow(std::uint8_t* targetRow, int targetWidth) const {
    filterPixels(targetRow, summedRow_.data(), columnFirst_.data(), columnWeights_.data(), taps_,
                 targetWidth);
}

void Resampler::resample(const Raster& source, Raster& target, const PhotoScale& scale) {
    const Job jobs[] = {{*this, target}};
    resampleTogether(source, jobs, scale);
}

void Resampler::resampleTogether(const Raster& source, std::span<const Job> jobs,
                                 const PhotoScale& scale) {
    RasterRows rows(source);
    resampleTogether(rows, jobs, scale);
}

// The target rows are made in the order of the last source row they need, so the rows they
// read are the last few made.
void Resampler::resampleTogether(SourceRows& source, std::span<const Job> jobs,
                                 const PhotoScale& scale) {
    std::vector<int> nextRow(jobs.size(), 0);
    int span = 1;
    for (const Job& job : jobs) {
        job.resampler.prepare(source, job.target, scale);
        span = std::max(span, job.resampler.rowSpan());
    }
    source.keep(span);
    for (;;) {
        std::size_t chosen = jobs.size();
        for (std::size_t k = 0; k < jobs.size(); ++k) {
            if (nextRow[k] >= jobs[k].target.height)
                continue;
            if (chosen == jobs.size() || jobs[k].resampler.lastSourceRow(nextRow[k]) <
                                             jobs[chosen].resampler.lastSourceRow(nextRow[chosen]))
                chosen = k;
        }
        if (chosen == jobs.size())
            return;
        const Job& job = jobs[chosen];
        const int y = nextRow[chosen]++;
        job.resampler.accumulateRows(source, y);
        job.resampler.filterRow(job.target.row(y), job.target.width);
    }
}

void resampleInto(const Raster& source, Raster& target) {
    Resampler resampler;
    resampler.resample(source, target);
}

} // namespace vistarel
