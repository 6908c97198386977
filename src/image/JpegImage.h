#pragma once

#include "common/InputFile.h"
#include "image/JpegDecoder.h"
#include "image/Raster.h"

#include <cstdint>
#include <span>
#include <string>

namespace vistarel {

// A photo read from a JPEG file and decoded to 24-bit RGB at the decoder's best quality,
// at full size or at a scale chosen from the photo's size.
class JpegImage {
public:
    const Raster& picture() const { return picture_; }
    int width() const { return picture_.width; }
    int height() const { return picture_.height; }
    bool empty() const { return picture_.pixels.empty(); }
    const PhotoScale& scale() const { return decoded_.scale; }
    // The conversion the pictures made from it still need; null when none.
    const SrgbConversion* toSrgb() const { return decoded_.toSrgb.get(); }
    const std::string& damage() const { return decoded_.damage; }

    // Decodes a JPEG file's bytes at full size unless the options pick a smaller scale; the
    // buffer is reused from the photo decoded before. Errors name the file by name; after
    // one the image is empty.
    void load(std::span<const std::uint8_t> bytes, const std::string& name,
              const DecodeOptions& options = {});
    // The same for a file, read whole first.
    void loadFromFile(const std::string& path, const DecodeOptions& options = {});

private:
    Raster picture_;
    DecodedPhoto decoded_;
};

} // namespace vistarel
