#include "styles/StyleSheet.h"
#include "ui/dialogs/DialogHook.h"
#include "ui/editors/StyleEditor.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QtTest>

using namespace vistarel;

namespace {

const QString kInvalidColour = QStringLiteral("Neplatný tvar barvy!");
constexpr int kName = 0, kBackground = 1, kTitleFont = 4, kFrameStyle = 10;

QColor centreOf(const QPixmap& picture) {
    return picture.toImage().pixelColor(8, 8);
}

} // namespace

class tst_StyleEditor : public QObject {
    Q_OBJECT

    std::unique_ptr<StyleEditor> editor;
    QTableWidget* list = nullptr;
    QLineEdit* edit = nullptr;

    int warnings() const {
        int count = 0;
        for (const auto& shown : DialogHook::instance().shownMessages()) {
            if (shown.text == kInvalidColour && shown.title == QStringLiteral("Chyba") &&
                shown.icon == MessageIcon::Warning)
                ++count;
        }
        return count;
    }
    QPoint cellCentre(int row, int column) {
        list->scrollToItem(list->item(row, column));
        return list->visualItemRect(list->item(row, column)).center();
    }
    void clickAt(const QPoint& point) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
    }
    void clickCell(int row, int column) { clickAt(cellCentre(row, column)); }
    void typeInto(int row, const QString& text, Qt::Key finish = Qt::Key_Return) {
        clickCell(row, 1);
        QVERIFY(edit->isVisible());
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, text); // the old value is selected, so typing replaces it
        QTest::keyClick(edit, finish);
    }
    bool rowValueIsEmpty(int row) const { return editor->rowValue(row).isEmpty(); }
    QColor swatch(int index) const { return centreOf(editor->image(index)); }
    QColor swatchShownInRow(int row) const {
        return centreOf(list->item(row, 1)->icon().pixmap(16, 16));
    }

