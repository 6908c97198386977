#include "image/JpegEncoder.h"

#include "common/Error.h"
#include "image/LibjpegError.h"

#include <cstdlib>

#include <jerror.h>

namespace vistarel {

namespace {

using Compressor = LibjpegObject<jpeg_compress_struct>;

// Collects the encoded bytes in a malloc'ed buffer that grows by doubling. Growing must not
// throw inside libjpeg, so it reports failure the libjpeg way; the buffer is freed by the
// destructor on every path, also after an error jumped out of the encoder.
struct MemoryDestination {
    jpeg_destination_mgr manager{};
    JOCTET* buffer = nullptr;
    std::size_t capacity = 0;

    MemoryDestination() {
        manager.init_destination = [](j_compress_ptr info) { self(info).grow(info, 64 * 1024); };
        manager.empty_output_buffer = [](j_compress_ptr info) -> boolean {
            self(info).grow(info, self(info).capacity * 2);
            return TRUE;
        };
        manager.term_destination = [](j_compress_ptr) {};
    }
    ~MemoryDestination() { std::free(buffer); }
    MemoryDestination(const MemoryDestination&) = delete;
    MemoryDestination& operator=(const MemoryDestination&) = delete;

    static MemoryDestination& self(j_compress_ptr info) {
        return *reinterpret_cast<MemoryDestination*>(info->dest);
    }
    void grow(j_compress_ptr info, std::size_t newCapacity) {
        auto* grown = static_cast<JOCTET*>(std::realloc(buffer, newCapacity));
        if (grown == nullptr)
            ERREXIT1(info, JERR_OUT_OF_MEMORY, 0);
        const std::size_t used = capacity;
        buffer = grown;
        capacity = newCapacity;
        manager.next_output_byte = buffer + used;
        manager.free_in_buffer = capacity - used;
    }
    std::string bytes() const {
        return std::string(reinterpret_cast<const char*>(buffer),
                           capacity - manager.free_in_buffer);
    }
};

void setParameters(jpeg_compress_struct& info, const Raster& picture, int quality) {
    info.image_width = static_cast<JDIMENSION>(picture.width);
    info.image_height = static_cast<JDIMENSION>(picture.height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
}

void writeRows(jpeg_compress_struct& info, const Raster& picture) {
    while (info.next_scanline < info.image_height) {
        // libjpeg only reads the rows; its interface simply lacks const.
        JSAMPROW rows[1] = {
            const_cast<JSAMPLE*>(picture.row(static_cast<int>(info.next_scanline)))};
        jpeg_write_scanlines(&info, rows, 1);
    }
}

} // namespace

std::string encodeJpeg(const Raster& picture, int quality) {
    MemoryDestination destination;
    Compressor jpeg("JPEG");
    jpeg.run([&] {
        jpeg.info.dest = &destination.manager;
        setParameters(jpeg.info, picture, quality);
        jpeg_start_compress(&jpeg.info, TRUE);
        writeRows(jpeg.info, picture);
        jpeg_finish_compress(&jpeg.info);
    });
    return destination.bytes();
}

} // namespace vistarel
