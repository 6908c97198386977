#include "TempFolder.h"
#include "TestPhotos.h"
#include "album/PhotoPipeline.h"
#include "common/FileSystem.h"
#include "ui/button/LbSpeedButton.h"
#include "ui/controls/LayoutScale.h"
#include "ui/controls/UpDown.h"
#include "ui/dialogs/DialogHook.h"
#include "ui/dialogs/QtTranslation.h"
#include "ui/window/CaptionFit.h"
#include "ui/window/HelpView.h"
#include "ui/window/Vistarel_u.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QSlider>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QToolButton>
#include <QtTest>
#include <filesystem>
#include <memory>

using namespace vistarel;
using vistarel::testing::TempFolder;

namespace {

const std::string kHelpText = "{\\rtf1\\ansi\\ansicpg1250 Prvn\\'ed \\b verze\\b0\\par}";

// A program folder with two styles and, unless told otherwise, a help file.
struct ProgramFolder {
    TempFolder folder;
    explicit ProgramFolder(bool withHelp = true) {
        const std::string css = folder.subfolder("css");
        writeFileBytes(css + "zeleny.css", ".big{}\r\n");
        writeFileBytes(css + "Modry.css", ".big{}\r\n");
        if (withHelp)
            writeFileBytes(folder.file("help.rtf"), kHelpText);
        setProgramFolder(folder.path());
    }
};

template <class Control> Control* control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

std::vector<QString> messageTexts() {
    std::vector<QString> texts;
    for (const auto& shown : DialogHook::instance().shownMessages())
        texts.push_back(shown.title + ": " + shown.text);
    return texts;
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

// Where a group box's style puts its caption.
QRect captionRect(const QGroupBox& group) {
    QStyleOptionGroupBox option;
    option.initFrom(&group);
    option.text = group.title();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    return group.style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel,
                                         &group);
}

bool nothingDrawnIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

QFont pixelFont(const char* family, int pixels) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    return font;
}

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void qtTextsAreCzech();
    void windowAndPages();
    void controlPositions_data();
    void controlPositions();
    void startValues();
    void commandButtonsAreFlatWithGlyphs();
    void everyButtonHasAName();
    void fitsTheDesktopFont_data();
    void fitsTheDesktopFont();
    void folderButtons_data();
    void folderButtons();
    void qualityControlsStayInStep();
    void sizeChangeShowsNoticeInCodeOnly();
    void helpIsReadAtEveryVisit();
    void missingHelpIsReported();
    void noStyleLeavesListEmpty();
    void loadBuildAndCodeOnly();
    void stopDuringBuild();
    void buildErrorGivesButtonsBack();
    void closeDuringBuildStopsThenCloses();

private:
    QFont desktopFont_;
    std::unique_ptr<ProgramFolder> program_;
    std::unique_ptr<TempFolder> album_;
    std::string input_, output_;
    void loadPhotos(TfVL& window, int count);
    int loadPhotosForLongBuild(TfVL& window);
    void atThirdYieldBeforeFirstPhoto(TfVL& window, std::function<void()> act);
};

void tst_MainWindow::initTestCase() {
    desktopFont_ = QApplication::font();
    QVERIFY(installQtTranslation(*qApp));
}

void tst_MainWindow::init() {
    program_ = std::make_unique<ProgramFolder>();
    DialogHook::instance().setUnattended(true);
    DialogHook::instance().clearShownMessages();
}

void tst_MainWindow::cleanup() {
    QApplication::setFont(desktopFont_);
}

void tst_MainWindow::qtTextsAreCzech() {
    QLineEdit edit;
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Zpět\tCtrl+Z"));
}

void tst_MainWindow::windowAndPages() {
    TfVL window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Vistarel 2.0.5"));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
    auto* pages = control<QTabWidget>(window, "PG");
    const QStringList names{"TSVolby", "TSKoment", "TSVzhled", "TabSheet1", "TSAbout"};
    const QStringList captions{"Základní volby", "Komentáře", "Vzhled", "Nápověda", "O programu"};
    QCOMPARE(pages->count(), 5);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(pages->widget(i)->objectName(), names[i]);
        QCOMPARE(pages->tabText(i), captions[i]);
    }
    QCOMPARE(pages->currentIndex(), 0);
    auto* about = control<QLabel>(window, "Image1");
    QCOMPARE(about->geometry(), scaledRect({0, -13, 327, 315}, window.layoutScale()));
    QVERIFY(!about->pixmap().isNull());
}

