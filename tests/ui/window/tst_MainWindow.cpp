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

using namespace vistarel;
using vistarel::testing::TempFolder;

namespace {

template <class Control = QWidget> Control* control(const QWidget& window, const char* name) {
    auto* found = window.findChild<Control*>(QString::fromLatin1(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

QStringList messages() {
    QStringList texts;
    for (const auto& shown : DialogHook::instance().shownMessages())
        texts << shown.title + ": " + shown.text;
    return texts;
}

bool exists(const std::string& path) {
    return std::filesystem::exists(path);
}

bool nothingDrawnIn(const QImage& image, const QRect& area) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                return false;
    return true;
}

// Runs check at every yield of a build to the event loop until it returns true.
void atEveryYield(QObject* context, std::function<bool()> check) {
    QMetaObject::invokeMethod(
        context,
        [context, check] {
            if (!check())
                atEveryYield(context, check);
        },
        Qt::QueuedConnection);
}

} // namespace

class tst_MainWindow : public QObject {
    Q_OBJECT

    QFont desktopFont_;
    std::unique_ptr<TempFolder> program_, album_;
    std::string input_, output_;

    void click(const QWidget& window, const char* name) {
        QTest::mouseClick(control(window, name), Qt::LeftButton);
    }
    // Photos p0.jpg... chosen with the folder buttons and loaded.
    void loadPhotos(TfVL& window, int count) {
        album_ = std::make_unique<TempFolder>();
        input_ = album_->subfolder("fotky");
        output_ = album_->subfolder("album");
        for (int i = 0; i < count; ++i)
            vistarel::testing::writeTestJpeg(input_ + "p" + std::to_string(i) + ".jpg", 64, 48);
        DialogHook::instance().setNextFolder(QString::fromStdString(input_));
        click(window, "btnAdrImput");
        DialogHook::instance().setNextFolder(QString::fromStdString(output_));
        click(window, "btnAdrOutput");
        DialogHook::instance().clearShownMessages();
        click(window, "btnNactiKeZprac");
    }
    // Stop and closing must reach the build while a photo is being made: the first photo is
    // large, and they come at the third yield, before it is written. The photos in flight
    // are finished; with one photo more than can be in flight, the last is never started.
    std::string buildActingBeforeTheFirstPhoto(TfVL& window, std::function<void()> act) {
        const int count = 2 * buildJobs(0) + 1;
        loadPhotos(window, count);
        vistarel::testing::writeTestJpeg(input_ + "p0.jpg", 4000, 3000);
        auto yields = std::make_shared<int>(0);
        atEveryYield(&window, [this, &window, yields, act] {
            if (!window.buildRunning() || (++*yields < 3 && !exists(output_ + "p0.jpg")))
                return false;
            if (!exists(output_ + "p0.jpg"))
                act();
            return true;
        });
        click(window, "btnVytvoritAlbum");
        return output_ + "p" + std::to_string(count - 1) + ".jpg";
    }

private slots:
    void initTestCase() {
        desktopFont_ = QApplication::font();
        QVERIFY(installQtTranslation(*qApp));
    }
    // A program folder with two styles and a help file.
    void init() {
        program_ = std::make_unique<TempFolder>();
        writeFileBytes(program_->subfolder("css") + "zeleny.css", "/* zeleny */\r\n");
        writeFileBytes(program_->file("css/Modry.css"), "/* modry */\r\n");
        writeFileBytes(program_->file("help.rtf"),
                       "{\\rtf1\\ansi\\ansicpg1250 Prvn\\'ed verze\\par}");
        setProgramFolder(program_->path());
        DialogHook::instance().setUnattended(true);
        DialogHook::instance().clearShownMessages();
    }
    void cleanup() { QApplication::setFont(desktopFont_); }

    void qtsOwnTextsAreCzech() {
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Zpět\tCtrl+Z"));
    }

    // A screen reader has a name for every button; every command button has its picture.
    void everyButtonHasANameAndEveryCommandAGlyph() {
        TfVL window;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            if (qobject_cast<const QAbstractItemView*>(button->parentWidget()))
                continue; // the style list's corner button, never shown
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
            QVERIFY2(accessible && !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(button->objectName()));
        }
        for (const TLbSpeedButton* button : window.findChildren<TLbSpeedButton*>())
            QVERIFY2(!button->Glyph().isNull(), qPrintable(button->objectName()));
    }

    // The window's text is the desktop's size; the layout grows with it, every caption fits,
    // and no group's frame runs through its caption or a control.
    void fitsTheDesktopFont_data() {
        QTest::addColumn<QFont>("desktop");
        QTest::addColumn<double>("fontScale");
        QTest::newRow("8 pt, the grid's own") << QFont("DejaVu Sans", 8) << 1.0;
        QTest::newRow("12 pt, narrower family") << QFont("Liberation Sans", 12) << 1.5;
        QFont pixels("DejaVu Sans");
        pixels.setPixelSize(16);
        QTest::newRow("set in pixels") << pixels << 1.5;
    }
    void fitsTheDesktopFont() {
        QFETCH(QFont, desktop);
        QFETCH(double, fontScale);
        QCOMPARE(layoutScaleForFont(desktop, 96), fontScale);
        QApplication::setFont(desktop);
        TfVL window;
        window.show();
        for (const char* name : {"Label1", "GroupBox1", "cmbStyl", "btnPouzeKod", "lvStyl", "PG"})
            QCOMPARE(QFontInfo(control(window, name)->font()).pixelSize(),
                     QFontInfo(desktop).pixelSize());
        QVERIFY(window.layoutScale() >= fontScale && window.layoutScale() < fontScale * 1.2);
        control<QLineEdit>(window, "edtQNahled")->setText("100"); // the widest it shows
        QCOMPARE(clippedCaptions(&window), QStringList());
        for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
            QImage drawn(group->size(), QImage::Format_ARGB32); // frame and caption only
            drawn.fill(Qt::transparent);
            group->render(&drawn, {}, {}, {});
            QStyleOptionGroupBox option;
            option.initFrom(group);
            option.text = group->title();
            option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
            const QRect caption = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                                 QStyle::SC_GroupBoxLabel, group);
            QVERIFY(nothingDrawnIn(drawn, {caption.topLeft(), QSize(1, caption.height())}));
            QVERIFY(nothingDrawnIn(drawn, {caption.topRight(), QSize(1, caption.height())}));
            for (const QWidget* child : group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                QVERIFY2(nothingDrawnIn(drawn, child->geometry()) &&
                             !caption.intersects(child->geometry()),
                         qPrintable(group->objectName() + " " + child->objectName()));
        }
    }

