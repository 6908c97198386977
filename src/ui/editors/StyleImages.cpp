#include "ui/editors/StyleImages.h"

#include "styles/StyleSheet.h"
#include "ui/controls/LayoutScale.h"

#include <QPainter>

namespace vistarel {
namespace {

// Images 0-5 in list order: the ".big" frame, the heading, the caption cells, the page, the
// style name, and the colour-picker cell.
constexpr const char* kSectionImages[] = {"section-picture", "section-letters", "section-info",
                                          "section-body",    "style-name",      "colour-picker"};

const QColor kSwatchBorder(128, 128, 128);

QPixmap blankImage(int side, double pixelRatio) {
    QPixmap image(QSize(side, side) * pixelRatio);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::transparent);
    return image;
}

// A missing picture is drawn as nothing rather than as a broken icon.
QPixmap sectionImage(int index, int side, double pixelRatio) {
    const QPixmap image = scaledIcon(QLatin1String(kSectionImages[index]), side, pixelRatio);
    return image.isNull() ? blankImage(side, pixelRatio) : image;
}

} // namespace

StyleImages::StyleImages() {
    swatchColours_.fill(Qt::transparent);
    resize(kSize, 1.0);
}

bool StyleImages::isSwatch(int index) {
    return index >= kFirstSwatch && index < kFirstSwatch + kSwatchCount;
}

void StyleImages::paintSwatch(int index, const QColor& colour) {
    if (!isSwatch(index))
        return;
    swatchColours_[index] = colour;
    QPixmap swatch = blankImage(side_, pixelRatio_);
    swatch.fill(colour);
    if (colour.alpha() > 0) {
        QPainter painter(&swatch);
        painter.setPen(QPen(kSwatchBorder, 1));
        painter.drawRect(QRectF(0.5, 0.5, side_ - 1, side_ - 1));
    }
    images_[index] = swatch;
}

void StyleImages::resize(int side, double pixelRatio) {
    side_ = side;
    pixelRatio_ = pixelRatio;
    for (int index = 0; index < kFirstSwatch; ++index)
        images_[index] = sectionImage(index, side, pixelRatio);
    for (int index = kFirstSwatch; index < kCount; ++index)
        paintSwatch(index, swatchColours_[index]);
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
