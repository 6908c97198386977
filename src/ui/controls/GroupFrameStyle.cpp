#include "ui/controls/GroupFrameStyle.h"

#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionGroupBox>
#include <algorithm>

namespace vistarel {
namespace {

// The caption starts half a line in from the frame's corner, with a little air either side
// of its text.
QRect labelRect(const QStyleOptionGroupBox& box) {
    const QFontMetrics& metrics = box.fontMetrics;
    const int indent = metrics.height() / 2;
    const int air = std::max(2, metrics.height() / 6);
    const int width = metrics.horizontalAdvance(box.text) + 2 * air;
    return QRect(indent, 0, std::min(width, box.rect.width() - 2 * indent), metrics.height());
}

// The top line runs through the middle of the caption.
QRect frameRect(const QStyleOptionGroupBox& box) {
    return box.rect.adjusted(0, box.fontMetrics.height() / 2, 0, 0);
}

} // namespace

GroupFrameStyle::GroupFrameStyle(const QString& baseStyle)
    : QProxyStyle(QStyleFactory::create(baseStyle)) {}

QRect GroupFrameStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
                                      SubControl subControl, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box)
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    switch (subControl) {
    case SC_GroupBoxLabel:
        return labelRect(*box);
    case SC_GroupBoxFrame:
        return frameRect(*box);
    case SC_GroupBoxContents:
        return box->rect.adjusted(2, box->fontMetrics.height(), -2, -2);
    default:
        return QProxyStyle::subControlRect(control, option, subControl, widget);
    }
}

void GroupFrameStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                         QPainter* painter, const QWidget* widget) const {
    const auto* box = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
    if (control != CC_GroupBox || !box) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    const QRect label = labelRect(*box);
    painter->save();
    if (!box->text.isEmpty())
        painter->setClipRegion(QRegion(box->rect).subtracted(label));
    painter->setRenderHint(QPainter::Antialiasing);
    // The outline colour the Fusion style gives its frames.
    painter->setPen(box->palette.color(QPalette::Window).darker(140));
    painter->drawRoundedRect(QRectF(frameRect(*box)).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
    drawItemText(painter, label, Qt::AlignCenter | Qt::TextShowMnemonic, box->palette,
                 box->state & State_Enabled, box->text, QPalette::WindowText);
}

} // namespace vistarel