    // Each folder button asks with its own prompt from the folder shown; a choice ends in a
    // separator, Cancel keeps the text, and either way the catalogue must be loaded again.
    void folderButtons() {
        TfVL window;
        const std::pair<const char*, QString> rows[] = {
            {"btnAdrImput", "Vyberte složku se snímky."},
            {"btnAdrOutput", "Vyberte složku pro Vistarel."}};
        for (const auto& [button, prompt] : rows) {
            auto* edit = control<QLineEdit>(window, button == rows[0].first ? "edtAdrInput"
                                                                            : "edtAdrOutput");
            edit->setText("/tmp/start/");
            auto& hook = DialogHook::instance();
            for (const std::optional<QString>& chosen :
                 {std::optional<QString>(), std::optional<QString>("/srv/fotky"),
                  std::optional<QString>("/")}) {
                control(window, "btnVytvoritAlbum")->setEnabled(true);
                const QString before = edit->text();
                hook.setNextFolder(chosen);
                click(window, button);
                QVERIFY(!control(window, "btnVytvoritAlbum")->isEnabled());
                QCOMPARE(hook.lastFolderPrompt(), prompt);
                QCOMPARE(hook.lastFolderStart(), before);
                QCOMPARE(hook.lastFolderOfferedNewFolder(), button == rows[1].first);
                QCOMPARE(edit->text(), !chosen ? before : *chosen == "/" ? "/" : *chosen + "/");
            }
        }
    }

