// Writes the demo photos into a folder: make-demo-photos FOLDER [SCALE]
#include "DemoPhotos.h"

#include <cstdio>
#include <exception>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make-demo-photos FOLDER [SCALE]\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '/')
        folder += '/';
    try {
        vistarel::testing::writeDemoPhotos(folder, argc > 2 ? std::stod(argv[2]) : 1.0);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-demo-photos: %s\n", e.what());
        return 1;
    }
    return 0;
}
