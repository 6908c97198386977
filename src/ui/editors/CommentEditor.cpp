#include "ui/editors/CommentEditor.h"

#include "common/Error.h"
#include "image/JpegDecoder.h"

#include "ui/button/LbSpeedButton.h"
#include "ui/controls/ControlFactory.h"
#include "ui/controls/LayoutScale.h"
#include "ui/controls/PictureBox.h"
#include "ui/dialogs/DialogHook.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>

namespace vistarel {
namespace {

const QString kStartLabel = QStringLiteral("Obrázek 0/0");

// A caption keeps its lines joined by CR LF; the field works with bare line feeds.
QString captionToField(const std::string& caption) {
    return QString::fromStdString(caption).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

std::string fieldToCaption(const QPlainTextEdit& field) {
    return field.toPlainText().replace(QStringLiteral("\n"), QStringLiteral("\r\n")).toStdString();
}

// Previews are kept compressed; one is decoded only while it is shown.
QImage previewImage(const PhotoRecord& record) {
    if (record.previewJpeg.empty())
        return {};
    Raster picture;
    try {
        decodeJpegBytes(record.previewJpeg, picture);
    } catch (const Error&) {
        return {}; // our own encoder wrote it; a blank box is all that can go wrong
    }
    return QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

} // namespace

int CommentEditor::previewBoxWidth() const {
    return imgKoment->width();
}

int CommentEditor::previewBoxHeight() const {
    return imgKoment->height();
}

CommentEditor::CommentEditor(AlbumState& state, QWidget* parent) : QWidget(parent), state_(state) {
    createControls();
    setTabOrder(mmKoment, sbKomentare);
    connect(sbKomentare, &QScrollBar::valueChanged, this, &CommentEditor::sbKomentareChange);
    connect(imgKoment, &PictureBox::clicked, this, &CommentEditor::imgKomentClick);
    connect(btnDelKoment, &QAbstractButton::clicked, this, &CommentEditor::btnDelKomentClick);
}

void CommentEditor::createControls() {
    imgKoment = new PictureBox(this);
    imgKoment->setObjectName(QStringLiteral("imgKoment"));
    placeOnGrid(imgKoment, {5, 5, 315, 186});
    imgKoment->setCursor(Qt::PointingHandCursor);
    imgKoment->setToolTip(QStringLiteral("Kliknutím uložíte komentář"));

    sbKomentare = new QScrollBar(Qt::Horizontal, this);
    sbKomentare->setObjectName(QStringLiteral("sbKomentare"));
    placeOnGrid(sbKomentare, {7, 198, 310, 16});
    sbKomentare->setRange(0, 0);
    sbKomentare->setSingleStep(1);
    sbKomentare->setPageStep(1);
    sbKomentare->setFocusPolicy(Qt::TabFocus);

    mmKoment = new QPlainTextEdit(this);
    mmKoment->setObjectName(QStringLiteral("mmKoment"));
    placeOnGrid(mmKoment, {9, 221, 308, 44});
    mmKoment->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmKoment->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmKoment->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mmKoment->setTabChangesFocus(true);
    mmKoment->setToolTip(QStringLiteral("Klávesami Ctrl+Enter uložíte komentář"));
    mmKoment->installEventFilter(this);

    btnDelKoment = makeFlatButton(this, "btnDelKoment", {23, 271, 163, 23},
                                  QStringLiteral("Smazat všechny komentáře"),
                                  QStringLiteral("delete-captions"));

    lblKomentare = new QLabel(kStartLabel, this);
    lblKomentare->setObjectName(QStringLiteral("lblKomentare"));
    placeOnGrid(lblKomentare, {197, 276, 115, 13});
    lblKomentare->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

PhotoRecord* CommentEditor::currentRecord() {
    const auto position = static_cast<std::size_t>(sbKomentare->value());
    return position < state_.catalogue.size() ? &state_.catalogue[position] : nullptr;
}

void CommentEditor::sbKomentareChange() {
    showPhoto(sbKomentare->value());
}

// Picture, label, field and focus, in that order. A position beyond the catalogue shows
// nothing rather than reading a record that is not there.
void CommentEditor::showPhoto(int position) {
    const PhotoRecord* record = currentRecord();
    imgKoment->setPicture(record ? previewImage(*record) : QImage());
    lblKomentare->setText(
        QStringLiteral("Obrázek %1/%2").arg(position + 1).arg(sbKomentare->maximum() + 1));
    mmKoment->setPlainText(record ? captionToField(record->caption) : QString());
    if (isVisible())
        mmKoment->setFocus();
}

void CommentEditor::imgKomentClick() {
    PhotoRecord* record = currentRecord();
    if (!record)
        return;
    state_.captionsEdited = true;
    record->storeTypedCaption(fieldToCaption(*mmKoment));
    if (sbKomentare->value() < sbKomentare->maximum())
        sbKomentare->setValue(sbKomentare->value() + 1);
}

// Ctrl+Enter in the field does what a click on the picture does; Enter alone still starts
// a new line of the caption.
bool CommentEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mmKoment && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            key->modifiers().testFlag(Qt::ControlModifier)) {
            imgKomentClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CommentEditor::btnDelKomentClick() {
    if (state_.catalogue.empty())
        return;
    const MessageAnswer answer = DialogHook::instance().message(
        this, QStringLiteral("Opravdu chcete smazat komentáře ke všem snímkům?"),
        QStringLiteral("Info"), MessageIcon::Question, MessageButtons::YesNo);
    if (answer != MessageAnswer::Yes)
        return;
    for (PhotoRecord& record : state_.catalogue)
        record.clearCaption();
}

void CommentEditor::ShowFirstPhoto(int photoCount) {
    const int available = std::min(photoCount, static_cast<int>(state_.catalogue.size()));
    if (available <= 0) {
        resetToStart();
        return;
    }
    {
        const QSignalBlocker quiet(sbKomentare);
        sbKomentare->setRange(0, available - 1);
        sbKomentare->setValue(0);
    }
    showPhoto(0);
}

void CommentEditor::resetToStart() {
    {
        const QSignalBlocker quiet(sbKomentare);
        sbKomentare->setRange(0, 0);
        sbKomentare->setValue(0);
    }
    imgKoment->setPicture(QImage());
    lblKomentare->setText(kStartLabel);
    mmKoment->clear();
}

} // namespace vistarel
