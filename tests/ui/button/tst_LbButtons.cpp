// The shared button painter, drawn into images and checked at the pixels that pin its rules.

#include "ui/button/LbButtonPlacement.h"
#include "ui/button/LbButtons.h"

#include <QFontMetrics>
#include <QPainter>
#include <QtTest>

using namespace vistarel;

namespace {

const QColor kFace{0xC0, 0xC0, 0xC0};
const QColor kStripColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

LbButtonLook plainLook() {
    LbButtonLook look;
    look.color = kFace;
    look.font.setPixelSize(12);
    return look;
}

// Solid 16 × 16 cells (normal, disabled, down, hot), each with a magenta bottom-left pixel,
// the colour the painter makes transparent.
LbButtonLook withGlyph(LbButtonLook look, int cells) {
    look.glyph = QImage(16 * cells, 16, QImage::Format_RGB32);
    for (int i = 0; i < cells; ++i) {
        QPainter(&look.glyph).fillRect(16 * i, 0, 16, 16, kStripColours[i]);
        look.glyph.setPixelColor(16 * i, 15, Qt::magenta);
    }
    look.numGlyphs = cells;
    return look;
}

// Bounding box of the pixels of one exact colour.
QRect boxOf(const QImage& image, const QColor& colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour)
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class tst_LbButtons : public QObject {
    Q_OBJECT
private slots:
    // The face: the hot colour mixed in by eighths of the fade level (halves round up), the
    // down colour over it, never hot when disabled.
    void faceColour_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QColor>("face");
        QTest::newRow("full") << 8 << false << true << QColor(214, 230, 248);
        QTest::newRow("half") << 4 << false << true << QColor(112, 125, 140);
        QTest::newRow("one step") << 1 << false << true << QColor(36, 46, 58);
        QTest::newRow("none") << 0 << false << true << QColor(10, 20, 31);
        QTest::newRow("disabled") << 8 << false << false << QColor(10, 20, 31);
        QTest::newRow("down") << 8 << true << true << QColor(0x80, 0x00, 0x40);
    }
    void faceColour() {
        QFETCH(int, level);
        QFETCH(bool, down);
        QFETCH(bool, enabled);
        QFETCH(QColor, face);
        LbButtonLook look = plainLook();
        look.color = QColor(10, 20, 31);
        look.hotTrackColor = QColor(214, 230, 248);
        look.colorWhenDown = QColor(0x80, 0x00, 0x40);
        look.fadeLevel = level;
        look.down = down;
        look.enabled = enabled;
        QCOMPARE(renderLbButton(QSize(60, 23), look).pixelColor(30, 3), face);
    }