void tst_MainWindow::controlPositions_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");
    const std::pair<const char*, QRect> table[] = {
        {"edtNazevAlba", {69, 5, 250, 19}},       {"GroupBox1", {5, 27, 315, 96}},
        {"edtAdrInput", {9, 30, 266, 19}},        {"btnAdrImput", {282, 30, 23, 20}},
        {"edtAdrOutput", {9, 70, 266, 19}},       {"btnAdrOutput", {282, 69, 23, 20}},
        {"GroupBox2", {5, 126, 167, 67}},         {"cmbNahled", {77, 16, 84, 21}},
        {"cmbSnimky", {77, 40, 84, 21}},          {"btnNactiKeZprac", {181, 133, 138, 58}},
        {"GroupBox3", {5, 195, 315, 70}},         {"cmbStyl", {67, 13, 238, 21}},
        {"btnStylUpravit", {52, 41, 94, 23}},     {"btnStylNovy", {168, 41, 94, 23}},
        {"btnVytvoritAlbum", {11, 272, 104, 23}}, {"btnPouzeKod", {129, 272, 184, 23}},
        {"pbProces", {6, 272, 283, 22}},          {"btnStop", {295, 273, 23, 20}},
        {"GroupBox4", {5, 2, 315, 92}},           {"tbQNahled", {84, 15, 175, 34}},
        {"edtQNahled", {264, 16, 26, 19}},        {"udQNahled", {290, 16, 15, 19}},
        {"tbQSnimek", {84, 51, 175, 34}},         {"edtQSnimek", {264, 53, 26, 19}},
        {"udQSnimek", {290, 53, 15, 19}},         {"LbSpeedButton1", {48, 98, 94, 23}},
        {"btnUlozStyl", {187, 98, 94, 23}},       {"GroupBox5", {5, 123, 315, 170}},
    };
    for (const auto& [name, geometry] : table)
        QTest::newRow(name) << QString::fromLatin1(name) << geometry;
}

void tst_MainWindow::controlPositions() {
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    TfVL window;
    auto* found = window.findChild<QWidget*>(name);
    QVERIFY(found);
    QCOMPARE(found->geometry(), scaledRect(geometry, window.layoutScale()));
}

void tst_MainWindow::startValues() {
    TfVL window;
    QCOMPARE(control<QLineEdit>(window, "edtNazevAlba")->text(), QStringLiteral("Vistarel"));
    QVERIFY(control<QLineEdit>(window, "edtAdrInput")->isReadOnly());
    QVERIFY(control<QLineEdit>(window, "edtAdrInput")->text().isEmpty());
    QVERIFY(control<QLineEdit>(window, "edtAdrOutput")->text().isEmpty());
    auto* thumbs = control<QComboBox>(window, "cmbNahled");
    QCOMPARE(thumbs->currentText(), QStringLiteral("100x75"));
    QCOMPARE(thumbs->count(), 5);
    QCOMPARE(thumbs->itemText(0), QStringLiteral("240x180"));
    QVERIFY(thumbs->isEditable());
    auto* photos = control<QComboBox>(window, "cmbSnimky");
    QCOMPARE(photos->currentText(), QStringLiteral("800x600"));
    QCOMPARE(photos->itemText(4), QStringLiteral("320x240"));
    auto* styles = control<QComboBox>(window, "cmbStyl");
    QVERIFY(!styles->isEditable());
    QCOMPARE(styles->count(), 2);
    QCOMPARE(styles->currentText(), QStringLiteral("Modry.css"));

    QVERIFY(!control<QWidget>(window, "btnVytvoritAlbum")->isEnabled());
    QVERIFY(!control<QWidget>(window, "btnPouzeKod")->isEnabled());
    QVERIFY(control<QWidget>(window, "pbProces")->isHidden());
    QVERIFY(control<QWidget>(window, "btnStop")->isHidden());
    QCOMPARE(control<QWidget>(window, "pbProces")->toolTip(), QStringLiteral("Stop"));
    QCOMPARE(control<QSlider>(window, "tbQNahled")->value(), 60);
    QCOMPARE(control<QLineEdit>(window, "edtQNahled")->text(), QStringLiteral("60"));
    QCOMPARE(control<QSlider>(window, "tbQSnimek")->value(), 80);
    QCOMPARE(control<QLineEdit>(window, "edtQSnimek")->text(), QStringLiteral("80"));
    QCOMPARE(control<QSlider>(window, "tbQSnimek")->tickInterval(), 10);

    const std::pair<const char*, int> tags[] = {{"btnAdrImput", 1}, {"btnAdrOutput", 2},
                                                {"tbQNahled", 1},   {"tbQSnimek", 2},
                                                {"edtQNahled", 3},  {"edtQSnimek", 4}};
    for (const auto& [name, tag] : tags)
        QCOMPARE(control<QObject>(window, name)->property("tag").toInt(), tag);

    const AlbumSettings settings = window.readSettings();
    QCOMPARE(settings.albumName, std::string("Vistarel"));
    QCOMPARE(settings.thumbSizeText, std::string("100x75"));
    QCOMPARE(settings.photoSizeText, std::string("800x600"));
    QCOMPARE(settings.thumbQuality, 60);
    QCOMPARE(settings.photoQuality, 80);
    QCOMPARE(settings.styleName, std::string("Modry.css"));
    QCOMPARE(settings.previewHeight, scaledRect({5, 5, 315, 186}, window.layoutScale()).height());
    QVERIFY(!window.state().resolutionChanged);
    QVERIFY(DialogHook::instance().shownMessages().empty());
}

