// libFuzzer entry: every input is written to a file and read as a photo. The reader may
// throw the program's error; anything else (a crash, a leak, a hang) is a fault.
#include "common/Error.h"
#include "exif/Exif.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

const std::string& inputPath() {
    static const std::string path = "/tmp/vistarel_fuzz_exif_" + std::to_string(getpid());
    return path;
}

bool writeInput(const std::uint8_t* data, std::size_t size) {
    std::FILE* file = std::fopen(inputPath().c_str(), "wb");
    if (!file)
        return false;
    const bool written = std::fwrite(data, 1, size, file) == size;
    return std::fclose(file) == 0 && written;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!writeInput(data, size))
        return 0;
    vistarel::TExif exif;
    try {
        exif.ReadFromFile(inputPath());
    } catch (const vistarel::Error&) {
    }
    return 0;
}
