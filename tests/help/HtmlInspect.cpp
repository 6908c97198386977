#include "HtmlInspect.h"

#include <utility>
#include <vector>

namespace vistarel::testing {
namespace {

// The visible text with, for each of its bytes, the offset in the HTML it came from.
std::pair<std::string, std::vector<std::size_t>> readVisible(const std::string& html) {
    static const std::pair<std::string, std::string> kEntities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&amp;", "&"}, {"&quot;", "\""}};
    std::string text;
    std::vector<std::size_t> origin;
    const auto body = html.find("<body>");
    std::size_t i = body == std::string::npos ? 0 : body + 6;
    while (i < html.size()) {
        if (html[i] == '<') {
            if (html.compare(i, 6, "<br />") == 0 || html.compare(i, 4, "</p>") == 0) {
                text += '\n';
                origin.push_back(i);
            }
            const auto end = html.find('>', i);
            if (end == std::string::npos)
                break;
            i = end + 1;
            continue;
        }
        bool entity = false;
        for (const auto& [name, value] : kEntities) {
            if (html.compare(i, name.size(), name) == 0) {
                text += value;
                origin.push_back(i);
                i += name.size();
                entity = true;
                break;
            }
        }
        if (!entity) {
            text += html[i];
            origin.push_back(i++);
        }
    }
    return {text, origin};
}

std::string enclosingTag(const std::string& html, const std::string& needle,
                         const std::string& opening) {
    const auto [text, origin] = readVisible(html);
    const auto at = text.find(needle);
    if (at == std::string::npos)
        return {};
    const auto start = html.rfind(opening, origin[at]);
    if (start == std::string::npos)
        return {};
    return html.substr(start, html.find('>', start) - start + 1);
}

} // namespace

std::string visibleText(const std::string& html) {
    return readVisible(html).first;
}

std::string spanStyleOf(const std::string& html, const std::string& text) {
    const std::string tag = enclosingTag(html, text, "<span style=\"");
    if (tag.empty())
        return {};
    const auto start = tag.find('"') + 1;
    return tag.substr(start, tag.find('"', start) - start);
}

std::string paragraphTagOf(const std::string& html, const std::string& text) {
    return enclosingTag(html, text, "<p ");
}

} // namespace vistarel::testing
