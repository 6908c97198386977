#include "album/PhotoPipeline.h"

#include "common/FileSystem.h"
#include "image/JpegDecoder.h"
#include "image/JpegImage.h"

#include "AlbumBuildFixture.h"
#include "DemoPhotos.h"
#include "ExifBytes.h"
#include "FailingAllocations.h"
#include "TestPhotos.h"

#include <algorithm>
#include <ctime>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

std::vector<std::uint8_t> bytesOf(const std::string& text) {
    return {text.begin(), text.end()};
}

// A photo with an EXIF date and an ASCII-coded comment.
void writePhoto(const std::string& path, int width, int height, const std::string& date,
                const std::string& comment) {
    PhotoExif exif;
    exif.dateTimeDigitized = date;
    if (!comment.empty())
        exif.userComment = comment;
    TestPhotoOptions options;
    options.segments.push_back({0xE1, bytesOf(exifPayload(exif))});
    writeTestJpeg(path, width, height, options);
}

std::time_t modificationTime(const std::string& path) {
    struct stat st {};
    ::stat(path.c_str(), &st);
    return st.st_mtime;
}

std::string localTimeText(std::time_t t) {
    char buffer[32];
    std::tm local{};
    localtime_r(&t, &local);
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}

} // namespace

TEST_F(AlbumBuild, WritesEveryPhotoThumbnailPreviewPageAndStyle) {
    writePhoto(input + "wide.jpg", 3000, 2000, "2005:07:14 12:34:57", "Výlet na Sněžku");
    writePhoto(input + "tall.jpg", 2000, 3000, "2005:01:10 08:00:01", "");
    writePhoto(input + "small.jpg", 50, 40, "0000:00:00 00:00:00", "small");
    writePhoto(input + "sm_x.jpg", 200, 153, "1979:12:31 23:59:58", "");
    load({"wide.jpg", "tall.jpg", "small.jpg", "sm_x.jpg"});

    const BuildOutcome built = build();

    EXPECT_EQ(built.ending, Ending::Done);
    EXPECT_EQ(built.photosBuilt, 4);
    EXPECT_TRUE(built.loopEnded && built.pageReached);
    EXPECT_TRUE(window.messages().empty()) << window.messages().front();
    const struct {
        const char* name;
        int pw, ph, tw, th, previewWidth;
    } expected[] = {{"wide.jpg", 800, 533, 100, 67, 279},
                    {"tall.jpg", 533, 800, 67, 100, 124},
                    {"small.jpg", 50, 40, 100, 80, 232},
                    {"sm_x.jpg", 200, 153, 100, 76, 243}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const auto& e = expected[i];
        SCOPED_TRACE(e.name);
        const PhotoRecord& record = state.catalogue[i];
        EXPECT_EQ(record.photoWidth, e.pw);
        EXPECT_EQ(record.photoHeight, e.ph);
        EXPECT_EQ(record.thumbWidth, e.tw);
        EXPECT_EQ(record.thumbHeight, e.th);
        const JpegImage photo = decoded(output + e.name);
        EXPECT_EQ(photo.width(), e.pw);
        EXPECT_EQ(photo.height(), e.ph);
        const JpegImage thumb = decoded(output + "sm_" + e.name);
        EXPECT_EQ(thumb.width(), e.tw);
        EXPECT_EQ(thumb.height(), e.th);
        Raster preview;
        decodeJpegBytes(record.previewJpeg, preview);
        EXPECT_EQ(preview.height, 186);
        EXPECT_EQ(preview.width, e.previewWidth);
    }
    EXPECT_TRUE(fileExists(output + "sm_sm_x.jpg"));
    EXPECT_EQ(state.catalogue[0].caption, "Výlet na Sněžku");
    EXPECT_EQ(state.catalogue[1].caption, "");
    EXPECT_NE(page().find("V\xFDlet na Sn\xEC\x9Eku"), std::string::npos);
    EXPECT_EQ(readFileBytes(output + "color.css"), "body {}\r\n");

    // Summer date stamped whatever the season now; odd seconds go down.
    EXPECT_EQ(localTimeText(modificationTime(output + "wide.jpg")), "2005-07-14 12:34:56");
    EXPECT_EQ(localTimeText(modificationTime(output + "tall.jpg")), "2005-01-10 08:00:00");
    // No stamp for dates that do not convert or lie before 1980, and none on thumbnails.
    const std::time_t now = std::time(nullptr);
    for (const char* name : {"small.jpg", "sm_x.jpg", "sm_wide.jpg", "sm_tall.jpg"})
        EXPECT_LE(std::abs(now - modificationTime(output + name)), 120) << name;

    EXPECT_EQ(window.calls.front(), "running 4");
    EXPECT_EQ(std::count(window.calls.begin(), window.calls.end(), "not running 4"), 1);
    EXPECT_EQ(window.progressPosition, 3);
}

