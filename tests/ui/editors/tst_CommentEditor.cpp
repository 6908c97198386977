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

    // Before any build there is nothing to show; a caption typed then goes to photo 1, and
    // with no photo at all nowhere.
    void beforeABuild() {
        type("lost");
        clickPicture();
        QTest::mouseClick(editor->findChild<QAbstractButton*>("btnDelKoment"), Qt::LeftButton);
        QVERIFY(!state.captionsEdited);
        QVERIFY(DialogHook::instance().shownMessages().empty());
        fill(2);
        type("early");
        clickPicture();
        QCOMPARE(state.catalogue[0].caption, std::string("early"));
        QCOMPARE(shown(), QStringLiteral("Obrázek 0/0 | early | picture none"));
    }

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

    void deletingAsksFirst() {
        for (bool yes : {false, true}) {
            DialogHook::instance().clearShownMessages();
            fill(3);
            editor->ShowFirstPhoto(3);
            DialogHook::instance().setNextAnswer(yes ? MessageAnswer::Yes : MessageAnswer::No);
            QTest::mouseClick(editor->findChild<QAbstractButton*>("btnDelKoment"), Qt::LeftButton);
            const auto& asked = DialogHook::instance().shownMessages();
            QCOMPARE(asked.size(), std::size_t(1));
            QCOMPARE(asked[0].title + ": " + asked[0].text,
                     QStringLiteral("Info: Opravdu chcete smazat komentáře ke všem snímkům?"));
            QVERIFY(asked[0].icon == MessageIcon::Question &&
                    asked[0].buttons == MessageButtons::YesNo);
            for (int i = 0; i < 3; ++i)
                QCOMPARE(state.catalogue[i].caption.empty(), yes);
            QCOMPARE(shown(), QStringLiteral("Obrázek 1/3 | photo 1 | picture 1")); // left alone
            QVERIFY(!state.captionsEdited);
        }
    }

    // A new, shorter catalogue without a reset is never read or written past its end; a
    // photo without a preview shows a blank picture; a reset shows nothing.
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
        editor->resetToStart();
        QCOMPARE(shown(), QStringLiteral("Obrázek 0/0 |  | picture none"));
        QCOMPARE(sb->maximum(), 0);
    }

    void thePictureFitsTheBoxKeepingItsProportions() {
        const std::pair<QSize, QRect> rows[] = {{{630, 315}, {0, 14, 315, 157}}, // shrunk
                                                {{20, 40}, {111, 0, 93, 186}}};  // enlarged
        for (const auto& [size, shownAt] : rows) {
            state.catalogue = {photo(0, size.width(), size.height())};
            editor->ShowFirstPhoto(1);
            QCOMPARE(img->pictureRect(), shownAt);
        }
    }

    // Showing a photo puts the cursor into the field, but only while the page is on screen.
    void theFieldTakesTheFocusWhenShown() {
        fill(2);
        editor->ShowFirstPhoto(2);
        QVERIFY(!mm->hasFocus());
        editor->show();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
        sb->setFocus();
        sb->setValue(1);
        QTRY_VERIFY(mm->hasFocus());
    }
};

QTEST_MAIN(tst_CommentEditor)
#include "tst_CommentEditor.moc"
