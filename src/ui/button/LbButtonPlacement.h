#pragma once

#include "ui/button/LbButtons.h"

#include <QRect>
#include <QString>

class QFontMetrics;

namespace vistarel {

// Where the glyph and the caption go inside a button of the given size.
struct LbButtonPlacement {
    QString caption; // after cutting to the available width
    QRect captionBox;
    QRect glyphCell; // empty when no glyph is drawn
    int glyphIndex = 0;
};

// The metrics must be those of the font the caption is drawn in.
LbButtonPlacement placeButtonContent(const QSize& size, const LbButtonLook& look,
                                     const QFontMetrics& metrics);

} // namespace vistarel