void tst_MainWindow::commandButtonsAreFlatWithGlyphs() {
    TfVL window;
    const auto buttons = window.findChildren<TLbSpeedButton*>();
    QCOMPARE(buttons.size(), 11);
    for (const TLbSpeedButton* button : buttons) {
        QVERIFY2(button->Style() == bsModern, qPrintable(button->objectName()));
        QVERIFY2(button->Flat(), qPrintable(button->objectName()));
        QCOMPARE(button->HotTrackColor(), QColor(214, 230, 248));
        QVERIFY2(!button->Glyph().isNull(), qPrintable(button->objectName()));
        QCOMPARE(button->NumGlyphs(), 1);
    }
    // Glyphs grow with the layout.
    auto* load = control<TLbSpeedButton>(window, "btnNactiKeZprac");
    QCOMPARE(load->Glyph().width(), scaledLength(32, window.layoutScale()));
    QVERIFY(load->WordWrap());
    QCOMPARE(control<TLbSpeedButton>(window, "btnVytvoritAlbum")->Glyph().width(),
             scaledLength(16, window.layoutScale()));
    QCOMPARE(load->Caption(), QStringLiteral("Načíst snímky ke zpracování"));
    QCOMPARE(control<TLbSpeedButton>(window, "btnPouzeKod")->Caption(),
             QStringLiteral("Pouze kód + Uložení komentářů"));
}

// A screen reader has a name to say for every button, those without a caption included.
void tst_MainWindow::everyButtonHasAName() {
    TfVL window;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (qobject_cast<const QAbstractItemView*>(button->parentWidget()))
            continue; // the style list's corner button, never shown
        const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                 qPrintable(button->objectName()));
    }
}

void tst_MainWindow::fitsTheDesktopFont_data() {
    QTest::addColumn<QFont>("desktop");
    QTest::addColumn<double>("fontScale");
    QTest::newRow("8 pt, the grid's own") << QFont("DejaVu Sans", 8) << 1.0;
    QTest::newRow("10 pt, a stock desktop") << QFont("DejaVu Sans", 10) << 1.25;
    QTest::newRow("12 pt, narrower family") << QFont("Liberation Sans", 12) << 1.5;
    QTest::newRow("set in pixels") << pixelFont("DejaVu Sans", 16) << 1.5;
}

