#pragma once

#include <cstdint>
#include <string>

namespace vistarel {

// The style editor's rows and colour swatches, as the style commands read and fill them.
// Only the window has a style editor.
class StyleEditorView {
public:
    virtual ~StyleEditorView() = default;

    virtual std::string styleRow(int row) const = 0;
    virtual void setStyleRow(int row, const std::string& value) = 0;
    // Colour value R + 256 G + 65536 B; swatch indexes kFirstSwatch onwards.
    virtual void setSwatch(int index, std::uint32_t colour) = 0;
};

} // namespace vistarel
