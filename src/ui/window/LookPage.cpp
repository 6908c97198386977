#include "ui/window/LookPage.h"

#include "ui/button/LbSpeedButton.h"
#include "ui/controls/ControlFactory.h"
#include "ui/controls/LayoutScale.h"
#include "ui/controls/UpDown.h"
#include "ui/editors/StyleEditor.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSlider>
#include <QToolButton>

namespace vistarel {
namespace {

struct QualityRow {
    const char* label;
    const char* trackBar;
    const char* edit;
    const char* upDown;
    QString caption;
    QString what; // for the arrows' names: "kvalitu náhledů"
    int labelTop;
    int trackTop;
    int editTop;
    int value;
    int trackTag;
    int editTag;
};

void buildQuality(QWidget* group, const QualityRow& row, QSlider*& trackBar, QLineEdit*& edit,
                  UpDown*& upDown) {
    makeLabel(group, row.label, {6, row.labelTop, 78, 15}, row.caption);
    trackBar = new QSlider(Qt::Horizontal, group);
    trackBar->setObjectName(QString::fromLatin1(row.trackBar));
    placeOnGrid(trackBar, {84, row.trackTop, 175, 34});
    trackBar->setRange(0, 100);
    trackBar->setTickPosition(QSlider::TicksBelow);
    trackBar->setTickInterval(10);
    trackBar->setPageStep(10);
    trackBar->setValue(row.value);
    setTag(trackBar, row.trackTag);

    edit =
        makeFlatEdit(group, row.edit, {264, row.editTop, 26, 19}, QString::number(row.value), true);
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setTag(edit, row.editTag);
    edit->setProperty("widestText", QStringLiteral("100"));
    upDown = new UpDown(edit, 0, 100, group);
    upDown->setObjectName(QString::fromLatin1(row.upDown));
    placeOnGrid(upDown, {290, row.editTop, 15, 19});
    // Screen readers say what the bare arrows do.
    upDown->upButton()->setAccessibleName(QStringLiteral("Zvýšit ") + row.what);
    upDown->downButton()->setAccessibleName(QStringLiteral("Snížit ") + row.what);
}

} // namespace

LookPage buildLookPage(QWidget* page) {
    LookPage controls;
    QGroupBox* group = makeGroup(page, "GroupBox4", {5, 2, 315, 92}, QStringLiteral("Komprese"));
    buildQuality(group,
                 {"Label7", "tbQNahled", "edtQNahled", "udQNahled",
                  QStringLiteral("Kvalita náhledů"), QStringLiteral("kvalitu náhledů"), 24, 15, 16,
                  60, 1, 3},
                 controls.tbQNahled, controls.edtQNahled, controls.udQNahled);
    buildQuality(group,
                 {"Label8", "tbQSnimek", "edtQSnimek", "udQSnimek",
                  QStringLiteral("Kvalita snímků"), QStringLiteral("kvalitu snímků"), 57, 51, 53,
                  80, 2, 4},
                 controls.tbQSnimek, controls.edtQSnimek, controls.udQSnimek);

    controls.LbSpeedButton1 =
        makeFlatButton(page, "LbSpeedButton1", {48, 98, 94, 23}, QStringLiteral("Nový styl"),
                       QStringLiteral("style-new"));
    controls.btnUlozStyl =
        makeFlatButton(page, "btnUlozStyl", {187, 98, 94, 23}, QStringLiteral("Uložit styl"),
                       QStringLiteral("style-save"));

    QGroupBox* editorGroup =
        makeGroup(page, "GroupBox5", {5, 123, 315, 170}, QStringLiteral("Editace stylu"));
    controls.styleEditor = new StyleEditor(editorGroup);
    controls.styleEditor->setObjectName(QStringLiteral("StyleEditor"));
    placeOnGrid(controls.styleEditor, {2, 15, 311, 153});
    QFont normal;
    normal.setBold(false);
    controls.styleEditor->setFont(normal);
    return controls;
}

} // namespace vistarel
