#include "image/JpegDecoder.h"

#include "common/Error.h"
#include "common/InputFile.h"
#include "image/LibjpegError.h"

#include <algorithm>
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

// The picture as decoded at the chosen scale is what takes the memory, so that is what the
// limit bounds: a photo far too large to decode whole still makes an album at 1/8.
void checkSize(const jpeg_decompress_struct& info, const std::string& path, long long limit) {
    const long long pixels = static_cast<long long>(info.output_width) * info.output_height;
    if (pixels > limit)
        throw Error(path + ": Image is too large (" + std::to_string(info.image_width) + " x " +
                    std::to_string(info.image_height) + " pixels)");
}

DecodedSpace decodedSpace(const jpeg_decompress_struct& info) {
    if (info.jpeg_color_space == JCS_GRAYSCALE)
        return DecodedSpace::Grey;
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

// Ends the decode once a file has more scans than the limit. libjpeg calls it as it reads
// each row of the file's data, so the extra scans cost nothing before they are refused.
struct ScanLimit {
    jpeg_progress_mgr manager{};
    int scans;

    explicit ScanLimit(int limit) : scans(limit) {
        manager.progress_monitor = [](j_common_ptr info) {
            const auto* self = reinterpret_cast<const ScanLimit*>(info->progress);
            if (reinterpret_cast<j_decompress_ptr>(info)->input_scan_number > self->scans)
                stopLibjpeg(info, "Too many scans (more than %ld)", self->scans);
        };
    }
};

} // namespace

struct JpegRows::Decoder {
    Decompressor jpeg;
    ScanLimit scanLimit;
    std::vector<JSAMPLE> cmyk; // one row as libjpeg gives it, for a CMYK photo
    std::shared_ptr<const SrgbConversion> cmykToSrgb;

    Decoder(const std::string& name, int scans) : jpeg(name), scanLimit(scans) {}
};

JpegRows::JpegRows(std::span<const std::uint8_t> bytes, const std::string& name,
                   const DecodeOptions& options) {
    // libjpeg would call it no JPEG file, one that starts with the end marker it makes up.
    if (bytes.empty())
        throw Error(name + ": Empty file");
    decoder_ = std::make_unique<Decoder>(name, options.limits.scans);
    Decompressor& jpeg = decoder_->jpeg;
    jpeg.info.progress = &decoder_->scanLimit.manager;
    jpeg.info.mem->max_memory_to_use = options.limits.libjpegBytes;
    jpeg.run([&] {
        jpeg_mem_src(&jpeg.info, bytes.data(), static_cast<unsigned long>(bytes.size()));
        if (options.profiles != nullptr)
            jpeg_save_markers(&jpeg.info, JPEG_APP0 + 2, 0xFFFF);
        jpeg_read_header(&jpeg.info, TRUE);
    });
    if (options.profiles != nullptr)
        toSrgb_ = options.profiles->toSrgb(iccProfile(jpeg), decodedSpace(jpeg.info));
    chooseBestQuality(jpeg.info, options.chooseScale);
    jpeg.run([&] { jpeg_calc_output_dimensions(&jpeg.info); });
    checkSize(jpeg.info, jpeg.path, options.limits.pixels);
    jpeg.run([&] { jpeg_start_decompress(&jpeg.info); });
    width_ = static_cast<int>(jpeg.info.output_width);
    height_ = static_cast<int>(jpeg.info.output_height);
    scale_ = {static_cast<int>(jpeg.info.image_width), static_cast<int>(jpeg.info.image_height),
              static_cast<int>(jpeg.info.scale_num)};
    if (jpeg.info.out_color_space == JCS_CMYK) { // converted as it is read
        decoder_->cmyk.resize(static_cast<std::size_t>(width_) * 4);
        decoder_->cmykToSrgb = std::move(toSrgb_);
    }
    keep(1);
}

JpegRows::~JpegRows() = default;

std::string JpegRows::damage() const {
    return decoder_->jpeg.errors.firstWarning;
}

void JpegRows::keep(int rows) {
    window_ = std::max(rows, 1);
    kept_.resize(static_cast<std::size_t>(window_) * width_ * 3);
}

// Rows that libjpeg cannot make (the data ends early) it makes up and warns about.
void JpegRows::readNextRow(std::uint8_t* into) {
    Decoder& decoder = *decoder_;
    Decompressor& jpeg = decoder.jpeg;
    if (decoder.cmyk.empty()) {
        jpeg.run([&] { jpeg_read_scanlines(&jpeg.info, &into, 1); });
    } else {
        JSAMPROW row = decoder.cmyk.data();
        jpeg.run([&] { jpeg_read_scanlines(&jpeg.info, &row, 1); });
        if (decoder.cmykToSrgb)
            decoder.cmykToSrgb->applyCmykRow(row, into, width_);
        else
            cmykRowToRgb(row, into, width_, jpeg.info.saw_Adobe_marker);
    }
    ++made_;
}

// Rows past the last made are made now; the kept rows go round, as the resampler reads
// them no further back.
const std::uint8_t* JpegRows::row(int y) {
    const auto at = [&](int row) {
        return kept_.data() + static_cast<std::size_t>(row % window_) * width_ * 3;
    };
    while (made_ <= y)
        readNextRow(at(made_));
    return at(y);
}

// The trailer after the last row is not read: nothing there changes the picture.
void JpegRows::readAll(Raster& picture) {
    // A larger photo than the last one: free the old pixels first, so the old and the new
    // picture are never held at once.
    if (static_cast<std::size_t>(width_) * height_ * 3 > picture.pixels.capacity())
        picture = Raster();
    picture.resize(width_, height_);
    while (made_ < height_)
        readNextRow(picture.row(made_));
}

DecodedPhoto decodeJpeg(std::span<const std::uint8_t> bytes, const std::string& name,
                        Raster& picture, const DecodeOptions& options) {
    JpegRows rows(bytes, name, options);
    rows.readAll(picture);
    DecodedPhoto decoded;
    decoded.scale = rows.scale();
    decoded.toSrgb = rows.toSrgbShared();
    decoded.damage = rows.damage();
    return decoded;
}

DecodedPhoto decodeJpegFile(const std::string& path, Raster& picture,
                            const DecodeOptions& options) {
    FileBytes file;
    readInputFile(path, file);
    return decodeJpeg(file.bytes(), path, picture, options);
}

void decodeJpegBytes(const std::string& bytes, Raster& picture) {
    decodeJpeg({reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()}, "JPEG",
               picture);
}

} // namespace vistarel
