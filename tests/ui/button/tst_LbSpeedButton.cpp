// The button as the window uses it, on a real event loop: mouse and keyboard.

#include "ui/button/LbSpeedButton.h"

#include <QtTest>

using namespace vistarel;

namespace {

QColor pixel(QWidget* widget) {
    return widget->grab().toImage().pixelColor(50, 5);
}

} // namespace

class tst_LbSpeedButton : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;
    TLbSpeedButton* button_ = nullptr;

private slots:
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

QTEST_MAIN(tst_LbSpeedButton)
#include "tst_LbSpeedButton.moc"
