#include "image/Resampler.h"

#include "common/Error.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace vistarel {

namespace {

// Every weight fits 16 bits: area weights are at most the target length, which is
// below the source length; from a source decoded at a smaller scale at most 8 times the
// target length, which is then held below this.
constexpr int kMaxRowsFromScaled = 8191;
constexpr std::uint32_t kLinearUnit = 1u << 15;
// 255 times this many rows still fits the 16-bit row sums.
constexpr int kMaxRowsPerSum = 257;
// Keeps 255 x unit (at most 255 x 65535, or 255 x 65535 x 8 for a scaled source, the
// photo being at most 65535 rows high) within the 32-bit accumulator.
constexpr int kMaxSourceRows = 65535;

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

// The loops below work in blocks of 16 so that the compiler vectorises them at -O2.
// Weights fit 16 bits, so the products are 16 x 16 -> 32-bit multiplies.
template <bool Start>
void addRow(std::uint16_t* __restrict sum, const std::uint8_t* __restrict row, std::size_t n) {
    std::size_t k = 0;
    for (; k + 16 <= n; k += 16)
        for (std::size_t j = 0; j < 16; ++j)
            sum[k + j] = static_cast<std::uint16_t>((Start ? 0 : sum[k + j]) + row[k + j]);
    for (; k < n; ++k)
        sum[k] = static_cast<std::uint16_t>((Start ? 0 : sum[k]) + row[k]);
}

// Two rows at a time halve the traffic through the sums.
void addTwoRows(std::uint16_t* __restrict sum, const std::uint8_t* __restrict a,
                const std::uint8_t* __restrict b, std::size_t n) {
    std::size_t k = 0;
    for (; k + 16 <= n; k += 16)
        for (std::size_t j = 0; j < 16; ++j)
            sum[k + j] = static_cast<std::uint16_t>(sum[k + j] + a[k + j] + b[k + j]);
    for (; k < n; ++k)
        sum[k] = static_cast<std::uint16_t>(sum[k] + a[k] + b[k]);
}

template <bool Start, class Sample>
void addWeighted(std::uint32_t* __restrict acc, const Sample* __restrict row, std::uint16_t weight,
                 std::size_t n) {
    std::size_t k = 0;
    for (; k + 16 <= n; k += 16)
        for (std::size_t j = 0; j < 16; ++j)
            acc[k + j] = (Start ? 0 : acc[k + j]) +
                         std::uint32_t{weight} * static_cast<std::uint16_t>(row[k + j]);
    for (; k < n; ++k)
        acc[k] = (Start ? 0 : acc[k]) + std::uint32_t{weight} * static_cast<std::uint16_t>(row[k]);
}

template <class Sample>
void addWeighted(bool start, std::uint32_t* acc, const Sample* row, std::uint16_t weight,
                 std::size_t n) {
    if (start)
        addWeighted<true>(acc, row, weight, n);
    else
        addWeighted<false>(acc, row, weight, n);
}

// The accumulated row as floats, so the horizontal filter needs no conversions; the
// sums stay below 2^31.
void toFloat(float* __restrict out, const std::uint32_t* __restrict acc, std::size_t n) {
    std::size_t k = 0;
    for (; k + 16 <= n; k += 16)
        for (std::size_t j = 0; j < 16; ++j)
            out[k + j] = static_cast<float>(static_cast<std::int32_t>(acc[k + j]));
    for (; k < n; ++k)
        out[k] = static_cast<float>(static_cast<std::int32_t>(acc[k]));
}

std::uint8_t toByte(float value) {
    return static_cast<std::uint8_t>(std::clamp(value + 0.5f, 0.0f, 255.0f));
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

void Resampler::prepare(const Raster& source, const Raster& target, const PhotoScale& scale) {
    if (source.height > kMaxSourceRows ||
        (scale.eighths != 8 && target.height > kMaxRowsFromScaled))
        throw Error("Picture is too tall to resample");
    columns_.compute(source.width, target.width, scale.photoWidth, scale.eighths);
    rows_.compute(source.height, target.height, scale.photoHeight, scale.eighths);
    const double normalise = 1.0 / (static_cast<double>(columns_.unit) * rows_.unit);
    columnWeights_.resize(columns_.weights.size());
    for (std::size_t i = 0; i < columns_.weights.size(); ++i)
        columnWeights_[i] = static_cast<float>(columns_.weights[i] * normalise);
    accumulator_.resize(static_cast<std::size_t>(source.width) * 3);
    rowSum_.resize(accumulator_.size());
    floatRow_.resize(accumulator_.size());
}

void Resampler::accumulateRows(const Raster& source, int targetRow) {
    const std::size_t n = accumulator_.size();
    const int begin = rows_.offset[targetRow], end = rows_.offset[targetRow + 1];
    const int firstRow = rows_.first[targetRow] - begin;
    for (int i = begin; i < end;) {
        const auto weight = static_cast<std::uint16_t>(rows_.weights[i]);
        int next = i + 1;
        while (next < end && next - i < kMaxRowsPerSum && rows_.weights[next] == weight)
            ++next;
        if (next - i == 1) {
            addWeighted(i == begin, accumulator_.data(), source.row(firstRow + i), weight, n);
        } else {
            addRow<true>(rowSum_.data(), source.row(firstRow + i), n);
            int k = i + 1;
            for (; k + 1 < next; k += 2)
                addTwoRows(rowSum_.data(), source.row(firstRow + k), source.row(firstRow + k + 1),
                           n);
            if (k < next)
                addRow<false>(rowSum_.data(), source.row(firstRow + k), n);
            addWeighted(i == begin, accumulator_.data(), rowSum_.data(), weight, n);
        }
        i = next;
    }
    toFloat(floatRow_.data(), accumulator_.data(), n);
}

void Resampler::filterRow(std::uint8_t* targetRow, int targetWidth) const {
    for (int t = 0; t < targetWidth; ++t, targetRow += 3) {
        const float* src = floatRow_.data() + static_cast<std::size_t>(columns_.first[t]) * 3;
        const float* weight = columnWeights_.data() + columns_.offset[t];
        const float* weightEnd = columnWeights_.data() + columns_.offset[t + 1];
        float r = 0, g = 0, b = 0;
        for (; weight != weightEnd; ++weight, src += 3) {
            r += *weight * src[0];
            g += *weight * src[1];
            b += *weight * src[2];
        }
        targetRow[0] = toByte(r);
        targetRow[1] = toByte(g);
        targetRow[2] = toByte(b);
    }
}

void Resampler::resample(const Raster& source, Raster& target, const PhotoScale& scale) {
    prepare(source, target, scale);
    for (int y = 0; y < target.height; ++y) {
        accumulateRows(source, y);
        filterRow(target.row(y), target.width);
    }
}

void Resampler::resampleTogether(const Raster& source, std::span<const Job> jobs,
                                 const PhotoScale& scale) {
    std::vector<int> nextRow(jobs.size(), 0);
    for (const Job& job : jobs)
        job.resampler.prepare(source, job.target, scale);
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
