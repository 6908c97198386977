// Writes the demo photos into a folder: make-demo-photos FOLDER [SCALE]
#include "DemoPhotos.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: make-demo-photos FOLDER [SCALE]\n");
        return 2;
    }
    std::string folder = argv[1];
    if (folder.back() != '/')
        folder += '/';
    vistarel::testing::writeDemoPhotos(folder, argc > 2 ? std::stod(argv[2]) : 1.0);
    return 0; // an error ends the program with the exception's text
}
