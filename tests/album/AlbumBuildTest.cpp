// Whole builds through the recording front end: real photos in, real files out.
#include "album/BuildCommand.h"
#include "album/PhotoPipeline.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "image/JpegEncoder.h"
#include "image/JpegImage.h"

#include "DemoPhotos.h"
#include "ExifBytes.h"
#include "FailingAllocations.h"
#include "RecordingFrontEnd.h"
#include "TempFolder.h"
#include "TestPhotos.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <gtest/gtest.h>
#include <iomanip>
#include <lcms2.h>
#include <sstream>
#include <sys/stat.h>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

// An input and an output folder, a program folder with one style, and the build command
// driven through the recording front end.
struct AlbumBuild : ::testing::Test {
    TempFolder dir;
    std::string input = dir.subfolder("in");
    std::string output;
    RecordingFrontEnd window;
    AlbumState state;
    // The photos of the stop and error tests.
    const std::vector<std::string> names{"p0.jpg", "p1.jpg", "p2.jpg", "p3.jpg",
                                         "p4.jpg", "p5.jpg", "p6.jpg", "p7.jpg"};

    AlbumBuild() {
        setProgramFolder(dir.path());
        dir.subfolder("css");
        writeFileBytes(dir.file("css/a.css"), "body {}\r\n");
        window.settings.inputFolder = input;
        window.settings.styleName = "a.css";
    }
    ~AlbumBuild() override { setProgramFolder(""); }

    // The photos to build next, into a fresh output folder.
    void load(const std::vector<std::string>& photos, const std::string& folder = "out",
              int jobs = 0) {
        output = window.settings.outputFolder = dir.subfolder(folder);
        window.settings.jobs = jobs;
        window.calls.clear();
        state.catalogue.clear();
        for (const std::string& name : photos)
            state.catalogue.emplace_back().fileName = name;
    }
    std::string page() const { return readFileBytes(output + "index.html"); }
    BuildOutcome build() { return runBuildCommand(state, window.settings, window); }
};

JpegImage decoded(const std::string& path) {
    JpegImage image;
    image.loadFromFile(path);
    return image;
}

// The file's last-write time, local.
std::string modified(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    std::ostringstream text;
    text << std::put_time(std::localtime(&st.st_mtime), "%F %T");
    return text.str();
}

// Six saturated patches, three across and two down, as a camera might record them.
constexpr std::uint8_t kPatches[6][3] = {{30, 200, 40},  {230, 30, 30},  {40, 60, 220},
                                         {240, 220, 30}, {20, 190, 210}, {200, 40, 180}};

// The largest difference of a channel between a patch's centre and its colour.
int worstPatch(const Raster& picture) {
    int worst = 0;
    for (int patch = 0; patch < 6; ++patch) {
        const int x = (patch % 3 * 2 + 1) * picture.width / 6;
        const int y = (patch / 3 * 2 + 1) * picture.height / 4;
        for (int c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(picture.row(y)[x * 3 + c] - kPatches[patch][c]));
    }
    return worst;
}

TEST_F(AlbumBuild, StopLetsThePhotosInFlightFinishAndStillWritesThePage) {
    const int count = 8;
    for (const std::string& name : names) {
        PhotoExif exif;
        exif.userComment = name;
        writeFileBytes(input + name, realJpegFile({jpegSegment(0xE1, exifPayload(exif))}));
    }
    const auto progressCalls = [&] {
        return std::count_if(window.calls.begin(), window.calls.end(), [](const std::string& call) {
            return call.rfind("progress", 0) == 0;
        });
    };
    for (const int jobs : {1, 2})
        for (const int stopAt : {0, 2}) { // before the first photo; once photo 1 is committed
            SCOPED_TRACE(std::to_string(jobs) + " jobs, stop at " + std::to_string(stopAt));
            load(names, "out" + std::to_string(jobs) + std::to_string(stopAt), jobs);
            state.catalogue[count - 1].caption = "typed before";
            window.onProcessEvents = [&](int) {
                if (progressCalls() == stopAt)
                    state.stopRequested = true;
            };
            const BuildOutcome built = build();

            // The photos in flight are finished: two for each worker.
            const int done = stopAt == 0 ? 0 : stopAt - 1 + 2 * buildJobs(jobs);
            EXPECT_EQ(built.ending, Ending::Stopped);
            EXPECT_EQ(built.photosBuilt, done);
            EXPECT_EQ(progressCalls(), done);
            for (int i = 0; i < count; ++i) {
                EXPECT_EQ(fileExists(output + "sm_" + names[i]), i < done) << i; // after the photo
                EXPECT_EQ(state.catalogue[i].previewJpeg.empty(), i >= done) << i;
                const std::string caption = i < done        ? names[i]
                                            : i < count - 1 ? ""
                                                            : "typed before";
                EXPECT_EQ(state.catalogue[i].caption, caption) << i;
            }
            EXPECT_NE(page().find(names[count - 1]), std::string::npos);
            EXPECT_TRUE(fileExists(output + "color.css"));
        }
}

