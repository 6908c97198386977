// libFuzzer entry: every input is a row of an album page. A photo line read back and written
// as the user's caption must read back to a caption that writes that very line again.
#include "common/Cp1250.h"
#include "page/AlbumPageReader.h"
#include "page/PhotoLine.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view row(reinterpret_cast<const char*>(data), size);
    const auto line = vistarel::parsePhotoLine(row);
    if (!line)
        return 0;
    vistarel::PhotoRecord photo;
    photo.captionOrigin = vistarel::CaptionOrigin::User;
    photo.caption = vistarel::captionFromField(line->captionField);
    const std::string field = vistarel::captionField(photo);
    photo.caption = vistarel::captionFromField(field);
    if (vistarel::captionField(photo) != field)
        std::abort();
    return 0;
}
