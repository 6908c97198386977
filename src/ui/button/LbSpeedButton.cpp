#include "ui/button/LbSpeedButton.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>

namespace vistarel {

namespace {

const QSize kDefaultSize{100, 23};

} // namespace

TLbSpeedButton::TLbSpeedButton(QWidget* parent) : QAbstractButton(parent) {
    // Tab reaches it; a mouse click does not take the focus from the field being edited.
    setFocusPolicy(Qt::TabFocus);
    hotTrackFont_ = font();
    resize(kDefaultSize);
    connect(&fade_, &LbButtonFade::levelChanged, this, qOverload<>(&QWidget::update));
}

TLbSpeedButton::~TLbSpeedButton() = default;

QSize TLbSpeedButton::sizeHint() const {
    return kDefaultSize;
}

void TLbSpeedButton::setAlignment(TAlignment alignment) {
    alignment_ = alignment;
    update();
}

void TLbSpeedButton::setCaption(const QString& caption) {
    setText(caption);
    update();
}

QColor TLbSpeedButton::Color() const {
    return color_.isValid() ? color_ : palette().color(QPalette::Active, QPalette::Button);
}

void TLbSpeedButton::setColor(const QColor& colour) {
    color_ = colour;
    update();
}

void TLbSpeedButton::setColorWhenDown(const QColor& colour) {
    colorWhenDown_ = colour;
    update();
}

void TLbSpeedButton::setColorStyle(TLbColorStyle style) {
    const auto preset = colorPreset(style);
    if (!preset)
        return;
    color_ = preset->color;
    lightColor_ = preset->lightColor;
    shadowColor_ = preset->shadowColor;
    colorWhenDown_ = preset->colorWhenDown;
    hotTrackColor_ = preset->hotTrackColor;
    flat_ = preset->flat;
    style_ = preset->style; // a preset is applied as it is, whatever the display
    setFontColor(preset->fontColor);
    update();
}

void TLbSpeedButton::setDown(bool down) {
    if (down == down_)
        return;
    if (groupIndex_ != 0)
        raiseGroupSiblings();
    down_ = down;
    update();
}

void TLbSpeedButton::raiseGroupSiblings() {
    if (!parentWidget())
        return;
    const auto siblings = parentWidget()->findChildren<TLbSpeedButton*>(Qt::FindDirectChildrenOnly);
    for (TLbSpeedButton* other : siblings) {
        if (other != this && other->groupIndex_ == groupIndex_)
            other->setDown(false);
    }
}

void TLbSpeedButton::setFlat(bool flat) {
    flat_ = flat;
    update();
}

void TLbSpeedButton::setGlyph(const QPixmap& glyph) {
    glyph_ = glyph.isNull() ? QImage() : glyph.toImage();
    numGlyphs_ = glyph_.height() > 0 ? glyph_.width() / glyph_.height() : 0;
    update();
}

void TLbSpeedButton::setGroupIndex(int index) {
    groupIndex_ = index;
    update();
}

void TLbSpeedButton::setLayout(TLbSpeedButtonLayout layout) {
    layout_ = layout;
    update();
}

void TLbSpeedButton::setLightColor(const QColor& colour) {
    lightColor_ = colour;
    update();
}

void TLbSpeedButton::setNumGlyphs(int count) {
    numGlyphs_ = std::max(0, count);
    update();
}

void TLbSpeedButton::setShadowColor(const QColor& colour) {
    shadowColor_ = colour;
    update();
}

void TLbSpeedButton::setSlowDecease(bool slow) {
    slowDecease_ = slow;
    if (!slow)
        fade_.clear();
    update();
}

void TLbSpeedButton::setStyle(TLbSpeedButtonStyle style) {
    style_ = styleForDisplayDepth(style, depth());
    update();
}

void TLbSpeedButton::setTransparent(bool transparent) {
    transparent_ = transparent;
    update();
}

void TLbSpeedButton::setWordWrap(bool wrap) {
    wordWrap_ = wrap;
    update();
}

QColor TLbSpeedButton::FontColor() const {
    return palette().color(QPalette::Active, QPalette::ButtonText);
}

void TLbSpeedButton::setFontColor(const QColor& colour) {
    QPalette colours = palette();
    colours.setColor(QPalette::ButtonText, colour);
    setPalette(colours);
}

QMenu* TLbSpeedButton::PopupMenu() const {
    return popupMenu_;
}

void TLbSpeedButton::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
    update();
}

