#include "image/JpegDecoder.h"

#include "common/Error.h"
#include "image/LibjpegError.h"

#include <jerror.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace vistarel {

namespace {

using Decompressor = LibjpegObject<jpeg_decompress_struct>;

bool isFourComponent(J_COLOR_SPACE space) {
    return space == JCS_CMYK || space == JCS_YCCK;
}

// Adobe's writers store CMYK inverted (0 = full ink) and mark the file with their APP14
// segment; without that segment the values are plain ink amounts.
void cmykRowToRgb(const JSAMPLE* cmyk, std::uint8_t* rgb, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4, rgb += 3) {
        unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
        for (int c = 0; c < 3; ++c) {
            unsigned v = inverted ? cmyk[c] : 255u - cmyk[c];
            rgb[c] = static_cast<std::uint8_t>((v * k + 127) / 255);
        }
    }
}

void checkSize(const jpeg_decompress_struct& info, const std::string& path) {
    long long pixels = static_cast<long long>(info.image_width) * info.image_height;
    if (pixels > kMaxDecodedPixels)
        throw Error(path + ": Image is too large (" + std::to_string(info.image_width) + " x " +
                    std::to_string(info.image_height) + " pixels)");
}

DecodedSpace decodedSpace(const jpeg_decompress_struct& info) {
    if (!isFourComponent(info.jpeg_color_space))
        return DecodedSpace::Rgb;
    return info.saw_Adobe_marker ? DecodedSpace::CmykInverted : DecodedSpace::Cmyk;
}

// The embedded ICC profile, possibly spread over several APP2 segments. A malformed one is
// no damage to the photo: its warning is taken back.
std::string iccProfile(Decompressor& jpeg) {
    JOCTET* data = nullptr;
    unsigned int length = 0;
    const long warningsBefore = jpeg.errors.warnings();
    jpeg.run([&] { jpeg_read_icc_profile(&jpeg.info, &data, &length); });
    const std::unique_ptr<JOCTET, decltype(&std::free)> owner(data, &std::free);
    if (warningsBefore == 0 && jpeg.errors.warnings() > 0) {
        jpeg.errors.manager.num_warnings = 0;
        jpeg.errors.firstWarning[0] = '\0';
    }
    return data == nullptr ? std::string() : std::string(reinterpret_cast<char*>(data), length);
}

void chooseBestQuality(jpeg_decompress_struct& info, const DecodeScaleChoice& choose) {
    info.out_color_space = isFourComponent(info.jpeg_color_space) ? JCS_CMYK : JCS_RGB;
    const int eighths =
        choose ? choose(static_cast<int>(info.image_width), static_cast<int>(info.image_height))
               : 8;
    info.scale_num = static_cast<unsigned>(std::clamp(eighths, 1, 8));
    info.scale_denom = 8;
    info.dct_method = JDCT_ISLOW;
    info.do_fancy_upsampling = TRUE;
    info.do_block_smoothing = TRUE;
}

void readRgbRows(Decompressor& jpeg, Raster& picture) {
    auto read = [&] {
        while (jpeg.info.output_scanline < jpeg.info.output_height) {
            JSAMPROW rows[1] = {picture.row(static_cast<int>(jpeg.info.output_scanline))};
            jpeg_read_scanlines(&jpeg.info, rows, 1);
        }
    };
    jpeg.run(read);
}

// Through the photo's CMYK profile when it has one, else by the plain ink formula.
void readCmykRows(Decompressor& jpeg, Raster& picture, const SrgbConversion* profile) {
    std::vector<JSAMPLE> cmyk(static_cast<std::size_t>(picture.width) * 4);
    bool inverted = jpeg.info.saw_Adobe_marker;
    auto read = [&] {
        while (jpeg.info.output_scanline < jpeg.info.output_height) {
            int y = static_cast<int>(jpeg.info.output_scanline);
            JSAMPROW rows[1] = {cmyk.data()};
            if (jpeg_read_scanlines(&jpeg.info, rows, 1) != 1)
                continue;
            if (profile != nullptr)
                profile->applyCmykRow(cmyk.data(), picture.row(y), picture.width);
            else
                cmykRowToRgb(cmyk.data(), picture.row(y), picture.width, inverted);
        }
    };
    jpeg.run(read);
}

