#pragma once

#include <QColor>
#include <QPixmap>
#include <array>
#include <cstdint>

namespace vistarel {

// The style editor's twelve square pictures: 0-5 the section and colour-picker images,
// 6-11 the colour swatches, which are repainted while the program runs. They are 16
// logical pixels square until resized with the window's scale.
class StyleImages {
public:
    static constexpr int kCount = 12;
    static constexpr int kSize = 16;
    static constexpr int kColourPicker = 5;

    StyleImages();

    const QPixmap& image(int index) const { return images_.at(index); }
    static bool isSwatch(int index);
    // Fills swatch `index` with one colour inside a thin grey border, so that a white swatch
    // or one of the window's colour still shows in its cell; other indexes are left alone.
    void paintSwatch(int index, const QColor& colour);
    // Draws every picture anew, `side` logical pixels square for a screen of this pixel ratio.
    void resize(int side, double pixelRatio);

private:
    std::array<QPixmap, kCount> images_;
    std::array<QColor, kCount> swatchColours_;
    int side_ = kSize;
    double pixelRatio_ = 1.0;
};

// Colour values keep red in the lowest byte, then green, then blue.
QColor colourFromValue(std::uint32_t value);
std::uint32_t valueFromColour(const QColor& colour);

} // namespace vistarel
