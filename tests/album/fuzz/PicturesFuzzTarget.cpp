// libFuzzer entry: every input is made into a photo's three pictures the way a build makes
// them (EXIF, scale, decode, profile, upright, three encodes), with the decoder's memory
// bound on. The program's errors are expected; a crash, leak, hang, huge allocation or a
// picture missing after a made photo is a fault.
#include "album/PhotoMaker.h"
#include "common/Error.h"

#include <cstdint>
#include <cstdlib>

namespace {

// Instrumented drawing is some 70 times slower, so a large decoded picture would be
// reported as slow without being a fault; the pictures are small whatever the photo's size.
vistarel::DecodeLimits fuzzedLimits() {
    vistarel::DecodeLimits limits;
    limits.pixels = 4'000'000;
    return limits;
}

const vistarel::AlbumState defaultSizes{
    .catalogue = {}, .thumbSize = 100, .photoSize = 800, .previewWidth = 315, .previewHeight = 186};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const vistarel::AlbumSettings settings;
    // A maker per input: one for the whole run would keep every profile the fuzzer invents.
    vistarel::PhotoMaker maker(defaultSizes, settings, fuzzedLimits());
    vistarel::PhotoWorkspace workspace;
    vistarel::MadePhoto made;
    try {
        maker.makeFromBytes("fuzzed.jpg", {data, size}, workspace, made);
    } catch (const vistarel::Error&) {
        return 0;
    }
    // Every picture has at least one pixel, so the encoder has no reason to refuse one.
    if (!made.photoJpeg || !made.thumbnailJpeg || !made.previewJpeg)
        std::abort();
    return 0;
}