// Feeds libjpeg from a file in large blocks. Its Huffman decoder takes a faster path while
// enough bytes are buffered, and libjpeg's own stdio source refills only 4 KB at a time.
struct FileSource {
    static constexpr std::size_t kBlock = 1024 * 1024;
    jpeg_source_mgr manager{};
    std::FILE* file;
    std::unique_ptr<JOCTET[]> buffer = std::make_unique_for_overwrite<JOCTET[]>(kBlock);

    explicit FileSource(std::FILE* input) : file(input) {
        manager.init_source = [](j_decompress_ptr) {};
        manager.fill_input_buffer = [](j_decompress_ptr info) { return self(info).fill(info); };
        manager.skip_input_data = [](j_decompress_ptr info, long count) {
            self(info).skip(info, count);
        };
        manager.resync_to_restart = jpeg_resync_to_restart;
        manager.term_source = [](j_decompress_ptr) {};
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    static FileSource& self(j_decompress_ptr info) {
        return *reinterpret_cast<FileSource*>(info->src);
    }
    // At the end of the file libjpeg is given an end-of-image marker, as its stdio source
    // does, so a cut file decodes with a warning.
    boolean fill(j_decompress_ptr info) {
        std::size_t count = std::fread(buffer.get(), 1, kBlock, file);
        if (count == 0) {
            WARNMS(info, JWRN_JPEG_EOF);
            buffer[0] = 0xFF;
            buffer[1] = JPEG_EOI;
            count = 2;
        }
        manager.next_input_byte = buffer.get();
        manager.bytes_in_buffer = count;
        return TRUE;
    }
    void skip(j_decompress_ptr info, long count) {
        while (count > static_cast<long>(manager.bytes_in_buffer)) {
            count -= static_cast<long>(manager.bytes_in_buffer);
            fill(info);
        }
        manager.next_input_byte += count;
        manager.bytes_in_buffer -= static_cast<std::size_t>(count);
    }
};

DecodedPhoto decodeFrom(Decompressor& jpeg, Raster& picture, const DecodeOptions& options) {
    DecodedPhoto decoded;
    if (options.profiles != nullptr)
        jpeg.run([&] { jpeg_save_markers(&jpeg.info, JPEG_APP0 + 2, 0xFFFF); });
    jpeg.run([&] { jpeg_read_header(&jpeg.info, TRUE); });
    checkSize(jpeg.info, jpeg.path);
    if (options.profiles != nullptr)
        decoded.toSrgb = options.profiles->toSrgb(iccProfile(jpeg), decodedSpace(jpeg.info));
    chooseBestQuality(jpeg.info, options.chooseScale);
    jpeg.run([&] { jpeg_start_decompress(&jpeg.info); });
    const int width = static_cast<int>(jpeg.info.output_width);
    const int height = static_cast<int>(jpeg.info.output_height);
    // A larger photo than the last one: free the old pixels first, so the old and the new
    // picture are never held at once.
    if (static_cast<std::size_t>(width) * height * 3 > picture.pixels.capacity())
        picture = Raster();
    picture.resize(width, height);
    if (jpeg.info.out_color_space == JCS_CMYK) {
        readCmykRows(jpeg, picture, decoded.toSrgb.get());
        decoded.toSrgb.reset(); // done
    } else {
        readRgbRows(jpeg, picture);
    }
    // The trailer after the last row is not read: nothing there changes the picture.
    decoded.scale = {static_cast<int>(jpeg.info.image_width),
                     static_cast<int>(jpeg.info.image_height),
                     static_cast<int>(jpeg.info.scale_num)};
    decoded.damage = jpeg.errors.firstWarning;
    return decoded;
}

} // namespace

DecodedPhoto decodeJpegFile(const std::string& path, Raster& picture,
                            const DecodeOptions& options) {
    FileHandle file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw cannotOpenFile(path, errno);
    FileSource source(file.get());
    Decompressor jpeg(path);
    jpeg.info.src = &source.manager;
    return decodeFrom(jpeg, picture, options);
}

void decodeJpegBytes(const std::string& bytes, Raster& picture) {
    Decompressor jpeg("JPEG");
    jpeg.run([&] {
        jpeg_mem_src(&jpeg.info, reinterpret_cast<const unsigned char*>(bytes.data()),
                     static_cast<unsigned long>(bytes.size()));
    });
    decodeFrom(jpeg, picture, DecodeOptions{});
}

} // namespace vistarel
