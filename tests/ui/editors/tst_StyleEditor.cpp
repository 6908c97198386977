#include "ui/dialogs/DialogHook.h"
#include "ui/editors/StyleEditor.h"

#include <QLineEdit>
#include <QScrollBar>
#include <QTableWidget>
#include <QtTest>

using namespace vistarel;

namespace {

constexpr int kBackground = 1, kTitleFont = 4;

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
        for (const auto& shown : DialogHook::instance().shownMessages())
            count +=
                shown.title + ": " + shown.text == QStringLiteral("Chyba: Neplatný tvar barvy!") &&
                shown.icon == MessageIcon::Warning;
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
        QTRY_VERIFY(edit->hasFocus());
        QTest::keyClicks(edit, text); // the old value is selected, so typing replaces it
        QTest::keyClick(edit, finish);
    }
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

    // Enter stores the text as typed, Escape discards it; a colour row checks the text,
    // warns for an invalid one and keeps a valid old value (an empty one becomes black).
    void typedValues() {
        const struct {
            int row;
            QString before, typed;
            Qt::Key finish;
            QString stored;
            int warnings;
            QColor swatch;
        } rows[] = {
            {kTitleFont, "", "Verdana, sans-serif", Qt::Key_Return, "Verdana, sans-serif", 0, {}},
            {kTitleFont, "Arial", "Tahoma", Qt::Key_Escape, "Arial", 0, {}},
            {kBackground, "", "#ff0000", Qt::Key_Return, "#ff0000", 0, Qt::red},
            {kBackground, "", "#FF8000xyz", Qt::Key_Return, "#FF8000xyz", 0, QColor(255, 128, 0)},
            {kBackground, "", "zelena", Qt::Key_Return, "#000000", 2, Qt::black},
            {kBackground, "#00ff00", "#12345", Qt::Key_Return, "#00ff00", 1, Qt::green}};
        for (const auto& row : rows) {
            DialogHook::instance().clearShownMessages();
            editor->newStyle();
            if (!row.before.isEmpty())
                typeInto(row.row, row.before);
            typeInto(row.row, row.typed, row.finish);
            QCOMPARE(editor->rowValue(row.row), row.stored);
            QVERIFY(edit->isHidden());
            QCOMPARE(warnings(), row.warnings);
            if (row.swatch.isValid())
                QCOMPARE(swatchShownInRow(row.row), row.swatch);
        }
    }

    // The picker cell opens the colour dialog at the row's colour and stores upper-case
    // digits; Cancel keeps the row, and an invalid row is warned about and left alone.
    void theColourDialog() {
        const struct {
            QString before;
            std::optional<QColor> chosen; // nothing: Cancel
            QString stored;
            int warnings;
        } rows[] = {{"", QColor(255, 128, 0), "#FF8000", 0},
                    {"#ff8000", {}, "#ff8000", 0},
                    {"", {}, "", 0},
                    {"modra", {}, "modra", 1}};
        for (const auto& row : rows) {
            DialogHook::instance().clearShownMessages();
            editor->setRowValue(3, row.before);
            DialogHook::instance().setNextColor(row.chosen);
            clickCell(3, 2);
            QCOMPARE(editor->rowValue(3), row.stored);
            QCOMPARE(warnings(), row.warnings);
        }
    }

    // Enter or F2 edits the current row or picks a colour in a picker cell; Tab leaves the
    // list.
    void theKeyboardAndTheFocus() {
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
    }
};

QTEST_MAIN(tst_StyleEditor)
#include "tst_StyleEditor.moc"
