#include "ui/button/LbButtons.h"

#include "ui/button/LbButtonPlacement.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace vistarel {

namespace {

constexpr int kGradientBands = 32;
const QColor kDisabledText{0x80, 0x80, 0x80};

int mixChannel(int from, int to, double share) {
    return static_cast<int>(std::lround(from * (1.0 - share) + to * share));
}

bool isDrawnDown(const LbButtonLook& look) {
    return look.down && look.enabled;
}

int pressedOffset(const LbButtonLook& look) {
    return isDrawnDown(look) && look.style != bsEncarta ? 1 : 0;
}

// Lines with both end points included, as the bevels are laid out pixel by pixel.
void line(QPainter& p, const QColor& colour, int x1, int y1, int x2, int y2) {
    p.setPen(colour);
    p.drawLine(x1, y1, x2, y2);
}

void paintBackground(QPainter& p, const QSize& size, const LbButtonLook& look, const QColor& face) {
    const int w = size.width();
    const int h = size.height();
    switch (look.style) {
    case bsNormal:
    case bsEncarta:
    case bsOld:
        p.fillRect(0, 0, w, h, face);
        break;
    case bsModern: {
        const int middle = h / 4 + pressedOffset(look);
        fillGradient(p, QRect(QPoint(2, 2), QPoint(w - 3, middle - 1)), look.lightColor, face);
        fillGradient(p, QRect(QPoint(2, middle), QPoint(w - 3, h - 2)), face, look.lightColor);
        break;
    }
    case bsShape:
    case bsQuicken:
        break;
    }
}

// Top-left edges in one colour, bottom-right in the other, the corners they share
// going to the bottom-right colour.
void bevel(QPainter& p, int left, int top, int right, int bottom, const QColor& topLeft,
           const QColor& bottomRight) {
    line(p, topLeft, left, bottom, left, top);
    line(p, topLeft, left, top, right, top);
    line(p, bottomRight, right, top, right, bottom);
    line(p, bottomRight, right, bottom, left, bottom);
}

void paintOldBevel(QPainter& p, int w, int h, const LbButtonLook& look, bool down) {
    if (down) {
        bevel(p, 0, 0, w - 1, h - 1, look.darkShadowColor, look.lightColor);
        line(p, look.shadowColor, 1, h - 2, 1, 1);
        line(p, look.shadowColor, 1, 1, w - 2, 1);
    } else {
        bevel(p, 0, 0, w - 1, h - 1, look.lightColor, look.darkShadowColor);
        line(p, look.shadowColor, w - 2, 1, w - 2, h - 2);
        line(p, look.shadowColor, w - 2, h - 2, 1, h - 2);
    }
}

bool showsBevel(const LbButtonLook& look) {
    if (!look.enabled)
        return !look.flat;
    return !look.flat || look.hot || look.down;
}

void paintFrame(QPainter& p, const QSize& size, const LbButtonLook& look, const QColor& face) {
    const int w = size.width();
    const int h = size.height();
    const bool down = isDrawnDown(look);
    switch (look.style) {
    case bsNormal:
    case bsEncarta:
        if (showsBevel(look)) {
            bevel(p, 0, 0, w - 1, h - 1, down ? look.shadowColor : look.lightColor,
                  down ? look.lightColor : look.shadowColor);
        }
        break;
    case bsOld:
        if (showsBevel(look))
            paintOldBevel(p, w, h, look, down);
        break;
    case bsModern:
        p.setBrush(Qt::NoBrush);
        p.setPen(down ? look.shadowColor : face);
        p.drawRect(1, 1, w - 3, h - 3);
        p.setPen(look.shadowColor);
        p.drawRoundedRect(0, 0, w - 1, h - 1, 3, 3);
        break;
    case bsQuicken:
        p.setPen(Qt::NoPen);
        p.setBrush(face);
        p.drawRoundedRect(0, 1, w - 1, h - 2, 2, 2);
        p.setBrush(Qt::NoBrush);
        line(p, look.shadowColor, 4, 1, w - 6, 1);
        line(p, look.shadowColor, 4, h - 1, w - 6, h - 1);
        break;
    case bsShape:
        break;
    }
}

int mnemonicFlag(const LbButtonLook& look) {
    return look.underlineMnemonic ? Qt::TextShowMnemonic : Qt::TextHideMnemonic;
}

int horizontalFlag(TAlignment alignment) {
    switch (alignment) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    case taLeftJustify:
        break;
    }
    return Qt::AlignLeft;
}

QFont captionFont(const LbButtonLook& look) {
    QFont font = look.font;
    if (look.style == bsEncarta && isDrawnDown(look))
        font.setBold(true);
    return font;
}