// The window's text is the desktop's size, not merely a size that fits; the layout grows
// with it, every caption fits, and no group's frame runs through a caption or a control.
void tst_MainWindow::fitsTheDesktopFont() {
    QFETCH(QFont, desktop);
    QFETCH(double, fontScale);
    QCOMPARE(layoutScaleForFont(desktop, 96), fontScale);
    QApplication::setFont(desktop);
    TfVL window;
    window.show();
    for (const char* name : {"Label1", "GroupBox1", "edtAdrInput", "cmbStyl", "btnPouzeKod",
                             "lvStyl", "mmKoment", "PG"})
        QCOMPARE(QFontInfo(control<QWidget>(window, name)->font()).pixelSize(),
                 QFontInfo(desktop).pixelSize());
    QVERIFY(control<QWidget>(window, "GroupBox1")->font().bold());
    QVERIFY(!control<QWidget>(window, "Label1")->font().bold());
    const double scale = window.layoutScale();
    QVERIFY2(scale >= fontScale && scale < fontScale * 1.2, qPrintable(QString::number(scale)));
    QCOMPARE(window.size(), scaledRect({0, 0, 334, 327}, scale).size());

    // The widest texts the quality edits can show.
    control<QLineEdit>(window, "edtQNahled")->setText(QStringLiteral("100"));
    control<QLineEdit>(window, "edtQSnimek")->setText(QStringLiteral("100"));
    const QStringList clipped = clippedCaptions(&window);
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(", ")));

    for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
        // What the group draws itself, frame and caption, without its controls.
        QImage drawn(group->size(), QImage::Format_ARGB32);
        drawn.fill(Qt::transparent);
        group->render(&drawn, {}, {}, {});
        // The caption's blank margins show that no line runs through it.
        const QRect caption = captionRect(*group);
        QVERIFY(nothingDrawnIn(drawn, {caption.topLeft(), QSize(1, caption.height())}));
        QVERIFY(nothingDrawnIn(drawn, {caption.topRight(), QSize(1, caption.height())}));
        for (const QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            const QString where = group->objectName() + " " + child->objectName();
            QVERIFY2(nothingDrawnIn(drawn, child->geometry()), qPrintable(where));
            QVERIFY2(!caption.intersects(child->geometry()), qPrintable(where));
        }
    }
}

void tst_MainWindow::folderButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<bool>("chosen");
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<bool>("newFolder");
    const QString in = QStringLiteral("Vyberte složku se snímky.");
    const QString out = QStringLiteral("Vyberte složku pro Vistarel.");
    QTest::newRow("input chosen") << "btnAdrImput"
                                  << "edtAdrInput" << true << in << false;
    QTest::newRow("input cancelled") << "btnAdrImput"
                                     << "edtAdrInput" << false << in << false;
    QTest::newRow("output chosen") << "btnAdrOutput"
                                   << "edtAdrOutput" << true << out << true;
    QTest::newRow("output cancelled") << "btnAdrOutput"
                                      << "edtAdrOutput" << false << out << true;
}

void tst_MainWindow::folderButtons() {
    QFETCH(QString, button);
    QFETCH(QString, edit);
    QFETCH(bool, chosen);
    QFETCH(QString, prompt);
    QFETCH(bool, newFolder);
    TfVL window;
    auto* folderEdit = window.findChild<QLineEdit*>(edit);
    auto* build = control<QWidget>(window, "btnVytvoritAlbum");
    folderEdit->setText(QStringLiteral("/tmp/start/"));
    build->setEnabled(true);

    auto& hook = DialogHook::instance();
    hook.setNextFolder(chosen ? std::optional<QString>(QStringLiteral("/srv/fotky"))
                              : std::nullopt);
    QTest::mouseClick(window.findChild<QWidget*>(button), Qt::LeftButton);
    QVERIFY(!build->isEnabled());
    QCOMPARE(hook.lastFolderPrompt(), prompt);
    QCOMPARE(hook.lastFolderOfferedNewFolder(), newFolder);
    QCOMPARE(hook.lastFolderStart(), QStringLiteral("/tmp/start/"));
    QCOMPARE(folderEdit->text(),
             chosen ? QStringLiteral("/srv/fotky/") : QStringLiteral("/tmp/start/"));

    // A root already ends in a separator and gets none added.
    hook.setNextFolder(QStringLiteral("/"));
    QTest::mouseClick(window.findChild<QWidget*>(button), Qt::LeftButton);
    QCOMPARE(folderEdit->text(), QStringLiteral("/"));
}

