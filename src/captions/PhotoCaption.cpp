#include "captions/PhotoCaption.h"

#include "captions/CameraFiller.h"
#include "captions/MetadataSegments.h"
#include "captions/SidecarText.h"
#include "common/Cp1250.h"
#include "common/Error.h"
#include "common/FileSystem.h"
#include "common/Utf16.h"
#include "exif/Exif.h"
#include "iptc/IptcCaption.h"
#include "xmp/ExtendedXmp.h"
#include "xmp/XmpPacket.h"

#include <algorithm>
#include <filesystem>
#include <optional>

namespace vistarel {
namespace {

constexpr std::size_t kSidecarLimit = 1024 * 1024;
constexpr std::size_t kPacketLimit = 64 * 1024;

bool isBlank(const std::string& text) {
    return std::ranges::all_of(text, [](char c) { return static_cast<unsigned char>(c) <= 0x20; });
}

// The sidecars of a photo with this extension, in the order they are looked at.
std::vector<std::string> sidecarPaths(const std::string& path, const std::string& extension) {
    std::string upper = extension;
    for (char& c : upper)
        c = static_cast<char>(c & ~0x20);
    const std::size_t slash = path.rfind('/');
    const std::size_t dot = path.rfind('.');
    std::vector<std::string> paths;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash + 1))
        for (const std::string& ext : {extension, upper})
            paths.push_back(path.substr(0, dot + 1) + ext);
    for (const std::string& ext : {extension, upper})
        paths.push_back(path + "." + ext);
    return paths;
}

// One photo's sources, each read when the order comes to it; the photo's head once.
class CaptionSearch {
public:
    CaptionSearch(const std::string& path, std::string_view photo, const TExif& exif,
                  std::vector<std::string>& warnings)
        : path_(path), photo_(photo), exif_(exif), warnings_(warnings) {}

    std::string from(CaptionSource source);

private:
    std::string fromText();
    std::string fromXmp();
    std::string fromIptc();
    std::string fromDescription() const;
    std::string unlessFiller(std::string text) const;
    std::optional<std::string> readSidecar(const std::string& sidecar);
    std::optional<std::string> xmpDescription(std::string_view packet, const std::string& file,
                                              std::string* extendedGuid = nullptr);
    std::optional<std::string> extendedXmpDescription(const std::string& guid);
    const MetadataSegments& segments();

    const std::string& path_;
    std::string_view photo_;
    const TExif& exif_;
    std::vector<std::string>& warnings_;
    std::optional<MetadataSegments> segments_;
};

std::string CaptionSearch::from(CaptionSource source) {
    switch (source) {
    case CaptionSource::Text:
        return fromText();
    case CaptionSource::Exif:
        return decodeUserComment(exif_.UserComment, exif_.UserCommentCode, exif_.IsMotorolaOrder());
    case CaptionSource::Xmp:
        return fromXmp();
    case CaptionSource::Iptc:
        return fromIptc();
    case CaptionSource::Description:
        return fromDescription();
    }
    return {};
}

std::string CaptionSearch::fromText() {
    for (const std::string& sidecar : sidecarPaths(path_, "txt"))
        if (const auto bytes = readSidecar(sidecar))
            if (std::string text = sidecarCaption(*bytes); !isBlank(text))
                return text;
    return {};
}

std::string CaptionSearch::fromXmp() {
    for (const std::string& sidecar : sidecarPaths(path_, "xmp"))
        if (const auto bytes = readSidecar(sidecar))
            if (auto text = xmpDescription(*bytes, sidecar))
                return *text;
    std::string guid;
    if (auto text = xmpDescription(segments().xmp, path_, &guid))
        return *text;
    if (!guid.empty())
        return extendedXmpDescription(guid).value_or("");
    return {};
}

std::string CaptionSearch::fromIptc() {
    return unlessFiller(readIptcCaption(segments().photoshop));
}

std::string CaptionSearch::fromDescription() const {
    return unlessFiller(decodeUserComment(exif_.ImageDescription, "", false));
}

std::string CaptionSearch::unlessFiller(std::string text) const {
    return isCameraFiller(text, exif_.Make, exif_.Model) ? std::string() : text;
}

// Nothing when there is no such file; a file too large or unreadable is told, and left.
std::optional<std::string> CaptionSearch::readSidecar(const std::string& sidecar) {
    if (!fileExists(sidecar))
        return std::nullopt;
    std::error_code error;
    if (std::filesystem::file_size(sidecar, error) <= kSidecarLimit || error) {
        try {
            std::string bytes = readFileBytes(sidecar);
            if (bytes.size() <= kSidecarLimit) // it may have grown since
                return bytes;
        } catch (const Error& e) {
            warnings_.push_back(e.text());
            return std::nullopt;
        }
    }
    warnings_.push_back(sidecar + ": over 1 MB, not read for a caption");
    return std::nullopt;
}

// The packet's description when it is a caption; a packet that is not XML is told.
std::optional<std::string> CaptionSearch::xmpDescription(std::string_view packet,
                                                         const std::string& file,
                                                         std::string* extendedGuid) {
    if (packet.empty())
        return std::nullopt;
    XmpPacket read = readXmpPacket(packet);
    if (extendedGuid)
        *extendedGuid = read.extendedGuid;
    if (read.description && !unlessFiller(*read.description).empty())
        return read.description;
    if (!read.error.empty())
        warnings_.push_back(file + ": XMP not read, " + read.error);
    return std::nullopt;
}

std::optional<std::string> CaptionSearch::extendedXmpDescription(const std::string& guid) {
    const ExtendedXmp joined = joinExtendedXmp(segments().extendedXmp, guid, kPacketLimit);
    if (joined.tooLarge)
        warnings_.push_back(path_ + ": extended XMP over 64 KB, not read for a caption");
    if (!joined.packet)
        return std::nullopt;
    return xmpDescription(*joined.packet, path_);
}

const MetadataSegments& CaptionSearch::segments() {
    if (!segments_)
        segments_ = findMetadataSegments(photo_);
    return *segments_;
}

} // namespace

PhotoCaption readPhotoCaption(const std::string& path, std::string_view photo, const TExif& exif,
                              const CaptionSources& sources) {
    PhotoCaption caption;
    CaptionSearch search(path, photo, exif, caption.warnings);
    for (const CaptionSource source : sources.order) {
        caption.text = search.from(source);
        if (!isBlank(caption.text))
            return caption;
    }
    caption.text.clear();
    return caption;
}

std::string decodeUserComment(const std::string& bytes, const std::string& code, bool bigEndian) {
    if (code == "UNICODE")
        return utf16ToUtf8(bytes, bigEndian);
    return isValidUtf8(bytes) ? bytes : cp1250ToUtf8(bytes);
}

} // namespace vistarel