// The bytes of a test JPEG with its size field (in the frame header `sof`) changed.
std::string declaringSize(std::string jpeg, const char* sof, int width, int height) {
    const std::size_t at = jpeg.find(sof) + 5;
    jpeg.replace(at, 4, {char(height >> 8), char(height), char(width >> 8), char(width)});
    return jpeg;
}

// A grey ICC profile (gamma 2.2), as an APP2 segment's payload.
std::vector<std::uint8_t> greyProfileSegment() {
    cmsToneCurve* gamma = cmsBuildGamma(nullptr, 2.2);
    const cmsHPROFILE grey = cmsCreateGrayProfile(cmsD50_xyY(), gamma);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(grey, nullptr, &size);
    std::vector<std::uint8_t> payload{'I', 'C', 'C', '_', 'P', 'R', 'O',
                                      'F', 'I', 'L', 'E', 0,   1,   1};
    payload.resize(14 + size);
    cmsSaveProfileToMem(grey, payload.data() + 14, &size);
    cmsCloseProfile(grey);
    cmsFreeToneCurve(gamma);
    return payload;
}

} // namespace

// Photo 1 is hostile or unlucky: it is refused with a message that names it and says what
// is wrong (the build ends, nothing of a later photo is written), or it makes a sound album.
TEST_F(AlbumBuild, HostilePhotosAreRefusedNamingThemOrBuildSoundly) {
    EXPECT_EQ(buildJobs(2, SIZE_MAX), 1) << "no more workers than the memory holds";
    const int count = 8;
    for (const std::string& name : names)
        writeTestJpeg(input + name, 80, 60);
    const std::string path = input + names[1];
    const std::string progressive = encodeTestJpeg(16, 16, {.progressive = true});
    const std::size_t lastScan = progressive.rfind("\xFF\xDA");
    std::string manyScans = progressive.substr(0, progressive.size() - 2);
    for (int i = 0; i < 100; ++i) // an AC scan again and again; libjpeg only warns
        manyScans += progressive.substr(lastScan, progressive.size() - 2 - lastScan);
    PhotoExif exif;
    exif.userComment = "after the fill";
    const std::string plain = encodeTestJpeg(80, 60);
    const struct {
        std::string bytes, error;
        mode_t kind = S_IFREG;
        std::size_t allocationLimit = SIZE_MAX;
        std::string caption = {};
        int photoSize = 80060; // width * 1000 + height when built
    } rows[] = {
        {"this is no photo", path + ": Not a JPEG file"},
        {"", path + ": Empty file"},
        {"", "Cannot open file \"" + path + "\". Not a file but a folder", S_IFDIR},
        {"", "Cannot open file \"" + path + "\". Not a file but a named pipe", S_IFIFO},
        {"", "Cannot open file \"" + path + "\". Not a file but a device", S_IFCHR},
        // The EXIF block (read before the photo is decoded) points past the end of the file.
        {realJpegFile({exifSegment(std::string("II*\0\xFF\xFF\xFF\0", 8))}),
         path + ": Read beyond end of file"},
        {realJpegFile({exifSegment(std::string("II*\0\0\0\0\x80", 8))}),
         path + ": Read beyond end of file"},
        // Its album photo needs 1.44 MB at once; nothing else of the build does.
        {encodeTestJpeg(1600, 1200), path + ": Out of memory", S_IFREG, 1'000'000},
        // A few hundred bytes that ask libjpeg for 588 MB, or for 110 passes over the photo.
        {declaringSize(progressive, "\xFF\xC2", 14000, 14000),
         path + ": Image needs more than 512 MiB to decode"},
        {manyScans + "\xFF\xD9", path + ": Too many scans (more than 100)"},
        // Sound: too large to decode whole, but not at 1/8; a grey profile on a colour photo
        // is ignored; 20 MB of fill bytes before a marker.
        {declaringSize(encodeTestJpeg(16, 16), "\xFF\xC0", 16384, 16384), "", S_IFREG, SIZE_MAX, "",
         800800},
        {encodeTestJpeg(80, 60, {.segments = {{0xE2, greyProfileSegment()}}}), ""},
        {"\xFF\xD8" + std::string(20 << 20, '\xFF') + jpegSegment(0xE1, exifPayload(exif)) +
             plain.substr(2),
         "", S_IFREG, SIZE_MAX, "after the fill"},
    };
    int run = 0;
    for (const auto& row : rows)
        for (const int jobs : {1, 2}) {
            SCOPED_TRACE(row.error + ", jobs " + std::to_string(jobs) + ", row " +
                         std::to_string(run / 2));
            std::filesystem::remove_all(path);
            if (row.kind == S_IFREG)
                writeFileBytes(path, row.bytes);
            else if (row.kind == S_IFDIR)
                std::filesystem::create_directory(path);
            else if (row.kind == S_IFIFO)
                ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
            else
                std::filesystem::create_symlink("/dev/zero", path);
            load(names, "out" + std::to_string(++run), jobs);
            const FailingAllocations failing(row.allocationLimit);
            const BuildOutcome built = build();
            EXPECT_FALSE(window.buildRunning);
            if (row.error.empty()) {
                ASSERT_EQ(built.ending, Ending::Done) << built.error;
                EXPECT_EQ(state.catalogue[1].caption, row.caption);
                EXPECT_EQ(state.catalogue[1].photoWidth * 1000 + state.catalogue[1].photoHeight,
                          row.photoSize);
                if (row.photoSize == 80060) { // the same pixels as photo 0
                    EXPECT_EQ(readFileBytes(output + names[1]), readFileBytes(output + names[0]));
                }
                continue;
            }
            EXPECT_EQ(built.ending, Ending::Failed);
            EXPECT_FALSE(built.loopEnded) << "the comment editor is not handed the photos";
            EXPECT_EQ(built.error.rfind(row.error, 0), 0u) << built.error;
            EXPECT_TRUE(fileExists(output + names[0]));
            for (int i = 1; i < count; ++i)
                EXPECT_FALSE(fileExists(output + names[i]) || fileExists(output + "sm_" + names[i]))
                    << i;
            EXPECT_FALSE(fileExists(output + "index.html") || fileExists(output + "color.css"));
            EXPECT_EQ(window.messages(), std::vector<std::string>{"message Vistarel error ok: " +
                                                                  generalErrorText(built.error)});
        }
}

