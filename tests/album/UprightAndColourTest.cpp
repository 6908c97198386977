// Photos as cameras and phones store them: on their side with an EXIF orientation, and in a
// colour space of their own with an embedded ICC profile. The turned and converted inputs
// are made by outside tools (jpegtran, exiftool, ImageMagick), not by the program.
#include "image/JpegEncoder.h"

#include "AlbumBuildFixture.h"
#include "TestPhotos.h"

#include <cstdlib>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

void run(const std::string& command) {
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

std::string quoted(const std::string& path) {
    return "'" + path + "'";
}

const std::string kProfiles = "/usr/share/color/icc/colord/";

// Six saturated patches of 64 x 64 pixels, three across, two down.
constexpr std::uint8_t kPatches[6][3] = {{30, 200, 40},  {230, 30, 30},  {40, 60, 220},
                                         {240, 220, 30}, {20, 190, 210}, {200, 40, 180}};

Raster patchPicture() {
    Raster picture;
    picture.resize(192, 128);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 192; ++x)
            std::copy_n(kPatches[y / 64 * 3 + x / 64], 3, picture.row(y) + x * 3);
    return picture;
}

// The largest difference of a channel between each patch's centre and its colour.
int worstPatch(const Raster& picture) {
    int worst = 0;
    for (int patch = 0; patch < 6; ++patch) {
        const int x = (patch % 3 * 64 + 32) * picture.width / 192;
        const int y = (patch / 3 * 64 + 32) * picture.height / 128;
        for (int c = 0; c < 3; ++c)
            worst = std::max(worst, std::abs(picture.row(y)[x * 3 + c] - kPatches[patch][c]));
    }
    return worst;
}

// The ICC profile segment of a JPEG file: where it starts, and its length with the marker.
std::pair<std::size_t, std::size_t> iccSegment(const std::string& jpeg) {
    const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(jpeg[i]); };
    for (std::size_t i = 2; i + 4 <= jpeg.size() && byte(i) == 0xFF;) {
        const std::size_t length = 2 + (std::size_t{byte(i + 2)} << 8 | byte(i + 3));
        if (byte(i + 1) == 0xE2 && jpeg.compare(i + 4, 12, std::string("ICC_PROFILE\0", 12)) == 0)
            return {i, length};
        i += length;
    }
    return {std::string::npos, 0};
}

std::string app2(const std::string& data, int sequence, int count) {
    const std::size_t length = 2 + 14 + data.size();
    return std::string("\xFF\xE2", 2) + char(length >> 8) + char(length & 0xFF) +
           std::string("ICC_PROFILE\0", 12) + char(sequence) + char(count) + data;
}

} // namespace

TEST_F(AlbumBuild, EveryOrientationGivesTheSameUprightPictures) {
    // The upright photo is a portrait; a camera stores it as jpegtran turns it here, and
    // exiftool writes the tag that says how to turn it back.
    TestPhotoOptions options;
    options.quality = 95;
    writeTestJpeg(dir.file("upright.jpg"), 480, 640, options);
    const char* storedBy[] = {"",
                              "",
                              "-flip horizontal",
                              "-rotate 180",
                              "-flip vertical",
                              "-transpose",
                              "-rotate 270",
                              "-transverse",
                              "-rotate 90"};
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const std::string path = input + "o" + std::to_string(orientation) + ".jpg";
        run("jpegtran -perfect -copy none " + std::string(storedBy[orientation]) + " -outfile " +
            quoted(path) + " " + quoted(dir.file("upright.jpg")));
        run("exiftool -q -n -overwrite_original -Orientation=" + std::to_string(orientation) + " " +
            quoted(path));
        state.catalogue.emplace_back().fileName = "o" + std::to_string(orientation) + ".jpg";
    }
    window.settings.photoSizeText = "320x240";
    ASSERT_EQ(build().ending, Ending::Done) << window.messages().front();

    const JpegImage photo = decoded(output + "o1.jpg");
    const JpegImage thumbnail = decoded(output + "sm_o1.jpg");
    for (int orientation = 1; orientation <= 8; ++orientation) {
        const std::string name = "o" + std::to_string(orientation) + ".jpg";
        SCOPED_TRACE(name);
        const JpegImage turnedPhoto = decoded(output + name);
        const JpegImage turnedThumbnail = decoded(output + "sm_" + name);
        ASSERT_EQ(turnedPhoto.width() * 1000 + turnedPhoto.height(), 240320);
        ASSERT_EQ(turnedThumbnail.width() * 1000 + turnedThumbnail.height(), 75100);
        EXPECT_LT(meanDifference(turnedPhoto.picture(), photo.picture()), 1.5);
        EXPECT_LT(meanDifference(turnedThumbnail.picture(), thumbnail.picture()), 1.5);
        EXPECT_NE(page().find("loadPic('" + name + "' , 75 , 100 , 240 , 320 , '');"),
                  std::string::npos);
    }

    // Kept as stored when asked: the photo turned a quarter lies on its side.
    window.settings.turnUpright = false;
    ASSERT_EQ(build().ending, Ending::Done);
    EXPECT_EQ(decoded(output + "o6.jpg").width(), 320);
}

// Adobe RGB, and ECI RGB v2 for a wide gamut (the widest ones, Wide Gamut RGB or ProPhoto,
// already lose 10 to 24 levels in ImageMagick's own 8-bit round trip, before any of ours).
TEST_F(AlbumBuild, EmbeddedColourProfilesAreConvertedToSrgb) {
    writeFileBytes(dir.file("srgb.jpg"), encodeJpeg(patchPicture(), 95));
    for (const char* profile : {"AdobeRGB1998", "ECI-RGBv2"})
        run("convert " + quoted(dir.file("srgb.jpg")) + " -profile " + kProfiles +
            "sRGB.icc -profile " + kProfiles + profile + ".icc " +
            quoted(input + profile + ".jpg"));

    // The same Adobe RGB photo with its profile in two segments, with a damaged profile,
    // and without one.
    const std::string adobe = readFileBytes(input + "AdobeRGB1998.jpg");
    const auto [at, length] = iccSegment(adobe);
    ASSERT_NE(at, std::string::npos);
    const std::string profile = adobe.substr(at + 18, length - 18);
    const std::string before = adobe.substr(0, at), after = adobe.substr(at + length);
    writeFileBytes(input + "split.jpg", before + app2(profile.substr(0, 300), 1, 2) +
                                            app2(profile.substr(300), 2, 2) + after);
    std::string damaged = profile;
    damaged.replace(36, 4, "xxxx"); // no "acsp": no profile LittleCMS will open
    writeFileBytes(input + "damaged.jpg", before + app2(damaged, 1, 1) + after);
    writeFileBytes(input + "plain.jpg", before + after);

    load({"AdobeRGB1998.jpg", "ECI-RGBv2.jpg", "split.jpg", "damaged.jpg", "plain.jpg"});
    ASSERT_EQ(build().ending, Ending::Done) << window.messages().front();
    for (const char* name : {"AdobeRGB1998.jpg", "ECI-RGBv2.jpg", "split.jpg"}) {
        SCOPED_TRACE(name);
        EXPECT_LE(worstPatch(decoded(output + name).picture()), 6);
        EXPECT_LE(worstPatch(decoded(output + "sm_" + name).picture()), 6);
    }
    EXPECT_GT(worstPatch(decoded(output + "plain.jpg").picture()), 30) << "the profile matters";
    EXPECT_EQ(readFileBytes(output + "damaged.jpg"), readFileBytes(output + "plain.jpg"))
        << "a damaged profile leaves the pixels as they are";
    EXPECT_TRUE(window.messages().empty());
}