private slots:
    void init() {
        DialogHook::instance().setUnattended(true);
        DialogHook::instance().clearShownMessages();
        editor = std::make_unique<StyleEditor>(nullptr);
        list = editor->findChild<QTableWidget*>("lvStyl");
        edit = editor->findChild<QLineEdit*>("edtStyl");
        QVERIFY(list && edit);
        editor->show();
        QVERIFY(QTest::qWaitForWindowActive(editor.get()));
    }
    void cleanup() { editor.reset(); }

    void listsTheEighteenRows() {
        QCOMPARE(list->rowCount(), 18);
        QCOMPARE(list->columnCount(), 3);
        QCOMPARE(list->horizontalHeaderItem(0)->text(), QStringLiteral("Vlastnost"));
        QCOMPARE(list->horizontalHeaderItem(1)->text(), QStringLiteral("Hodnota"));
        QCOMPARE(list->columnWidth(0), 130);
        QCOMPARE(list->columnWidth(1), 135);
        QCOMPARE(list->columnWidth(2), 16);
        for (int row = 0; row < 18; ++row) {
            QCOMPARE(list->item(row, 0)->text(), QString::fromUtf8(styleRows()[row].caption));
            QVERIFY(rowValueIsEmpty(row));
            QCOMPARE(!list->item(row, 2)->icon().isNull(), isColourRow(row));
            QCOMPARE(!list->item(row, 1)->icon().isNull(), isColourRow(row));
        }
        QVERIFY(edit->isHidden());
    }
    void setSwatchRepaintsEveryCellShowingIt() {
        editor->setSwatch(8, 0x0080FF); // R=FF, G=80, B=00
        QCOMPARE(swatch(8), QColor(255, 128, 0));
        editor->setSwatch(7, 0xFFFFFF); // a white swatch still shows its border in a white cell
        QVERIFY(editor->image(7).toImage().pixelColor(0, 0) != QColor(Qt::white));
        QCOMPARE(swatchShownInRow(3), QColor(255, 128, 0));
        QCOMPARE(swatchShownInRow(1), editor->palette().color(QPalette::Window));
        const QImage section = editor->image(4).toImage();
        editor->setSwatch(4, 0); // not a swatch: the section image stays
        QCOMPARE(editor->image(4).toImage(), section);
    }

    void newStyleEmptiesTheRows() {
        editor->paintAllSwatches(QColor(1, 2, 3));
        editor->setRowValue(kTitleFont, "Arial");
        editor->setSwatch(6, 0xFF);
        editor->newStyle();
        QCOMPARE(editor->rowValue(kName), QStringLiteral("novy.css"));
        for (int row = 1; row < 18; ++row)
            QVERIFY(rowValueIsEmpty(row));
        for (int index = 6; index < 12; ++index)
            QCOMPARE(swatch(index), QColor(1, 2, 3));
    }

    void typedValuesAreStoredAsTyped_data() {
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("swatchColour");
        QTest::newRow("name without extension") << kName << "moje" << QColor();
        QTest::newRow("font") << kTitleFont << "Verdana, sans-serif" << QColor();
        QTest::newRow("lower-case colour") << kBackground << "#ff0000" << QColor(Qt::red);
        QTest::newRow("colour with a tail") << kBackground << "#FF8000xyz" << QColor(255, 128, 0);
    }
    void typedValuesAreStoredAsTyped() {
        QFETCH(int, row);
        QFETCH(QString, text);
        QFETCH(QColor, swatchColour);
        typeInto(row, text);
        QCOMPARE(editor->rowValue(row), text);
        QVERIFY(edit->isHidden());
        QCOMPARE(warnings(), 0);
        if (swatchColour.isValid())
            QCOMPARE(swatchShownInRow(row), swatchColour);
    }

    void anInvalidColourInAnEmptyRowWarnsTwice() {
        editor->newStyle();
        typeInto(kBackground, "zelena");
        QCOMPARE(warnings(), 2);
        QCOMPARE(editor->rowValue(kBackground), QStringLiteral("#000000"));
        QCOMPARE(swatchShownInRow(kBackground), QColor(Qt::black));
    }

    void anInvalidColourKeepsAValidRow() {
        typeInto(kBackground, "#00ff00");
        typeInto(kBackground, "#12345");
        QCOMPARE(warnings(), 1);
        QCOMPARE(editor->rowValue(kBackground), QStringLiteral("#00ff00"));
        QCOMPARE(swatchShownInRow(kBackground), QColor(Qt::green));
    }

    void theColourDialogStoresUpperCaseDigits() {
        DialogHook::instance().setNextColor(QColor(255, 128, 0));
        clickCell(kBackground, 2);
        QCOMPARE(editor->rowValue(kBackground), QStringLiteral("#FF8000"));
        QCOMPARE(swatchShownInRow(kBackground), QColor(255, 128, 0));

        DialogHook::instance().setNextColor(std::nullopt);
        clickCell(kBackground, 2);
        QCOMPARE(editor->rowValue(kBackground), QStringLiteral("#FF8000"));
        QCOMPARE(swatchShownInRow(kBackground), QColor(255, 128, 0));
        QCOMPARE(warnings(), 0);
    }

    void theColourDialogLeavesAnInvalidRowAlone() {
        editor->setRowValue(3, "modra");
        DialogHook::instance().setNextColor(std::nullopt);
        clickCell(3, 2);
        QCOMPARE(warnings(), 1);
        QCOMPARE(editor->rowValue(3), QStringLiteral("modra"));
        DialogHook::instance().setNextColor(std::nullopt);
        clickCell(12, 2); // empty: starts at black without a warning, Cancel keeps it empty
        QCOMPARE(warnings(), 1);
        QVERIFY(rowValueIsEmpty(12));
    }

    void escapeDiscards() {
        editor->setRowValue(kTitleFont, "Arial");
        typeInto(kTitleFont, "Tahoma", Qt::Key_Escape);
        QCOMPARE(editor->rowValue(kTitleFont), QStringLiteral("Arial"));
        QVERIFY(edit->isHidden());
    }

    void losingTheFocusDiscards() {
        editor->setRowValue(kFrameStyle, "solid");
        clickCell(kFrameStyle, 1);
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, "dotted");
        clickCell(kFrameStyle, 0); // elsewhere in the list
        QTRY_VERIFY(edit->isHidden());
        QCOMPARE(editor->rowValue(kFrameStyle), QStringLiteral("solid"));
        QVERIFY(!edit->isVisible());
    }

    // Enter or F2 edits the current row, or picks a colour from a colour row's picker cell;
    // Tab leaves the list instead of walking its cells.
    void theKeyboardReachesEveryValue() {
        QLineEdit next(editor.get());
        next.show();
        list->setFocus();
        list->setCurrentCell(kTitleFont, 0);
        QTest::keyClick(list, Qt::Key_F2);
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, "Arial");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(editor->rowValue(kTitleFont), QStringLiteral("Arial"));
        QVERIFY(list->hasFocus());

        list->setCurrentCell(kBackground, 2);
        DialogHook::instance().setNextColor(QColor(Qt::blue));
        QTest::keyClick(list, Qt::Key_Enter);
        QCOMPARE(editor->rowValue(kBackground), QStringLiteral("#0000FF"));

        QTest::keyClick(list, Qt::Key_Tab);
        QVERIFY(next.hasFocus());
        QCOMPARE(list->currentRow(), kBackground);
    }

    // None of these clicks may open the editor or the colour dialog; the queued colour
    // proves the dialog was not asked until the last, real click.
    void clicksThatDoNothing() {
        DialogHook::instance().setNextColor(QColor(Qt::red));
        clickCell(kBackground, 0);
        clickCell(kTitleFont, 2);
        const QPoint inRow = cellCentre(kBackground, 1);
        clickAt({list->columnViewportPosition(1), inRow.y()}); // border of two columns
        clickAt({list->columnViewportPosition(2), inRow.y()});
        clickAt({0, inRow.y()});
        clickAt({list->columnViewportPosition(2) + 16, inRow.y()}); // right of the last one
        QVERIFY(edit->isHidden());
        QVERIFY(rowValueIsEmpty(kBackground));
        clickCell(kBackground, 2);
        QCOMPARE(editor->rowValue(kBackground), QStringLiteral("#FF0000"));
    }

    void aClickBelowTheLastRowDoesNothing() {
        editor->resize(315, 800);
        const int below = list->rowViewportPosition(17) + list->rowHeight(17) + 5;
        QVERIFY(below < list->viewport()->height());
        clickAt({200, below});
        QVERIFY(edit->isHidden());
    }

    void theEditorCoversTheValueCell() {
        clickCell(5, 1);
        QVERIFY(edit->isVisible());
        QCOMPARE(edit->height(), 21);
        QCOMPARE(edit->width(), 135);
        const QPoint cell = list->viewport()->mapTo(
            editor.get(), QPoint(list->columnViewportPosition(1), list->rowViewportPosition(5)));
        QCOMPARE(edit->pos(), cell);
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
        QVERIFY(edit->isHidden());
    }
};

QTEST_MAIN(tst_StyleEditor)
#include "tst_StyleEditor.moc"
