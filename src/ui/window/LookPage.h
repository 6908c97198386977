#pragma once

class QLineEdit;
class QSlider;
class QWidget;

namespace vistarel {

class StyleEditor;
class TLbSpeedButton;
class UpDown;

// The controls of the "Vzhled" page: the two JPEG qualities and the style editor.
struct LookPage {
    QSlider* tbQNahled = nullptr;
    QLineEdit* edtQNahled = nullptr;
    UpDown* udQNahled = nullptr;
    QSlider* tbQSnimek = nullptr;
    QLineEdit* edtQSnimek = nullptr;
    UpDown* udQSnimek = nullptr;
    TLbSpeedButton* LbSpeedButton1 = nullptr;
    TLbSpeedButton* btnUlozStyl = nullptr;
    StyleEditor* styleEditor = nullptr;
};

// Creates the page's controls with their defaults inside page.
LookPage buildLookPage(QWidget* page);

} // namespace vistarel
