// libFuzzer entry: every input is read as a photo's bytes. "Read beyond end of file" is the
// one error the reader may give; every text it finds must be bytes of the file; without an
// EXIF block no text is set. Anything else (a crash, a leak, a hang) is a fault too.
#include "common/Error.h"
#include "exif/Exif.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

bool inData(const std::string& text, const std::uint8_t* data, std::size_t size) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
    return text.empty() ||
           std::search(data, data + size, bytes, bytes + text.size()) != data + size;
}

void checkTexts(const vistarel::TExif& exif, const std::uint8_t* data, std::size_t size) {
    for (const std::string* text :
         {&exif.ImageDescription, &exif.Make, &exif.Model, &exif.RightsNotice, &exif.DateTime,
          &exif.DateTimeOriginal, &exif.DateTimeDigitized, &exif.UserComment, &exif.Software,
          &exif.Artist})
        if (!inData(*text, data, size) || (!exif.ExifFound && !text->empty()))
            std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vistarel::TExif exif;
    try {
        exif.ReadFromBytes({data, size});
    } catch (const vistarel::Error& error) {
        if (error.text() != "Read beyond end of file")
            std::abort();
    }
    checkTexts(exif, data, size);
    return 0;
}
