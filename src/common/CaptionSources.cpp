#include "common/CaptionSources.h"

#include <algorithm>
#include <array>

namespace vistarel {
namespace {

constexpr std::array kAllSources{CaptionSource::Text, CaptionSource::Exif, CaptionSource::Xmp,
                                 CaptionSource::Iptc, CaptionSource::Description};

std::optional<CaptionSource> sourceNamed(std::string_view name) {
    for (const CaptionSource source : kAllSources)
        if (name == captionSourceName(source))
            return source;
    return std::nullopt;
}

} // namespace

const char* captionSourceName(CaptionSource source) {
    switch (source) {
    case CaptionSource::Text:
        return "txt";
    case CaptionSource::Exif:
        return "exif";
    case CaptionSource::Xmp:
        return "xmp";
    case CaptionSource::Iptc:
        return "iptc";
    case CaptionSource::Description:
        return "description";
    }
    return "";
}

std::optional<CaptionSources> parseCaptionSources(std::string_view list) {
    CaptionSources sources;
    sources.order.clear();
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        const auto source = sourceNamed(list.substr(0, comma));
        if (!source || std::ranges::find(sources.order, *source) != sources.order.end())
            return std::nullopt;
        sources.order.push_back(*source);
        if (comma == std::string_view::npos)
            break;
        list.remove_prefix(comma + 1);
        if (list.empty()) // a trailing comma names an empty source
            return std::nullopt;
    }
    return sources;
}

} // namespace vistarel
