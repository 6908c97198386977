#include "TempFolder.h"
#include "TestPhotos.h"
#include "album/PhotoPipeline.h"
#include "common/FileSystem.h"
#include "styles/StyleSheet.h"
#include "ui/button/LbSpeedButton.h"
#include "ui/controls/LayoutScale.h"
#include "ui/controls/PictureBox.h"
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
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QTableWidget>
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

void click(const QWidget& window, const char* name) {
    QTest::mouseClick(control(window, name), Qt::LeftButton);
}

QStringList messages() {
    QStringList texts;
    for (const auto& shown : DialogHook::instance().shownMessages())
        texts << shown.title + ": " + shown.text;
    return texts;
}

std::string page(const std::string& folder) {
    return readFileBytes(folder + "index.html");
}

// No build runs and its buttons are back.
bool idle(const TfVL& window) {
    return !window.buildRunning() && !control(window, "btnVytvoritAlbum")->isHidden() &&
           !control(window, "btnPouzeKod")->isHidden() && control(window, "pbProces")->isHidden() &&
           control(window, "btnStop")->isHidden() &&
           control(window, "btnNactiKeZprac")->isEnabled();
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

    // Photos p0.jpg... chosen with the folder buttons and loaded.
    void loadPhotos(TfVL& window, int count) {
        album_ = std::make_unique<TempFolder>();
        input_ = album_->subfolder("fotky");
        output_ = album_->subfolder("album");
        for (int i = 0; i < count; ++i)
            vistarel::testing::writeTestJpeg(input_ + "p" + std::to_string(i) + ".jpg", 64, 48);
        openFolders(window);
    }
    void openFolders(TfVL& window) {
        DialogHook::instance().setNextFolder(QString::fromStdString(input_));
        click(window, "btnAdrImput");
        DialogHook::instance().setNextFolder(QString::fromStdString(output_));
        click(window, "btnAdrOutput");
        click(window, "btnNactiKeZprac");
    }

    // The album keeps the captions: a new window loads them with the photos and shows them
    // after its build; one typed and built without the code-only command stays too.
    void keptAfterARestart() {
        TfVL again;
        again.show();
        openFolders(again);
        auto* field = control<QPlainTextEdit>(again, "mmKoment");
        field->insertPlainText(QStringLiteral("první"));
        click(again, "imgKoment");
        click(again, "btnVytvoritAlbum"); // nothing to make: the previews come from the album
        QVERIFY(!control<PictureBox>(again, "imgKoment")->picture().isNull());
        control<QScrollBar>(again, "sbKomentare")->setValue(1);
        QCOMPARE(field->toPlainText(), QStringLiteral("Pod Sněžkou\nv mlze"));
        click(again, "btnVytvoritAlbum");
        for (const char* line :
             {"('p0.jpg' , 100 , 75 , 64 , 48 , 'prvn\xED');",
              "('p1.jpg' , 100 , 75 , 64 , 48 , 'Pod Sn\xEC\x9Ekou<br>v mlze');"})
            QVERIFY2(page(output_).find(line) != std::string::npos, line);
        QCOMPARE(field->toPlainText(), QStringLiteral("první"));
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
        writeFileBytes(program_->file("help.rtf"), "{\\rtf1\\ansi\\ansicpg1250 Prvn\\'ed\\par}");
        setProgramFolder(program_->path());
        DialogHook::instance().setUnattended(true);
        DialogHook::instance().clearShownMessages();
    }
    void cleanup() { QApplication::setFont(desktopFont_); }

    // Qt's own texts are Czech; every button has a name for screen readers and its picture.
    void czechQtNamedButtonsAndGlyphs() {
        QLineEdit edit;
        const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("&Zpět\tCtrl+Z"));
        TfVL window;
        for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
            const QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
            QVERIFY2(qobject_cast<const QAbstractItemView*>(button->parentWidget()) ||
                         !accessible->text(QAccessible::Name).isEmpty(),
                     qPrintable(button->objectName()));
        }
        for (const TLbSpeedButton* button : window.findChildren<TLbSpeedButton*>())
            QVERIFY2(!button->Glyph().isNull(), qPrintable(button->objectName()));
    }

    // The window's text is the desktop's size, the layout grows with it, every caption fits,
    // and no group's frame runs through a control.
    void fitsTheDesktopFont() {
        QFont pixels("DejaVu Sans");
        pixels.setPixelSize(16);
        const std::pair<QFont, double> rows[] = {
            {QFont("DejaVu Sans", 8), 1.0}, {QFont("Liberation Sans", 12), 1.5}, {pixels, 1.5}};
        for (const auto& [desktop, fontScale] : rows) {
            QCOMPARE(layoutScaleForFont(desktop, 96), fontScale);
            QApplication::setFont(desktop);
            TfVL window;
            window.show();
            for (const char* name : {"Label1", "GroupBox1", "cmbStyl", "lvStyl", "PG"})
                QCOMPARE(QFontInfo(control(window, name)->font()).pixelSize(),
                         QFontInfo(desktop).pixelSize());
            QVERIFY(window.layoutScale() >= fontScale && window.layoutScale() < fontScale * 1.2);
            control<QLineEdit>(window, "edtQNahled")->setText("100"); // the widest it shows
            QCOMPARE(clippedCaptions(&window), QStringList());
            for (QGroupBox* group : window.findChildren<QGroupBox*>()) {
                QImage drawn(group->size(), QImage::Format_ARGB32); // frame and caption only
                drawn.fill(Qt::transparent);
                group->render(&drawn, {}, {}, {});
                for (const QWidget* child :
                     group->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                    for (int y = child->y(); y <= child->geometry().bottom(); ++y)
                        for (int x = child->x(); x <= child->geometry().right(); ++x)
                            QVERIFY2(qAlpha(drawn.pixel(x, y)) == 0,
                                     qPrintable(child->objectName()));
            }
        }
    }

    // Each folder button asks with its own prompt from the folder shown; Cancel keeps the
    // text, and either way the catalogue must be loaded again.
    void folderButtons() {
        TfVL window;
        auto& hook = DialogHook::instance();
        for (const bool input : {true, false}) {
            auto* edit = control<QLineEdit>(window, input ? "edtAdrInput" : "edtAdrOutput");
            edit->setText("/tmp/start/");
            for (const char* chosen : {"", "/srv/fotky", "/"}) {
                control(window, "btnVytvoritAlbum")->setEnabled(true);
                const QString before = edit->text();
                hook.setNextFolder(*chosen ? std::optional<QString>(chosen) : std::nullopt);
                click(window, input ? "btnAdrImput" : "btnAdrOutput");
                QVERIFY(!control(window, "btnVytvoritAlbum")->isEnabled());
                QCOMPARE(hook.lastFolderPrompt(),
                         input ? "Vyberte složku se snímky." : "Vyberte složku pro Vistarel.");
                QCOMPARE(hook.lastFolderStart(), before);
                QCOMPARE(hook.lastFolderOfferedNewFolder(), !input);
                QCOMPARE(edit->text(), !*chosen ? before : withTrailingSeparator(chosen).c_str());
            }
        }
    }

    // The help is read at every visit to its page; without styles the list stays empty.
    void helpAndStylesComeFromTheProgramFolder() {
        TfVL window;
        auto* pages = control<QTabWidget>(window, "PG");
        auto* help = control<HelpView>(window, "reHelp");
        pages->setCurrentIndex(TabHelp);
        QCOMPARE(help->toPlainText().trimmed(), QStringLiteral("První"));
        pages->setCurrentIndex(TabAlbum);
        writeFileBytes(programFolder() + "help.rtf", "{\\rtf1 Druh\\u225?\\par}");
        pages->setCurrentIndex(TabHelp);
        QCOMPARE(help->toPlainText().trimmed(), QStringLiteral("Druhá"));
        std::filesystem::remove_all(programFolder());
        pages->setCurrentIndex(TabAlbum);
        pages->setCurrentIndex(TabHelp);
        QCOMPARE(messages(),
                 QStringList{"Chyba: Nápověda nenalezena!\r\nMusíte si poradit bez ní :-D"});
        TfVL bare;
        QCOMPARE(control<QComboBox>(bare, "cmbStyl")->count(), 0);
        QCOMPARE(messages().value(1), "Info: Ve složce css nebyl nalezen žádný styl!");
    }

    // The window as a user drives it. A name and a style chosen during the build reach the
    // album with the next command.
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
            control<QLineEdit>(window, "edtNazevAlba")->setText("Jiné jméno");
            control<QComboBox>(window, "cmbStyl")->setCurrentText("zeleny.css");
            return true;
        });
        click(window, "btnVytvoritAlbum");
        QCOMPARE(seen, QStringList({"1", "1", "0", "0", "0", "0", "0", "2"}));
        QVERIFY(page(output_).find("<title>Vistarel</title>") != std::string::npos);
        QCOMPARE(readFileBytes(output_ + "color.css"), std::string("/* modry */\r\n"));
        QVERIFY(idle(window));
        QCOMPARE(control<QLabel>(window, "lblKomentare")->text(), QStringLiteral("Obrázek 1/3"));

        // The scroll bar discards what was typed; a click on the picture or Ctrl+Enter
        // stores with CR LF and moves on, but not past the last.
        control<QTabWidget>(window, "PG")->setCurrentIndex(TabComments);
        auto* field = control<QPlainTextEdit>(window, "mmKoment");
        QVERIFY(!control<PictureBox>(window, "imgKoment")->picture().isNull());
        QTest::keyClicks(field, "lost");
        control<QScrollBar>(window, "sbKomentare")->triggerAction(QScrollBar::SliderSingleStepAdd);
        field->insertPlainText(QStringLiteral("Pod Sněžkou")); // key clicks carry Latin-1 only
        QTest::keyClick(field, Qt::Key_Return);
        QTest::keyClicks(field, "v mlze");
        click(window, "imgKoment");
        QTest::keyClicks(field, "last");
        QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(field, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(control<QLabel>(window, "lblKomentare")->text(), QStringLiteral("Obrázek 3/3"));
        QCOMPARE(window.state().catalogue[1].caption, "Pod Sněžkou\r\nv mlze");
        // A size typed after the build: the page says the photos keep their old size.
        QTest::keyClick(control<QComboBox>(window, "cmbNahled")->lineEdit(), Qt::Key_Backspace);
        click(window, "btnPouzeKod");
        QVERIFY(messages().back().startsWith("Info: Změnili jste rozlišení!"));
        for (const char* line : {"('p0.jpg' , 100 , 75 , 64 , 48 , '');",
                                 "('p1.jpg' , 100 , 75 , 64 , 48 , 'Pod Sn\xEC\x9Ekou<br>v mlze');",
                                 "('p2.jpg' , 100 , 75 , 64 , 48 , 'last');"})
            QVERIFY2(page(output_).find(line) != std::string::npos, line);
        QVERIFY(page(output_).find("<title>Jin\xE9 jm\xE9no</title>") != std::string::npos);
        QCOMPARE(readFileBytes(output_ + "color.css"), std::string("/* zeleny */\r\n"));
        keptAfterARestart();

        // Deleting every caption asks first; loading again starts the page afresh; a build
        // error names the photo and gives the buttons back.
        DialogHook::instance().setNextAnswer(MessageAnswer::Yes);
        click(window, "btnDelKoment");
        QCOMPARE(messages().back(), "Info: Opravdu chcete smazat komentáře ke všem snímkům?");
        QVERIFY(window.state().catalogue[1].caption.empty());
        writeFileBytes(input_ + "p1.jpg", "not a photo");
        click(window, "btnNactiKeZprac");
        QCOMPARE(control<QLabel>(window, "lblKomentare")->text(), QStringLiteral("Obrázek 0/0"));
        click(window, "btnVytvoritAlbum");
        QVERIFY(
            messages().back().startsWith("Vistarel: " + QString::fromStdString(input_ + "p1.jpg")));
        QVERIFY(idle(window));
    }

    // A style read, values typed (Escape discards, an invalid colour warns), a colour picked,
    // the name edited from the keyboard, Tab out; saved under that name, which the list shows.
    void editingAStyle() {
        std::string style;
        for (int row = 1; row < kStyleRowCount; ++row)
            style += "  p: " + std::string(isColourRow(row) ? "#102030" : "v") + ";\r\n";
        writeFileBytes(programFolder() + "css/Modry.css", style);
        TfVL window;
        window.show();
        click(window, "btnStylUpravit");
        QCOMPARE(control<QTabWidget>(window, "PG")->currentIndex(), int(TabStyle));
        auto* list = control<QTableWidget>(window, "lvStyl");
        auto* edit = control<QLineEdit>(window, "edtStyl");
        QCOMPARE(list->item(3, 1)->icon().pixmap(16, 16).toImage().pixelColor(8, 8),
                 QColor(0x10, 0x20, 0x30));
        const auto clickCell = [list](int row, int column) {
            list->scrollToItem(list->item(row, column));
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(row, column)).center());
        };
        const std::tuple<int, const char*, Qt::Key> typed[] = {{1, "zelena", Qt::Key_Return},
                                                               {4, "Tahoma", Qt::Key_Escape},
                                                               {8, "#ff8000xyz", Qt::Key_Return}};
        for (const auto& [row, text, key] : typed) {
            clickCell(row, 1);
            QTRY_VERIFY(edit->hasFocus());
            QTest::keyClicks(edit, text); // the old value is selected, so typing replaces it
            QTest::keyClick(edit, key);
        }
        DialogHook::instance().setNextColor(QColor(0, 128, 255));
        clickCell(3, 2);
        list->setCurrentCell(0, 0);
        QTest::keyClick(list, Qt::Key_F2);
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, "novy2.css");
        QTest::keyClick(edit, Qt::Key_Return);
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Tab); // on to the next control, not through the cells
        QVERIFY(!list->hasFocus());
        click(window, "btnUlozStyl");
        QCOMPARE(messages(), QStringList{"Chyba: Neplatný tvar barvy!"});
        const std::string saved = readFileBytes(programFolder() + "css/novy2.css");
        for (const char* line :
             {"body {\r\n  background-color: #102030;\r\n",
              ".titulek {\r\n  background-color: #0080FF;\r\n  font-family: v;\r\n",
              "  color: #ff8000xyz;\r\n"})
            QVERIFY2(saved.find(line) != std::string::npos, line);
        QCOMPARE(control<QComboBox>(window, "cmbStyl")->count(), 3);
    }

    // Stop or closing ends the build after the photos in flight and still writes the page.
    // Both come while the first, large photo is being made; the last is never started.
    void stopOrCloseDuringABuild() {
        for (const bool byClosing : {false, true}) {
            TfVL window;
            window.show();
            const int count = 2 * buildJobs(0) + 1;
            loadPhotos(window, count);
            vistarel::testing::writeTestJpeg(input_ + "p0.jpg", 6000, 4500);
            bool openAfterClose = false;
            int yields = 0;
            atEveryYield(&window, [&] {
                if (!window.buildRunning() || (++yields < 3 && !fileExists(output_ + "p0.jpg")))
                    return false;
                if (fileExists(output_ + "p0.jpg"))
                    return true;
                if (!byClosing)
                    click(window, "btnStop");
                else
                    window.close();
                openAfterClose = window.isVisible();
                return true;
            });
            click(window, "btnVytvoritAlbum");
            QVERIFY(fileExists(output_ + "p0.jpg") && fileExists(output_ + "index.html"));
            QVERIFY2(!fileExists(output_ + "p" + std::to_string(count - 1) + ".jpg"),
                     "the stop came too late or the last photo was started");
            QVERIFY(idle(window));
            QCOMPARE(window.isVisible(), !byClosing);
            QVERIFY(openAfterClose); // until the build has ended
        }
        QCOMPARE(messages().size(), 2); // the loads' notices only
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_MainWindow.moc"