    // 32 bands; band i starts at row i of a 31-row area, and the last one lies outside it.
    void gradientBandsRunFromStartToEnd() {
        const QColor start(0, 255, 10), end(255, 0, 10);
        const std::pair<int, QColor> bands[] = {
            {0, start}, {15, QColor(123, 132, 10)}, {16, QColor(132, 123, 10)}, {31, end}};
        for (const auto& [band, colour] : bands)
            QCOMPARE(gradientBandColor(start, end, band), colour);
        QImage image(4, 40, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        fillGradient(painter, QRect(1, 3, 2, 31), start, end);
        painter.end();
        for (int band = 0; band < 31; ++band)
            QCOMPARE(image.pixelColor(2, 3 + band), gradientBandColor(start, end, band));
        QCOMPARE(image.pixelColor(1, 34).alpha(), 0);
        QCOMPARE(image.pixelColor(3, 10).alpha(), 0);

        // The modern face runs from the light colour to the hot one in the middle and back.
        LbButtonLook look = plainLook();
        look.style = bsModern;
        look.hotTrackColor = QColor(0xD6, 0xE6, 0xF8);
        look.fadeLevel = 8;
        const QImage modern = renderLbButton(QSize(100, 140), look);
        QCOMPARE(modern.pixelColor(50, 2), look.lightColor);
        QCOMPARE(modern.pixelColor(50, 35), look.hotTrackColor);
        QCOMPARE(modern.pixelColor(50, 137),
                 gradientBandColor(look.hotTrackColor, look.lightColor, 30));
    }

    // The strip's image for the state, where the layout puts it, a pixel lower and to the
    // right while pressed; a missing image falls back to the first.
    void glyphImageFollowsState_data() {
        QTest::addColumn<int>("cells");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("down");
        QTest::addColumn<bool>("hot");
        QTest::addColumn<QColor>("shown");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("normal") << 4 << true << false << false << QColor(Qt::red) << QPoint(4, 7);
        QTest::newRow("disabled") << 4 << false << false << false << QColor(Qt::green)
                                  << QPoint(4, 7);
        QTest::newRow("down") << 4 << true << true << false << QColor(Qt::blue) << QPoint(5, 8);
        QTest::newRow("hot") << 4 << true << false << true << QColor(Qt::yellow) << QPoint(4, 7);
        QTest::newRow("down wins over hot")
            << 4 << true << true << true << QColor(Qt::blue) << QPoint(5, 8);
        QTest::newRow("disabled and down: drawn up")
            << 4 << false << true << false << QColor(Qt::green) << QPoint(4, 7);
        QTest::newRow("hot without hot image")
            << 3 << true << false << true << QColor(Qt::red) << QPoint(4, 7);
        QTest::newRow("one image, disabled")
            << 1 << false << false << false << QColor(Qt::red) << QPoint(4, 7);
    }
    void glyphImageFollowsState() {
        QFETCH(int, cells);
        QFETCH(bool, enabled);
        QFETCH(bool, down);
        QFETCH(bool, hot);
        QFETCH(QColor, shown);
        QFETCH(QPoint, at);
        LbButtonLook look = withGlyph(plainLook(), cells);
        look.enabled = enabled;
        look.down = down;
        look.hot = hot;
        look.colorWhenDown = Qt::darkRed;
        const QImage image = renderLbButton(QSize(40, 30), look);
        QCOMPARE(boxOf(image, shown), QRect(at, QSize(16, 16)));
        QCOMPARE(image.pixelColor(at + QPoint(0, 15)), enabled && down ? Qt::darkRed : kFace);
    }

    void disabledCaptionIsGrey() {
        LbButtonLook look = plainLook();
        look.font.setPixelSize(20);
        look.caption = "HHHH";
        look.enabled = false;
        const QImage image = renderLbButton(QSize(120, 30), look).copy(4, 2, 112, 26);
        QVERIFY(!boxOf(image, QColor(0x80, 0x80, 0x80)).isEmpty());
        QVERIFY(boxOf(image, Qt::black).isEmpty());
    }

    // A glyph with its own transparency keeps every drawn pixel, even one in the colour of
    // its bottom-left corner.
    void glyphWithAlphaKeepsItsPixels() {
        LbButtonLook look = plainLook();
        look.glyph = QImage(16, 16, QImage::Format_ARGB32);
        look.glyph.fill(Qt::transparent);
        look.glyph.setPixelColor(4, 4, Qt::black);
        look.glyph.setPixelColor(5, 5, QColor(0, 0, 255, 128));
        look.numGlyphs = 1;
        const QImage image = renderLbButton(QSize(40, 30), look);
        QCOMPARE(image.pixelColor(4 + 4, 7 + 4), QColor(Qt::black));
        QCOMPARE(image.pixelColor(4 + 1, 7 + 1), kFace);
        const QColor blended = image.pixelColor(4 + 5, 7 + 5);
        QVERIFY(blended.blue() > blended.red() && blended.red() > 0x40);
    }

    // A 16 × 16 glyph without caption in a 100 × 40 button.
    void glyphPlacement_data() {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("layout");
        QTest::addColumn<int>("alignment");
        QTest::addColumn<QPoint>("at");
        QTest::newRow("left, left") << +bsNormal << +blGlyphLeft << +taLeftJustify << QPoint(4, 12);
        QTest::newRow("left, right")
            << +bsNormal << +blGlyphLeft << +taRightJustify << QPoint(80, 12);
        QTest::newRow("left, centre") << +bsNormal << +blGlyphLeft << +taCenter << QPoint(42, 12);
        QTest::newRow("top, centre") << +bsNormal << +blGlyphTop << +taCenter << QPoint(42, 10);
        QTest::newRow("bottom, left")
            << +bsNormal << +blGlyphBottom << +taLeftJustify << QPoint(4, 10);
        QTest::newRow("shape centres")
            << +bsShape << +blGlyphLeft << +taLeftJustify << QPoint(42, 12);
    }
    void glyphPlacement() {
        QFETCH(int, style);
        QFETCH(int, layout);
        QFETCH(int, alignment);
        QFETCH(QPoint, at);
        LbButtonLook look = withGlyph(plainLook(), 1);
        look.style = TLbSpeedButtonStyle(style);
        look.layout = TLbSpeedButtonLayout(layout);
        look.alignment = TAlignment(alignment);
        QCOMPARE(boxOf(renderLbButton(QSize(100, 40), look), Qt::red), QRect(at, QSize(16, 16)));
    }

    // The caption keeps as many characters as fit beside the glyph within the margins.
    void captionIsCutCharacterByCharacter_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("numGlyphs");
        QTest::addColumn<bool>("wordWrap");
        QTest::newRow("wide enough") << 400 << 0 << false;
        QTest::newRow("cut") << 60 << 0 << false;
        QTest::newRow("cut beside glyph") << 80 << 1 << false;
        QTest::newRow("narrower than margins") << 7 << 0 << false;
        QTest::newRow("wrapped keeps it all") << 60 << 0 << true;
    }
    void captionIsCutCharacterByCharacter() {
        QFETCH(int, width);
        QFETCH(int, numGlyphs);
        QFETCH(bool, wordWrap);
        LbButtonLook look = withGlyph(plainLook(), 1);
        look.numGlyphs = numGlyphs;
        look.caption = QStringLiteral("Příliš žluťoučký kůň");
        look.wordWrap = wordWrap;
        const QFontMetrics metrics(look.font);
        const LbButtonPlacement place = placeButtonContent(QSize(width, 23), look, metrics);
        const int available = std::max(0, width - 8 - (numGlyphs ? 20 : 0));
        QCOMPARE(place.captionBox.width(), available);
        QVERIFY(look.caption.startsWith(place.caption));
        if (wordWrap) {
            QCOMPARE(place.caption, look.caption);
            QVERIFY(place.captionBox.height() > metrics.height());
            return;
        }
        QVERIFY(metrics.horizontalAdvance(place.caption) <= available);
        if (place.caption != look.caption)
            QVERIFY(metrics.horizontalAdvance(look.caption.left(place.caption.size() + 1)) >
                    available);
    }

    void flatBevelShowsOnlyWhenHotOrDown() {
        LbButtonLook look = plainLook();
        look.flat = true;
        look.shadowColor = Qt::darkBlue;
        const auto edges = [&look] {
            const QImage image = renderLbButton(QSize(50, 20), look);
            return QList<QColor>{image.pixelColor(10, 0), image.pixelColor(49, 10)};
        };
        QCOMPARE(edges(), QList<QColor>({kFace, kFace}));
        look.hot = true;
        QCOMPARE(edges(), QList<QColor>({Qt::white, Qt::darkBlue}));
        look.hot = false;
        look.down = true;
        QCOMPARE(edges(), QList<QColor>({Qt::darkBlue, Qt::white}));
        look.enabled = false;
        QCOMPARE(edges(), QList<QColor>({kFace, kFace}));
    }

    void dropDownArrowSitsAtTheRightEdge() {
        LbButtonLook look = plainLook();
        look.fontColor = Qt::darkMagenta;
        look.showArrow = true;
        QCOMPARE(boxOf(renderLbButton(QSize(60, 24), look), Qt::darkMagenta), QRect(49, 11, 5, 3));
    }
};

QTEST_MAIN(tst_LbButtons)
#include "tst_LbButtons.moc"
