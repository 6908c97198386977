#include "xmp/ExtendedXmp.h"
#include "xmp/XmpPacket.h"

#include "ExifBytes.h"

#include <gtest/gtest.h>

using namespace vistarel;
using vistarel::testing::xmpPacket;

namespace {

std::string alternatives(const std::string& language, const std::string& text,
                         const std::string& more = "") {
    return "<dc:description><rdf:Alt><rdf:li xml:lang='" + language + "'>" + text + "</rdf:li>" +
           more + "</rdf:Alt></dc:description>";
}

std::string chunk(char guid, std::uint32_t full, std::uint32_t offset, const std::string& bytes) {
    std::string header(32, guid);
    for (const std::uint32_t n : {full, offset})
        for (int shift = 24; shift >= 0; shift -= 8)
            header += static_cast<char>(n >> shift);
    return header + bytes;
}

} // namespace

// "description|GUID" and "|error" when not well-formed; "-" for no description.
TEST(XmpPacket, ReadsTheDefaultDescriptionOfWellFormedPacketsOnly) {
    const std::string guid(32, 'C');
    const std::string whole = xmpPacket(alternatives("x-default", "Whole"));
    const std::pair<std::string, std::string> rows[] = {
        {xmpPacket(alternatives("cs", "Pes", "<rdf:li xml:lang='X-Default'>Dog \n </rdf:li>")),
         "Dog|"},
        {xmpPacket(alternatives("cs", "Pes", "<rdf:li xml:lang='de'>Hund</rdf:li>")), "Pes|"},
        // Namespaces, not prefixes, count; so does plain text, and only the first description.
        {xmpPacket(
             "<dc:description xmlns:dc='urn:other'>Other</dc:description><p:description "
             "xmlns:p='http://purl.org/dc/elements/1.1/'>&amp; <![CDATA[<b>]]></p:description>" +
             alternatives("x-default", "Second")),
         "& <b>|"},
        // The short form, and the pointer to the extended packet in either form.
        {"<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'><rdf:Description "
         "xmlns:dc='http://purl.org/dc/elements/1.1/' dc:description='Short'/></rdf:RDF>",
         "Short|"},
        {xmpPacket("<n:HasExtendedXMP xmlns:n='http://ns.adobe.com/xmp/note/'>" + guid +
                   "</n:HasExtendedXMP>"),
         "-|" + guid},
        // Faults: what was whole before them stays; entities are never expanded.
        {whole + std::string("\0\0 junk", 7), "Whole||error"},
        {whole.substr(0, whole.find("Whole") + 3), "-||error"},
        {"<!DOCTYPE x [<!ENTITY a 'aaaa'><!ENTITY b '&a;&a;&a;&a;'>]><x>&b;</x>", "-||error"},
    };
    for (const auto& [xml, expected] : rows) {
        const XmpPacket read = readXmpPacket(xml);
        EXPECT_EQ(read.description.value_or("-") + "|" + read.extendedGuid +
                      (read.error.empty() ? "" : "|error"),
                  expected)
            << xml;
    }
}

TEST(ExtendedXmp, JoinsTheChunksOfItsOwnPacketOnly) {
    const std::pair<std::vector<std::string>, std::string> rows[] = {
        {{chunk('A', 6, 3, "def"), chunk('B', 6, 0, "xyz"), chunk('A', 6, 0, "abcd")}, "abcdef"},
        {{chunk('A', 6, 0, "ab"), chunk('A', 6, 3, "def")}, "-"},   // a gap
        {{chunk('A', 6, 0, "abc"), chunk('A', 7, 3, "defg")}, "-"}, // two lengths
        {{chunk('A', 65537, 0, "abc")}, "too large"},
    };
    for (const auto& [chunks, joined] : rows) {
        const ExtendedXmp read =
            joinExtendedXmp({chunks.begin(), chunks.end()}, std::string(32, 'A'), 65536);
        EXPECT_EQ(read.tooLarge ? "too large" : read.packet.value_or("-"), joined);
    }
}
