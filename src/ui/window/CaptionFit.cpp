#include "ui/window/CaptionFit.h"

#include "ui/button/LbButtonPlacement.h"
#include "ui/button/LbSpeedButton.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>

namespace vistarel {
namespace {

// What an item view's cell needs besides its text and picture: the padding either side of
// both and the gap between them.
constexpr int kCellMargins = 12;

bool labelFits(const QLabel& label) {
    if (label.text().isEmpty() || label.wordWrap())
        return true;
    const QFontMetrics metrics(label.font());
    const QRect box = label.contentsRect();
    return metrics.horizontalAdvance(label.text()) <= box.width() &&
           metrics.height() <= box.height();
}

bool groupFits(const QGroupBox& group) {
    const QFontMetrics metrics(group.font());
    // Room for the frame's corner on both sides of the caption.
    return metrics.horizontalAdvance(group.title()) + 16 <= group.width();
}

bool editFits(const QLineEdit& edit) {
    const QFontMetrics metrics(edit.font());
    const QMargins margins = edit.textMargins();
    const int frame = edit.hasFrame()
                          ? edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit)
                          : 0;
    // QLineEdit keeps two pixels free either side of its text.
    const int room = edit.width() - 2 * frame - margins.left() - margins.right() - 4;
    // An edit may name the widest text it will ever show (the quality edits: "100").
    const QString widest = edit.property("widestText").toString();
    const int needed =
        std::max(metrics.horizontalAdvance(edit.text()), metrics.horizontalAdvance(widest));
    return needed <= room && metrics.height() <= edit.height();
}

bool comboFits(const QComboBox& combo) {
    QStyleOptionComboBox option;
    option.initFrom(&combo);
    option.editable = combo.isEditable();
    const QRect field = combo.style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, &combo);
    const QFontMetrics metrics(combo.font());
    for (int i = 0; i < combo.count(); ++i)
        if (metrics.horizontalAdvance(combo.itemText(i)) + 4 > field.width())
            return false;
    return true;
}

bool buttonFits(const TLbSpeedButton& button) {
    const LbButtonLook look = button.look();
    const QFontMetrics metrics(look.font);
    const LbButtonPlacement placement = placeButtonContent(button.size(), look, metrics);
    if (placement.caption != look.caption)
        return false;
    const QRect inside = button.rect();
    return inside.contains(placement.captionBox) || look.caption.isEmpty();
}

// Judged against the tab control, which gives its bar the width only once it is laid out.
bool tabsFit(const QTabBar& tabs) {
    const auto* owner = qobject_cast<const QTabWidget*>(tabs.parentWidget());
    const int width = owner ? owner->width() : tabs.width();
    for (int i = 0; i < tabs.count(); ++i)
        if (tabs.tabRect(i).right() >= width)
            return false;
    return true;
}

// The first column holds the row captions, each beside its picture.
bool tableCaptionsFit(const QTableWidget& table) {
    const QFontMetrics metrics(table.font());
    for (int row = 0; row < table.rowCount(); ++row) {
        const QTableWidgetItem* caption = table.item(row, 0);
        if (!caption)
            continue;
        const int picture = caption->icon().isNull() ? 0 : table.iconSize().width();
        if (metrics.horizontalAdvance(caption->text()) + picture + kCellMargins >
            table.columnWidth(0))
            return false;
    }
    return true;
}

bool fits(const QWidget& control) {
    if (const auto* button = qobject_cast<const TLbSpeedButton*>(&control))
        return buttonFits(*button);
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->pixmap().isNull() ? labelFits(*label) : true;
    if (const auto* group = qobject_cast<const QGroupBox*>(&control))
        return groupFits(*group);
    if (const auto* edit = qobject_cast<const QLineEdit*>(&control))
        return edit->parentWidget() && qobject_cast<const QComboBox*>(edit->parentWidget())
                   ? true
                   : editFits(*edit);
    if (const auto* combo = qobject_cast<const QComboBox*>(&control))
        return comboFits(*combo);
    if (const auto* tabs = qobject_cast<const QTabBar*>(&control))
        return tabsFit(*tabs);
    if (const auto* table = qobject_cast<const QTableWidget*>(&control))
        return tableCaptionsFit(*table);
    return true;
}

} // namespace

QStringList clippedCaptions(const QWidget* root) {
    QStringList clipped;
    QList<const QWidget*> controls = root->findChildren<const QWidget*>();
    controls.prepend(root);
    for (const QWidget* control : controls)
        if (!fits(*control))
            clipped << (control->objectName().isEmpty()
                            ? QString::fromLatin1(control->metaObject()->className())
                            : control->objectName());
    return clipped;
}

} // namespace vistarel
