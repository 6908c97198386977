#pragma once

#include "ui/button/LbButtons.h"

#include <QColor>

#include <optional>

namespace vistarel {

enum TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};

// The colours a preset gives a button. An invalid color stands for the desktop's
// button-face colour; invalid colorWhenDown and hotTrackColor mean none.
struct LbColorPreset {
    QColor color;
    QColor lightColor;
    QColor shadowColor;
    QColor colorWhenDown;
    QColor hotTrackColor;
    TLbSpeedButtonStyle style;
    bool flat;
    QColor fontColor;
};

// The preset's values; nothing for lcsCustom, which leaves a button as it is.
std::optional<LbColorPreset> colorPreset(TLbColorStyle style);

} // namespace vistarel
