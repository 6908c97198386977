#include "image/JpegEncoder.h"

#include "common/Error.h"
#include "image/LibjpegError.h"

#include <cerrno>

namespace vistarel {

namespace {

using Compressor = LibjpegObject<jpeg_compress_struct>;

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

void encodeJpegFile(const Raster& picture, int quality, const std::string& path) {
    FileHandle file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw cannotCreateFile(path, errno);
    {
        Compressor jpeg(path);
        jpeg.run([&] {
            jpeg_stdio_dest(&jpeg.info, file.get());
            setParameters(jpeg.info, picture, quality);
            jpeg_start_compress(&jpeg.info, TRUE);
            writeRows(jpeg.info, picture);
            jpeg_finish_compress(&jpeg.info);
        });
    }
    if (std::ferror(file.get()) != 0 || std::fclose(file.release()) != 0)
        throw streamWriteError();
}

} // namespace vistarel