TEST_F(AlbumBuild, StopLetsThePhotosInFlightFinishAndStillWritesThePage) {
    const int count = 8;
    for (int i = 0; i < count; ++i)
        writePhoto(input + name(i), 120, 90, "2010:05:05 05:05:05", name(i));
    for (int jobs : {1, 2}) {
        SCOPED_TRACE(jobs);
        window.settings.outputFolder = output = dir.subfolder("out" + std::to_string(jobs));
        window.settings.jobs = jobs;
        loadNumbered(count);
        state.catalogue[count - 1].caption = "typed before";
        window.progressPosition = -1;
        window.onProcessEvents = [&](int) {
            if (window.progressPosition == 1)
                state.stopRequested = true;
        };
        const BuildOutcome built = build();

        // Photo 1 was committed; each worker had two photos in flight.
        const int done = 2 + 2 * buildJobs(jobs) - 1;
        EXPECT_EQ(built.ending, Ending::Stopped);
        EXPECT_EQ(built.photosBuilt, done);
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(fileExists(output + name(i)), i < done) << i;
            EXPECT_EQ(fileExists(output + "sm_" + name(i)), i < done) << i;
        }
        EXPECT_EQ(state.catalogue[done - 1].caption, name(done - 1));
        EXPECT_TRUE(state.catalogue[done].previewJpeg.empty());
        EXPECT_EQ(state.catalogue[count - 1].caption, "typed before");
        EXPECT_FALSE(state.catalogue[count - 1].captionFromExif);
        // Walking on in the comment editor keeps a caption from EXIF text; a changed one is
        // markup.
        state.catalogue[done - 1].storeTypedCaption(name(done - 1));
        EXPECT_TRUE(state.catalogue[done - 1].captionFromExif);
        state.catalogue[done - 1].storeTypedCaption("<b>b</b>");
        EXPECT_FALSE(state.catalogue[done - 1].captionFromExif);
        EXPECT_EQ(window.progressPosition, done - 1);
        EXPECT_NE(page().find(name(count - 1)), std::string::npos);
        EXPECT_TRUE(fileExists(output + "color.css"));
    }
}

TEST_F(AlbumBuild, StopBeforeTheFirstPhotoProcessesNone) {
    writePhoto(input + "a.jpg", 60, 40, "", "");
    load({"a.jpg"});
    window.onProcessEvents = [&](int) { state.stopRequested = true; };
    EXPECT_EQ(build().photosBuilt, 0);
    EXPECT_FALSE(fileExists(output + "a.jpg"));
    EXPECT_TRUE(fileExists(output + "index.html"));
}

TEST_F(AlbumBuild, RefusalsChangeNothing) {
    EXPECT_EQ(build().ending, Ending::Refused); // empty catalogue
    load({"a.jpg"});
    window.settings.photoSizeText = "800";
    EXPECT_EQ(build().ending, Ending::Refused);
    window.settings.photoSizeText = "800x600";
    window.settings.inputFolder = dir.file("gone/");
    window.settings.outputFolder = dir.file("gone too/");
    state.resolutionChanged = true;
    EXPECT_EQ(build().ending, Ending::Refused);
    window.settings.inputFolder = input;
    EXPECT_FALSE(build().pageReached);
    EXPECT_EQ(window.calls,
              (std::vector<std::string>{
                  "message Chyba warning ok: Nejsou načteny žádné snímky!\r\nMusíte nejdřív "
                  "načíst snímky ke zpracování!",
                  "message Chyba warning ok: Špatně vyplněné rozlišení!",
                  "message Chyba warning ok: Vstupní složka neexistuje!",
                  "message Chyba warning ok: Výstupní složka neexistuje!"}));
    EXPECT_FALSE(state.resolutionChanged);
}