void tst_MainWindow::qualityControlsStayInStep() {
    TfVL window;
    auto* track = control<QSlider>(window, "tbQNahled");
    auto* edit = control<QLineEdit>(window, "edtQNahled");
    auto* upDown = control<UpDown>(window, "udQNahled");
    track->setValue(95);
    QCOMPARE(edit->text(), QStringLiteral("95"));
    QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
    QCOMPARE(edit->text(), QStringLiteral("96"));
    QCOMPARE(track->value(), 96);
    for (int i = 0; i < 10; ++i)
        upDown->stepBy(1);
    QCOMPARE(track->value(), 100);
    QCOMPARE(edit->text(), QStringLiteral("100"));

    auto* photoTrack = control<QSlider>(window, "tbQSnimek");
    auto* photoEdit = control<QLineEdit>(window, "edtQSnimek");
    QTest::mouseClick(control<UpDown>(window, "udQSnimek")->downButton(), Qt::LeftButton);
    QCOMPARE(photoTrack->value(), 79);
    photoTrack->setValue(0);
    QCOMPARE(photoEdit->text(), QStringLiteral("0"));
    control<UpDown>(window, "udQSnimek")->stepBy(-1);
    QCOMPARE(photoTrack->value(), 0);
    QCOMPARE(track->value(), 100); // the other pair stays where it was
    QCOMPARE(window.readSettings().thumbQuality, 100);
    QCOMPARE(window.readSettings().photoQuality, 0);
}

void tst_MainWindow::sizeChangeShowsNoticeInCodeOnly() {
    TfVL window;
    TempFolder out;
    control<QLineEdit>(window, "edtAdrOutput")->setText(QString::fromStdString(out.path()));
    auto* sizes = control<QComboBox>(window, "cmbNahled");
    sizes->setCurrentIndex(0);
    QVERIFY(window.state().resolutionChanged);
    window.state().resolutionChanged = false;
    QTest::keyClick(sizes->lineEdit(), Qt::Key_Backspace);
    QVERIFY(window.state().resolutionChanged);
    QTest::keyClicks(sizes->lineEdit(), QStringLiteral("0"));
    QCOMPARE(window.readSettings().thumbSizeText, std::string("240x180"));

    auto* codeOnly = control<QWidget>(window, "btnPouzeKod");
    codeOnly->setEnabled(true); // as after a build
    QVERIFY(codeOnly->isEnabled());
    QTest::mouseClick(codeOnly, Qt::LeftButton);
    const auto texts = messageTexts();
    QVERIFY(!texts.empty());
    QVERIFY2(texts.front().startsWith(QStringLiteral("Info: Změnili jste rozlišení!")),
             qPrintable(texts.front()));
    QVERIFY(exists(out.file("index.html")));
}

void tst_MainWindow::helpIsReadAtEveryVisit() {
    TfVL window;
    auto* pages = control<QTabWidget>(window, "PG");
    auto* help = control<HelpView>(window, "reHelp");
    QVERIFY(help->isReadOnly());
    QVERIFY(help->toPlainText().isEmpty());
    pages->setCurrentIndex(3);
    QVERIFY2(help->toPlainText().contains(QStringLiteral("První verze")),
             qPrintable(help->toPlainText()));
    pages->setCurrentIndex(0);
    writeFileBytes(programFolder() + "help.rtf", "{\\rtf1 Druh\\u225?\\par}");
    pages->setCurrentIndex(3);
    QVERIFY(help->toPlainText().contains(QStringLiteral("Druhá")));
    QVERIFY(!help->toPlainText().contains(QStringLiteral("První")));
    QVERIFY(DialogHook::instance().shownMessages().empty());
}

void tst_MainWindow::missingHelpIsReported() {
    program_ = std::make_unique<ProgramFolder>(false);
    TfVL window;
    auto* pages = control<QTabWidget>(window, "PG");
    for (int visit = 1; visit <= 2; ++visit) {
        pages->setCurrentIndex(3);
        const auto& shown = DialogHook::instance().shownMessages();
        QCOMPARE(int(shown.size()), visit);
        QCOMPARE(shown.back().text,
                 QStringLiteral("Nápověda nenalezena!\r\nMusíte si poradit bez ní :-D"));
        QCOMPARE(shown.back().title, QStringLiteral("Chyba"));
        QVERIFY(shown.back().icon == MessageIcon::Warning);
        QVERIFY(control<HelpView>(window, "reHelp")->toPlainText().isEmpty());
        pages->setCurrentIndex(0);
    }
}

