#include "xmp/XmpPacket.h"

#include "exif/ExifText.h"

#include <climits>
#include <expat.h>
#include <memory>
#include <new>

namespace vistarel {
namespace {

// Expat joins a namespace and a local name with this separator, which no URI holds.
constexpr char kSeparator = ' ';
constexpr std::string_view kDescription = "http://purl.org/dc/elements/1.1/ description";
constexpr std::string_view kListItem = "http://www.w3.org/1999/02/22-rdf-syntax-ns# li";
constexpr std::string_view kLanguage = "http://www.w3.org/XML/1998/namespace lang";
constexpr std::string_view kHasExtended = "http://ns.adobe.com/xmp/note/ HasExtendedXMP";

bool isDefaultLanguage(std::string_view language) {
    constexpr std::string_view kDefault = "x-default";
    if (language.size() != kDefault.size())
        return false;
    for (std::size_t i = 0; i < language.size(); ++i)
        if ((language[i] | 0x20) != kDefault[i]) // ASCII letters in either case, '-' itself
            return false;
    return true;
}

// The parse, element by element. Only the first dc:description counts; its language
// alternatives are rdf:li elements at any depth below it, its plain text is taken when it
// has none.
class PacketReader {
public:
    explicit PacketReader(XML_Parser parser) : parser_(parser) {}

    void startElement(std::string_view name, const XML_Char** attributes);
    void endElement(std::string_view name);
    void text(std::string_view data);
    void refuseDocumentType() {
        refused_ = true;
        XML_StopParser(parser_, XML_FALSE);
    }

    bool refused() const { return refused_; }
    XmpPacket& packet() { return packet_; }

private:
    void readAttributes(const XML_Char** attributes);

    XML_Parser parser_;
    XmpPacket packet_;
    int depth_ = 0;
    int descriptionDepth_ = 0; // 0: not inside dc:description
    int itemDepth_ = 0;        // 0: not inside one of its rdf:li
    bool itemIsDefault_ = false;
    bool inGuid_ = false;
    bool refused_ = false;
    std::string item_, plainText_;
    std::optional<std::string> first_, default_;
};

void PacketReader::startElement(std::string_view name, const XML_Char** attributes) {
    ++depth_;
    if (descriptionDepth_ != 0) {
        if (name == kListItem && itemDepth_ == 0) {
            itemDepth_ = depth_;
            item_.clear();
            itemIsDefault_ = false;
            for (const XML_Char** a = attributes; a[0] != nullptr; a += 2)
                if (a[0] == kLanguage)
                    itemIsDefault_ = isDefaultLanguage(a[1]);
        }
        return;
    }
    if (name == kDescription && !packet_.description) {
        descriptionDepth_ = depth_;
        plainText_.clear();
    } else if (name == kHasExtended) {
        inGuid_ = true;
        packet_.extendedGuid.clear();
    }
    readAttributes(attributes);
}

// The short form: properties written as attributes of rdf:Description.
void PacketReader::readAttributes(const XML_Char** attributes) {
    for (const XML_Char** a = attributes; a[0] != nullptr; a += 2) {
        if (a[0] == kDescription && !packet_.description)
            packet_.description = trimmedText(a[1]);
        else if (a[0] == kHasExtended)
            packet_.extendedGuid = a[1];
    }
}

void PacketReader::endElement(std::string_view name) {
    if (depth_ == itemDepth_) {
        itemDepth_ = 0;
        if (!first_)
            first_ = item_;
        if (itemIsDefault_ && !default_)
            default_ = item_;
    } else if (depth_ == descriptionDepth_) {
        descriptionDepth_ = 0;
        packet_.description = trimmedText(default_ ? *default_ : first_ ? *first_ : plainText_);
    } else if (name == kHasExtended) {
        inGuid_ = false;
    }
    --depth_;
}

void PacketReader::text(std::string_view data) {
    if (itemDepth_ != 0)
        item_ += data;
    else if (descriptionDepth_ == depth_)
        plainText_ += data;
    else if (inGuid_)
        packet_.extendedGuid += data;
}

PacketReader& readerOf(void* userData) {
    return *static_cast<PacketReader*>(userData);
}

void onStart(void* userData, const XML_Char* name, const XML_Char** attributes) {
    readerOf(userData).startElement(name, attributes);
}

void onEnd(void* userData, const XML_Char* name) {
    readerOf(userData).endElement(name);
}

void onText(void* userData, const XML_Char* data, int length) {
    readerOf(userData).text(std::string_view(data, static_cast<std::size_t>(length)));
}

void onDocumentType(void* userData, const XML_Char*, const XML_Char*, const XML_Char*, int) {
    readerOf(userData).refuseDocumentType();
}

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

std::string errorText(XML_Parser parser, const PacketReader& reader) {
    const char* what = reader.refused() ? "a document type declaration is not allowed"
                                        : XML_ErrorString(XML_GetErrorCode(parser));
    return "line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ": " + what;
}

} // namespace

XmpPacket readXmpPacket(std::string_view xml) {
    if (xml.size() > INT_MAX) // far beyond any bound the callers set
        return {std::nullopt, "", "too long"};
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(
        XML_ParserCreateNS(nullptr, kSeparator));
    if (!parser)
        throw std::bad_alloc();
    PacketReader reader(parser.get());
    XML_SetUserData(parser.get(), &reader);
    XML_SetElementHandler(parser.get(), onStart, onEnd);
    XML_SetCharacterDataHandler(parser.get(), onText);
    XML_SetStartDoctypeDeclHandler(parser.get(), onDocumentType);
    const auto length = static_cast<int>(xml.size());
    if (XML_Parse(parser.get(), xml.data(), length, XML_TRUE) != XML_STATUS_OK)
        reader.packet().error = errorText(parser.get(), reader);
    return std::move(reader.packet());
}

} // namespace vistarel
