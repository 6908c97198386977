#include "image/JpegEncoder.h"
#include "ui/controls/PictureBox.h"
#include "ui/dialogs/DialogHook.h"
#include "ui/editors/CommentEditor.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QtTest>

using namespace vistarel;

namespace {

// A record whose preview is one flat colour, so the shown picture tells which photo it is.
PhotoRecord photo(const std::string& caption, QColor colour, int width = 40, int height = 30) {
    Raster raster;
    raster.resize(width, height);
    for (std::size_t i = 0; i < raster.pixels.size(); i += 3) {
        raster.pixels[i] = static_cast<std::uint8_t>(colour.red());
        raster.pixels[i + 1] = static_cast<std::uint8_t>(colour.green());
        raster.pixels[i + 2] = static_cast<std::uint8_t>(colour.blue());
    }
    PhotoRecord record;
    record.fileName = caption + ".jpg";
    record.caption = caption;
    record.previewJpeg = encodeJpeg(raster, 80);
    return record;
}

const QColor kColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan};

void fill(AlbumState& state, int count) {
    state.catalogue.clear();
    for (int i = 0; i < count; ++i)
        state.catalogue.push_back(photo("photo " + std::to_string(i + 1), kColours[i % 5]));
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
    QAbstractButton* del = nullptr;

    QString label() const { return lbl->text(); }
    // The photo colour the shown picture is, within the preview's JPEG noise.
    QColor shownColour() const {
        const QImage& picture = img->picture();
        if (picture.isNull())
            return {};
        const QColor shown = picture.pixelColor(picture.rect().center());
        for (const QColor& colour : kColours)
            if (std::abs(shown.red() - colour.red()) + std::abs(shown.green() - colour.green()) +
                    std::abs(shown.blue() - colour.blue()) <
                12)
                return colour;
        return shown;
    }
    void type(const QString& firstLine, const QString& secondLine = {}) {
        mm->clear();
        QTest::keyClicks(mm, firstLine);
        if (!secondLine.isEmpty()) {
            QTest::keyClick(mm, Qt::Key_Return);
            QTest::keyClicks(mm, secondLine);
        }
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
        del = editor->findChild<QAbstractButton*>("btnDelKoment");
        QVERIFY(img && sb && mm && lbl && del);
    }
    void cleanup() { editor.reset(); }

    void startsEmptyAndIgnoresAnEmptyCatalogue() {
        QCOMPARE(label(), QStringLiteral("Obrázek 0/0"));
        QCOMPARE(sb->minimum(), 0);
        QCOMPARE(sb->maximum(), 0);
        QVERIFY(img->picture().isNull());
        QCOMPARE(img->toolTip(), QStringLiteral("Kliknutím uložíte komentář"));
        QCOMPARE(del->text(), QStringLiteral("Smazat všechny komentáře"));
        QCOMPARE(img->geometry(), QRect(5, 5, 315, 186));
        QCOMPARE(mm->geometry(), QRect(9, 221, 308, 44));

        type("lost");
        clickPicture();
        QTest::mouseClick(del, Qt::LeftButton);
        QVERIFY(!state.captionsEdited);
        QVERIFY(DialogHook::instance().shownMessages().empty());
    }

    // Before any build the tab addresses photo 1 only, and the label keeps its start text.
    void storesTheFirstCaptionBeforeABuild() {
        fill(state, 2);
        type("early");
        clickPicture();
        QCOMPARE(state.catalogue[0].caption, std::string("early"));
        QCOMPARE(label(), QStringLiteral("Obrázek 0/0"));
    }

    void showsTheFirstPhotoAfterABuild() {
        fill(state, 3);
        editor->ShowFirstPhoto(3);
        QCOMPARE(sb->maximum(), 2);
        QCOMPARE(sb->value(), 0);
        QCOMPARE(label(), QStringLiteral("Obrázek 1/3"));
        QCOMPARE(mm->toPlainText(), QStringLiteral("photo 1"));
        QCOMPARE(shownColour(), QColor(Qt::red));

        sb->setValue(2);
        QCOMPARE(label(), QStringLiteral("Obrázek 3/3"));
        QCOMPARE(mm->toPlainText(), QStringLiteral("photo 3"));
        QCOMPARE(shownColour(), QColor(Qt::blue));
    }

    void movingWithTheScrollBarDiscardsTypedText() {
        fill(state, 3);
        editor->ShowFirstPhoto(3);
        type("not stored");
        sb->triggerAction(QAbstractSlider::SliderSingleStepAdd); // the right arrow
        QCOMPARE(sb->value(), 1);
        sb->setValue(0);
        QCOMPARE(mm->toPlainText(), QStringLiteral("photo 1"));
        QCOMPARE(state.catalogue[0].caption, std::string("photo 1"));
        QVERIFY(!state.captionsEdited);
    }

    void storingMovesOn_data() {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("a click on the picture") << false;
        QTest::newRow("Ctrl+Enter in the field") << true;
    }
    void storingMovesOn() {
        QFETCH(bool, byKey);
        fill(state, 3);
        editor->ShowFirstPhoto(3);
        type("first line", "second line");
        if (byKey)
            QTest::keyClick(mm, Qt::Key_Return, Qt::ControlModifier);
        else
            clickPicture();
        QCOMPARE(state.catalogue[0].caption, std::string("first line\r\nsecond line"));
        QVERIFY(state.captionsEdited);
        QCOMPARE(label(), QStringLiteral("Obrázek 2/3"));
        QCOMPARE(mm->toPlainText(), QStringLiteral("photo 2"));
        QCOMPARE(shownColour(), QColor(Qt::green));

        sb->setValue(0);
        QCOMPARE(mm->toPlainText(), QStringLiteral("first line\nsecond line"));
        clickPicture(); // shown again unchanged, so stored again unchanged
        QCOMPARE(state.catalogue[0].caption, std::string("first line\r\nsecond line"));
    }

    void theLastPhotoKeepsItsPlace_data() {
        QTest::addColumn<int>("count");
        QTest::newRow("one photo") << 1;
        QTest::newRow("three photos") << 3;
    }
    void theLastPhotoKeepsItsPlace() {
        QFETCH(int, count);
        fill(state, count);
        editor->ShowFirstPhoto(count);
        sb->setValue(count - 1);
        type("last");
        clickPicture();
        clickPicture();
        QCOMPARE(sb->value(), count - 1);
        QCOMPARE(label(), QStringLiteral("Obrázek %1/%1").arg(count));
        QCOMPARE(mm->toPlainText(), QStringLiteral("last"));
        QCOMPARE(state.catalogue[count - 1].caption, std::string("last"));
        QVERIFY(state.captionsEdited);
    }

    void deletingAsksFirst_data() {
        QTest::addColumn<bool>("yes");
        QTest::newRow("no") << false;
        QTest::newRow("yes") << true;
    }
    void deletingAsksFirst() {
        QFETCH(bool, yes);
        fill(state, 3);
        editor->ShowFirstPhoto(3);
        DialogHook::instance().setNextAnswer(yes ? MessageAnswer::Yes : MessageAnswer::No);
        QTest::mouseClick(del, Qt::LeftButton);

        const auto& shown = DialogHook::instance().shownMessages();
        QCOMPARE(shown.size(), std::size_t(1));
        QCOMPARE(shown[0].text, QStringLiteral("Opravdu chcete smazat komentáře ke všem snímkům?"));
        QCOMPARE(shown[0].title, QStringLiteral("Info"));
        QVERIFY(shown[0].icon == MessageIcon::Question);
        QVERIFY(shown[0].buttons == MessageButtons::YesNo);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(state.catalogue[i].caption.empty(), yes);
        // The display is left alone either way.
        QCOMPARE(mm->toPlainText(), QStringLiteral("photo 1"));
        QCOMPARE(label(), QStringLiteral("Obrázek 1/3"));
        QVERIFY(!state.captionsEdited);
    }

    void resetReturnsToTheStartState() {
        fill(state, 3);
        editor->ShowFirstPhoto(3);
        sb->setValue(2);
        editor->resetToStart();
        QCOMPARE(sb->maximum(), 0);
        QCOMPARE(sb->value(), 0);
        QCOMPARE(label(), QStringLiteral("Obrázek 0/0"));
        QVERIFY(img->picture().isNull());
        QVERIFY(mm->toPlainText().isEmpty());
    }

    // A new, shorter catalogue without a reset must not be read or written past its end.
    void neverAddressesAPhotoTheCatalogueLacks() {
        fill(state, 5);
        editor->ShowFirstPhoto(5);
        sb->setValue(4);
        fill(state, 2);
        type("orphan");
        clickPicture();
        QCOMPARE(state.catalogue.size(), std::size_t(2));
        QVERIFY(!state.captionsEdited);
        sb->setValue(3);
        QVERIFY(img->picture().isNull());
        QVERIFY(mm->toPlainText().isEmpty());
        sb->setValue(1);
        QCOMPARE(mm->toPlainText(), QStringLiteral("photo 2"));

        editor->ShowFirstPhoto(5); // more photos than the catalogue holds
        QCOMPARE(sb->maximum(), 1);
        state.catalogue.clear();
        editor->ShowFirstPhoto(1);
        QCOMPARE(label(), QStringLiteral("Obrázek 0/0"));
    }

    void aPhotoWithoutPreviewIsBlank() {
        fill(state, 2);
        state.catalogue[1].previewJpeg.clear();
        editor->ShowFirstPhoto(2);
        sb->setValue(1);
        QVERIFY(img->picture().isNull());
        QCOMPARE(mm->toPlainText(), QStringLiteral("photo 2"));
    }

    void thePictureFitsTheBoxKeepingItsProportions_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("wide, shrunk") << 630 << 315 << QRect(0, 14, 315, 157);
        QTest::newRow("tall, enlarged") << 20 << 40 << QRect(111, 0, 93, 186);
    }
    void thePictureFitsTheBoxKeepingItsProportions() {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(QRect, expected);
        state.catalogue.push_back(photo("p", Qt::red, width, height));
        editor->ShowFirstPhoto(1);
        QCOMPARE(img->pictureRect(), expected);
    }

    // Showing a photo puts the cursor into the field, but only while the page is on screen.
    void theFieldTakesTheFocusWhenShown() {
        fill(state, 2);
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
