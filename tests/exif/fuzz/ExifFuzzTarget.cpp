// libFuzzer entry: every input is written to a file and read as a photo. The reader may
// throw the program's error; anything else (a crash, a leak, a hang) is a fault.
#include "common/Error.h"
#include "exif/Exif.h"

#include <cstdint>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = "/tmp/vistarel_fuzz_exif_" + std::to_string(getpid());
    if (!std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(data), size))
        return 0;
    vistarel::TExif exif;
    try {
        exif.ReadFromFile(path);
    } catch (const vistarel::Error&) {
    }
    return 0;
}
