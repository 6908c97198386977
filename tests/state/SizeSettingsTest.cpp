#include "state/SizeSettings.h"

#include "RecordingFrontEnd.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::RecordingFrontEnd;

TEST(ParseSizeText, AcceptedFormsGiveTheLargerNumber) {
    const std::pair<const char*, int> cases[] = {
        {"800x600", 800},
        {"600x800", 800},
        {"100x75", 100},
        {"120x120", 120},
        {" 800x600", 800},
        {"+800x-600", 800},
        {"$1E0x0x140", 480},
        {"800x 600", 800},
        {"0X10x8", 16},
        {"-5x-7", -5},
        {"0x0", 0},
        {"2147483647x1", 2147483647},
        {"-2147483648x-2147483648", -2147483648},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        ASSERT_TRUE(parseSizeText(text).has_value());
        EXPECT_EQ(*parseSizeText(text), expected);
    }
}

TEST(ParseSizeText, RejectedForms) {
    for (const char* text :
         {"800X600", "800*600", "800", "x600", "800x", "800 x 600", "", "x", "800x600x", "800x6OO",
          "$x5", "0x", "8e2x600", "2147483648x1", "1x-2147483649", "$1FFFFFFFFx1", "800x600 "}) {
        SCOPED_TRACE(text);
        EXPECT_FALSE(parseSizeText(text).has_value());
    }
}

TEST(ReadSizeSettings, StoresBothSizesAndThePreviewHeight) {
    RecordingFrontEnd window;
    window.settings.thumbSizeText = "120x90";
    window.settings.photoSizeText = "640x480";
    window.settings.previewHeight = 186;
    AlbumState state;
    EXPECT_TRUE(readSizeSettings(state, window.settings, window));
    EXPECT_EQ(state.thumbSize, 120);
    EXPECT_EQ(state.photoSize, 640);
    EXPECT_EQ(state.previewHeight, 186);
    EXPECT_TRUE(window.calls.empty());
}

TEST(ReadSizeSettings, AValueThatParsedBeforeTheFailingOneStays) {
    RecordingFrontEnd window;
    window.settings.thumbSizeText = "160x120";
    window.settings.photoSizeText = "800X600";
    AlbumState state;
    state.photoSize = 1024;
    state.thumbSize = 100;
    EXPECT_FALSE(readSizeSettings(state, window.settings, window));
    EXPECT_EQ(state.thumbSize, 160);
    EXPECT_EQ(state.photoSize, 1024);
    EXPECT_EQ(window.messages(),
              std::vector<std::string>{"message Chyba warning ok: Špatně vyplněné rozlišení!"});

    window.calls.clear();
    window.settings.thumbSizeText = "bad";
    window.settings.photoSizeText = "320x240";
    EXPECT_FALSE(readSizeSettings(state, window.settings, window));
    EXPECT_EQ(state.photoSize, 1024); // not reached
    EXPECT_EQ(window.messages().size(), 1u);
}

TEST(ReadSizeSettings, SizesThatGiveNoPictureOrExhaustMemoryAreRefused) {
    for (const char* text : {"0x0", "-800x-600", "16385x100", "$7FFFFFFFx1"}) {
        SCOPED_TRACE(text);
        RecordingFrontEnd window;
        window.settings.photoSizeText = text;
        AlbumState state;
        EXPECT_FALSE(readSizeSettings(state, window.settings, window));
        EXPECT_EQ(state.photoSize, 0);
        EXPECT_EQ(window.messages().size(), 1u);
    }
    RecordingFrontEnd window;
    window.settings.photoSizeText = "16384x1";
    AlbumState state;
    EXPECT_TRUE(readSizeSettings(state, window.settings, window));
    EXPECT_EQ(state.photoSize, 16384);
}
