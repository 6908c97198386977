// Writes the seed corpus for the pictures fuzzer into the folder given as argument: small
// photos of every colour space the decoder converts, baseline and progressive, and the
// long, thin shapes the scaling rules have to bound.
#include "TestPhotos.h"

#include <iostream>
#include <string>

using namespace vistarel::testing;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: make_picture_seeds <folder>\n";
        return 2;
    }
    struct Seed {
        int width, height;
        TestColourSpace colourSpace;
        bool progressive;
    };
    const Seed seeds[] = {
        {64, 48, TestColourSpace::Rgb, false},       {48, 64, TestColourSpace::Rgb, true},
        {40, 30, TestColourSpace::Grayscale, false}, {24, 24, TestColourSpace::Cmyk, false},
        {24, 16, TestColourSpace::AdobeYcck, false}, {1000, 1, TestColourSpace::Rgb, false},
        {1, 1000, TestColourSpace::Grayscale, true},
    };
    int index = 0;
    for (const Seed& seed : seeds) {
        TestPhotoOptions options;
        options.colourSpace = seed.colourSpace;
        options.progressive = seed.progressive;
        options.quality = 50;
        writeTestJpeg(std::string(argv[1]) + "/seed" + std::to_string(++index) + ".jpg", seed.width,
                      seed.height, options);
    }
    return 0;
}
