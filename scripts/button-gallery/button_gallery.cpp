// Renders every button style in every state, plus the colour presets, into one PNG:
//   button_gallery [output.png]
// Run with QT_QPA_PLATFORM=offscreen when there is no display.

#include "ui/button/LbSpeedButton.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QWidget>

#include <cstdio>

using namespace vistarel;

namespace {

constexpr int kCellW = 120;
constexpr int kCellH = 34;
constexpr int kRowH = 52;
constexpr int kWrapW = 170;
constexpr int kLabelW = 110;

// A strip of four 16 × 16 images (normal, disabled, down, hot) on a magenta key.
QPixmap glyphStrip() {
    QImage strip(64, 16, QImage::Format_RGB32);
    strip.fill(QColor(0xFF, 0x00, 0xFF));
    QPainter p(&strip);
    const QColor colours[] = {QColor(0x20, 0x80, 0x20), QColor(0x90, 0x90, 0x90),
                              QColor(0x20, 0x20, 0xA0), QColor(0xD0, 0x60, 0x00)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colours[i]);
        p.setPen(Qt::black);
        p.drawEllipse(i * 16 + 2, 2, 11, 11);
    }
    return QPixmap::fromImage(strip);
}

// One 32 × 32 image with real transparency, as the program's PNG glyphs have.
QPixmap alphaGlyph() {
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x30, 0x70, 0xC0, 200));
    p.setPen(QPen(QColor(0x10, 0x30, 0x60), 2));
    p.drawRoundedRect(3, 6, 26, 20, 4, 4);
    return QPixmap::fromImage(image);
}

void hover(TLbSpeedButton* button) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(button, &enter);
}

enum State { Normal, Hot, Down, Disabled, WithGlyph, HotGlyph, WithMenu, Wrapped, Count };
const char* const kStateNames[] = {"normal", "hot",       "down", "disabled",
                                   "glyph",  "hot glyph", "menu", "wrap + glyph"};

void applyState(TLbSpeedButton* button, State state, QMenu* menu) {
    switch (state) {
    case Hot:
    case HotGlyph:
        hover(button);
        break;
    case Down:
        button->setDown(true);
        break;
    case Disabled:
        button->setGlyph(glyphStrip());
        button->setEnabled(false);
        break;
    case WithMenu:
        button->setPopupMenu(menu);
        break;
    case Wrapped:
        button->setWordWrap(true);
        button->setCaption(QStringLiteral("Načíst snímky ke zpracování"));
        button->setGlyph(alphaGlyph());
        button->setAlignment(taLeftJustify);
        break;
    default:
        break;
    }
    if (state == WithGlyph || state == HotGlyph)
        button->setGlyph(glyphStrip());
}

void addLabel(QWidget* parent, const QString& text, int x, int y, int w) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, w, kCellH);
    label->show();
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1]) : "button_gallery.png";

    struct Row {
        QString name;
        TLbSpeedButtonStyle style;
        TLbColorStyle preset;
        bool flat;
    };
    const Row rows[] = {
        {"bsNormal", bsNormal, lcsCustom, false},
        {"bsNormal flat", bsNormal, lcsCustom, true},
        {"bsEncarta", bsEncarta, lcsCustom, false},
        {"bsModern (main)", bsModern, lcsCustom, true},
        {"bsOld", bsOld, lcsCustom, false},
        {"bsShape", bsShape, lcsCustom, false},
        {"bsQuicken", bsQuicken, lcsQuicken, false},
        {"lcsGold", bsModern, lcsGold, false},
        {"lcsChrome", bsModern, lcsChrome, false},
        {"lcsBlue", bsModern, lcsBlue, false},
        {"lcsRed", bsModern, lcsRed, false},
        {"lcsUltraFlat1", bsNormal, lcsUltraFlat1, false},
        {"lcsUltraFlat2", bsNormal, lcsUltraFlat2, false},
        {"lcsUltraFlatXP", bsNormal, lcsUltraFlatXP, false},
        {"lcsAqua", bsModern, lcsAqua, false},
        {"lcsDefault", bsNormal, lcsDefault, false},
    };

    QWidget sheet;
    QPalette background = sheet.palette();
    background.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
    sheet.setPalette(background);
    sheet.setAutoFillBackground(true);
    const int rowCount = int(std::size(rows));
    sheet.resize(kLabelW + (Count - 1) * kCellW + kWrapW + 8, (rowCount + 1) * kRowH);
    QMenu menu;
    menu.addAction("Položka");

    for (int s = 0; s < Count; ++s)
        addLabel(&sheet, kStateNames[s], kLabelW + s * kCellW, 4, kCellW);
    // Buttons take the pointer only once they are on screen.
    sheet.show();
    for (int r = 0; r < rowCount; ++r) {
        const int y = (r + 1) * kRowH - 12;
        addLabel(&sheet, rows[r].name, 4, y, kLabelW);
        for (int s = 0; s < Count; ++s) {
            auto* button = new TLbSpeedButton(&sheet);
            const bool wrapped = s == Wrapped;
            button->setGeometry(kLabelW + s * kCellW, y - (wrapped ? 7 : 0),
                                wrapped ? kWrapW : kCellW - 8, wrapped ? 48 : kCellH);
            button->setCaption(QStringLiteral("&Uložit styl"));
            button->setStyle(rows[r].style);
            button->setFlat(rows[r].flat);
            if (rows[r].style == bsModern && rows[r].preset == lcsCustom)
                button->setHotTrackColor(QColor(0xD6, 0xE6, 0xF8));
            button->setColorStyle(rows[r].preset);
            button->show();
            applyState(button, static_cast<State>(s), &menu);
        }
    }
    const bool saved = sheet.grab().save(output);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(output));
    return saved ? 0 : 1;
}
