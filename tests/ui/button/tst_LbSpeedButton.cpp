// The button as a widget on a real event loop: pointer, mouse, keyboard, groups, menu.

#include "ui/button/LbSpeedButton.h"

#include <QMenu>
#include <QtTest>

using namespace vistarel;

namespace {

void enter(TLbSpeedButton* button) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &event);
}

void leave(TLbSpeedButton* button) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(button, &event);
}

QColor pixel(QWidget* widget, int x, int y) {
    return widget->grab().toImage().pixelColor(x, y);
}

} // namespace

class tst_LbSpeedButton : public QObject {
    Q_OBJECT

    std::unique_ptr<QWidget> window_;
    TLbSpeedButton* add(int x = 0, int y = 0) {
        auto* button = new TLbSpeedButton(window_.get());
        button->move(x, y);
        return button;
    }

private slots:
    void init() {
        window_ = std::make_unique<QWidget>();
        window_->resize(320, 120);
        QPalette colours = window_->palette();
        colours.setColor(QPalette::Window, QColor(0x11, 0x88, 0x22));
        window_->setPalette(colours);
        window_->setAutoFillBackground(true);
        // Keep the real pointer away, so only the test's own events reach the buttons.
        QCursor::setPos(790, 590);
    }
    void cleanup() { window_.reset(); }

    // Hot at once, back at once, or fading out over the event loop; a disabled button
    // ignores the pointer.
    void hoverShowsTheHotColourAndSlowDeceaseFadesItOut() {
        auto* button = add();
        button->setColor(QColor(0xF0, 0xF0, 0xF0));
        button->setHotTrackColor(QColor(0xD6, 0xE6, 0xF8));
        auto* disabled = add(150);
        disabled->setEnabled(false);
        window_->show();
        QSignalSpy entered(button, &TLbSpeedButton::mouseEnter);
        QSignalSpy disabledEntered(disabled, &TLbSpeedButton::mouseEnter);
        enter(button);
        enter(disabled);
        QCOMPARE(pixel(button, 50, 5), QColor(0xD6, 0xE6, 0xF8));
        QVERIFY(!disabled->MouseInControl());
        QCOMPARE(entered.count(), 1);
        QCOMPARE(disabledEntered.count(), 0);
        leave(button);
        QCOMPARE(pixel(button, 50, 5), QColor(0xF0, 0xF0, 0xF0));

        button->setSlowDecease(true);
        enter(button);
        leave(button);
        QVERIFY(button->FadeLevel() > 0);
        QTRY_COMPARE(button->FadeLevel(), 0);
        QCOMPARE(pixel(button, 50, 5), QColor(0xF0, 0xF0, 0xF0));
        enter(button);
        leave(button);
        enter(button); // back during the fade: full hot colour, no fade
        QCOMPARE(button->FadeLevel(), 8);
        QVERIFY(!button->isFading());
    }

    // A plain button is down while pressed and clicks when released over it; buttons of a
    // group under one parent exclude each other, and AllowAllUp lets the down one go up.
    void pressingAndGroups() {
        auto* plain = add(0, 50);
        TLbSpeedButton* group[] = {add(0), add(100), add(200)};
        for (auto* button : group)
            button->setGroupIndex(1);
        QWidget elsewhere;
        auto* otherParent = new TLbSpeedButton(&elsewhere);
        otherParent->setGroupIndex(1);
        otherParent->setDown(true);
        window_->show();
        QSignalSpy clicked(plain, &QAbstractButton::clicked);
        QTest::mousePress(plain, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(plain->Down());
        QTest::mouseRelease(plain, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mousePress(plain, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(plain, Qt::LeftButton, {}, QPoint(150, 10)); // outside: no click
        QVERIFY(!plain->Down());
        QCOMPARE(clicked.count(), 1);

        QTest::mouseClick(group[0], Qt::LeftButton);
        QTest::mouseClick(group[1], Qt::LeftButton);
        QTest::mouseClick(group[1], Qt::LeftButton); // the down one stays down
        QVERIFY(!group[0]->Down() && group[1]->Down() && !group[2]->Down());
        group[2]->setDown(true);
        QVERIFY(!group[1]->Down() && otherParent->Down());
        group[2]->setAllowAllUp(true);
        QTest::mouseClick(group[2], Qt::LeftButton);
        QVERIFY(!group[2]->Down());
    }

    // By its accelerator or by Enter while focused: clicked, drawn down meanwhile, and
    // not at all while disabled.
    void keyboardClicksAreDrawnDown() {
        auto* button = add();
        button->setCaption(QStringLiteral("&Uložit"));
        button->setColorWhenDown(Qt::red);
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
        button->setFocus();
        QList<QColor> duringClicks;
        connect(button, &QAbstractButton::clicked, this,
                [&] { duringClicks << pixel(button, 50, 5); });
        for (bool enabled : {true, false}) {
            button->setEnabled(enabled);
            QTest::keyClick(window_.get(), Qt::Key_U, Qt::AltModifier);
            QTest::keyClick(button, Qt::Key_Return);
        }
        QCOMPARE(duringClicks, QList<QColor>({Qt::red, Qt::red}));
        QVERIFY(!button->Down());
    }

    void popupMenuOpensBelowBeforeTheClick() {
        auto* button = add(20, 30);
        QMenu menu;
        menu.addAction("Jedna");
        button->setPopupMenu(&menu);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        QStringList order;
        QPoint shownAt;
        connect(&menu, &QMenu::aboutToShow, this, [&] {
            order << "menu";
            QTimer::singleShot(0, &menu, [&] {
                shownAt = menu.pos();
                menu.close();
            });
        });
        connect(button, &QAbstractButton::clicked, this, [&] { order << "click"; });
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(order, QStringList({"menu", "click"}));
        QCOMPARE(shownAt, button->mapToGlobal(QPoint(0, button->height())));
    }
};

QTEST_MAIN(tst_LbSpeedButton)
#include "tst_LbSpeedButton.moc"
