#include "ui/editors/StyleImages.h"

#include "styles/StyleSheet.h"

namespace vistarel {
namespace {

// Images 0-5 in list order: the ".big" frame, the heading, the caption cells, the page, the
// style name, and the colour-picker cell.
constexpr const char* kSectionImages[] = {"section-picture", "section-letters", "section-info",
                                          "section-body",    "style-name",      "colour-picker"};

// A missing picture is drawn as nothing rather than as a broken icon.
QPixmap sectionImage(int index) {
    QPixmap image(QStringLiteral(":/icons/%1-16.png").arg(QLatin1String(kSectionImages[index])));
    if (image.isNull()) {
        image = QPixmap(StyleImages::kSize, StyleImages::kSize);
        image.fill(Qt::transparent);
    }
    return image;
}

} // namespace

StyleImages::StyleImages() {
    for (int index = 0; index < kFirstSwatch; ++index)
        images_[index] = sectionImage(index);
    for (int index = kFirstSwatch; index < kCount; ++index)
        paintSwatch(index, Qt::transparent);
}

bool StyleImages::isSwatch(int index) {
    return index >= kFirstSwatch && index < kFirstSwatch + kSwatchCount;
}

void StyleImages::paintSwatch(int index, const QColor& colour) {
    if (!isSwatch(index))
        return;
    QPixmap swatch(kSize, kSize);
    swatch.fill(colour);
    images_[index] = swatch;
}

QColor colourFromValue(std::uint32_t value) {
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::uint32_t valueFromColour(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return static_cast<std::uint32_t>(rgb.red()) | static_cast<std::uint32_t>(rgb.green()) << 8 |
           static_cast<std::uint32_t>(rgb.blue()) << 16;
}

} // namespace vistarel
