#include "captions/CameraFiller.h"
#include "captions/SidecarText.h"

#include <gtest/gtest.h>

using namespace vistarel;

TEST(SidecarText, DecodesTrimsAndEndsLinesAsTypedCaptions) {
    const std::pair<std::string, std::string> rows[] = {
        {"\xEF\xBB\xBFNa horách\nv mlze\r\rkonec \t\r\n\n", "Na horách\r\nv mlze\r\n\r\nkonec"},
        {"Sn\xEChov\xE1 koule\r\n", "Sněhová koule"},                            // windows-1250
        {std::string("\xFE\xFF\0K\x01\x6F\0\n\xD8\x3D\xDE\x00", 12), "Ků\r\n😀"}, // UTF-16
        {" \r\n\t", ""},
    };
    for (const auto& [bytes, caption] : rows)
        EXPECT_EQ(sidecarCaption(bytes), caption) << bytes;
}

TEST(CameraFiller, TellsFillersFromCaptions) {
    for (const char* filler :
         {"OLYMPUS DIGITAL CAMERA         ", "sony dsc", " \t", "x-default", "Canon EOS 5D",
          "EOS 5D", "DCIM\\100GOPRO\\GOPR0001.JPG", "<Digimax S500 / Kenox S500>"})
        EXPECT_TRUE(isCameraFiller(filler, "Canon", "EOS 5D ")) << filler;
    for (const char* caption :
         {"Sony DSC-RX100 na Sněžce", "Digital camera museum", "Nikon", "<3", "<b>Hi</b>"})
        EXPECT_FALSE(isCameraFiller(caption, "Canon", "EOS 5D")) << caption;
}
