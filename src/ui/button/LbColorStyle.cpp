#include "ui/button/LbColorStyle.h"

namespace vistarel {

namespace {

QColor rgb(unsigned value) {
    return QColor::fromRgb(static_cast<QRgb>(value));
}

const QColor kNone;
const QColor kButtonFace;
const QColor kBlack{Qt::black};

} // namespace

std::optional<LbColorPreset> colorPreset(TLbColorStyle style) {
    switch (style) {
    case lcsCustom:
        return std::nullopt;
    case lcsGold:
        return LbColorPreset{rgb(0xC0C000), rgb(0xFFFF00), rgb(0x808000), kNone,
                             rgb(0xDFDF00), bsModern,      false,         kBlack};
    case lcsChrome:
        return LbColorPreset{rgb(0xC0C0C0), rgb(0xFFFFFF), rgb(0x808080), kNone,
                             kNone,         bsModern,      false,         kBlack};
    case lcsBlue:
        return LbColorPreset{rgb(0x0080FF), rgb(0x00FFFF), rgb(0x0000FF), kNone,
                             kNone,         bsModern,      false,         kBlack};
    case lcsRed:
        return LbColorPreset{rgb(0xFF0000), rgb(0xFFC0C0), rgb(0xC00000), kNone,
                             kNone,         bsModern,      false,         kBlack};
    case lcsUltraFlat1:
        return LbColorPreset{kButtonFace,   rgb(0x8492B5), rgb(0x8492B5), rgb(0x8492B5),
                             rgb(0xD6D3DE), bsNormal,      true,          kBlack};
    case lcsUltraFlat2:
        return LbColorPreset{kButtonFace,   rgb(0x000000), rgb(0x000000), rgb(0xBCDA24),
                             rgb(0xE4F68C), bsNormal,      true,          kBlack};
    case lcsUltraFlatXP:
        return LbColorPreset{rgb(0xDBD8D1), rgb(0x8492B5), rgb(0x8592B5), rgb(0x8592B5),
                             rgb(0xB6BDD2), bsNormal,      true,          kBlack};
    case lcsAqua:
        return LbColorPreset{rgb(0x94CEEC), rgb(0xD4E6FC), rgb(0x000000), kNone,
                             kNone,         bsModern,      false,         kBlack};
    case lcsDefault:
        return LbColorPreset{kButtonFace, rgb(0xFFFFFF), rgb(0x808080), kNone,
                             kNone,       bsNormal,      false,         kBlack};
    case lcsQuicken:
        return LbColorPreset{rgb(0x003060), rgb(0xC0C0C0), rgb(0xC0C0C0), rgb(0x2965AD),
                             rgb(0x9CAECE), bsQuicken,     false,         QColor(Qt::white)};
    }
    return std::nullopt;
}

} // namespace vistarel
