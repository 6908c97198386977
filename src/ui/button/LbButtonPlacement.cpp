#include "ui/button/LbButtonPlacement.h"

#include <QFontMetrics>

#include <algorithm>

namespace vistarel {

namespace {

// Ample room below the caption when measuring its wrapped height.
constexpr int kMeasureHeight = 100000;
constexpr int kMargin = 4;

struct Sizes {
    int width;    // button
    int height;   // button
    int cellW;    // glyph cell, 0 without a glyph
    int cellH;    // glyph cell, 0 without a glyph
    int textW;    // caption as drawn
    int textH;    // caption as drawn
    int textBand; // caption width plus its gap, 0 without a caption
    int off;      // pressed offset
};

int lineWidth(const QFontMetrics& metrics, const QString& text) {
    return metrics.size(Qt::TextShowMnemonic, text).width();
}

void chopLastCharacter(QString& text) {
    text.chop(1);
    if (!text.isEmpty() && text.back().isHighSurrogate())
        text.chop(1);
}

int availableCaptionWidth(const QSize& size, const LbButtonLook& look, int cellWidth) {
    int available = size.width() - 2 * kMargin;
    const bool besideGlyph = look.layout == blGlyphLeft || look.layout == blGlyphRight;
    if (besideGlyph && cellWidth > 0)
        available -= cellWidth + kMargin;
    return std::max(0, available);
}

int glyphLeftBeside(const LbButtonLook& look, const Sizes& s) {
    const bool left = look.layout == blGlyphLeft;
    const int band = left ? 0 : s.textBand;
    if (look.wordWrap)
        return s.off + kMargin + band;
    switch (look.alignment) {
    case taRightJustify:
        return left ? s.width - kMargin - s.cellW - s.textBand + s.off
                    : s.width - kMargin + s.off - s.cellW;
    case taCenter:
        return (s.width - s.cellW) / 2 + s.off + (left ? -s.textBand / 2 : s.textBand / 2);
    case taLeftJustify:
        break;
    }
    return s.off + kMargin + band;
}

int glyphLeftStacked(const LbButtonLook& look, const Sizes& s) {
    switch (look.alignment) {
    case taRightJustify:
        return s.width - s.cellW - kMargin + s.off;
    case taCenter:
        return (s.width - s.cellW) / 2 + s.off;
    case taLeftJustify:
        break;
    }
    return s.off + kMargin;
}

// Returns the caption box's top-left corner and sets the glyph's.
QPoint placeByLayout(const LbButtonLook& look, const Sizes& s, QPoint& glyph) {
    const int stack = s.textH + (s.cellH > 0 ? s.cellH + kMargin : 0);
    switch (look.layout) {
    case blGlyphRight:
        glyph = {glyphLeftBeside(look, s), (s.height - s.cellH) / 2 + s.off};
        return {s.off + kMargin, (s.height - s.textH) / 2 + s.off};
    case blGlyphTop:
        glyph = {glyphLeftStacked(look, s), (s.height - stack) / 2 + s.off};
        return {s.off + kMargin, (s.height - stack) / 2 + s.cellH + s.off};
    case blGlyphBottom:
        glyph = {glyphLeftStacked(look, s), (s.height - stack) / 2 + s.textH + s.off};
        return {s.off + kMargin, (s.height - stack) / 2 + s.off};
    case blGlyphLeft:
        break;
    }
    glyph = {glyphLeftBeside(look, s), (s.height - s.cellH) / 2 + s.off};
    const int captionLeft = s.off + kMargin + (s.cellW > 0 ? s.cellW + kMargin : 0);
    return {captionLeft, (s.height - s.textH) / 2 + s.off};
}

} // namespace

LbButtonPlacement placeButtonContent(const QSize& size, const LbButtonLook& look,
                                     const QFontMetrics& metrics) {
    LbButtonPlacement place;
    const bool hasGlyph = look.numGlyphs > 0 && !look.glyph.isNull();
    // A glyph drawn for a high-DPI screen takes the room of its device-independent size.
    const QSize glyphSize = look.glyph.deviceIndependentSize().toSize();
    const int cellW = hasGlyph ? glyphSize.width() / look.numGlyphs : 0;
    // A glyph that is not drawn takes no room.
    const int cellH = cellW > 0 ? glyphSize.height() : 0;
    const int available = availableCaptionWidth(size, look, cellW);

    place.caption = look.caption;
    if (!look.wordWrap) {
        while (!place.caption.isEmpty() && lineWidth(metrics, place.caption) > available)
            chopLastCharacter(place.caption);
    }
    QRect measured;
    if (!place.caption.isEmpty()) {
        measured = metrics.boundingRect(QRect(0, 0, available, kMeasureHeight),
                                        Qt::TextWordWrap | Qt::TextShowMnemonic, place.caption);
    }
    const int textW = std::min(measured.width(), available);
    const int off = look.down && look.enabled && look.style != bsEncarta ? 1 : 0;
    const Sizes s{size.width(),
                  size.height(),
                  cellW,
                  cellH,
                  textW,
                  measured.height(),
                  place.caption.isEmpty() ? 0 : textW + kMargin,
                  off};

    QPoint glyph;
    QPoint caption;
    if (look.style == bsShape) {
        glyph = {(s.width - cellW) / 2, (s.height - cellH) / 2};
        caption = {off, (s.height - s.textH) / 2 + off};
        place.captionBox = QRect(caption, QPoint(s.width - 1, s.height - 1));
    } else {
        caption = placeByLayout(look, s, glyph);
        place.captionBox = QRect(caption.x(), caption.y(), available, s.textH);
    }
    if (cellW > 0) {
        place.glyphCell = QRect(glyph, QSize(cellW, cellH));
        place.glyphIndex = glyphIndexFor(look);
    }
    return place;
}

} // namespace vistarel
