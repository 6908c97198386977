#include "state/SizeSettings.h"

#include "RecordingFrontEnd.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::RecordingFrontEnd;

// A size text is two integers joined by a small x (blanks before each, a sign, "$" or "0x"
// for hexadecimal, 32 bits); the larger counts and must give a picture. The thumbnail's
// text is read first and stays read when the photo's fails.
TEST(ReadSizeSettings, TakesTheLargerNumberOfEachTextOrWarns) {
    const std::pair<const char*, int> rows[] = {
        // 0: refused
        {"600x800", 800},    {" 800x600", 800},    {"+800x-600", 800},  {"$1E0x0x140", 480},
        {"0X10x8", 16},      {"16384x1", 16384},   {"16385x100", 0},    {"-5x-7", 0},
        {"0x0", 0},          {"800X600", 0},       {"800", 0},          {"800x", 0},
        {"800 x 600", 0},    {"800x600 ", 0},      {"8e2x600", 0},      {"$x5", 0},
        {"2147483648x1", 0}, {"1x-2147483649", 0}, {"$1FFFFFFFFx1", 0}, {"", 0}};
    for (const auto& [text, size] : rows) {
        RecordingFrontEnd window;
        window.settings.thumbSizeText = "160x120";
        window.settings.photoSizeText = text;
        window.settings.previewHeight = 190;
        AlbumState state;
        state.photoSize = 1;
        EXPECT_EQ(readSizeSettings(state, window.settings, window), size != 0) << text;
        EXPECT_EQ(state.photoSize, size ? size : 1) << text;
        EXPECT_EQ(state.thumbSize, 160);
        EXPECT_EQ(state.previewHeight, 190);
        EXPECT_EQ(window.calls, size ? std::vector<std::string>{}
                                     : std::vector<std::string>{"message Chyba warning ok: "
                                                                "Špatně vyplněné rozlišení!"});
    }
    EXPECT_EQ(parseSizeText("-2147483648x-2147483648"), -2147483648);
    EXPECT_EQ(parseSizeText("2147483647x1"), 2147483647);
}
