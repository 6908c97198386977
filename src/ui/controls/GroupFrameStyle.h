#pragma once

#include <QProxyStyle>

namespace vistarel {

// Group boxes with their caption on the frame's top line, the line broken where the caption
// stands, so the frame passes above the group's first row of controls instead of through
// it. Every other control is drawn by the base style.
class GroupFrameStyle : public QProxyStyle {
public:
    // The base style by name ("Fusion"); the proxy owns the instance it creates.
    explicit GroupFrameStyle(const QString& baseStyle);

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                         SubControl subControl, const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

} // namespace vistarel
