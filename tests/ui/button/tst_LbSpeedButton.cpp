// The button as a widget: pointer, mouse, keyboard, groups and presets, on a real event loop.

#include "ui/button/LbSpeedButton.h"

#include <QMenu>
#include <QPainter>
#include <QtTest>

using namespace vistarel;

namespace {

void enter(TLbSpeedButton& button) {
    QEnterEvent event(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &event);
}

void leave(TLbSpeedButton& button) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&button, &event);
}

QColor pixel(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}

} // namespace

class tst_LbSpeedButton : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void defaults();
    void glyphSetsNumberOfImages();
    void hoverShowsHotColourAndLeavingRestoresIt();
    void disabledButtonIgnoresThePointer();
    void slowDeceaseFadesOutOnTheEventLoop();
    void momentaryButtonIsDownOnlyWhilePressed();
    void groupedButtonsExcludeEachOther();
    void allowAllUpReleasesTheDownButton();
    void colorStylePresets_data();
    void colorStylePresets();
    void quickenIsWhiteOnDarkBlue();
    void disabledDownButtonIsDrawnUp();
    void backgroundShowsAroundRoundedFace();
    void keyboardClicksDrawnDown_data();
    void keyboardClicksDrawnDown();
    void popupMenuOpensBelowBeforeClick();

private:
    std::unique_ptr<QWidget> window_;
};

void tst_LbSpeedButton::init() {
    window_ = std::make_unique<QWidget>();
    window_->resize(320, 120);
    QPalette colours = window_->palette();
    colours.setColor(QPalette::Window, QColor(0x11, 0x88, 0x22));
    window_->setPalette(colours);
    window_->setAutoFillBackground(true);
    // Keep the real pointer away, so only the test's own events reach the buttons.
    window_->move(0, 0);
    QCursor::setPos(790, 590);
}

void tst_LbSpeedButton::cleanup() {
    window_.reset();
}

void tst_LbSpeedButton::defaults() {
    TLbSpeedButton button;
    QCOMPARE(button.size(), QSize(100, 23));
    QCOMPARE(button.Color(), button.palette().color(QPalette::Button));
    QVERIFY(!button.ColorWhenDown().isValid() && !button.HotTrackColor().isValid());
    QCOMPARE(button.HotTrackFont(), button.font());
    QCOMPARE(button.focusPolicy(), Qt::TabFocus);
}

void tst_LbSpeedButton::glyphSetsNumberOfImages() {
    TLbSpeedButton button;
    button.setGlyph(QPixmap(64, 16));
    QCOMPARE(button.NumGlyphs(), 4);
    button.setGlyph(QPixmap(40, 16));
    QCOMPARE(button.NumGlyphs(), 2);
    button.setGlyph(QPixmap());
    QCOMPARE(button.NumGlyphs(), 0);
    QVERIFY(button.Glyph().isNull());
}

void tst_LbSpeedButton::hoverShowsHotColourAndLeavingRestoresIt() {
    auto* button = new TLbSpeedButton(window_.get());
    button->setColor(QColor(0xF0, 0xF0, 0xF0));
    button->setHotTrackColor(QColor(0xD6, 0xE6, 0xF8));
    window_->show();
    QSignalSpy entered(button, &TLbSpeedButton::mouseEnter);
    QSignalSpy exited(button, &TLbSpeedButton::mouseExit);

    enter(*button);
    QVERIFY(button->MouseInControl());
    QCOMPARE(button->FadeLevel(), 8);
    QCOMPARE(pixel(*button, 50, 5), QColor(0xD6, 0xE6, 0xF8));
    QCOMPARE(entered.count(), 1);

    leave(*button);
    QVERIFY(!button->MouseInControl());
    QCOMPARE(button->FadeLevel(), 0);
    QVERIFY(!button->isFading());
    QCOMPARE(pixel(*button, 50, 5), QColor(0xF0, 0xF0, 0xF0));
    QCOMPARE(exited.count(), 1);
}

