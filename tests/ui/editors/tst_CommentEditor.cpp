#include "image/JpegEncoder.h"
#include "ui/controls/PictureBox.h"
#include "ui/dialogs/DialogHook.h"
#include "ui/editors/CommentEditor.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

using namespace vistarel;

namespace {

// A record whose preview is flat grey 40 × (index + 1), so the shown picture tells which
// photo it is.
PhotoRecord photo(int index, int width = 40, int height = 30) {
    Raster raster;
    raster.resize(width, height);
    std::fill(raster.pixels.begin(), raster.pixels.end(),
              static_cast<std::uint8_t>(40 * index + 40));
    const std::string caption = "photo " + std::to_string(index + 1);
    return PhotoRecord{caption + ".jpg", caption, 0, 0, 0, 0, encodeJpeg(raster, 80)};
}

} // namespace

class tst_CommentEditor : public QObject {
    Q_OBJECT

    AlbumState state;
    std::unique_ptr<CommentEditor> editor;
    PictureBox* img = nullptr;
    QScrollBar* sb = nullptr;
    QPlainTextEdit* mm = nullptr;
    QLabel* lbl = nullptr;

    void fill(int count) {
        state.catalogue.clear();
        for (int i = 0; i < count; ++i)
            state.catalogue.push_back(photo(i));
    }
    // What the page shows: the label, the caption and which photo's picture.
    QString shown() const {
        const QImage& picture = img->picture();
        const QString which =
            picture.isNull()
                ? "none"
                : QString::number(qRound(picture.pixelColor(picture.rect().center()).red() / 40.0));
        return lbl->text() + " | " + mm->toPlainText() + " | picture " + which;
    }
    void type(const QString& text) {
        mm->clear();
        QTest::keyClicks(mm, text);
    }
    void clickPicture() { QTest::mouseClick(img, Qt::LeftButton); }

private slots:
    void init() {
        DialogHook::instance().setUnattended(true);
        DialogHook::instance().clearShownMessages();
        state = AlbumState();
        editor = std::make_unique<CommentEditor>(state, nullptr);
        img = editor->findChild<PictureBox*>("imgKoment");
        sb = editor->findChild<QScrollBar*>("sbKomentare");
        mm = editor->findChild<QPlainTextEdit*>("mmKoment");
        lbl = editor->findChild<QLabel*>("lblKomentare");
        QVERIFY(img && sb && mm && lbl);
    }
    void cleanup() { editor.reset(); }

    // Moving with the scroll bar discards what was typed; storing (a click on the picture
    // or Ctrl+Enter) keeps it with CR LF line ends and moves on, except from the last photo.
    void browsingAndStoring() {
        fill(3);
        editor->ShowFirstPhoto(3);
        QCOMPARE(shown(), QStringLiteral("Obrázek 1/3 | photo 1 | picture 1"));
        type("not stored");
        sb->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(shown(), QStringLiteral("Obrázek 2/3 | photo 2 | picture 2"));
        sb->setValue(0);
        QVERIFY(!state.captionsEdited);
        type("first");
        QTest::keyClick(mm, Qt::Key_Return);
        QTest::keyClicks(mm, "second");
        clickPicture();
        QCOMPARE(shown(), QStringLiteral("Obrázek 2/3 | photo 2 | picture 2"));
        type("two");
        QTest::keyClick(mm, Qt::Key_Return, Qt::ControlModifier);
        type("last");
        clickPicture();
        QTest::keyClick(mm, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(shown(), QStringLiteral("Obrázek 3/3 | last | picture 3"));
        QCOMPARE(state.catalogue[0].caption + state.catalogue[1].caption +
                     state.catalogue[2].caption,
                 std::string("first\r\nsecondtwolast"));
        QVERIFY(state.captionsEdited);
    }

    // Deleting every caption asks first, No being the default, and leaves the page alone.
    void deletingAsksFirst() {
        fill(3);
        editor->ShowFirstPhoto(3);
        for (const auto answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            DialogHook::instance().setNextAnswer(answer);
            QTest::mouseClick(editor->findChild<QAbstractButton*>("btnDelKoment"), Qt::LeftButton);
            QCOMPARE(state.catalogue[2].caption.empty(), answer == MessageAnswer::Yes);
        }
        const auto& asked = DialogHook::instance().shownMessages();
        QCOMPARE(asked.back().title + ": " + asked.back().text,
                 QStringLiteral("Info: Opravdu chcete smazat komentáře ke všem snímkům?"));
        QVERIFY(asked.back().icon == MessageIcon::Question &&
                asked.back().buttons == MessageButtons::YesNo);
        QCOMPARE(shown(), QStringLiteral("Obrázek 1/3 | photo 1 | picture 1"));
        QVERIFY(!state.captionsEdited);
    }

    // A new, shorter catalogue without a reset is never read or written past its end, nor
    // an empty one; a photo without a preview shows a blank picture; a reset shows nothing.
    void neverAddressesAPhotoTheCatalogueLacks() {
        fill(5);
        editor->ShowFirstPhoto(5);
        sb->setValue(4);
        fill(2);
        state.catalogue[1].previewJpeg.clear();
        type("orphan");
        clickPicture();
        QCOMPARE(state.catalogue.size(), std::size_t(2));
        QVERIFY(!state.captionsEdited);
        sb->setValue(3);
        QCOMPARE(shown(), QStringLiteral("Obrázek 4/5 |  | picture none"));
        sb->setValue(1);
        QCOMPARE(shown(), QStringLiteral("Obrázek 2/5 | photo 2 | picture none"));
        editor->ShowFirstPhoto(5); // more photos than the catalogue holds
        QCOMPARE(sb->maximum(), 1);
        state.catalogue.clear();
        clickPicture();
        editor->resetToStart();
        QCOMPARE(shown(), QStringLiteral("Obrázek 0/0 |  | picture none"));
        QCOMPARE(sb->maximum(), 0);
    }
};

QTEST_MAIN(tst_CommentEditor)
#include "tst_CommentEditor.moc"
