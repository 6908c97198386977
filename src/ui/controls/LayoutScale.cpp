#include "ui/controls/LayoutScale.h"

#include <QFont>
#include <QPixmap>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace vistarel {
namespace {

// The grid's own font: 8 pt at 96 dpi.
constexpr double kGridFontPixels = 8.0 * 96.0 / 72.0;
constexpr int kStoredIconSizes[] = {16, 32, 64};
const char* const kGridProperty = "gridRect";

} // namespace

int scaledLength(int grid, double scale) {
    return static_cast<int>(std::lround(grid * scale));
}

double layoutScaleForFont(const QFont& font, double logicalDpi) {
    const double pixels =
        font.pointSizeF() > 0 ? font.pointSizeF() * logicalDpi / 72.0 : font.pixelSize();
    return pixels > 0 ? pixels / kGridFontPixels : 1.0;
}

QRect scaledRect(const QRect& grid, double scale) {
    const int left = scaledLength(grid.left(), scale);
    const int top = scaledLength(grid.top(), scale);
    return {left, top, scaledLength(grid.left() + grid.width(), scale) - left,
            scaledLength(grid.top() + grid.height(), scale) - top};
}

void placeOnGrid(QWidget* control, const QRect& grid) {
    control->setProperty(kGridProperty, grid);
    control->setGeometry(grid);
}

void applyLayoutScale(QWidget* root, double scale) {
    QList<QWidget*> controls = root->findChildren<QWidget*>();
    controls.prepend(root);
    for (QWidget* control : controls) {
        const QVariant grid = control->property(kGridProperty);
        if (grid.isValid())
            control->setGeometry(scaledRect(grid.toRect(), scale));
        if (auto* scalable = dynamic_cast<ScalesWithLayout*>(control))
            scalable->setLayoutScale(scale);
    }
}

QPixmap scaledIcon(const QString& name, double side, double pixelRatio) {
    const int pixels = std::max(1, static_cast<int>(std::lround(side * pixelRatio)));
    int stored = kStoredIconSizes[0];
    for (int size : kStoredIconSizes) {
        stored = size;
        if (size >= pixels)
            break;
    }
    QPixmap picture(QStringLiteral(":/icons/%1-%2.png").arg(name).arg(stored));
    if (picture.isNull())
        return picture;
    if (picture.width() != pixels)
        picture = picture.scaled(pixels, pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}

} // namespace vistarel