void tst_LbSpeedButton::disabledButtonIgnoresThePointer() {
    auto* button = new TLbSpeedButton(window_.get());
    button->setHotTrackColor(Qt::red);
    button->setEnabled(false);
    window_->show();
    QSignalSpy entered(button, &TLbSpeedButton::mouseEnter);
    QSignalSpy exited(button, &TLbSpeedButton::mouseExit);
    enter(*button);
    leave(*button);
    QVERIFY(!button->MouseInControl());
    QCOMPARE(entered.count(), 0);
    QCOMPARE(exited.count(), 0);
}

void tst_LbSpeedButton::slowDeceaseFadesOutOnTheEventLoop() {
    auto* button = new TLbSpeedButton(window_.get());
    button->setHotTrackColor(Qt::blue);
    button->setSlowDecease(true);
    window_->show();

    enter(*button);
    leave(*button);
    QVERIFY(button->isFading());
    QVERIFY(button->FadeLevel() > 0);
    QTRY_COMPARE(button->FadeLevel(), 0);
    QVERIFY(!button->isFading());
    QCOMPARE(pixel(*button, 50, 5), button->Color());

    // Coming back during a fade stops it at the full hot colour.
    enter(*button);
    leave(*button);
    enter(*button);
    QCOMPARE(button->FadeLevel(), 8);
    QVERIFY(!button->isFading());

    // Turning the fade off mid-way clears the hot colour at once.
    leave(*button);
    button->setSlowDecease(false);
    QCOMPARE(button->FadeLevel(), 0);
    QVERIFY(!button->isFading());
}

void tst_LbSpeedButton::momentaryButtonIsDownOnlyWhilePressed() {
    auto* button = new TLbSpeedButton(window_.get());
    window_->show();
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(button->Down());
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(10, 10));
    QVERIFY(!button->Down());
    QCOMPARE(clicked.count(), 1);
    // Released outside: up again, but no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 10));
    QVERIFY(!button->Down());
    QCOMPARE(clicked.count(), 1);
}

void tst_LbSpeedButton::groupedButtonsExcludeEachOther() {
    TLbSpeedButton* group[3];
    for (int i = 0; i < 3; ++i) {
        group[i] = new TLbSpeedButton(window_.get());
        group[i]->setGroupIndex(1);
        group[i]->move(i * 100, 0);
    }
    auto* otherGroup = new TLbSpeedButton(window_.get());
    otherGroup->setGroupIndex(2);
    otherGroup->move(0, 50);
    otherGroup->setDown(true);
    QWidget elsewhere;
    auto* otherParent = new TLbSpeedButton(&elsewhere);
    otherParent->setGroupIndex(1);
    otherParent->setDown(true);
    window_->show();

    QTest::mouseClick(group[0], Qt::LeftButton);
    QVERIFY(group[0]->Down());
    QTest::mouseClick(group[1], Qt::LeftButton);
    QVERIFY(!group[0]->Down() && group[1]->Down() && !group[2]->Down());
    QTest::mouseClick(group[1], Qt::LeftButton); // clicking the down one again does nothing
    QVERIFY(group[1]->Down());
    group[2]->setDown(true);
    QVERIFY(!group[1]->Down() && group[2]->Down());
    QVERIFY(otherGroup->Down());
    QVERIFY(otherParent->Down());
}

void tst_LbSpeedButton::allowAllUpReleasesTheDownButton() {
    auto* first = new TLbSpeedButton(window_.get());
    auto* second = new TLbSpeedButton(window_.get());
    second->move(100, 0);
    for (auto* button : {first, second}) {
        button->setGroupIndex(7);
        button->setAllowAllUp(true);
    }
    window_->show();
    QSignalSpy clicked(first, &QAbstractButton::clicked);
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(first->Down());
    QTest::mouseClick(first, Qt::LeftButton);
    QVERIFY(!first->Down() && !second->Down());
    QCOMPARE(clicked.count(), 2);
}

