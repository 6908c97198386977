// How much of a photo's quality the album build loses beyond what JPEG itself costs.
//
//   album_quality [--quality N] [--thumb-quality N] [--verbose] PHOTO_FOLDER ALBUM_FOLDER
//
// For every photo of PHOTO_FOLDER that ALBUM_FOLDER holds an album photo of: the reference is
// the exact area average of the full-size decode at the album photo's size; the figure is
// PSNR(album photo, reference) minus PSNR(reference encoded at quality N, reference), so 0 dB
// is as good as encoding the full-size average, and a negative figure is what the build's
// shortcuts (the scaled decode) cost. The same for the thumbnails (sm_), whose quality is
// the build's default too. Prints the worst and the median figure of each.

#include "common/FileSystem.h"
#include "image/JpegDecoder.h"
#include "image/JpegEncoder.h"
#include "image/Resampler.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace vistarel;

double psnr(const Raster& a, const Raster& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        const double d = static_cast<double>(a.pixels[i]) - b.pixels[i];
        sum += d * d;
    }
    const double mse = sum / static_cast<double>(a.pixels.size());
    return mse == 0 ? 99.0 : 10.0 * std::log10(255.0 * 255.0 / mse);
}

struct PhotoFigure {
    std::string name;
    double megapixels = 0;
    double album = 0;   // PSNR of the album photo against the reference
    double encoded = 0; // PSNR of the encoded reference
    double loss() const { return album - encoded; }
};

PhotoFigure measure(const Raster& full, const std::string& album, const std::string& name,
                    int quality) {
    PhotoFigure figure{name};
    Raster built, encoded;
    decodeJpegFile(album + name, built);
    Raster reference;
    reference.resize(built.width, built.height);
    resampleInto(full, reference);
    decodeJpegBytes(encodeJpeg(reference, quality), encoded);
    figure.megapixels = full.width * static_cast<double>(full.height) / 1e6;
    figure.album = psnr(built, reference);
    figure.encoded = psnr(encoded, reference);
    return figure;
}

struct Figures {
    std::vector<PhotoFigure> photos;
    double megapixels = 0;

    void add(const PhotoFigure& figure, bool verbose) {
        photos.push_back(figure);
        megapixels += figure.megapixels;
        if (verbose)
            std::printf("%-24s %6.1f MP  album %6.2f dB  encoded %6.2f dB  loss %+6.2f dB\n",
                        figure.name.c_str(), figure.megapixels, figure.album, figure.encoded,
                        figure.loss());
    }
    void print(const char* what, int quality) {
        std::sort(photos.begin(), photos.end(),
                  [](const PhotoFigure& a, const PhotoFigure& b) { return a.loss() < b.loss(); });
        const std::size_t n = photos.size();
        const double median =
            n % 2 ? photos[n / 2].loss() : (photos[n / 2 - 1].loss() + photos[n / 2].loss()) / 2;
        std::printf("%s %zu (%.1f MP), loss beyond JPEG at quality %d: worst %+.2f dB (%s), "
                    "median %+.2f dB\n",
                    what, n, megapixels, quality, photos.front().loss(),
                    photos.front().name.c_str(), median);
    }
};

} // namespace

int main(int argc, char** argv) {
    int quality = 80, thumbQuality = 60;
    bool verbose = false;
    std::vector<std::string> folders;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--quality" && i + 1 < argc)
            quality = std::atoi(argv[++i]);
        else if (argument == "--thumb-quality" && i + 1 < argc)
            thumbQuality = std::atoi(argv[++i]);
        else if (argument == "--verbose")
            verbose = true;
        else
            folders.push_back(withTrailingSeparator(argument));
    }
    if (folders.size() != 2) {
        std::fprintf(stderr, "usage: album_quality [--quality N] [--thumb-quality N] [--verbose] "
                             "PHOTO_FOLDER ALBUM_FOLDER\n");
        return 2;
    }
    Figures photos, thumbnails;
    for (const std::string& name : listFilesWithExtension(folders[0], ".jpg")) {
        if (!fileExists(folders[1] + name))
            continue;
        Raster full;
        decodeJpegFile(folders[0] + name, full);
        photos.add(measure(full, folders[1], name, quality), verbose);
        if (fileExists(folders[1] + "sm_" + name))
            thumbnails.add(measure(full, folders[1], "sm_" + name, thumbQuality), verbose);
    }
    if (photos.photos.empty()) {
        std::fprintf(stderr, "album_quality: no album photos of %s in %s\n", folders[0].c_str(),
                     folders[1].c_str());
        return 1;
    }
    photos.print("photos", quality);
    if (!thumbnails.photos.empty())
        thumbnails.print("thumbnails", thumbQuality);
    return 0;
}
