// Writes the seed corpus for the EXIF reader's fuzzer into the folder given as argument:
// small files in the shapes the reader meets, built by the test fixtures.
#include "ExifBytes.h"

#include <fstream>
#include <string>

using namespace vistarel::testing;

int main(int argc, char** argv) {
    if (argc != 2)
        return 2;
    const auto camera = [](ByteOrder order) {
        return exifSegment(TiffBlockBuilder(order)
                               .text(Directory::Ifd0, 271, "Canon")
                               .rawEntry(Directory::Ifd0, 274, tiff::kShort, 1, 6)
                               .rational(Directory::Exif, 33434, 1, 125)
                               .rawEntry(Directory::Exif, 34855, tiff::kShort, 1, 400)
                               .text(Directory::Exif, 36868, "2021:05:06 07:08:10")
                               .undefined(Directory::Exif, 37510, userCommentBytes("ASCII", "B"))
                               .build());
    };
    const std::string seeds[] = {
        jpegFile({camera(ByteOrder::Intel)}),
        jpegFile({app0Segment(18), iccSegment(), xmpSegment(), camera(ByteOrder::Motorola)}),
        jpegFile({exifSegment(
            TiffBlockBuilder().text(Directory::Ifd0, 271, "P").ifd0CountField(0).build())}),
        jpegFile({app0Segment()})};
    int index = 0;
    for (const std::string& seed : seeds)
        if (!(std::ofstream(std::string(argv[1]) + "/seed" + std::to_string(++index) + ".jpg",
                            std::ios::binary)
              << seed))
            return 1;
    return 0;
}
