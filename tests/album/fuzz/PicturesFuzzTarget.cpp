// libFuzzer entry: every input is decoded as a photo and drawn into the three pictures of a
// default build. The program's errors are expected; a crash, leak, hang or huge allocation
// is a fault.
#include "album/ImageScaling.h"
#include "common/Error.h"
#include "image/JpegDecoder.h"
#include "image/LibjpegError.h"

#include <cstdint>
#include <string>

namespace {

// Instrumented drawing is some 70 times slower, so a large photo would be reported as slow
// without being a fault; the pictures are bounded whatever the photo's shape.
constexpr long long kLargestFuzzedPhoto = 4'000'000;

long long declaredPixels(const std::string& bytes) {
    vistarel::LibjpegObject<jpeg_decompress_struct> jpeg("JPEG");
    jpeg.run([&] {
        jpeg_mem_src(&jpeg.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<unsigned long>(bytes.size()));
        jpeg_read_header(&jpeg.info, TRUE);
    });
    return static_cast<long long>(jpeg.info.image_width) * jpeg.info.image_height;
}

const vistarel::AlbumState defaultSizes{
    .catalogue = {}, .thumbSize = 100, .photoSize = 800, .previewWidth = 315, .previewHeight = 186};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vistarel::Raster photo;
    vistarel::ScaledPictures pictures;
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    try {
        if (declaredPixels(bytes) > kLargestFuzzedPhoto)
            return 0;
        vistarel::decodeJpegBytes(bytes, photo);
        vistarel::renderScaled(
            photo, {}, vistarel::pictureSizes(photo.width, photo.height, defaultSizes), pictures);
    } catch (const vistarel::Error&) {
    }
    return 0;
}
