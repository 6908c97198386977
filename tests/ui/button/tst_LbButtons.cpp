// The shared button painter, drawn into images and checked pixel by pixel.

#include "ui/button/LbButtonFade.h"
#include "ui/button/LbButtonPlacement.h"
#include "ui/button/LbButtons.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

using namespace vistarel;

namespace {

const QColor kFace{0xC0, 0xC0, 0xC0};
const QColor kKey{0xFF, 0x00, 0xFF};
const QColor kStripColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

QColor at(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

LbButtonLook plainLook() {
    LbButtonLook look;
    look.color = kFace;
    look.font.setPixelSize(12);
    return look;
}

// Solid 16 × 16 cells in the given colours, each with a key-coloured bottom-left pixel.
QImage keyedStrip(int cells) {
    QImage strip(16 * cells, 16, QImage::Format_RGB32);
    for (int i = 0; i < cells; ++i) {
        QPainter(&strip).fillRect(16 * i, 0, 16, 16, kStripColours[i]);
        strip.setPixelColor(16 * i, 15, kKey);
    }
    return strip;
}

// Bounding box of the pixels of one exact colour.
QRect boxOf(const QImage& image, const QColor& colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (at(image, x, y) == colour)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class tst_LbButtons : public QObject {
    Q_OBJECT
private slots:
    void gradientBandsRunFromStartToEnd();
    void gradientBandColours_data();
    void gradientBandColours();
    void hotColourMixesByFadeLevel_data();
    void hotColourMixesByFadeLevel();
    void modernFaceTakesHotColourInTheMiddleBand();
    void colorWhenDownWinsOverHot();
    void disabledButtonIsDrawnUpWithGreyCaptionAndSecondImage();
    void glyphImageFollowsState_data();
    void glyphImageFollowsState();
    void glyphKeyAndAlpha();
    void captionIsCutCharacterByCharacter_data();
    void captionIsCutCharacterByCharacter();
    void glyphPositionForEachLayout_data();
    void glyphPositionForEachLayout();
    void captionSitsBesideOrAroundGlyph();
    void flatBevelShowsOnlyWhenHotOrDown();
    void roundedStylesLeaveCornersTransparent();
    void dropDownArrow();
    void fadeReachesZeroAfterEightTicks();
    void modernNeedsMoreThanEightBits();
};

void tst_LbButtons::gradientBandsRunFromStartToEnd() {
    // 31 rows: band i starts at row i and is two rows high, so row i shows band i.
    QImage image(4, 40, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QColor start(0, 40, 255), end(255, 200, 0);
    {
        QPainter p(&image);
        fillGradient(p, QRect(1, 3, 2, 31), start, end);
    }
    QCOMPARE(at(image, 1, 3), start);
    for (int band = 0; band < 31; ++band)
        QCOMPARE(at(image, 2, 3 + band), gradientBandColor(start, end, band));
    // The last band starts at the bottom edge, which is not part of the area.
    QCOMPARE(at(image, 1, 34).alpha(), 0);
    QCOMPARE(at(image, 0, 10).alpha(), 0);
    QCOMPARE(at(image, 3, 10).alpha(), 0);
}

void tst_LbButtons::gradientBandColours_data() {
    QTest::addColumn<int>("band");
    QTest::addColumn<QColor>("expected");
    // From (0, 255, 10) to (255, 0, 10).
    QTest::newRow("first") << 0 << QColor(0, 255, 10);
    QTest::newRow("last") << 31 << QColor(255, 0, 10);
    QTest::newRow("rounds down") << 15 << QColor(123, 132, 10); // 123.39, 131.61
    QTest::newRow("rounds up") << 16 << QColor(132, 123, 10);   // 131.61, 123.39
}

void tst_LbButtons::gradientBandColours() {
    QFETCH(int, band);
    QFETCH(QColor, expected);
    QCOMPARE(gradientBandColor(QColor(0, 255, 10), QColor(255, 0, 10), band), expected);
}

void tst_LbButtons::hotColourMixesByFadeLevel_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QColor>("expected");
    // Normal (10, 20, 31), hot (214, 230, 248).
    QTest::newRow("full") << 8 << QColor(214, 230, 248);
    QTest::newRow("half, .5 rounds up") << 4 << QColor(112, 125, 140);
    QTest::newRow("one step") << 1 << QColor(36, 46, 58); // 35.5, 46.25, 58.125
    QTest::newRow("none") << 0 << QColor(10, 20, 31);
}

void tst_LbButtons::hotColourMixesByFadeLevel() {
    QFETCH(int, level);
    QFETCH(QColor, expected);
    LbButtonLook look = plainLook();
    look.color = QColor(10, 20, 31);
    look.hotTrackColor = QColor(214, 230, 248);
    look.fadeLevel = level;
    QCOMPARE(hotMixColor(look.color, look.hotTrackColor, level), expected);
    QCOMPARE(at(renderLbButton(QSize(60, 23), look), 30, 3), expected);
    // Disabled buttons never take the hot colour.
    look.enabled = false;
    QCOMPARE(at(renderLbButton(QSize(60, 23), look), 30, 3), look.color);
}

void tst_LbButtons::modernFaceTakesHotColourInTheMiddleBand() {
    LbButtonLook look = plainLook();
    look.style = bsModern;
    look.color = QColor(0xF0, 0xF0, 0xF0);
    look.hotTrackColor = QColor(0xD6, 0xE6, 0xF8);
    look.fadeLevel = 8;
    look.hot = true;
    // Tall enough for every band to have a row of its own.
    const QImage image = renderLbButton(QSize(100, 140), look);
    QCOMPARE(at(image, 50, 140 / 4), look.hotTrackColor);
    QCOMPARE(at(image, 50, 2), look.lightColor);
    QCOMPARE(at(image, 50, 137), gradientBandColor(look.hotTrackColor, look.lightColor, 30));
    // Pressed, the middle moves down a pixel.
    look.down = true;
    QCOMPARE(at(renderLbButton(QSize(100, 140), look), 50, 140 / 4 + 1), look.hotTrackColor);
}

void tst_LbButtons::colorWhenDownWinsOverHot() {
    LbButtonLook look = plainLook();
    look.hotTrackColor = Qt::cyan;
    look.fadeLevel = 8;
    look.colorWhenDown = QColor(0x80, 0x00, 0x40);
    look.down = true;
    QCOMPARE(at(renderLbButton(QSize(60, 23), look), 30, 3), look.colorWhenDown);
    look.down = false;
    QCOMPARE(at(renderLbButton(QSize(60, 23), look), 30, 3), QColor(Qt::cyan));
}

void tst_LbButtons::disabledButtonIsDrawnUpWithGreyCaptionAndSecondImage() {
    LbButtonLook look = plainLook();
    look.font.setPixelSize(20);
    look.font.setBold(true);
    look.caption = "HHHH";
    look.glyph = keyedStrip(3);
    look.numGlyphs = 3;
    look.colorWhenDown = Qt::darkRed;
    look.down = true;
    look.enabled = false;
    const QImage image = renderLbButton(QSize(120, 30), look);
    QCOMPARE(at(image, 60, 2), kFace);                         // no down colour
    QCOMPARE(boxOf(image, Qt::green).topLeft(), QPoint(4, 7)); // second image, no offset
    QVERIFY(boxOf(image, Qt::blue).isEmpty());
    const QImage caption = image.copy(24, 2, 92, 26); // inside the bevel
    QVERIFY(!boxOf(caption, QColor(0x80, 0x80, 0x80)).isEmpty());
    QVERIFY(boxOf(caption, Qt::black).isEmpty());
    // The shape style keeps the caption colour.
    look.style = bsShape;
    QVERIFY(!boxOf(renderLbButton(QSize(120, 30), look).copy(24, 2, 92, 26), Qt::black).isEmpty());
}

void tst_LbButtons::glyphImageFollowsState_data() {
    QTest::addColumn<int>("cells");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("down");
    QTest::addColumn<bool>("hot");
    QTest::addColumn<QColor>("shown");
    QTest::newRow("normal") << 4 << true << false << false << QColor(Qt::red);
    QTest::newRow("disabled") << 4 << false << false << false << QColor(Qt::green);
    QTest::newRow("down") << 4 << true << true << false << QColor(Qt::blue);
    QTest::newRow("hot") << 4 << true << false << true << QColor(Qt::yellow);
    QTest::newRow("down wins over hot") << 4 << true << true << true << QColor(Qt::blue);
    QTest::newRow("hot without hot image") << 3 << true << false << true << QColor(Qt::red);
    QTest::newRow("down without down image") << 2 << true << true << false << QColor(Qt::red);
    QTest::newRow("single image disabled") << 1 << false << false << false << QColor(Qt::red);
}

void tst_LbButtons::glyphImageFollowsState() {
    QFETCH(int, cells);
    QFETCH(bool, enabled);
    QFETCH(bool, down);
    QFETCH(bool, hot);
    QFETCH(QColor, shown);
    LbButtonLook look = plainLook();
    look.glyph = keyedStrip(cells);
    look.numGlyphs = cells;
    look.enabled = enabled;
    look.down = down;
    look.hot = hot;
    const QImage image = renderLbButton(QSize(40, 30), look);
    const int off = down && enabled ? 1 : 0;
    QCOMPARE(at(image, 12 + off, 14 + off), shown);
}

void tst_LbButtons::glyphKeyAndAlpha() {
    // An opaque glyph loses its bottom-left colour wherever it appears.
    QImage opaque(16, 16, QImage::Format_RGB32);
    opaque.fill(Qt::black);
    opaque.setPixelColor(0, 15, kKey);
    opaque.setPixelColor(8, 8, kKey);
    QImage cell = glyphCellImage(opaque, 1, 0);
    QCOMPARE(cell.pixelColor(8, 8).alpha(), 0);
    QCOMPARE(cell.pixelColor(3, 3), QColor(Qt::black));

    // A glyph with its own transparency keeps every drawn pixel, even one in the colour
    // of its transparent corner.
    QImage alpha(16, 16, QImage::Format_ARGB32);
    alpha.fill(Qt::transparent);
    alpha.setPixelColor(4, 4, QColor(0, 0, 0, 255));
    alpha.setPixelColor(5, 5, QColor(0, 0, 255, 128));
    cell = glyphCellImage(alpha, 1, 0);
    QCOMPARE(cell.pixelColor(4, 4), QColor(Qt::black));
    QCOMPARE(cell.pixelColor(5, 5).alpha(), 128);

    LbButtonLook look = plainLook();
    look.glyph = alpha;
    look.numGlyphs = 1;
    const QImage image = renderLbButton(QSize(40, 30), look);
    QCOMPARE(at(image, 4 + 4, 7 + 4), QColor(Qt::black));
    QCOMPARE(at(image, 4 + 1, 7 + 1), kFace);
    const QColor blended = at(image, 4 + 5, 7 + 5);
    QVERIFY(blended.blue() > blended.red() && blended.red() > 0x40);
}

void tst_LbButtons::captionIsCutCharacterByCharacter_data() {
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("numGlyphs");
    QTest::addColumn<bool>("wordWrap");
    QTest::newRow("wide enough") << 400 << 0 << false;
    QTest::newRow("cut") << 60 << 0 << false;
    QTest::newRow("cut beside glyph") << 80 << 1 << false;
    QTest::newRow("narrower than margins") << 7 << 0 << false;
    QTest::newRow("wrapped keeps it all") << 60 << 0 << true;
}

void tst_LbButtons::captionIsCutCharacterByCharacter() {
    QFETCH(int, width);
    QFETCH(int, numGlyphs);
    QFETCH(bool, wordWrap);
    LbButtonLook look = plainLook();
    look.caption = QStringLiteral("Příliš žluťoučký kůň");
    look.wordWrap = wordWrap;
    look.glyph = keyedStrip(1);
    look.numGlyphs = numGlyphs;
    const QFontMetrics metrics(look.font);
    const LbButtonPlacement place = placeButtonContent(QSize(width, 23), look, metrics);
    const int available = std::max(0, width - 8 - (numGlyphs ? 20 : 0));
    QVERIFY(look.caption.startsWith(place.caption));
    QCOMPARE(place.captionBox.width(), available);
    if (wordWrap) {
        QCOMPARE(place.caption, look.caption);
        QVERIFY(place.captionBox.height() > metrics.height());
        return;
    }
    QVERIFY(metrics.horizontalAdvance(place.caption) <= available);
    if (place.caption != look.caption) {
        const QString oneMore = look.caption.left(place.caption.size() + 1);
        QVERIFY(metrics.horizontalAdvance(oneMore) > available);
    }
    if (width < 8)
        QVERIFY(place.caption.isEmpty());
}

void tst_LbButtons::glyphPositionForEachLayout_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("layout");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<bool>("down");
    QTest::addColumn<QPoint>("topLeft");
    // A 16 × 16 glyph without caption in a 100 × 40 button.
    QTest::newRow("left, left") << +bsNormal << +blGlyphLeft << +taLeftJustify << false
                                << QPoint(4, 12);
    QTest::newRow("left, right") << +bsNormal << +blGlyphLeft << +taRightJustify << false
                                 << QPoint(80, 12);
    QTest::newRow("left, centre") << +bsNormal << +blGlyphLeft << +taCenter << false
                                  << QPoint(42, 12);
    QTest::newRow("left, left, down")
        << +bsNormal << +blGlyphLeft << +taLeftJustify << true << QPoint(5, 13);
    QTest::newRow("right, left") << +bsNormal << +blGlyphRight << +taLeftJustify << false
                                 << QPoint(4, 12);
    QTest::newRow("right, right") << +bsNormal << +blGlyphRight << +taRightJustify << false
                                  << QPoint(80, 12);
    QTest::newRow("top, centre") << +bsNormal << +blGlyphTop << +taCenter << false
                                 << QPoint(42, 10);
    QTest::newRow("top, right, down")
        << +bsNormal << +blGlyphTop << +taRightJustify << true << QPoint(81, 11);
    QTest::newRow("bottom, left") << +bsNormal << +blGlyphBottom << +taLeftJustify << false
                                  << QPoint(4, 10);
    QTest::newRow("encarta has no offset")
        << +bsEncarta << +blGlyphLeft << +taLeftJustify << true << QPoint(4, 12);
    QTest::newRow("shape centres, no offset")
        << +bsShape << +blGlyphLeft << +taLeftJustify << true << QPoint(42, 12);
}

void tst_LbButtons::glyphPositionForEachLayout() {
    QFETCH(int, style);
    QFETCH(int, layout);
    QFETCH(int, alignment);
    QFETCH(bool, down);
    QFETCH(QPoint, topLeft);
    LbButtonLook look = plainLook();
    look.style = TLbSpeedButtonStyle(style);
    look.layout = TLbSpeedButtonLayout(layout);
    look.alignment = TAlignment(alignment);
    look.down = down;
    look.glyph = keyedStrip(1);
    look.numGlyphs = 1;
    QCOMPARE(boxOf(renderLbButton(QSize(100, 40), look), Qt::red), QRect(topLeft, QSize(16, 16)));
}

void tst_LbButtons::captionSitsBesideOrAroundGlyph() {
    LbButtonLook look = plainLook();
    look.caption = "Ab";
    look.glyph = keyedStrip(1);
    look.numGlyphs = 1;
    const QFontMetrics metrics(look.font);
    const QSize size(100, 60);
    const int th = metrics.height();

    look.alignment = taCenter;
    LbButtonPlacement place = placeButtonContent(size, look, metrics);
    const int tb = metrics.horizontalAdvance("Ab") + 4;
    QCOMPARE(place.glyphCell.topLeft(), QPoint(42 - tb / 2, 22));
    QCOMPARE(place.captionBox, QRect(24, (60 - th) / 2, 72, th));

    look.layout = blGlyphRight;
    look.alignment = taLeftJustify;
    place = placeButtonContent(size, look, metrics);
    QCOMPARE(place.glyphCell.left(), 4 + tb);
    QCOMPARE(place.captionBox.left(), 4);

    look.layout = blGlyphTop;
    place = placeButtonContent(size, look, metrics);
    const int stackTop = (60 - (th + 20)) / 2;
    QCOMPARE(place.glyphCell.top(), stackTop);
    QCOMPARE(place.captionBox.topLeft(), QPoint(4, stackTop + 16));

    look.layout = blGlyphBottom;
    place = placeButtonContent(size, look, metrics);
    QCOMPARE(place.captionBox.top(), stackTop);
    QCOMPARE(place.glyphCell.top(), stackTop + th);

    // A glyph with no images to show takes no room.
    look.numGlyphs = 0;
    place = placeButtonContent(size, look, metrics);
    QVERIFY(place.glyphCell.isEmpty());
    QCOMPARE(place.captionBox.top(), (60 - th) / 2);
}

void tst_LbButtons::flatBevelShowsOnlyWhenHotOrDown() {
    LbButtonLook look = plainLook();
    look.flat = true;
    look.lightColor = Qt::white;
    look.shadowColor = Qt::darkBlue;
    const QSize size(50, 20);
    QCOMPARE(at(renderLbButton(size, look), 0, 0), kFace);
    QCOMPARE(at(renderLbButton(size, look), 49, 19), kFace);

    look.hot = true; // no hot colour set: the face stays, the bevel shows
    QImage image = renderLbButton(size, look);
    QCOMPARE(at(image, 10, 0), QColor(Qt::white));
    QCOMPARE(at(image, 0, 10), QColor(Qt::white));
    QCOMPARE(at(image, 49, 10), QColor(Qt::darkBlue));
    QCOMPARE(at(image, 10, 19), QColor(Qt::darkBlue));
    QCOMPARE(at(image, 25, 10), kFace);

    look.hot = false;
    look.down = true;
    image = renderLbButton(size, look);
    QCOMPARE(at(image, 10, 0), QColor(Qt::darkBlue));
    QCOMPARE(at(image, 10, 19), QColor(Qt::white));

    // Disabled and flat: no bevel even when down.
    look.enabled = false;
    QCOMPARE(at(renderLbButton(size, look), 10, 0), kFace);
    look.flat = false;
    QCOMPARE(at(renderLbButton(size, look), 10, 0), QColor(Qt::white));
}

void tst_LbButtons::roundedStylesLeaveCornersTransparent() {
    LbButtonLook look = plainLook();
    look.shadowColor = Qt::darkGreen;
    look.style = bsModern;
    QImage image = renderLbButton(QSize(60, 24), look);
    QCOMPARE(at(image, 0, 0).alpha(), 0);
    QCOMPARE(at(image, 30, 0), QColor(Qt::darkGreen));
    QCOMPARE(at(image, 30, 23), QColor(Qt::darkGreen));

    look.style = bsQuicken;
    image = renderLbButton(QSize(60, 24), look);
    QCOMPARE(at(image, 30, 0).alpha(), 0);
    QCOMPARE(at(image, 30, 1), QColor(Qt::darkGreen));
    QCOMPARE(at(image, 30, 12), kFace);

    look.style = bsNormal;
    look.transparent = true;
    image = renderLbButton(QSize(60, 24), look);
    QCOMPARE(at(image, 30, 12).alpha(), 0);
    QCOMPARE(at(image, 30, 23), QColor(Qt::darkGreen)); // the bevel still shows

    look.transparent = false;
    look.style = bsShape;
    QCOMPARE(at(renderLbButton(QSize(60, 24), look), 30, 12).alpha(), 0);
}

void tst_LbButtons::dropDownArrow() {
    LbButtonLook look = plainLook();
    look.fontColor = Qt::darkMagenta;
    look.showArrow = true;
    const QRect arrow = boxOf(renderLbButton(QSize(60, 24), look), Qt::darkMagenta);
    QCOMPARE(arrow, QRect(60 - 11, 24 / 2 - 1, 5, 3));
}

void tst_LbButtons::fadeReachesZeroAfterEightTicks() {
    LbButtonFade fade;
    QList<int> levels;
    connect(&fade, &LbButtonFade::levelChanged, this, [&levels](int l) { levels << l; });
    fade.start(); // nothing to fade yet
    QVERIFY(!fade.isRunning());
    fade.setFull();
    fade.start();
    QVERIFY(fade.isRunning());
    for (int i = 0; i < 8; ++i)
        fade.tick();
    QCOMPARE(levels, QList<int>({8, 7, 6, 5, 4, 3, 2, 1, 0}));
    QVERIFY(!fade.isRunning());

    fade.setFull();
    fade.start();
    fade.tick();
    fade.setFull(); // the pointer is back: the fade stops at full level
    QCOMPARE(fade.level(), 8);
    QVERIFY(!fade.isRunning());
}

void tst_LbButtons::modernNeedsMoreThanEightBits() {
    QCOMPARE(styleForDisplayDepth(bsModern, 8), bsNormal);
    QCOMPARE(styleForDisplayDepth(bsModern, 4), bsNormal);
    QCOMPARE(styleForDisplayDepth(bsModern, 24), bsModern);
    QCOMPARE(styleForDisplayDepth(bsQuicken, 8), bsQuicken);
}

QTEST_MAIN(tst_LbButtons)
#include "tst_LbButtons.moc"
