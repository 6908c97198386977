// Whole builds through the recording front end: real photos in, real files out.
#include "album/BuildCommand.h"
#include "album/LoadCommand.h"
#include "album/PhotoPipeline.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "image/JpegEncoder.h"
#include "image/JpegImage.h"
#include "record/AlbumRecord.h"

#include "DemoPhotos.h"
#include "ExifBytes.h"
#include "FailingAllocations.h"
#include "RecordingFrontEnd.h"
#include "TempFolder.h"
#include "TestPhotos.h"

#include <algorithm>
#include <cstdint>
#include <ctime>
#include <fcntl.h>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <iomanip>
#include <lcms2.h>
#include <map>
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

// The album's files, record aside, with the inode each lives in: a file written again has
// a new one.
std::map<std::string, std::pair<ino_t, std::string>> albumFiles(const std::string& folder) {
    std::map<std::string, std::pair<ino_t, std::string>> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        struct stat st {};
        ::stat(entry.path().c_str(), &st);
        if (const std::string name = entry.path().filename(); name != AlbumRecord::kFileName)
            files[name] = {st.st_ino, readFileBytes(entry.path())};
    }
    return files;
}

// A file changed in place, its size and modification time kept, as some tools do.
void changeInPlace(const std::string& path, std::size_t at) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    std::string bytes = readFileBytes(path);
    bytes[at] = static_cast<char>(bytes[at] ^ 0x08);
    std::FILE* file = std::fopen(path.c_str(), "r+b");
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    const timespec times[2] = {st.st_atim, st.st_mtim};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
}

// Each reason to make a file again makes just that file, every reason to keep one keeps it,
// and the album kept up to date through all of it is byte for byte a fresh full build. The
// record is made to look old, so that identities are trusted where they can be.
TEST_F(AlbumBuild, RebuildsMakeExactlyWhatChangedAndEqualAFullBuild) {
    std::vector<std::string> photos{"p0.jpg", "p1.jpg", "p2.jpg"};
    for (unsigned i = 0; i < photos.size(); ++i)
        writeTestJpeg(input + photos[i], 240, 180, {.seed = i + 1});
    load(photos);
    ASSERT_EQ(build().ending, Ending::Done);
    // The files a row expects written; "*" stands for every photo's.
    const auto expected = [&](std::istringstream words) {
        std::vector<std::string> names;
        for (std::string word; words >> word;)
            for (const std::string& photo : photos)
                if (word.ends_with('*') || word == photo || word == "sm_" + photo)
                    names.push_back(word.ends_with('*') ? word.substr(0, word.size() - 1) + photo
                                                        : word);
        std::sort(names.begin(), names.end());
        names.erase(std::unique(names.begin(), names.end()), names.end());
        return names;
    };
    const std::string record = output + AlbumRecord::kFileName;
    AlbumSettings& settings = window.settings;
    const struct {
        const char* change;
        std::function<void()> make;
        const char* written;
    } rows[] = {
        {"nothing", [] {}, ""},
        {"the pixels, size and time kept",
         [&] {
             changeInPlace(input + "p0.jpg", readFileBytes(input + "p0.jpg").find("\xFF\xDB") + 9);
         },
         "p0.jpg sm_p0.jpg"},
        {"the time only", [&] { std::filesystem::last_write_time(input + "p1.jpg", {}); }, ""},
        {"a thumbnail deleted", [&] { std::filesystem::remove(output + "sm_p1.jpg"); },
         "sm_p1.jpg"},
        {"an album photo edited", [&] { changeInPlace(output + "p2.jpg", 700); }, "p2.jpg"},
        {"an album photo copied back",
         [&] {
             const std::string bytes = readFileBytes(output + "p1.jpg");
             std::filesystem::remove(output + "p1.jpg");
             writeFileBytes(output + "p1.jpg", bytes);
         },
         ""},
        {"a photo added",
         [&] {
             writeTestJpeg(input + "p3.jpg", 180, 240, {.seed = 9});
             photos.push_back("p3.jpg");
             state.catalogue.emplace_back().fileName = "p3.jpg";
         },
         "p3.jpg sm_p3.jpg"},
        {"the photo quality", [&] { settings.photoQuality = 70; }, "*"},
        {"the thumbnail quality", [&] { settings.thumbQuality = 50; }, "sm_*"},
        {"the photo size", [&] { settings.photoSizeText = "200x150"; }, "* sm_*"},
        {"the record damaged", [&] { writeFileBytes(record, "vistarel-album 1\nphoto"); },
         "* sm_*"},
    };
    for (const auto& row : rows) {
        row.make();
        std::string text = readFileBytes(record);
        for (std::size_t at; (at = text.find(" unsettled")) != std::string::npos;)
            text.erase(at + 1, 2);
        writeFileBytes(record, text);
        const auto before = albumFiles(output);
        ASSERT_EQ(build().ending, Ending::Done) << row.change;
        const auto after = albumFiles(output);
        std::vector<std::string> written;
        for (const auto& [name, file] : after)
            if (name.ends_with(".jpg") &&
                (!before.contains(name) || before.at(name).first != file.first))
                written.push_back(name);
        EXPECT_EQ(written, expected(std::istringstream(row.written))) << row.change;

        const AlbumState kept = state;
        const std::string album = output;
        load(photos, "fresh");
        ASSERT_EQ(build().ending, Ending::Done);
        for (const auto& [name, file] : albumFiles(output))
            EXPECT_TRUE(after.contains(name) && after.at(name).second == file.second)
                << name << " after " << row.change;
        state = kept;
        output = settings.outputFolder = album;
        std::filesystem::remove_all(dir.file("fresh"));
    }
    // Stopped before its first photo, a build still lists the photos at their files' sizes.
    for (PhotoRecord& photo : state.catalogue)
        photo.photoWidth = photo.photoHeight = photo.thumbWidth = photo.thumbHeight = 0;
    window.onProcessEvents = [&](int) { state.stopRequested = true; };
    ASSERT_EQ(build().ending, Ending::Stopped);
    EXPECT_NE(page().find("loadPic('p3.jpg' , 75 , 100 , 150 , 200 , '');"), std::string::npos);
}