void tst_MainWindow::noStyleLeavesListEmpty() {
    TempFolder empty;
    empty.subfolder("css");
    setProgramFolder(empty.path());
    TfVL window;
    QCOMPARE(control<QComboBox>(window, "cmbStyl")->count(), 0);
    QCOMPARE(window.readSettings().styleName, std::string());
    const auto texts = messageTexts();
    QCOMPARE(int(texts.size()), 1);
    QVERIFY(texts.front().contains(QStringLiteral("nebyl nalezen žádný styl!")));
}

void tst_MainWindow::loadPhotos(TfVL& window, int count) {
    album_ = std::make_unique<TempFolder>();
    input_ = album_->subfolder("fotky");
    output_ = album_->subfolder("album");
    for (int i = 0; i < count; ++i) {
        vistarel::testing::TestPhotoOptions options;
        options.seed = unsigned(i + 1);
        vistarel::testing::writeTestJpeg(input_ + "p" + std::to_string(i) + ".jpg", 64, 48,
                                         options);
    }
    auto& hook = DialogHook::instance();
    hook.setNextFolder(QString::fromStdString(input_));
    QTest::mouseClick(control<QWidget>(window, "btnAdrImput"), Qt::LeftButton);
    hook.setNextFolder(QString::fromStdString(output_));
    QTest::mouseClick(control<QWidget>(window, "btnAdrOutput"), Qt::LeftButton);
    hook.clearShownMessages();
    QTest::mouseClick(control<QWidget>(window, "btnNactiKeZprac"), Qt::LeftButton);
}

// Queues a check that runs at every yield of the build until it returns true.
static void atEveryYield(QObject* context, std::function<bool()> check) {
    QMetaObject::invokeMethod(
        context,
        [context, check] {
            if (!check())
                atEveryYield(context, check);
        },
        Qt::QueuedConnection);
}

void tst_MainWindow::loadBuildAndCodeOnly() {
    TfVL window;
    window.show();
    loadPhotos(window, 3);
    QCOMPARE(messageTexts(), std::vector<QString>{QStringLiteral("Info: Načteno 3 snímků")});
    auto* build = control<QWidget>(window, "btnVytvoritAlbum");
    QVERIFY(build->isEnabled());

    // What the window looks like while the build yields to it.
    QStringList seen;
    atEveryYield(&window, [&] {
        if (!window.buildRunning())
            return false;
        seen << QString::number(control<QWidget>(window, "pbProces")->isVisible())
             << QString::number(control<QWidget>(window, "btnStop")->isVisible())
             << QString::number(build->isVisible())
             << QString::number(control<QWidget>(window, "btnPouzeKod")->isVisible())
             << QString::number(control<QWidget>(window, "btnNactiKeZprac")->isEnabled())
             << QString::number(control<QWidget>(window, "btnAdrImput")->isEnabled())
             << QString::number(control<QProgressBar>(window, "pbProces")->maximum());
        return true;
    });
    QTest::mouseClick(build, Qt::LeftButton);
    QCOMPARE(seen, QStringList({"1", "1", "0", "0", "0", "0", "2"}));

    for (const char* name :
         {"p0.jpg", "sm_p0.jpg", "p2.jpg", "sm_p2.jpg", "index.html", "color.css"})
        QVERIFY2(exists(output_ + name), name);
    QVERIFY(build->isVisible());
    QVERIFY(control<QWidget>(window, "pbProces")->isHidden());
    QVERIFY(control<QWidget>(window, "btnNactiKeZprac")->isEnabled());
    QVERIFY(control<QWidget>(window, "btnAdrOutput")->isEnabled());
    QCOMPARE(control<QLabel>(window, "lblKomentare")->text(), QStringLiteral("Obrázek 1/3"));

    auto* codeOnly = control<QWidget>(window, "btnPouzeKod");
    QVERIFY(codeOnly->isEnabled());
    window.state().catalogue[1].caption = "Pod Sněžkou";
    QTest::mouseClick(codeOnly, Qt::LeftButton);
    const std::string page = readFileBytes(output_ + "index.html");
    QVERIFY(page.find("Pod Sn") != std::string::npos);

    // Loading again replaces the catalogue and takes the comment page back to its start.
    QTest::mouseClick(control<QWidget>(window, "btnNactiKeZprac"), Qt::LeftButton);
    QCOMPARE(control<QLabel>(window, "lblKomentare")->text(), QStringLiteral("Obrázek 0/0"));
}

