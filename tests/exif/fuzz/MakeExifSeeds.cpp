// Writes the seed corpus for the EXIF reader's fuzzer into the folder given as argument:
// small files in the shapes the reader meets, built by the test fixtures.
#include "ExifBytes.h"

#include <fstream>
#include <iostream>
#include <string>
#include <vector>

using namespace vistarel::testing;

namespace {

std::string cameraBlock(ByteOrder order) {
    TiffBlockBuilder block(order);
    block.text(Directory::Ifd0, 271, "Canon")
        .text(Directory::Ifd0, 272, "EOS")
        .shortValue(Directory::Ifd0, 274, 6)
        .rational(Directory::Ifd0, 282, 72, 1)
        .rational(Directory::Exif, 33434, 1, 125)
        .rational(Directory::Exif, 33437, 28, 10)
        .shortValue(Directory::Exif, 34855, 400)
        .text(Directory::Exif, 36868, "2021:05:06 07:08:10")
        .rational(Directory::Exif, 37377, 6643856, 1000000)
        .shortValue(Directory::Exif, 37385, 25)
        .undefined(Directory::Exif, 37510, userCommentBytes("ASCII", "Beach"));
    return block.build();
}

std::vector<std::string> seeds() {
    PhotoExif unicode;
    unicode.userComment = utf16Bytes(u"Ahoj", ByteOrder::Intel);
    unicode.userCommentCode = "UNICODE";
    TiffBlockBuilder zeroCount(ByteOrder::Motorola);
    zeroCount.text(Directory::Ifd0, 271, "Pen").ifd0CountField(0);
    return {
        jpegFile({exifSegment(cameraBlock(ByteOrder::Intel))}),
        jpegFile({app0Segment(), exifSegment(cameraBlock(ByteOrder::Motorola))}),
        jpegFile({app0Segment(18), iccSegment(100), xmpSegment(),
                  exifSegment(cameraBlock(ByteOrder::Intel))}),
        jpegFile({exifSegment(zeroCount.build())}),
        jpegFile({jpegSegment(0xE1, exifPayload(unicode))}),
        jpegFile({app0Segment()}),
    };
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_exif_seeds <folder>\n";
        return 2;
    }
    int index = 0;
    for (const std::string& seed : seeds()) {
        std::ofstream out(std::string(argv[1]) + "/seed" + std::to_string(++index) + ".jpg",
                          std::ios::binary);
        out << seed;
        if (!out)
            return 1;
    }
    return 0;
}