void paintContent(QPainter& p, const QSize& size, const LbButtonLook& look) {
    const QFont font = captionFont(look);
    p.setFont(font);
    const LbButtonPlacement place = placeButtonContent(size, look, QFontMetrics(font));
    if (!place.glyphCell.isEmpty()) {
        p.drawImage(place.glyphCell.topLeft(),
                    glyphCellImage(look.glyph, look.numGlyphs, place.glyphIndex));
    }
    if (place.caption.isEmpty())
        return;
    const bool grey = !look.enabled && look.style != bsShape;
    p.setPen(grey ? kDisabledText : look.fontColor);
    const int align = look.style == bsShape ? Qt::AlignHCenter : horizontalFlag(look.alignment);
    p.drawText(place.captionBox, Qt::TextWordWrap | Qt::AlignTop | mnemonicFlag(look) | align,
               place.caption);
}

void paintFocus(QPainter& p, const QSize& size, const LbButtonLook& look) {
    if (!look.focused || size.width() < 8 || size.height() < 8)
        return;
    QPen pen(look.enabled ? look.fontColor : kDisabledText);
    pen.setStyle(Qt::DotLine);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    p.drawRect(3, 3, size.width() - 7, size.height() - 7);
}

bool hasOwnTransparency(const QImage& image) {
    if (!image.hasAlphaChannel())
        return false;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) < 255)
                return true;
        }
    }
    return false;
}

} // namespace

QColor hotMixColor(const QColor& normal, const QColor& hot, int fadeLevel) {
    const double share = std::clamp(fadeLevel, 0, kLbFullFade) / double(kLbFullFade);
    return QColor(mixChannel(normal.red(), hot.red(), share),
                  mixChannel(normal.green(), hot.green(), share),
                  mixChannel(normal.blue(), hot.blue(), share));
}

QColor gradientBandColor(const QColor& start, const QColor& end, int band) {
    const double share = std::clamp(band, 0, kGradientBands - 1) / double(kGradientBands - 1);
    auto channel = [share](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * share));
    };
    return QColor(channel(start.red(), end.red()), channel(start.green(), end.green()),
                  channel(start.blue(), end.blue()));
}

void fillGradient(QPainter& painter, const QRect& area, const QColor& start, const QColor& end) {
    const int top = area.top();
    const int bottom = area.bottom() + 1;
    const int span = bottom - top;
    if (span <= 0 || area.width() <= 0)
        return;
    const int steps = kGradientBands - 1;
    for (int band = 0; band < kGradientBands; ++band) {
        const int bandTop = top + band * span / steps;
        const int bandBottom = std::min(bandTop + span / steps + 1, bottom);
        if (bandBottom > bandTop) {
            painter.fillRect(QRect(area.left(), bandTop, area.width(), bandBottom - bandTop),
                             gradientBandColor(start, end, band));
        }
    }
}

QColor faceColor(const LbButtonLook& look) {
    QColor face = look.color;
    if (look.enabled && look.hotTrackColor.isValid())
        face = hotMixColor(look.color, look.hotTrackColor, look.fadeLevel);
    if (isDrawnDown(look) && look.colorWhenDown.isValid())
        face = look.colorWhenDown;
    return face;
}

int glyphIndexFor(const LbButtonLook& look) {
    if (!look.enabled)
        return look.numGlyphs >= 2 ? 1 : 0;
    if (look.down && look.numGlyphs >= 3)
        return 2;
    if (look.hot && look.numGlyphs >= 4)
        return 3;
    return 0;
}

QImage glyphCellImage(const QImage& strip, int numGlyphs, int index) {
    if (numGlyphs <= 0 || strip.isNull())
        return {};
    const int cellWidth = strip.width() / numGlyphs;
    if (cellWidth <= 0)
        return {};
    QImage cell = strip.copy(index * cellWidth, 0, cellWidth, strip.height())
                      .convertToFormat(QImage::Format_ARGB32);
    cell.setDevicePixelRatio(strip.devicePixelRatio());
    if (hasOwnTransparency(cell))
        return cell;
    const QRgb key = cell.pixel(0, cell.height() - 1) | 0xFF000000u;
    for (int y = 0; y < cell.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(cell.scanLine(y));
        for (int x = 0; x < cell.width(); ++x) {
            if ((row[x] | 0xFF000000u) == key)
                row[x] = 0;
        }
    }
    return cell;
}

void drawLbArrow(QPainter& painter, const QPoint& origin, const QColor& colour) {
    for (int row = 0; row < 3; ++row) {
        painter.fillRect(origin.x() + row, origin.y() + row, 5 - 2 * row, 1, colour);
    }
}

TLbSpeedButtonStyle styleForDisplayDepth(TLbSpeedButtonStyle requested, int depth) {
    return requested == bsModern && depth <= 8 ? bsNormal : requested;
}

void paintLbButton(QPainter& painter, const QSize& size, const LbButtonLook& look) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor face = faceColor(look);
    if (!look.transparent)
        paintBackground(painter, size, look, face);
    paintFrame(painter, size, look, face);
    paintContent(painter, size, look);
    if (look.showArrow) {
        drawLbArrow(painter, QPoint(size.width() - 11, size.height() / 2 - 1),
                    look.enabled ? look.fontColor : kDisabledText);
    }
    paintFocus(painter, size, look);
    painter.restore();
}

QImage renderLbButton(const QSize& size, const LbButtonLook& look) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintLbButton(painter, size, look);
    return image;
}

} // namespace vistarel