LbButtonLook TLbSpeedButton::look() const {
    LbButtonLook look;
    look.style = style_;
    look.layout = layout_;
    look.alignment = alignment_;
    look.color = Color();
    look.lightColor = lightColor_;
    look.shadowColor = shadowColor_;
    look.darkShadowColor = palette().color(QPalette::Active, QPalette::Shadow);
    look.colorWhenDown = colorWhenDown_;
    look.hotTrackColor = hotTrackColor_;
    look.fontColor = FontColor();
    look.font = mouseInControl_ && useHotTrackFont_ ? hotTrackFont_ : font();
    look.caption = text();
    look.glyph = glyph_;
    look.numGlyphs = numGlyphs_;
    look.flat = flat_;
    look.transparent = transparent_;
    look.wordWrap = wordWrap_;
    look.enabled = isEnabled();
    // A key press (space) shows the button down like a mouse press does.
    look.down = down_ || isDown();
    look.hot = mouseInControl_;
    look.fadeLevel = fade_.level();
    look.showArrow = !popupMenu_.isNull();
    look.underlineMnemonic = style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, this);
    look.focused = hasFocus();
    return look;
}

void TLbSpeedButton::paintEvent(QPaintEvent*) {
    // Drawn off-screen and copied in one step, so the face never flickers; pixels the
    // face leaves untouched stay transparent and show what lies behind the button.
    const qreal ratio = devicePixelRatioF();
    QPixmap buffer(size() * ratio);
    buffer.setDevicePixelRatio(ratio);
    buffer.fill(Qt::transparent);
    {
        QPainter offscreen(&buffer);
        paintLbButton(offscreen, size(), look());
    }
    QPainter(this).drawPixmap(0, 0, buffer);
}

bool TLbSpeedButton::isReachable() const {
    return isEnabled() && isVisible();
}

void TLbSpeedButton::enterEvent(QEnterEvent* event) {
    QAbstractButton::enterEvent(event);
    if (!isReachable())
        return;
    mouseInControl_ = true;
    fade_.setFull(); // a pointer coming back during a fade stops it
    update();
    emit mouseEnter();
}

void TLbSpeedButton::leaveEvent(QEvent* event) {
    QAbstractButton::leaveEvent(event);
    mouseInControl_ = false;
    if (slowDecease_)
        fade_.start();
    else
        fade_.clear();
    update();
    if (isReachable())
        emit mouseExit();
}

void TLbSpeedButton::pressByMouse() {
    if (groupIndex_ == 0 || !down_)
        setDown(true);
    else if (allowAllUp_)
        setDown(false);
}

void TLbSpeedButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        pressByMouse();
    QAbstractButton::mousePressEvent(event);
}

void TLbSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool left = event->button() == Qt::LeftButton;
    const bool clicks = left && isDown() && hitButton(event->position().toPoint());
    if (groupIndex_ == 0)
        setDown(false);
    if (clicks && popupMenu_) {
        clickAfterMenu();
        event->accept();
        return;
    }
    QAbstractButton::mouseReleaseEvent(event);
}

// Enter clicks at once, as it does on a dialog's buttons; Space keeps its press-and-release.
void TLbSpeedButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && !event->isAutoRepeat() && isReachable()) {
        event->accept();
        clickByAccelerator();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void TLbSpeedButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && isDown() && popupMenu_) {
        clickAfterMenu();
        event->accept();
        return;
    }
    QAbstractButton::keyReleaseEvent(event);
}

// The menu opens first and the click follows once it is closed. The press is finished
// here rather than by the base class, whose pressed state the open menu may reset.
void TLbSpeedButton::clickAfterMenu() {
    QAbstractButton::setDown(false);
    const QPointer<TLbSpeedButton> guard(this);
    showPopupMenu();
    if (guard)
        click();
}

bool TLbSpeedButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (!shortcut->isAmbiguous() && isReachable()) {
            clickByAccelerator();
            return true;
        }
    }
    return QAbstractButton::event(event);
}

void TLbSpeedButton::clickByAccelerator() {
    // Shown down while the command runs, then back as it was.
    const QPointer<TLbSpeedButton> guard(this);
    const bool wasDown = down_;
    down_ = true;
    repaint();
    showPopupMenu();
    if (guard)
        click();
    if (!guard)
        return;
    down_ = wasDown;
    repaint();
}

void TLbSpeedButton::showPopupMenu() {
    if (popupMenu_)
        popupMenu_->exec(mapToGlobal(QPoint(0, height())));
}

} // namespace vistarel
