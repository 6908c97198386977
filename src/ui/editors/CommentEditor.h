#pragma once

#include "state/AlbumState.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QScrollBar;

namespace vistarel {

class PictureBox;
class TLbSpeedButton;

// The "Komentáře" page: walks through the built photos, shows each preview and lets the
// user write its caption, stored by a click on the picture or Ctrl+Enter in the field.
class CommentEditor : public QWidget {
    Q_OBJECT
public:
    CommentEditor(AlbumState& state, QWidget* parent);

    // The build finished: browse photos 0..photoCount-1, starting at the first.
    void ShowFirstPhoto(int photoCount);
    // A new catalogue was loaded: back to the start state ("Obrázek 0/0", nothing shown).
    void resetToStart();

    // Previews are made to fit this box.
    int previewBoxWidth() const;
    int previewBoxHeight() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void sbKomentareChange();
    void imgKomentClick();
    void btnDelKomentClick();

private:
    void createControls();
    void showPhoto(int position);
    // The photo the tab addresses, or null when the catalogue has no such photo.
    PhotoRecord* currentRecord();

    AlbumState& state_;
    PictureBox* imgKoment = nullptr;
    QScrollBar* sbKomentare = nullptr;
    QPlainTextEdit* mmKoment = nullptr;
    TLbSpeedButton* btnDelKoment = nullptr;
    QLabel* lblKomentare = nullptr;
};

} // namespace vistarel
