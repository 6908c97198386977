#include "state/SizeSettings.h"

#include "RecordingFrontEnd.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::RecordingFrontEnd;

TEST(ParseSizeText, TheLargerOfTwoIntegersJoinedByASmallX) {
    const std::pair<const char*, int> accepted[] = {
        {"600x800", 800}, {" 800x600", 800}, {"+800x-600", 800},          {"$1E0x0x140", 480},
        {"0X10x8", 16},   {"-5x-7", -5},     {"2147483647x1", 2147483647}};
    for (const auto& [text, size] : accepted)
        EXPECT_EQ(parseSizeText(text), size) << text;
    EXPECT_EQ(parseSizeText("-2147483648x-2147483648"), -2147483648);
    for (const char* text : {"800X600", "800", "800x", "800 x 600", "800x600 ", "8e2x600", "$x5",
                             "2147483648x1", "1x-2147483649", "$1FFFFFFFFx1", ""})
        EXPECT_EQ(parseSizeText(text), std::nullopt) << text;
}

TEST(ReadSizeSettings, StoresWhatParsedUntilTheFirstUnusableText) {
    const struct {
        const char *thumb, *photo;
        int thumbSize, photoSize; // 1 for "left as it was"
    } rows[] = {
        {"120x90", "16384x1", 120, 16384}, {"160x120", "800X600", 160, 1},
        {"bad", "320x240", 1, 1},          {"100x75", "0x0", 100, 1},
        {"100x75", "-800x-600", 100, 1},   {"100x75", "16385x100", 100, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.photo);
        RecordingFrontEnd window;
        window.settings.thumbSizeText = row.thumb;
        window.settings.photoSizeText = row.photo;
        window.settings.previewHeight = 190;
        AlbumState state;
        state.thumbSize = state.photoSize = 1;
        const bool usable = row.photoSize != 1;
        EXPECT_EQ(readSizeSettings(state, window.settings, window), usable);
        EXPECT_EQ(state.thumbSize, row.thumbSize);
        EXPECT_EQ(state.photoSize, row.photoSize);
        EXPECT_EQ(state.previewHeight, 190);
        EXPECT_EQ(window.calls, usable ? std::vector<std::string>{}
                                       : std::vector<std::string>{"message Chyba warning ok: "
                                                                  "Špatně vyplněné rozlišení!"});
    }
}
