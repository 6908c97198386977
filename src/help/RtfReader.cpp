#include "help/RtfReader.h"

#include "help/RtfParser.h"

namespace vistarel {

std::string rtfToHtml(const std::string& rtfBytes) {
    return RtfParser(rtfBytes).run();
}

} // namespace vistarel
