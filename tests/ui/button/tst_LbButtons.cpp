// The shared button painter, drawn into images and checked at the pixels that pin its rules,
// and the button as the window uses it, on a real event loop: mouse and keyboard.

#include "ui/button/LbButtons.h"
#include "ui/button/LbSpeedButton.h"

#include <QPainter>
#include <QtTest>

using namespace vistarel;

namespace {

const QColor kFace{0xC0, 0xC0, 0xC0};

// 16 × 16 cells for normal, disabled, down, hot (red, green, blue, yellow), each with a
// magenta bottom-left pixel, the painter's transparent colour.
LbButtonLook look(int cells) {
    LbButtonLook look;
    look.color = kFace;
    look.font.setPixelSize(12);
    look.glyph = QImage(16 * cells, 16, QImage::Format_RGB32);
    const QColor colours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};
    for (int i = 0; i < cells; ++i) {
        QPainter(&look.glyph).fillRect(16 * i, 0, 16, 16, colours[i]);
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

QColor pixel(QWidget* widget) {
    return widget->grab().toImage().pixelColor(50, 5);
}

} // namespace

class tst_LbButtons : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;
    TLbSpeedButton* button_ = nullptr;

private slots:
    // A shown, active window holding one button, for the widget tests.
    void init() {
        window_ = std::make_unique<QWidget>();
        window_->resize(320, 120);
        button_ = new TLbSpeedButton(window_.get());
        button_->setColor(QColor(0xF0, 0xF0, 0xF0));
        button_->setColorWhenDown(Qt::red);
        button_->setCaption(QStringLiteral("&Uložit"));
        QCursor::setPos(790, 590); // the real pointer stays away; only the test's events count
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }
    void cleanup() { window_.reset(); }

    // 32 bands; band i starts at row i of a 31-row area, and the last one lies outside it.
    void gradientBandsRunFromStartToEnd() {
        const QColor start(0, 255, 10), end(255, 0, 10);
        QImage image(4, 40, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        fillGradient(painter, QRect(1, 3, 2, 31), start, end);
        painter.end();
        const std::pair<int, QColor> bands[] = {
            {0, start}, {15, QColor(123, 132, 10)}, {16, QColor(132, 123, 10)}, {30, {247, 8, 10}}};
        for (const auto& [band, colour] : bands)
            QCOMPARE(image.pixelColor(2, 3 + band), colour);
        QCOMPARE(gradientBandColor(start, end, 31), end);
        QCOMPARE(image.pixelColor(1, 34).alpha(), 0);
    }

    // The strip's image for the state, shifted while pressed; a missing one falls back.
    void glyphImageFollowsState() {
        const struct {
            int cells;
            bool enabled, down, hot;
            QColor shown;
        } rows[] = {{4, true, false, false, Qt::red}, {4, false, false, false, Qt::green},
                    {4, true, true, false, Qt::blue}, {4, true, false, true, Qt::yellow},
                    {4, true, true, true, Qt::blue},  {4, false, true, false, Qt::green},
                    {3, true, false, true, Qt::red},  {1, false, false, false, Qt::red}};
        for (const auto& row : rows) {
            LbButtonLook state = look(row.cells);
            state.enabled = row.enabled;
            state.down = row.down;
            state.hot = row.hot;
            state.colorWhenDown = Qt::darkRed;
            const QImage image = renderLbButton(QSize(40, 30), state);
            const QPoint at = row.enabled && row.down ? QPoint(5, 8) : QPoint(4, 7);
            QCOMPARE(boxOf(image, row.shown), QRect(at, QSize(16, 16)));
            QCOMPARE(image.pixelColor(at + QPoint(0, 15)),
                     state.down && row.enabled ? Qt::darkRed : kFace);
        }
    }

    // Down while pressed; a click only when released over it.
    void pressingAndReleasing() {
        QSignalSpy clicked(button_, &QAbstractButton::clicked);
        QTest::mousePress(button_, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(button_->Down());
        QTest::mouseRelease(button_, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mousePress(button_, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(button_, Qt::LeftButton, {}, QPoint(150, 10));
        QVERIFY(!button_->Down());
        QCOMPARE(clicked.count(), 1);
    }

    // By accelerator or Enter: clicked, drawn down meanwhile; never while disabled.
    void keyboardClicksAreDrawnDown() {
        button_->setFocus();
        QList<QColor> duringClicks;
        connect(button_, &QAbstractButton::clicked, this, [&] { duringClicks << pixel(button_); });
        for (bool enabled : {true, false}) {
            button_->setEnabled(enabled);
            QTest::keyClick(window_.get(), Qt::Key_U, Qt::AltModifier);
            QTest::keyClick(button_, Qt::Key_Return);
        }
        QCOMPARE(duringClicks, QList<QColor>({Qt::red, Qt::red}));
        QVERIFY(!button_->Down());
    }
};

QTEST_MAIN(tst_LbButtons)
#include "tst_LbButtons.moc"
