// The album record: its text survives a round trip, and anything else reads as no record.
#include "record/AlbumLock.h"
#include "record/AlbumRecord.h"

#include "TempFolder.h"
#include "common/FileSystem.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace vistarel;
using namespace vistarel::testing;

namespace {

AlbumRecord sampleRecord() {
    AlbumRecord record;
    record.entry("a b.jpg").caption = RecordedCaption{true, {"", " Léto\r\n100% "}};
    record.entry("%x\n.jpg").caption = RecordedCaption{};
    const RecordedFile file{{123, -5, 1700000000123456789, 42}, std::string(32, 'a'), true};
    record.entry("%x\n.jpg").pictures =
        RecordedPictures{file, {800, 600, file, "photo 800 q80"}, {100, 75, file, ""}};
    return record;
}

} // namespace

TEST(AlbumRecord, TextRoundTripsAndAnythingElseIsNoRecord) {
    const AlbumRecord record = sampleRecord();
    const std::string text = record.text();
    EXPECT_EQ(AlbumRecord::fromText(text), record);
    EXPECT_NE(text.find("photo a b.jpg\ncaption photo \ncaption photo %20Léto%0D%0A100%25%20\n"),
              std::string::npos)
        << text;
    const auto without = [&](std::string_view part) {
        std::string damaged = text;
        damaged.erase(damaged.find(part), part.size());
        return damaged;
    };
    for (const std::string& damaged :
         {std::string(), text.substr(0, text.size() - 1), "vistarel-album 2" + text.substr(16),
          without("thumbnail"), without(" settled"), text + "end\n", without("photo %25x"),
          "<html>\n" + text})
        EXPECT_FALSE(AlbumRecord::fromText(damaged)) << damaged;
}

// Saved beside the album, it comes back; a damaged file reads as none. The process that
// holds the album folder (the CLI test tries a second) clears what killed writers left.
TEST(AlbumRecord, LivesInTheAlbumFolderWhichOneWriterHoldsAtATime) {
    TempFolder album;
    EXPECT_EQ(AlbumRecord::load(album.path()), AlbumRecord());
    sampleRecord().save(album.path());
    EXPECT_EQ(AlbumRecord::load(album.path()), sampleRecord());
    writeFileBytes(album.file(AlbumRecord::kFileName), "vistarel-album 1\nphoto x\n");
    EXPECT_EQ(AlbumRecord::load(album.path()), AlbumRecord());

    writeFileBytes(album.file(".vistarel-99999-0.tmp"), "left");
    writeFileBytes(album.file("keep.tmp"), "mine");
    ASSERT_TRUE(AlbumLock(album.path()).held());
    removeStaleTemporaryFiles(album.path());
    EXPECT_FALSE(fileExists(album.file(".vistarel-99999-0.tmp")));
    EXPECT_TRUE(fileExists(album.file("keep.tmp")));
}