// The demo photos, built with one job and with two: the workers finish photos in any order
// and share nothing, and none of that may show.
TEST_F(AlbumBuild, WritesEveryPhotoThumbnailPreviewPageAndStyleWithAnyJobCount) {
    EXPECT_EQ(build().ending, Ending::Refused);
    EXPECT_EQ(window.messages(),
              std::vector<std::string>{"message Chyba warning ok: Nejsou načteny žádné snímky!"
                                       "\r\nMusíte nejdřív načíst snímky ke zpracování!"});
    writeDemoPhotos(input, 0.4);
    window.settings.photoSizeText = "320x240"; // most photos are decoded smaller
    std::vector<std::string> demo, oneJob;
    for (const auto& photo : demoPhotos())
        demo.push_back(photo.fileName);
    for (const int jobs : {1, 2}) {
        load(demo, "out" + std::to_string(jobs), jobs);
        ASSERT_EQ(build().ending, Ending::Done);
        EXPECT_EQ(window.calls.front(), "running 8");
        EXPECT_EQ(window.calls.back(), "not running 8");
        EXPECT_TRUE(window.messages().empty());
        EXPECT_EQ(window.progressPosition, 7);
        std::vector<std::string> album{page()};
        for (const std::string& file : listFilesWithExtension(output, ".jpg"))
            album.push_back(file + ": " + readFileBytes(output + file));
        for (std::size_t i = 0; i < demoPhotos().size(); ++i) {
            EXPECT_EQ(state.catalogue[i].caption, demoPhotos()[i].caption);
            EXPECT_TRUE(state.catalogue[i].captionFromExif);
            album.push_back(state.catalogue[i].previewJpeg);
        }
        if (oneJob.empty())
            oneJob = album;
        EXPECT_TRUE(album == oneJob) << "the album with " << jobs << " jobs differs from one job's";
    }
    // The preview of 01_snezka.jpg, 960 x 640 (the page's sizes are the browser test's).
    Raster preview;
    decodeJpegBytes(state.catalogue[0].previewJpeg, preview);
    EXPECT_EQ(preview.width * 1000 + preview.height, 279186);
    EXPECT_EQ(readFileBytes(output + "color.css"), "body {}\r\n");

    // Summer and winter dates stamped whatever the season now; odd seconds go down. No stamp
    // without a date, and none on thumbnails.
    EXPECT_EQ(modified(output + "01_snezka.jpg"), "2023-07-14 09:12:30");
    EXPECT_EQ(modified(output + "07_hory.jpg"), "2024-01-02 12:00:00");
    for (const char* file : {"06_most.jpg", "sm_01_snezka.jpg"})
        EXPECT_GT(modified(output + file), "2024-03") << file << " is as new as it is";
}

