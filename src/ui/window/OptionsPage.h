#pragma once

class QComboBox;
class QLineEdit;
class QProgressBar;
class QWidget;

namespace vistarel {

class TLbSpeedButton;

// The controls of the "Základní volby" page: album name, folders, sizes, style choice and
// the album commands.
struct OptionsPage {
    QLineEdit* edtNazevAlba = nullptr;
    QLineEdit* edtAdrInput = nullptr;
    TLbSpeedButton* btnAdrImput = nullptr;
    QLineEdit* edtAdrOutput = nullptr;
    TLbSpeedButton* btnAdrOutput = nullptr;
    QComboBox* cmbNahled = nullptr;
    QComboBox* cmbSnimky = nullptr;
    TLbSpeedButton* btnNactiKeZprac = nullptr;
    QComboBox* cmbStyl = nullptr;
    TLbSpeedButton* btnStylUpravit = nullptr;
    TLbSpeedButton* btnStylNovy = nullptr;
    TLbSpeedButton* btnVytvoritAlbum = nullptr;
    TLbSpeedButton* btnPouzeKod = nullptr;
    QProgressBar* pbProces = nullptr;
    TLbSpeedButton* btnStop = nullptr;
};

// Creates the page's controls with their defaults inside page.
OptionsPage buildOptionsPage(QWidget* page);

} // namespace vistarel
