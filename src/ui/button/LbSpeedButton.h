#pragma once

#include "ui/button/LbButtonFade.h"
#include "ui/button/LbButtons.h"
#include "ui/button/LbColorStyle.h"

#include <QAbstractButton>
#include <QImage>
#include <QPixmap>
#include <QPointer>

class QMenu;

namespace vistarel {

// The flat hot-tracking push button used for the program's commands. It paints itself
// from its state: face style, glyph and caption, a hot colour while the pointer is over
// it (optionally fading out), a momentary or grouped sticky pressed state, and a small
// arrow when a pop-up menu is attached. Being a QAbstractButton, keyboard users and
// screen readers see it as a push button with its caption; Space and Enter press it. A
// glyph may carry a device pixel ratio: it takes its device-independent size.
//
// Colours that may be "none" take an invalid QColor. Down is the button's own pressed
// state and hides QAbstractButton::setDown.
class TLbSpeedButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit TLbSpeedButton(QWidget* parent = nullptr);
    ~TLbSpeedButton() override;

    using QWidget::setLayout;
    using QWidget::setStyle;

    TAlignment Alignment() const { return alignment_; }
    void setAlignment(TAlignment alignment);
    bool AllowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow) { allowAllUp_ = allow; }
    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    // An invalid colour follows the desktop's button-face colour.
    QColor Color() const;
    void setColor(const QColor& colour);
    QColor ColorWhenDown() const { return colorWhenDown_; }
    void setColorWhenDown(const QColor& colour);
    // A preset acts once; the property always reads back lcsCustom.
    TLbColorStyle ColorStyle() const { return lcsCustom; }
    void setColorStyle(TLbColorStyle style);
    bool Down() const { return down_; }
    void setDown(bool down);
    bool Flat() const { return flat_; }
    void setFlat(bool flat);
    QPixmap Glyph() const { return QPixmap::fromImage(glyph_); }
    void setGlyph(const QPixmap& glyph);
    int GroupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    QColor HotTrackColor() const { return hotTrackColor_; }
    void setHotTrackColor(const QColor& colour) { hotTrackColor_ = colour; }
    QFont HotTrackFont() const { return hotTrackFont_; }
    void setHotTrackFont(const QFont& font) { hotTrackFont_ = font; }
    TLbSpeedButtonLayout Layout() const { return layout_; }
    void setLayout(TLbSpeedButtonLayout layout);
    QColor LightColor() const { return lightColor_; }
    void setLightColor(const QColor& colour);
    int NumGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);
    QColor ShadowColor() const { return shadowColor_; }
    void setShadowColor(const QColor& colour);
    bool SlowDecease() const { return slowDecease_; }
    void setSlowDecease(bool slow);
    TLbSpeedButtonStyle Style() const { return style_; }
    void setStyle(TLbSpeedButtonStyle style);
    bool Transparent() const { return transparent_; }
    void setTransparent(bool transparent);
    bool UseHotTrackFont() const { return useHotTrackFont_; }
    void setUseHotTrackFont(bool use) { useHotTrackFont_ = use; }
    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool wrap);
    // The caption colour.
    QColor FontColor() const;
    void setFontColor(const QColor& colour);
    // Shown below the button when it is clicked, before clicked() is emitted.
    QMenu* PopupMenu() const;
    void setPopupMenu(QMenu* menu);

    bool MouseInControl() const { return mouseInControl_; }
    int FadeLevel() const { return fade_.level(); }
    bool isFading() const { return fade_.isRunning(); }

    // Everything the painter needs, from the present state.
    LbButtonLook look() const;
    QSize sizeHint() const override;

signals:
    void mouseEnter();
    void mouseExit();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    bool isReachable() const;
    void raiseGroupSiblings();
    void pressByMouse();
    void clickByAccelerator();
    void showPopupMenu();
    void clickAfterMenu();

    TAlignment alignment_ = taLeftJustify;
    bool allowAllUp_ = false;
    QColor color_;
    QColor colorWhenDown_;
    bool down_ = false;
    bool flat_ = false;
    QImage glyph_;
    int groupIndex_ = 0;
    QColor hotTrackColor_;
    QFont hotTrackFont_;
    TLbSpeedButtonLayout layout_ = blGlyphLeft;
    QColor lightColor_{Qt::white};
    int numGlyphs_ = 0;
    QColor shadowColor_{Qt::black};
    bool slowDecease_ = false;
    TLbSpeedButtonStyle style_ = bsNormal;
    bool transparent_ = false;
    bool useHotTrackFont_ = false;
    bool wordWrap_ = false;
    QPointer<QMenu> popupMenu_;
    bool mouseInControl_ = false;
    LbButtonFade fade_;
};

} // namespace vistarel