TEST_F(AlbumBuild, ACorruptPhotoEndsTheBuildNamingItAndRestoresTheButtons) {
    const int count = 6;
    for (int i = 0; i < count; ++i)
        writePhoto(input + name(i), 80, 60, "", "");
    writeFileBytes(input + name(1), "this is no photo");
    for (int jobs : {1, 2}) {
        SCOPED_TRACE(jobs);
        window.settings.outputFolder = output = dir.subfolder("out" + std::to_string(jobs));
        window.settings.jobs = jobs;
        window.calls.clear();
        loadNumbered(count);
        const BuildOutcome built = build();

        EXPECT_EQ(built.ending, Ending::Failed);
        EXPECT_FALSE(built.loopEnded) << "the comment editor is not handed the photos";
        EXPECT_EQ(built.error.rfind(input + name(1) + ": ", 0), 0u) << built.error;
        EXPECT_TRUE(fileExists(output + name(0)));
        for (int i = 1; i < count; ++i)
            EXPECT_FALSE(fileExists(output + name(i)) || fileExists(output + "sm_" + name(i))) << i;
        EXPECT_FALSE(fileExists(output + "index.html"));
        EXPECT_FALSE(fileExists(output + "color.css"));
        ASSERT_EQ(window.messages().size(), 1u);
        const std::string message = window.messages().front();
        EXPECT_EQ(message.rfind("message Vistarel error ok: " + input + name(1), 0), 0u) << message;
        EXPECT_FALSE(window.buildRunning);
    }
}

TEST_F(AlbumBuild, RunningOutOfMemoryEndsTheBuildNamingThePhotoAndRestoresTheButtons) {
    writePhoto(input + "a.jpg", 80, 60, "", "");
    writePhoto(input + "b.jpg", 1600, 1200, "", "");
    load({"a.jpg", "b.jpg"});
    {
        // The decoded b.jpg needs 5.76 MB at once; nothing else of the build does.
        const FailingAllocations failing(4'000'000);
        const BuildOutcome built = build();
        EXPECT_EQ(built.ending, Ending::Failed);
        EXPECT_EQ(built.error, input + "b.jpg: Out of memory");
    }
    EXPECT_EQ(window.messages(), std::vector<std::string>{"message Vistarel error ok: " + input +
                                                          "b.jpg: Out of memory."});
    EXPECT_FALSE(window.buildRunning);
    EXPECT_TRUE(fileExists(output + "a.jpg"));
    EXPECT_FALSE(fileExists(output + "index.html"));
}

// The workers finish photos in any order and share nothing; none of that may show.
TEST_F(AlbumBuild, EveryJobCountWritesTheSameAlbumAsOneJob) {
    writeDemoPhotos(input, 0.4);
    window.settings.photoSizeText = "320x240"; // most photos are decoded smaller
    std::vector<std::string> oneJob;
    for (int jobs : {1, 2}) {
        SCOPED_TRACE(jobs);
        window.settings.jobs = jobs;
        state.catalogue.clear();
        for (const auto& photo : demoPhotos())
            state.catalogue.push_back(PhotoRecord{photo.fileName, {}, 0, 0, 0, 0, {}});
        ASSERT_EQ(build().ending, Ending::Done);
        std::vector<std::string> album{page()};
        for (const std::string& file : listFilesWithExtension(output, ".jpg"))
            album.push_back(file + ": " + readFileBytes(output + file));
        for (std::size_t i = 0; i < demoPhotos().size(); ++i) {
            EXPECT_EQ(state.catalogue[i].caption, demoPhotos()[i].caption);
            album.push_back(state.catalogue[i].previewJpeg);
        }
        if (oneJob.empty())
            oneJob = album;
        EXPECT_TRUE(album == oneJob) << "the album differs from the one-job build's";
    }
}