// Typed captions outlive rebuilds and restarts, markup and all, and so does one edited in
// the page by hand; every other photo follows its own caption, also once the record is gone.
TEST_F(AlbumBuild, TypedCaptionsSurviveRebuildsAndTheOthersFollowTheirPhotos) {
    const auto photo = [&](const std::string& name, const std::string& comment) {
        PhotoExif exif;
        exif.userComment = comment;
        writeFileBytes(input + name, realJpegFile({jpegSegment(0xE1, exifPayload(exif))}));
    };
    const std::vector<std::string> photos{"a.jpg", "b.jpg", "c.jpg", "d.jpg"};
    for (const std::string& name : photos)
        photo(name, name == "d.jpg" ? "" : std::string(1, static_cast<char>(name[0] - 32)));
    load(photos);
    const std::string typed = "<i>b</i>\r\n\\'";
    state.catalogue[1].storeTypedCaption(typed); // typed before the build: kept by it
    ASSERT_EQ(build().ending, Ending::Done);
    const auto restartAndBuild = [&](const std::vector<std::string>& captions) {
        state = AlbumState();
        ASSERT_EQ(runLoadCommand(state, window.settings, window).ending, Ending::Done);
        ASSERT_EQ(build().ending, Ending::Done);
        for (std::size_t i = 0; i < photos.size(); ++i)
            EXPECT_EQ(state.catalogue[i].caption, captions[i]) << photos[i];
    };
    const std::string first = page();
    restartAndBuild({"A", typed, "C", ""});
    state.catalogue[0].storeTypedCaption("A"); // walked past unchanged: still the photo's
    ASSERT_EQ(build().ending, Ending::Done);
    EXPECT_EQ(page(), first) << "nothing changed, the page neither";

    std::string edited = first;
    edited.replace(edited.find("'C');"), 5, "'ru\xE8n\xED');");
    writeFileBytes(output + "index.html", edited);
    photo("a.jpg", "A2");
    photo("b.jpg", "B2");
    restartAndBuild({"A2", typed, "ruční", ""});
    for (PhotoRecord& record : state.catalogue)
        record.clearCaption();
    ASSERT_EQ(build().ending, Ending::Done);
    restartAndBuild({"A2", "B2", "C", ""});

    std::filesystem::remove(output + AlbumRecord::kFileName);
    photo("a.jpg", "A3"); // the page's "A2" is no longer what the photo writes
    restartAndBuild({"A2", "B2", "C", ""});
    EXPECT_EQ(state.catalogue[0].captionOrigin, CaptionOrigin::User);
    EXPECT_EQ(state.catalogue[1].captionOrigin, CaptionOrigin::Photo);
}

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
    Raster preview;
    for (const auto& photo : demoPhotos())
        demo.push_back(photo.fileName);
    // A window at another font scale has another preview box: the album stays the same.
    for (const int run : {1, 2, 3}) {
        const int jobs = std::min(run, 2);
        if (run == 3)
            std::tie(window.settings.previewWidth, window.settings.previewHeight) =
                std::pair(394, 233);
        load(demo, "out" + std::to_string(run), jobs);
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
            EXPECT_EQ(state.catalogue[i].captionOrigin, CaptionOrigin::Photo);
            if (run < 3)
                album.push_back(state.catalogue[i].previewJpeg);
        }
        if (oneJob.empty())
            oneJob = album;
        oneJob.resize(album.size());
        EXPECT_TRUE(album == oneJob) << "run " << run << " differs from one job's";
        if (run == 2)
            decodeJpegBytes(state.catalogue[0].previewJpeg, preview);
    }
    // The preview of 01_snezka.jpg, 960 x 640 (the page's sizes are the browser test's).
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