TEST_F(AlbumBuild, EveryOrientationGivesTheSameUprightPictures) {
    // A portrait, stored turned by jpegtran and tagged by exiftool with how to turn it back.
    writeTestJpeg(dir.file("upright.jpg"), 480, 640, {.quality = 95});
    const std::string storedBy[] = {
        "",           "-flip horizontal", "-rotate 180", "-flip vertical",
        "-transpose", "-rotate 270",      "-transverse", "-rotate 90"};
    std::vector<std::string> photos;
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const std::string path =
            input + photos.emplace_back("o" + std::to_string(orientation) + ".jpg");
        runTool("jpegtran -perfect -copy none " + storedBy[orientation - 1] + " -outfile " + path +
                " " + dir.file("upright.jpg"));
        runTool("exiftool -q -n -overwrite_original -Orientation=" + std::to_string(orientation) +
                " " + path);
    }
    load(photos);
    window.settings.photoSizeText = "320x240";
    ASSERT_EQ(build().ending, Ending::Done) << window.messages().front();

    // Every picture as o1's (a picture of another size cannot compare).
    const JpegImage photo = decoded(output + "o1.jpg"), thumbnail = decoded(output + "sm_o1.jpg");
    ASSERT_EQ(photo.width() * 1000 + photo.height(), 240320);
    ASSERT_EQ(thumbnail.width() * 1000 + thumbnail.height(), 75100);
    for (const std::string& name : photos) {
        EXPECT_LT(meanDifference(decoded(output + name).picture(), photo.picture()), 1.5) << name;
        EXPECT_LT(meanDifference(decoded(output + "sm_" + name).picture(), thumbnail.picture()),
                  1.5)
            << name;
    }

    // Kept as stored when asked: the photo turned a quarter lies on its side.
    window.settings.turnUpright = false;
    ASSERT_EQ(build().ending, Ending::Done);
    EXPECT_EQ(decoded(output + "o6.jpg").width(), 320);
}

// The patches converted to Adobe RGB and to ECI RGB v2 for a wide gamut (the widest ones, Wide
// Gamut RGB or ProPhoto, already lose 10 to 24 levels in ImageMagick's own 8-bit round trip).
TEST_F(AlbumBuild, EmbeddedColourProfilesAreConvertedToSrgb) {
    Raster patches;
    patches.resize(192, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 192; ++x)
            std::copy_n(kPatches[y / 64 * 3 + x / 64], 3, patches.row(y) + x * 3);
    writeFileBytes(dir.file("sRGB.jpg"), encodeJpeg(patches, 95));
    const std::string icc = " /usr/share/color/icc/colord/";
    for (const std::string profile : {"AdobeRGB1998", "ECI-RGBv2"})
        runTool("convert " + dir.file("sRGB.jpg") + " -profile" + icc + "sRGB.icc -profile" + icc +
                profile + ".icc " + input + profile + ".jpg");
    // The Adobe RGB photo with its profile split over two segments, damaged, and left out.
    const std::string adobe = readFileBytes(input + "AdobeRGB1998.jpg");
    const std::size_t at = adobe.find("ICC_PROFILE") - 4,
                      end = at + 2 + (adobe[at + 2] & 0xFF) * 256 + (adobe[at + 3] & 0xFF);
    const auto segment = [&](int n, std::size_t from, std::size_t to) {
        return jpegSegment(0xE2, "ICC_PROFILE" + std::string{'\0', char(n), 2} +
                                     adobe.substr(from, to - from));
    };
    const std::string before = adobe.substr(0, at), after = adobe.substr(end);
    writeFileBytes(input + "split.jpg",
                   before + segment(1, at + 18, at + 300) + segment(2, at + 300, end) + after);
    std::string damaged = adobe;
    damaged.replace(damaged.find("acsp"), 4, "xxxx"); // no profile LittleCMS will open
    writeFileBytes(input + "damaged.jpg", damaged);
    writeFileBytes(input + "plain.jpg", before + after);

    load({"AdobeRGB1998.jpg", "ECI-RGBv2.jpg", "split.jpg", "damaged.jpg", "plain.jpg"});
    ASSERT_EQ(build().ending, Ending::Done) << window.messages().front();
    for (const std::string name : {"AdobeRGB1998.jpg", "ECI-RGBv2.jpg", "split.jpg"}) {
        EXPECT_LE(worstPatch(decoded(output + name).picture()), 6) << name;
        EXPECT_LE(worstPatch(decoded(output + "sm_" + name).picture()), 6) << name;
    }
    EXPECT_GT(worstPatch(decoded(output + "plain.jpg").picture()), 30) << "the profile matters";
    EXPECT_EQ(readFileBytes(output + "damaged.jpg"), readFileBytes(output + "plain.jpg"))
        << "a damaged profile leaves the pixels as they are";
    EXPECT_TRUE(window.messages().empty());
}
