// libFuzzer entry: every input is read as an album record. Whatever it accepts must write
// out as a record that reads back the same.
#include "record/AlbumRecord.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto record =
        vistarel::AlbumRecord::fromText({reinterpret_cast<const char*>(data), size});
    if (record && vistarel::AlbumRecord::fromText(record->text()) != record)
        std::abort();
    return 0;
}
