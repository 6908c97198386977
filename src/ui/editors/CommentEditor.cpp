#include "ui/editors/CommentEditor.h"

#include "ui/controls/ControlFactory.h"
#include "ui/dialogs/DialogHook.h"
#include "ui/button/LbSpeedButton.h"
#include "ui/controls/PictureBox.h"

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

QImage previewImage(const PhotoRecord& record) {
    if (!record.preview || record.preview->empty())
        return {};
    const Raster& picture = record.preview->picture();
    return QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 3,
                  QImage::Format_RGB888)
        .copy();
}

} // namespace

CommentEditor::CommentEditor(AlbumState& state, QWidget* parent) : QWidget(parent), state_(state) {
    createControls();
    setTabOrder(mmKoment_, sbKomentare_);
    connect(sbKomentare_, &QScrollBar::valueChanged, this, &CommentEditor::sbKomentareChange);
    connect(imgKoment_, &PictureBox::clicked, this, &CommentEditor::imgKomentClick);
    connect(btnDelKoment_, &QAbstractButton::clicked, this, &CommentEditor::btnDelKomentClick);
}

void CommentEditor::createControls() {
    imgKoment_ = new PictureBox(this);
    imgKoment_->setObjectName(QStringLiteral("imgKoment"));
    imgKoment_->setGeometry(5, 5, 315, 186);
    imgKoment_->setCursor(Qt::PointingHandCursor);
    imgKoment_->setToolTip(QStringLiteral("Kliknutím uložíte komentář"));

    sbKomentare_ = new QScrollBar(Qt::Horizontal, this);
    sbKomentare_->setObjectName(QStringLiteral("sbKomentare"));
    sbKomentare_->setGeometry(7, 198, 310, 16);
    sbKomentare_->setRange(0, 0);
    sbKomentare_->setSingleStep(1);
    sbKomentare_->setPageStep(1);
    sbKomentare_->setFocusPolicy(Qt::TabFocus);

    mmKoment_ = new QPlainTextEdit(this);
    mmKoment_->setObjectName(QStringLiteral("mmKoment"));
    mmKoment_->setGeometry(9, 221, 308, 44);
    mmKoment_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    mmKoment_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mmKoment_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    mmKoment_->setTabChangesFocus(true);

    btnDelKoment_ = makeFlatButton(this, "btnDelKoment", {23, 271, 163, 23},
                                   QStringLiteral("Smazat všechny komentáře"),
                                   QStringLiteral("delete-captions"));

    lblKomentare_ = new QLabel(kStartLabel, this);
    lblKomentare_->setObjectName(QStringLiteral("lblKomentare"));
    lblKomentare_->setGeometry(197, 276, 115, 13);
    lblKomentare_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

PhotoRecord* CommentEditor::currentRecord() {
    const auto position = static_cast<std::size_t>(sbKomentare_->value());
    return position < state_.catalogue.size() ? &state_.catalogue[position] : nullptr;
}

void CommentEditor::sbKomentareChange() {
    showPhoto(sbKomentare_->value());
}

// Picture, label, field and focus, in that order. A position beyond the catalogue shows
// nothing rather than reading a record that is not there.
void CommentEditor::showPhoto(int position) {
    const PhotoRecord* record = currentRecord();
    imgKoment_->setPicture(record ? previewImage(*record) : QImage());
    lblKomentare_->setText(
        QStringLiteral("Obrázek %1/%2").arg(position + 1).arg(sbKomentare_->maximum() + 1));
    mmKoment_->setPlainText(record ? captionToField(record->caption) : QString());
    if (isVisible())
        mmKoment_->setFocus();
}

void CommentEditor::imgKomentClick() {
    PhotoRecord* record = currentRecord();
    if (!record)
        return;
    state_.captionsEdited = true;
    record->caption = fieldToCaption(*mmKoment_);
    if (sbKomentare_->value() < sbKomentare_->maximum())
        sbKomentare_->setValue(sbKomentare_->value() + 1);
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
        record.caption.clear();
}

void CommentEditor::ShowFirstPhoto(int photoCount) {
    const int available = std::min(photoCount, static_cast<int>(state_.catalogue.size()));
    if (available <= 0) {
        resetToStart();
        return;
    }
    {
        const QSignalBlocker quiet(sbKomentare_);
        sbKomentare_->setRange(0, available - 1);
        sbKomentare_->setValue(0);
    }
    showPhoto(0);
}

void CommentEditor::resetToStart() {
    {
        const QSignalBlocker quiet(sbKomentare_);
        sbKomentare_->setRange(0, 0);
        sbKomentare_->setValue(0);
    }
    imgKoment_->setPicture(QImage());
    lblKomentare_->setText(kStartLabel);
    mmKoment_->clear();
}

} // namespace vistarel
