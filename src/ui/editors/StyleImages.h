#pragma once

#include <QColor>
#include <QPixmap>
#include <array>
#include <cstdint>

namespace vistarel {

// The style editor's twelve 16 × 16 pictures: 0-5 the section and colour-picker images,
// 6-11 the colour swatches, which are repainted while the program runs.
class StyleImages {
public:
    static constexpr int kCount = 12;
    static constexpr int kSize = 16;
    static constexpr int kColourPicker = 5;

    StyleImages();

    const QPixmap& image(int index) const { return images_.at(index); }
    static bool isSwatch(int index);
    // Fills swatch `index` with one colour; other indexes are left alone.
    void paintSwatch(int index, const QColor& colour);

private:
    std::array<QPixmap, kCount> images_;
};

// Colour values keep red in the lowest byte, then green, then blue.
QColor colourFromValue(std::uint32_t value);
std::uint32_t valueFromColour(const QColor& colour);

} // namespace vistarel