    void qualityControlsStayInStep() {
        TfVL window;
        auto* track = control<QSlider>(window, "tbQNahled");
        auto* upDown = control<UpDown>(window, "udQNahled");
        track->setValue(95);
        QCOMPARE(control<QLineEdit>(window, "edtQNahled")->text(), QStringLiteral("95"));
        QTest::mouseClick(upDown->upButton(), Qt::LeftButton);
        for (int i = 0; i < 10; ++i)
            upDown->stepBy(1);
        QTest::mouseClick(control<UpDown>(window, "udQSnimek")->downButton(), Qt::LeftButton);
        QCOMPARE(control<QLineEdit>(window, "edtQNahled")->text(), QStringLiteral("100"));
        QCOMPARE(window.readSettings().thumbQuality, 100);
        QCOMPARE(window.readSettings().photoQuality, 79);
    }

    // Changing a size, by the list or by typing, makes the code-only command say that the
    // album photos keep their old size.
    void aSizeChangeIsNoticedByCodeOnly() {
        TfVL window;
        TempFolder out;
        control<QLineEdit>(window, "edtAdrOutput")->setText(QString::fromStdString(out.path()));
        auto* sizes = control<QComboBox>(window, "cmbNahled");
        QTest::keyClick(sizes->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(sizes->lineEdit(), "0");
        QVERIFY(window.state().resolutionChanged);
        QCOMPARE(window.readSettings().thumbSizeText, std::string("100x70"));
        control(window, "btnPouzeKod")->setEnabled(true); // as after a build
        click(window, "btnPouzeKod");
        QVERIFY(messages().value(0).startsWith("Info: Změnili jste rozlišení!"));
        QVERIFY(exists(out.file("index.html")));
    }

    // The help is read at every visit to its page, so an edited file shows; a missing one is
    // reported at every visit.
    void helpIsReadAtEveryVisit() {
        TfVL window;
        auto* pages = control<QTabWidget>(window, "PG");
        auto* help = control<HelpView>(window, "reHelp");
        pages->setCurrentIndex(TabHelp);
        QCOMPARE(help->toPlainText().trimmed(), QStringLiteral("První verze"));
        pages->setCurrentIndex(TabAlbum);
        writeFileBytes(programFolder() + "help.rtf", "{\\rtf1 Druh\\u225?\\par}");
        pages->setCurrentIndex(TabHelp);
        QCOMPARE(help->toPlainText().trimmed(), QStringLiteral("Druhá"));
        std::filesystem::remove(programFolder() + "help.rtf");
        for (int visit = 0; visit < 2; ++visit) {
            pages->setCurrentIndex(TabAlbum);
            pages->setCurrentIndex(TabHelp);
        }
        const QString missing = "Chyba: Nápověda nenalezena!\r\nMusíte si poradit bez ní :-D";
        QCOMPARE(messages(), QStringList({missing, missing}));
        QVERIFY(DialogHook::instance().shownMessages().back().icon == MessageIcon::Warning);
    }

    void noStyleLeavesTheListEmpty() {
        std::filesystem::remove_all(programFolder() + "css");
        TfVL window;
        QCOMPARE(control<QComboBox>(window, "cmbStyl")->count(), 0);
        QCOMPARE(window.readSettings().styleName, std::string());
        QCOMPARE(messages(), QStringList{"Info: Ve složce css nebyl nalezen žádný styl!"});
    }

    // Load, build, a caption, code only, load again: the window as a user drives it.
    void loadBuildAndCodeOnly() {
        TfVL window;
        window.show();
        loadPhotos(window, 3);
        QCOMPARE(messages(), QStringList{"Info: Načteno 3 snímků"});
        QStringList seen; // what the window shows while the build yields to it
        atEveryYield(&window, [&] {
            if (!window.buildRunning())
                return false;
            for (const char* name : {"pbProces", "btnStop", "btnVytvoritAlbum", "btnPouzeKod"})
                seen << QString::number(control(window, name)->isVisible());
            for (const char* name : {"btnNactiKeZprac", "btnAdrImput", "btnAdrOutput"})
                seen << QString::number(control(window, name)->isEnabled());
            seen << QString::number(control<QProgressBar>(window, "pbProces")->maximum());
            return true;
        });
        click(window, "btnVytvoritAlbum");
        QCOMPARE(seen, QStringList({"1", "1", "0", "0", "0", "0", "0", "2"}));
        for (const char* name : {"p0.jpg", "sm_p0.jpg", "p2.jpg", "sm_p2.jpg", "color.css"})
            QVERIFY2(exists(output_ + name), name);
        QVERIFY(control(window, "btnVytvoritAlbum")->isVisible());
        QVERIFY(control(window, "pbProces")->isHidden());
        QVERIFY(control(window, "btnNactiKeZprac")->isEnabled());
        QCOMPARE(control<QLabel>(window, "lblKomentare")->text(), QStringLiteral("Obrázek 1/3"));

        window.state().catalogue[1].caption = "Pod Sněžkou";
        click(window, "btnPouzeKod");
        QVERIFY(readFileBytes(output_ + "index.html").find("'Pod Sn\xEC\x9Ekou'") != std::string::npos);
        click(window, "btnNactiKeZprac");
        QCOMPARE(control<QLabel>(window, "lblKomentare")->text(), QStringLiteral("Obrázek 0/0"));
    }

    // The build keeps the settings it started with: a name and a style chosen while it runs
    // reach the album only with the next command.
    void editingNameAndStyleDuringABuild() {
        TfVL window;
        window.show();
        loadPhotos(window, 2);
        atEveryYield(&window, [&] {
            if (!window.buildRunning())
                return false;
            control<QLineEdit>(window, "edtNazevAlba")->setText("Jiné jméno");
            control<QComboBox>(window, "cmbStyl")->setCurrentText("zeleny.css");
            return true;
        });
        click(window, "btnVytvoritAlbum");
        QVERIFY(readFileBytes(output_ + "index.html").find("<title>Vistarel</title>") !=
                std::string::npos);
        QCOMPARE(readFileBytes(output_ + "color.css"), std::string("/* modry */\r\n"));
        click(window, "btnPouzeKod");
        QVERIFY(readFileBytes(output_ + "index.html").find("<title>Jin\xE9 jm\xE9no</title>") !=
                std::string::npos);
        QCOMPARE(readFileBytes(output_ + "color.css"), std::string("/* zeleny */\r\n"));
    }

    void stopDuringABuild() {
        TfVL window;
        window.show();
        const std::string last =
            buildActingBeforeTheFirstPhoto(window, [&] { click(window, "btnStop"); });
        QVERIFY(exists(output_ + "p0.jpg") && !exists(last) && exists(output_ + "index.html"));
        QVERIFY(!window.buildRunning());
        QVERIFY(control(window, "btnVytvoritAlbum")->isVisible());
    }

    void closingDuringABuildStopsItThenCloses() {
        TfVL window;
        window.show();
        bool openAfterClose = false;
        const std::string last = buildActingBeforeTheFirstPhoto(window, [&] {
            window.close();
            openAfterClose = window.isVisible();
        });
        QVERIFY(openAfterClose && !window.isVisible());
        QVERIFY(!exists(last) && exists(output_ + "index.html"));
        QCOMPARE(messages(),
                 QStringList{"Info: Načteno " + QString::number(2 * buildJobs(0) + 1) + " snímků"});
    }

    void aBuildErrorGivesTheButtonsBack() {
        TfVL window;
        window.show();
        loadPhotos(window, 2);
        writeFileBytes(input_ + "p1.jpg", "not a photo");
        DialogHook::instance().clearShownMessages();
        click(window, "btnVytvoritAlbum");
        QCOMPARE(int(messages().size()), 1);
        QVERIFY(messages().front().startsWith("Vistarel: " + QString::fromStdString(input_) +
                                              "p1.jpg"));
        QVERIFY(!window.buildRunning());
        for (const char* name : {"btnVytvoritAlbum", "btnPouzeKod"})
            QVERIFY(control(window, name)->isVisible());
        QVERIFY(control(window, "pbProces")->isHidden() && control(window, "btnStop")->isHidden());
        QVERIFY(control(window, "btnNactiKeZprac")->isEnabled());
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