void tst_LbSpeedButton::colorStylePresets_data() {
    QTest::addColumn<int>("preset");
    QTest::addColumn<QColor>("color"); // invalid: the button-face colour
    QTest::addColumn<QColor>("light");
    QTest::addColumn<QColor>("shadow");
    QTest::addColumn<QColor>("whenDown");
    QTest::addColumn<QColor>("hot");
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("flat");
    const QColor none;
    auto c = [](const char* hex) { return QColor(QString::fromLatin1(hex)); };
    QTest::newRow("gold") << +lcsGold << c("#C0C000") << c("#FFFF00") << c("#808000") << none
                          << c("#DFDF00") << +bsModern << false;
    QTest::newRow("chrome") << +lcsChrome << c("#C0C0C0") << c("#FFFFFF") << c("#808080") << none
                            << none << +bsModern << false;
    QTest::newRow("blue") << +lcsBlue << c("#0080FF") << c("#00FFFF") << c("#0000FF") << none
                          << none << +bsModern << false;
    QTest::newRow("red") << +lcsRed << c("#FF0000") << c("#FFC0C0") << c("#C00000") << none << none
                         << +bsModern << false;
    QTest::newRow("ultra flat 1") << +lcsUltraFlat1 << none << c("#8492B5") << c("#8492B5")
                                  << c("#8492B5") << c("#D6D3DE") << +bsNormal << true;
    QTest::newRow("ultra flat 2") << +lcsUltraFlat2 << none << c("#000000") << c("#000000")
                                  << c("#BCDA24") << c("#E4F68C") << +bsNormal << true;
    QTest::newRow("ultra flat XP")
        << +lcsUltraFlatXP << c("#DBD8D1") << c("#8492B5") << c("#8592B5") << c("#8592B5")
        << c("#B6BDD2") << +bsNormal << true;
    QTest::newRow("aqua") << +lcsAqua << c("#94CEEC") << c("#D4E6FC") << c("#000000") << none
                          << none << +bsModern << false;
    QTest::newRow("default") << +lcsDefault << none << c("#FFFFFF") << c("#808080") << none << none
                             << +bsNormal << false;
    QTest::newRow("quicken") << +lcsQuicken << c("#003060") << c("#C0C0C0") << c("#C0C0C0")
                             << c("#2965AD") << c("#9CAECE") << +bsQuicken << false;
}

void tst_LbSpeedButton::colorStylePresets() {
    QFETCH(int, preset);
    QFETCH(QColor, color);
    QFETCH(QColor, light);
    QFETCH(QColor, shadow);
    QFETCH(QColor, whenDown);
    QFETCH(QColor, hot);
    QFETCH(int, style);
    QFETCH(bool, flat);
    TLbSpeedButton button;
    // Start from values no preset uses, so every field must be set.
    button.setColor(Qt::darkCyan);
    button.setColorWhenDown(Qt::darkCyan);
    button.setHotTrackColor(Qt::darkCyan);
    button.setFlat(!flat);
    button.setStyle(bsOld);
    button.setFontColor(Qt::darkCyan);

    button.setColorStyle(TLbColorStyle(preset));
    QCOMPARE(button.Color(), color.isValid() ? color : button.palette().color(QPalette::Button));
    QCOMPARE(button.LightColor(), light);
    QCOMPARE(button.ShadowColor(), shadow);
    QCOMPARE(button.ColorWhenDown(), whenDown);
    QCOMPARE(button.HotTrackColor(), hot);
    QCOMPARE(int(button.Style()), style);
    QCOMPARE(button.Flat(), flat);
    QCOMPARE(button.FontColor(), QColor(preset == lcsQuicken ? Qt::white : Qt::black));
    QCOMPARE(button.ColorStyle(), lcsCustom);

    // The custom preset leaves everything as it is.
    button.setColor(Qt::darkCyan);
    button.setColorStyle(lcsCustom);
    QCOMPARE(button.Color(), QColor(Qt::darkCyan));
    QCOMPARE(button.LightColor(), light);
}

