#pragma once

#include "image/ColourProfile.h"
#include "image/Raster.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace vistarel {

// What one decode may take. A hostile header of a few bytes can declare a picture of
// gigabytes, and a progressive file can repeat scans, each of which walks the whole picture.
struct DecodeLimits {
    // The decoded picture (at the chosen scale) is refused beyond this, before any pixel
    // memory is taken.
    long long pixels = 200'000'000;
    // libjpeg's own memory (its whole-picture buffers for progressive and multi-scan files
    // grow with the stored size, whatever the scale); a photo needing more is refused.
    long libjpegBytes = 512L << 20;
    // Encoders write about ten scans; a file with more than this many is refused.
    int scans = 100;
};

// Picks the scale M/8 (M from 1 to 8) to decode a photo of the given stored size at; the
// decoded picture is then ceil(width * M / 8) x ceil(height * M / 8), libjpeg's rounding.
using DecodeScaleChoice = std::function<int(int width, int height)>;

struct DecodeOptions {
    DecodeScaleChoice chooseScale; // none: full size
    // Where conversions of embedded colour profiles are made and kept; none: profiles are
    // not read.
    ColourProfiles* profiles = nullptr;
    DecodeLimits limits;
};

// What a decode found besides the pixels.
struct DecodedPhoto {
    PhotoScale scale; // where the picture lies on the photo
    // The conversion to sRGB that the pictures made from a colour or grey photo still need;
    // CMYK photos are converted through their profile as they are decoded.
    std::shared_ptr<const SrgbConversion> toSrgb;
    std::string damage; // libjpeg's first warning, when the data was damaged but decodable
};

// The rows of a photo as libjpeg decodes them from the bytes of its JPEG file, at best
// quality, in 24-bit RGB, at full size or at the scale that chooseScale picks once the header
// is read (libjpeg's DCT scaling: the pixels never decoded cost nothing). Rows are decoded
// as they are asked for and only the last few are kept, so the whole picture is never held:
// the pictures drawn from it are made while its rows are still in the cache. Grayscale,
// CMYK and YCCK files are converted to RGB. Throws Error starting with name (the file's
// path) when there are no bytes ("Empty file"), when the photo goes beyond the limits, or
// when libjpeg cannot decode it; damage libjpeg can work around only warns. The bytes must
// outlive it.
class JpegRows final : public SourceRows {
public:
    JpegRows(std::span<const std::uint8_t> bytes, const std::string& name,
             const DecodeOptions& options = {});
    ~JpegRows() override;
    JpegRows(const JpegRows&) = delete;
    JpegRows& operator=(const JpegRows&) = delete;

    const std::uint8_t* row(int y) override;
    void keep(int rows) override;
    // The rows not yet decoded, straight into picture, which is sized to hold them all.
    void readAll(Raster& picture);

    const PhotoScale& scale() const { return scale_; } // where the picture lies on the photo
    // The conversion to sRGB that the pictures made from a colour or grey photo still need;
    // CMYK photos are converted through their profile as they are decoded.
    const SrgbConversion* toSrgb() const { return toSrgb_.get(); }
    std::shared_ptr<const SrgbConversion> toSrgbShared() const { return toSrgb_; }
    // libjpeg's first warning so far, when the data was damaged but decodable.
    std::string damage() const;

private:
    struct Decoder;
    void readNextRow(std::uint8_t* into);

    std::unique_ptr<Decoder> decoder_;
    PhotoScale scale_;
    std::shared_ptr<const SrgbConversion> toSrgb_;
    std::vector<std::uint8_t> kept_; // the last window_ rows made, by row number modulo it
    int window_ = 1;
    int made_ = 0; // rows decoded so far
};

// Decodes the bytes of a JPEG file whole (see JpegRows) into picture.
DecodedPhoto decodeJpeg(std::span<const std::uint8_t> bytes, const std::string& name,
                        Raster& picture, const DecodeOptions& options = {});
// The same for a file, read whole first (see readInputFile).
DecodedPhoto decodeJpegFile(const std::string& path, Raster& picture,
                            const DecodeOptions& options = {});
// The same for JPEG bytes held in a string (a kept preview), at full size.
void decodeJpegBytes(const std::string& bytes, Raster& picture);

} // namespace vistarel
