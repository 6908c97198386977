#include "captions/CameraFiller.h"

#include <algorithm>
#include <string>

namespace vistarel {
namespace {

// Seen in the ImageDescription (and XMP copies of it) of photos straight from the camera.
constexpr std::string_view kFillers[] = {
    "OLYMPUS DIGITAL CAMERA", // Olympus, padded with blanks to 32 characters
    "SONY DSC",               // Sony
    "KONICA MINOLTA DIGITAL CAMERA",
    "MINOLTA DIGITAL CAMERA",
    "SAMSUNG",
    "SAMSUNG DIGITAL CAMERA",
    "SAMSUNG CAMERA PICTURES",
    "NIKON DIGITAL CAMERA",
    "SANYO DIGITAL CAMERA",
    "JENOPTIK DIGITAL CAMERA",
    "LG DIGITAL CAMERA",
    "DIGITAL CAMERA",
    "Exif_JPEG_PICTURE", // phones of several makers
    "default",           // phones and tablets
    // Huawei and Honor phones: the shooting mode.
    "rhdr",
    "hdrpl",
    "fbt",
    "fbthdr",
    "btf",
    "btfhdr",
    "btfmdn",
    "mde",
    "mde_soft",
    "edf",
    "sdr_HDRB",
    "oznor",
    "frontbhdp",
    "Created by Imlib", // a converter's signature, not the photographer's
    "x-default",        // programs that write the language name when the text is empty
    "DCIM",
};

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= 0x20; };
    while (!text.empty() && blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && blank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c | 0x20) : c;
    };
    return std::ranges::equal(a, b, {}, lower, lower);
}

bool isCameraName(std::string_view text, std::string_view make, std::string_view model) {
    make = trimmed(make);
    model = trimmed(model);
    return (!make.empty() && sameIgnoringCase(text, make)) ||
           (!model.empty() && sameIgnoringCase(text, model)) ||
           (!make.empty() && !model.empty() &&
            sameIgnoringCase(text, std::string(make) + " " + std::string(model)));
}

// "DCIM\100GOPRO\GOPR0001.JPG" (action cameras); "<Digimax S500 / Kenox S500>" (Samsung).
bool isCardPathOrModelTag(std::string_view text) {
    const bool cardPath = text.size() > 5 && sameIgnoringCase(text.substr(0, 4), "DCIM") &&
                          (text[4] == '\\' || text[4] == '/');
    const bool tag = text.size() > 2 && text.front() == '<' && text.back() == '>' &&
                     text.substr(1, text.size() - 2).find_first_of("<>") == std::string_view::npos;
    return cardPath || tag;
}

} // namespace

bool isCameraFiller(std::string_view text, std::string_view make, std::string_view model) {
    text = trimmed(text);
    return text.empty() ||
           std::ranges::any_of(
               kFillers, [&](std::string_view filler) { return sameIgnoringCase(text, filler); }) ||
           isCameraName(text, make, model) || isCardPathOrModelTag(text);
}

} // namespace vistarel