// Stop and closing reach the build while a photo is being made: the first photo is large,
// and two yields come before the photos start. The photos in flight are finished; with one
// photo more than can be in flight, the last is never started.
int tst_MainWindow::loadPhotosForLongBuild(TfVL& window) {
    const int count = 2 * buildJobs(0) + 1;
    loadPhotos(window, count);
    vistarel::testing::writeTestJpeg(input_ + "p0.jpg", 4000, 3000);
    return count;
}

void tst_MainWindow::atThirdYieldBeforeFirstPhoto(TfVL& window, std::function<void()> act) {
    auto yields = std::make_shared<int>(0);
    atEveryYield(&window, [this, &window, yields, act] {
        if (!window.buildRunning())
            return false;
        if (exists(output_ + "p0.jpg"))
            return true;
        if (++*yields < 3)
            return false;
        act();
        return true;
    });
}

void tst_MainWindow::stopDuringBuild() {
    TfVL window;
    window.show();
    const int count = loadPhotosForLongBuild(window);
    bool stopped = false;
    atThirdYieldBeforeFirstPhoto(window, [&] {
        QTest::mouseClick(control<QWidget>(window, "btnStop"), Qt::LeftButton);
        stopped = true;
    });
    QTest::mouseClick(control<QWidget>(window, "btnVytvoritAlbum"), Qt::LeftButton);
    QVERIFY(stopped);
    QVERIFY(exists(output_ + "p0.jpg"));
    QVERIFY(!exists(output_ + "p" + std::to_string(count - 1) + ".jpg"));
    QVERIFY(exists(output_ + "index.html"));
    QVERIFY(!window.buildRunning());
    QVERIFY(control<QWidget>(window, "btnVytvoritAlbum")->isVisible());
}

void tst_MainWindow::buildErrorGivesButtonsBack() {
    TfVL window;
    window.show();
    loadPhotos(window, 2);
    writeFileBytes(input_ + "p1.jpg", "not a photo");
    DialogHook::instance().clearShownMessages();
    QTest::mouseClick(control<QWidget>(window, "btnVytvoritAlbum"), Qt::LeftButton);
    const auto& shown = DialogHook::instance().shownMessages();
    QCOMPARE(int(shown.size()), 1);
    QCOMPARE(shown.front().title, QStringLiteral("Vistarel"));
    QVERIFY(!window.buildRunning());
    QVERIFY(control<QWidget>(window, "btnVytvoritAlbum")->isVisible());
    QVERIFY(control<QWidget>(window, "btnPouzeKod")->isVisible());
    QVERIFY(control<QWidget>(window, "pbProces")->isHidden());
    QVERIFY(control<QWidget>(window, "btnStop")->isHidden());
    QVERIFY(control<QWidget>(window, "btnNactiKeZprac")->isEnabled());
}

void tst_MainWindow::closeDuringBuildStopsThenCloses() {
    TfVL window;
    window.show();
    const int count = loadPhotosForLongBuild(window);
    bool stillOpenAfterClose = false;
    atThirdYieldBeforeFirstPhoto(window, [&] {
        window.close();
        stillOpenAfterClose = window.isVisible();
    });
    QTest::mouseClick(control<QWidget>(window, "btnVytvoritAlbum"), Qt::LeftButton);
    QVERIFY(stillOpenAfterClose);
    QVERIFY(!window.isVisible());
    QVERIFY(!exists(output_ + "p" + std::to_string(count - 1) + ".jpg"));
    QVERIFY(exists(output_ + "index.html"));
    QVERIFY(DialogHook::instance().shownMessages().size() == 1); // only the load's notice
}

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
