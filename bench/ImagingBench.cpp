// Times the per-photo work of a build and compares it with a plain full-size
// decode by djpeg of the same file, measured in the same run.
//
//   imaging_bench [--repeat N] [--at-least M] [--no-djpeg] FOLDER-OR-FILE...
//
// Run it on one core (taskset -c 1) for single-thread figures. Times are CPU times (ours
// of this process, djpeg's of the child, user + system), the best of the repeats, so
// other load on the machine disturbs them little. Peak memory is reported against the
// largest decoded picture. --at-least M decodes every photo at the smallest scale that keeps
// its pictures twice smaller but no smaller than M/8, whatever that costs: run it for each M
// to see what each scale costs (the build's table in DecodeScale.cpp comes from that).

#include "album/DecodeScale.h"
#include "album/ImageScaling.h"
#include "common/FileSystem.h"
#include "image/JpegEncoder.h"
#include "image/JpegImage.h"
#include "state/AlbumState.h"

#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

using namespace vistarel;

double cpuMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double millisecondsSince(double start) {
    return cpuMilliseconds() - start;
}

double milliseconds(const timeval& time) {
    return static_cast<double>(time.tv_sec) * 1e3 + static_cast<double>(time.tv_usec) / 1e3;
}

struct Timing {
    double decode = 1e300, render = 1e300, encode = 1e300, djpeg = 1e300;
    double ours() const { return decode + render + encode; }
};

double runDjpeg(const std::string& path) {
    const char* argv[] = {"djpeg", "-outfile", "/dev/null", path.c_str(), nullptr};
    pid_t child = 0;
    if (posix_spawnp(&child, "djpeg", nullptr, nullptr, const_cast<char**>(argv), environ) != 0)
        return 1e300;
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 1e300;
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

// One photo the way the build treats it: decode once at the scale the pictures need, draw
// the three pictures in one sweep, encode them, write the album photo and the thumbnail,
// keep the preview's bytes.
class Pipeline {
public:
    Pipeline(std::string outputFolder, int atLeast)
        : output_(std::move(outputFolder)), atLeast_(atLeast) {
        state_.photoSize = 800;
        state_.thumbSize = 100;
        state_.previewWidth = 315;
        state_.previewHeight = 186;
    }

    void run(const std::string& path, Timing& timing) {
        double start = cpuMilliseconds();
        DecodeOptions options;
        options.chooseScale = [&](int width, int height) {
            sizes_ = pictureSizes(width, height, state_);
            if (atLeast_ == 0)
                return decodeScale(width, height, sizes_);
            return std::max(atLeast_, smallestDecodeScale(width, height, sizes_));
        };
        source_.loadFromFile(path, options);
        timing.decode = std::min(timing.decode, millisecondsSince(start));
        start = cpuMilliseconds();
        renderScaled(source_.picture(), source_.scale(), sizes_, pictures_);
        timing.render = std::min(timing.render, millisecondsSince(start));
        start = cpuMilliseconds();
        writeFileBytes(output_ + "photo.jpg", encodeJpeg(pictures_.photo, 80));
        writeFileBytes(output_ + "sm_photo.jpg", encodeJpeg(pictures_.thumbnail, 60));
        preview_ = encodeJpeg(pictures_.preview, 80);
        timing.encode = std::min(timing.encode, millisecondsSince(start));
    }

    std::size_t decodedBytes() const { return source_.picture().pixels.size(); }

private:
    std::string output_;
    int atLeast_;
    AlbumState state_;
    JpegImage source_;
    PictureSizes sizes_;
    ScaledPictures pictures_;
    std::string preview_;
};

std::vector<std::string> collectPhotos(const std::vector<std::string>& arguments) {
    std::vector<std::string> photos;
    for (const std::string& argument : arguments) {
        if (!folderExists(argument)) {
            photos.push_back(argument);
            continue;
        }
        std::string folder = withTrailingSeparator(argument);
        for (const std::string& name : listFilesWithExtension(folder, ".jpg"))
            photos.push_back(folder + name);
    }
    return photos;
}

long peakResidentKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace

int main(int argc, char** argv) {
    int repeat = 3;
    int atLeast = 0; // the build's choice
    bool djpeg = true;
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        std::string argument = argv[i];
        if (argument == "--repeat" && i + 1 < argc)
            repeat = std::max(1, std::atoi(argv[++i]));
        else if (argument == "--at-least" && i + 1 < argc)
            atLeast = std::atoi(argv[++i]);
        else if (argument == "--no-djpeg")
            djpeg = false;
        else
            arguments.push_back(argument);
    }
    std::vector<std::string> photos = collectPhotos(arguments);
    if (photos.empty()) {
        std::fprintf(stderr, "usage: imaging_bench [--repeat N] [--at-least M] [--no-djpeg] "
                             "FOLDER-OR-FILE...\n");
        return 2;
    }
    std::string output = std::filesystem::temp_directory_path().string() + "/imaging-bench-" +
                         std::to_string(getpid()) + "/";
    std::filesystem::create_directories(output);
    Pipeline pipeline(output, atLeast);

    std::printf("%-24s %6s %8s %8s %8s %8s %8s %6s\n", "photo", "MP", "decode", "render", "encodes",
                "total", "djpeg", "ratio");
    double oursLarge = 0, djpegLarge = 0;
    int largeCount = 0;
    std::size_t largestRaster = 0;
    for (const std::string& path : photos) {
        Timing timing;
        try {
            for (int i = 0; i < repeat; ++i) {
                pipeline.run(path, timing);
                if (djpeg)
                    timing.djpeg = std::min(timing.djpeg, runDjpeg(path));
            }
        } catch (const std::exception& error) {
            std::fprintf(stderr, "%s\n", error.what());
            continue;
        }
        largestRaster = std::max(largestRaster, pipeline.decodedBytes());
        double megapixels = static_cast<double>(pipeline.decodedBytes()) / 3e6;
        double ratio = djpeg ? timing.ours() / timing.djpeg : 0;
        std::printf("%-24s %6.1f %8.1f %8.1f %8.1f %8.1f %8.1f %6.2f\n",
                    std::filesystem::path(path).filename().c_str(), megapixels, timing.decode,
                    timing.render, timing.encode, timing.ours(), djpeg ? timing.djpeg : 0.0, ratio);
        if (megapixels >= 12.0) {
            oursLarge += timing.ours();
            djpegLarge += timing.djpeg;
            ++largeCount;
        }
    }
    std::filesystem::remove_all(output);
    if (djpeg && largeCount > 0)
        std::printf("photos of 12 MP and more: %d, ours %.1f ms, djpeg %.1f ms, ratio %.2f\n",
                    largeCount, oursLarge, djpegLarge, oursLarge / djpegLarge);
    double peakMb = peakResidentKilobytes() / 1024.0;
    double rasterMb = static_cast<double>(largestRaster) / (1024.0 * 1024.0);
    std::printf("peak RSS %.1f MiB = %.2f x the largest decoded picture (%.1f MiB)\n", peakMb,
                peakMb / rasterMb, rasterMb);
    return 0;
}
