#include "iptc/IptcCaption.h"

#include "ExifBytes.h"

#include <gtest/gtest.h>

using namespace vistarel;
using namespace vistarel::testing;

TEST(IptcCaption, FindsTheCaptionInPhotoshopsBlocksAndDecodesIt) {
    const std::string utf8Set = iptcDataset(1, 90, "\x1B%G");
    const std::string caption = iptcDataset(2, 120, "Caf\xC3\xA9 \xE2\x82\xAC\r\nnoc  \r");
    const std::string block = photoshopPayload(caption);
    const struct {
        std::vector<std::string> payloads;
        std::string caption;
    } rows[] = {
        {{photoshopPayload(utf8Set + iptcDataset(2, 5, "Title") + caption)}, "Café €\r\nnoc"},
        {{block}, "Café €\r\nnoc"}, // UTF-8 that 1:90 does not declare
        {{photoshopPayload(iptcDataset(2, 120, "Caf\xE9 \x80 \x8E\x9A"))}, "Café € Žš"},
        {{photoshopPayload(utf8Set + iptcDataset(2, 120, "Z\xFCrich"))}, "Zürich"}, // not UTF-8
        // Other resources first, with odd sizes and names; the block split over two segments.
        {{photoshopPayload("odd", 0x03ED, "ab") + block.substr(14)}, "Café €\r\nnoc"},
        {{block.substr(0, 30), "Photoshop 3.0" + std::string(1, '\0') + block.substr(30)},
         "Café €\r\nnoc"},
        // A length in four more bytes.
        {{photoshopPayload(std::string("\x1C\x02\x78\x80\x04\0\0\0\x02", 9) + "OK")}, "OK"},
        // Nothing: the IPTC resource or the caption missing, cut short or in another header.
        {{photoshopPayload(caption, 0x0405)}, ""},
        {{photoshopPayload(iptcDataset(2, 5, "Title"))}, ""},
        {{block.substr(0, block.size() - 4)}, ""},
        {{"Adobe_CM" + block.substr(13)}, ""},
    };
    for (const auto& row : rows) {
        const std::vector<std::string_view> views(row.payloads.begin(), row.payloads.end());
        EXPECT_EQ(readIptcCaption(views), row.caption);
    }
}
