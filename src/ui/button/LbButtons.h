#pragma once

// The drawing shared by the flat hot-tracking buttons: the look of a button is a plain
// value, and one function paints it into an off-screen image. Keeping it free of widget
// state lets the widget, the gallery and the tests paint exactly the same thing.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

namespace vistarel {

enum TLbSpeedButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };
enum TLbSpeedButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Everything the painter needs. Colours that may be "none" use an invalid QColor.
struct LbButtonLook {
    TLbSpeedButtonStyle style = bsNormal;
    TLbSpeedButtonLayout layout = blGlyphLeft;
    TAlignment alignment = taLeftJustify;
    QColor color{0xF0, 0xF0, 0xF0};
    QColor lightColor{Qt::white};
    QColor shadowColor{Qt::black};
    QColor darkShadowColor{Qt::black}; // the desktop's dark 3D shadow, for the old bevel
    QColor colorWhenDown;
    QColor hotTrackColor;
    QColor fontColor{Qt::black};
    QFont font;
    QString caption;
    QImage glyph; // strip of numGlyphs equally wide images
    int numGlyphs = 0;
    bool flat = false;
    bool transparent = false;
    bool wordWrap = false;
    bool enabled = true;
    bool down = false;
    bool hot = false; // the pointer is over the button
    int fadeLevel = 0;
    bool showArrow = false;
    bool underlineMnemonic = true;
    bool focused = false;
};

constexpr int kLbFullFade = 8;

// round(normal * (1 - level/8) + hot * level/8) per channel.
QColor hotMixColor(const QColor& normal, const QColor& hot, int fadeLevel);
// The colour of band 0..31 of a gradient from start to end.
QColor gradientBandColor(const QColor& start, const QColor& end, int band);
// Fills left..right-1 × top..bottom-1 with 32 horizontal bands from start to end.
void fillGradient(QPainter& painter, const QRect& area, const QColor& start, const QColor& end);

// The face colour for a look: hot mix, then the down colour.
QColor faceColor(const LbButtonLook& look);
// The image of the strip shown for a look (normal, disabled, down, hot).
int glyphIndexFor(const LbButtonLook& look);
// One image of the strip with its bottom-left colour made transparent; an image that
// already carries its own transparency is left as it is.
QImage glyphCellImage(const QImage& strip, int numGlyphs, int index);

// Paints the whole button into a transparent off-screen image of the given size.
void paintLbButton(QPainter& painter, const QSize& size, const LbButtonLook& look);
QImage renderLbButton(const QSize& size, const LbButtonLook& look);

// The small drop-down arrow, 5 × 3 pixels, top-left corner at origin.
void drawLbArrow(QPainter& painter, const QPoint& origin, const QColor& colour);

// Displays of 8 bits per pixel or fewer cannot show the gradient face.
TLbSpeedButtonStyle styleForDisplayDepth(TLbSpeedButtonStyle requested, int depth);

} // namespace vistarel
