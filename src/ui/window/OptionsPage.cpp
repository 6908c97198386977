#include "ui/window/OptionsPage.h"

#include "ui/button/LbSpeedButton.h"
#include "ui/controls/ControlFactory.h"
#include "ui/controls/LayoutScale.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

namespace vistarel {
namespace {

void buildFolders(QWidget* page, OptionsPage& controls) {
    QGroupBox* group = makeGroup(page, "GroupBox1", {5, 27, 315, 96}, QStringLiteral("Adresáře"));
    makeLabel(group, "Label2", {15, 15, 260, 15}, QStringLiteral("Adresář se snímky:"));
    controls.edtAdrInput = makeFlatEdit(group, "edtAdrInput", {9, 30, 266, 19}, {}, true);
    controls.btnAdrImput =
        makeFlatButton(group, "btnAdrImput", {282, 30, 23, 20}, {}, QStringLiteral("folder"));
    setTag(controls.btnAdrImput, 1);
    controls.btnAdrImput->setAccessibleName(QStringLiteral("Vybrat adresář se snímky"));
    makeLabel(group, "Label3", {15, 55, 260, 15}, QStringLiteral("Výstupní adresář:"));
    controls.edtAdrOutput = makeFlatEdit(group, "edtAdrOutput", {9, 70, 266, 19}, {}, true);
    controls.btnAdrOutput =
        makeFlatButton(group, "btnAdrOutput", {282, 69, 23, 20}, {}, QStringLiteral("folder"));
    setTag(controls.btnAdrOutput, 2);
    controls.btnAdrOutput->setAccessibleName(QStringLiteral("Vybrat výstupní adresář"));
}

void buildSizes(QWidget* page, OptionsPage& controls) {
    QGroupBox* group =
        makeGroup(page, "GroupBox2", {5, 126, 167, 67}, QStringLiteral("Rozlišení snímků"));
    makeLabel(group, "Label4", {12, 21, 62, 15}, QStringLiteral("Náhledy:"));
    controls.cmbNahled = makeSizeCombo(group, "cmbNahled", {77, 16, 84, 21},
                                       {"240x180", "180x135", "160x120", "120x90", "100x75"},
                                       QStringLiteral("100x75"));
    makeLabel(group, "Label5", {12, 45, 62, 15}, QStringLiteral("Snímky:"));
    controls.cmbSnimky = makeSizeCombo(group, "cmbSnimky", {77, 40, 84, 21},
                                       {"1024x768", "800x600", "640x480", "480x360", "320x240"},
                                       QStringLiteral("800x600"));
    controls.btnNactiKeZprac =
        makeFlatButton(page, "btnNactiKeZprac", {181, 133, 138, 58},
                       QStringLiteral("Načíst snímky ke zpracování"), QStringLiteral("load"), 32);
    controls.btnNactiKeZprac->setWordWrap(true);
}

void buildStyleChoice(QWidget* page, OptionsPage& controls) {
    QGroupBox* group = makeGroup(page, "GroupBox3", {5, 195, 315, 70}, QStringLiteral("Vzhled"));
    makeLabel(group, "Label6", {12, 19, 52, 15}, QStringLiteral("Styl:"));
    controls.cmbStyl = makeDropDownList(group, "cmbStyl", {67, 13, 238, 21});
    controls.btnStylUpravit =
        makeFlatButton(group, "btnStylUpravit", {52, 41, 94, 23}, QStringLiteral("Upravit"),
                       QStringLiteral("style-edit"));
    controls.btnStylNovy = makeFlatButton(group, "btnStylNovy", {168, 41, 94, 23},
                                          QStringLiteral("Nový"), QStringLiteral("style-new"));
}

void buildCommands(QWidget* page, OptionsPage& controls) {
    controls.btnVytvoritAlbum =
        makeFlatButton(page, "btnVytvoritAlbum", {11, 272, 104, 23},
                       QStringLiteral("Vytvořit Album"), QStringLiteral("build"));
    controls.btnVytvoritAlbum->setEnabled(false);
    controls.btnPouzeKod = makeFlatButton(page, "btnPouzeKod", {129, 272, 184, 23},
                                          QStringLiteral("Pouze kód + Uložení komentářů"),
                                          QStringLiteral("code-only"));
    controls.btnPouzeKod->setEnabled(false);

    controls.pbProces = new QProgressBar(page);
    controls.pbProces->setObjectName(QStringLiteral("pbProces"));
    placeOnGrid(controls.pbProces, {6, 272, 283, 22});
    controls.pbProces->setToolTip(QStringLiteral("Stop"));
    controls.pbProces->setTextVisible(false);
    controls.pbProces->hide();
    controls.btnStop =
        makeFlatButton(page, "btnStop", {295, 273, 23, 20}, {}, QStringLiteral("stop"));
    controls.btnStop->setAccessibleName(QStringLiteral("Zastavit vytváření alba"));
    controls.btnStop->hide();
}

} // namespace

OptionsPage buildOptionsPage(QWidget* page) {
    OptionsPage controls;
    makeLabel(page, "Label1", {6, 8, 62, 15}, QStringLiteral("Název Alba:"));
    controls.edtNazevAlba =
        makeFlatEdit(page, "edtNazevAlba", {69, 5, 250, 19}, QStringLiteral("Vistarel"), false);
    buildFolders(page, controls);
    buildSizes(page, controls);
    buildStyleChoice(page, controls);
    buildCommands(page, controls);
    return controls;
}

} // namespace vistarel