void tst_LbSpeedButton::quickenIsWhiteOnDarkBlue() {
    auto* button = new TLbSpeedButton(window_.get());
    button->resize(120, 30);
    QFont font = button->font();
    font.setPixelSize(18);
    font.setBold(true);
    button->setFont(font);
    button->setCaption("HHHHH");
    button->setColorStyle(lcsQuicken);
    window_->show();
    const QImage image = window_->grab().toImage();
    QCOMPARE(image.pixelColor(3, 15), QColor(0x00, 0x30, 0x60));
    QCOMPARE(image.pixelColor(60, 1), QColor(0xC0, 0xC0, 0xC0));
    QCOMPARE(image.pixelColor(60, 0), QColor(0x11, 0x88, 0x22)); // behind the rounded face
    int white = 0;
    for (int x = 0; x < 120; ++x)
        white += image.pixelColor(x, 15) == QColor(Qt::white) ? 1 : 0;
    QVERIFY(white > 0);
}

void tst_LbSpeedButton::disabledDownButtonIsDrawnUp() {
    auto* button = new TLbSpeedButton(window_.get());
    button->resize(60, 30);
    button->setColorWhenDown(Qt::red);
    QImage strip(48, 16, QImage::Format_RGB32);
    strip.fill(Qt::magenta);
    QPainter(&strip).fillRect(17, 0, 14, 14, Qt::green); // the disabled image
    button->setGlyph(QPixmap::fromImage(strip));
    button->setDown(true);
    button->setEnabled(false);
    window_->show();
    QVERIFY(button->Down());
    QCOMPARE(pixel(*button, 50, 15), button->Color());
    QCOMPARE(pixel(*button, 4 + 1, 7), QColor(Qt::green));
}

void tst_LbSpeedButton::backgroundShowsAroundRoundedFace() {
    auto* modern = new TLbSpeedButton(window_.get());
    modern->setStyle(bsModern);
    auto* see = new TLbSpeedButton(window_.get());
    see->move(150, 0);
    see->setTransparent(true);
    window_->show();
    const QImage image = window_->grab().toImage();
    const QColor behind(0x11, 0x88, 0x22);
    QCOMPARE(image.pixelColor(0, 0), behind);
    QVERIFY(image.pixelColor(50, 5) != behind);
    QCOMPARE(image.pixelColor(150 + 80, 11), behind);
}

void tst_LbSpeedButton::keyboardClicksDrawnDown_data() {
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("its accelerator") << false;
    QTest::newRow("Enter on the focused button") << true;
}

void tst_LbSpeedButton::keyboardClicksDrawnDown() {
    QFETCH(bool, byEnter);
    auto* button = new TLbSpeedButton(window_.get());
    button->setCaption(QStringLiteral("&Uložit"));
    button->setColorWhenDown(Qt::red);
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QColor duringClick;
    bool downDuringClick = true;
    connect(button, &QAbstractButton::clicked, this, [&] {
        duringClick = pixel(*button, 50, 5);
        downDuringClick = button->Down();
    });
    const auto press = [&] {
        if (byEnter)
            QTest::keyClick(button, Qt::Key_Return);
        else
            QTest::keyClick(window_.get(), Qt::Key_U, Qt::AltModifier);
    };
    button->setFocus();
    QSignalSpy clicked(button, &QAbstractButton::clicked);
    press();
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(duringClick, QColor(Qt::red));
    QVERIFY(downDuringClick);
    QVERIFY(!button->Down());

    button->setEnabled(false);
    press();
    QCOMPARE(clicked.count(), 1);
}

void tst_LbSpeedButton::popupMenuOpensBelowBeforeClick() {
    auto* button = new TLbSpeedButton(window_.get());
    button->move(20, 30);
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

QTEST_MAIN(tst_LbSpeedButton)
#include "tst_LbSpeedButton.moc"
