#include "ui/editors/StyleEditor.h"

#include "styles/HtmlColor.h"
#include "styles/StyleSheet.h"
#include "ui/controls/InPlaceEditor.h"
#include "ui/dialogs/DialogHook.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace vistarel {
namespace {

enum Column { CaptionColumn = 0, ValueColumn = 1, PickerColumn = 2, ColumnCount = 3 };
constexpr int kColumnWidths[ColumnCount] = {130, 135, 16};
constexpr int kEditorHeight = 21;
const QPoint kListOrigin(2, 15);

// The list reads best in a font somewhat larger than the window's; the largest size up to
// this one at which every caption fits its column is taken.
constexpr int kLargestListFont = 15;
constexpr int kSmallestListFont = 9;
constexpr int kCellMargins = 12;

// Cells are drawn without the focus frame, and the colour-picker column, narrower than the
// usual icon padding, gets its picture centred.
class StyleCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        if (index.column() != PickerColumn) {
            QStyledItemDelegate::paint(painter, plain, index);
            return;
        }
        const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
        if (icon.isNull())
            return;
        const QSize size(StyleImages::kSize, StyleImages::kSize);
        icon.paint(painter,
                   QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, option.rect));
    }
};

int swatchOf(int row) {
    return styleRows()[row].swatch;
}

} // namespace

StyleEditor::StyleEditor(QWidget* parent) : QWidget(parent) {
    createList();
    createEditor();
    fillRows();
    fitListFont();
    resize(315, 170);
    paintAllSwatches(palette().color(QPalette::Window));
}

void StyleEditor::createList() {
    lvStyl = new QTableWidget(kStyleRowCount, ColumnCount, this);
    lvStyl->setObjectName(QStringLiteral("lvStyl"));
    lvStyl->setItemDelegate(new StyleCellDelegate(lvStyl));
    lvStyl->setHorizontalHeaderLabels(
        {QStringLiteral("Vlastnost"), QStringLiteral("Hodnota"), QString()});
    lvStyl->verticalHeader()->hide();
    lvStyl->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvStyl->horizontalHeader()->setHighlightSections(false);
    lvStyl->horizontalHeader()->setMinimumSectionSize(kColumnWidths[PickerColumn]);
    for (int column = 0; column < ColumnCount; ++column)
        lvStyl->setColumnWidth(column, kColumnWidths[column]);
    lvStyl->setShowGrid(true);
    lvStyl->setSelectionMode(QAbstractItemView::NoSelection);
    lvStyl->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvStyl->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lvStyl->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    lvStyl->setIconSize(QSize(StyleImages::kSize, StyleImages::kSize));
    lvStyl->setWordWrap(false);
    lvStyl->viewport()->installEventFilter(this);
    // The editor stays where it was opened, so it must not outlive a scroll of the rows.
    connect(lvStyl->verticalScrollBar(), &QScrollBar::valueChanged, this, &StyleEditor::hideEditor);
    connect(lvStyl->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &StyleEditor::hideEditor);
}

void StyleEditor::createEditor() {
    edtStyl = new InPlaceEditor(this);
    edtStyl->setObjectName(QStringLiteral("edtStyl"));
    edtStyl->hide();
    connect(edtStyl, &InPlaceEditor::enterPressed, this, [this] { edtStylKeyDown(true); });
    connect(edtStyl, &InPlaceEditor::escapePressed, this, [this] { edtStylKeyDown(false); });
    connect(edtStyl, &InPlaceEditor::focusLeft, this, &StyleEditor::edtStylExit);
}

void StyleEditor::fillRows() {
    for (int row = 0; row < kStyleRowCount; ++row) {
        const StyleRow& style = styleRows()[row];
        auto* caption = new QTableWidgetItem(QString::fromUtf8(style.caption));
        caption->setIcon(images_.image(style.sectionIcon));
        lvStyl->setItem(row, CaptionColumn, caption);
        lvStyl->setItem(row, ValueColumn, new QTableWidgetItem);
        auto* picker = new QTableWidgetItem;
        if (isColourRow(row))
            picker->setIcon(images_.image(StyleImages::kColourPicker));
        lvStyl->setItem(row, PickerColumn, picker);
    }
}

void StyleEditor::fitListFont() {
    QFont font = this->font();
    for (int size = kLargestListFont; size >= kSmallestListFont; --size) {
        font.setPixelSize(size);
        if (captionsFit(QFontMetrics(font)))
            break;
    }
    lvStyl->setFont(font);
    // The editor shows the text as the list will show it once stored.
    edtStyl->setFont(font);
    const int rowHeight = std::max(QFontMetrics(font).height(), StyleImages::kSize) + 4;
    lvStyl->verticalHeader()->setMinimumSectionSize(rowHeight);
    lvStyl->verticalHeader()->setDefaultSectionSize(rowHeight);
}

bool StyleEditor::captionsFit(const QFontMetrics& metrics) const {
    for (const StyleRow& row : styleRows()) {
        const int needed = metrics.horizontalAdvance(QString::fromUtf8(row.caption)) +
                           StyleImages::kSize + kCellMargins;
        if (needed > kColumnWidths[CaptionColumn])
            return false;
    }
    return true;
}

// The window sets its font after building its pages.
void StyleEditor::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitListFont();
}

void StyleEditor::resizeEvent(QResizeEvent*) {
    lvStyl->setGeometry(kListOrigin.x(), kListOrigin.y(), width() - 2 * kListOrigin.x(),
                        height() - kListOrigin.y() - kListOrigin.x());
}

QString StyleEditor::rowValue(int row) const {
    if (row < 0 || row >= kStyleRowCount)
        return {};
    return lvStyl->item(row, ValueColumn)->text();
}

void StyleEditor::setRowValue(int row, const QString& value) {
    if (row >= 0 && row < kStyleRowCount)
        lvStyl->item(row, ValueColumn)->setText(value);
}

void StyleEditor::setSwatch(int index, std::uint32_t colour) {
    if (!StyleImages::isSwatch(index))
        return;
    images_.paintSwatch(index, colourFromValue(colour));
    refreshSwatchCells(index);
}

// Every cell showing the swatch picks up its new picture.
void StyleEditor::refreshSwatchCells(int index) {
    for (int row = 0; row < kStyleRowCount; ++row) {
        if (swatchOf(row) == index)
            lvStyl->item(row, ValueColumn)->setIcon(images_.image(index));
    }
}

void StyleEditor::paintAllSwatches(const QColor& colour) {
    windowColour_ = colour;
    for (int index = kFirstSwatch; index < kFirstSwatch + kSwatchCount; ++index)
        setSwatch(index, valueFromColour(colour));
}

void StyleEditor::newStyle() {
    for (int row = 0; row < kStyleRowCount; ++row)
        setRowValue(row, QString());
    setRowValue(0, QStringLiteral("novy.css"));
    paintAllSwatches(windowColour_);
}

bool StyleEditor::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lvStyl->viewport()) {
        if (event->type() == QEvent::MouseButtonPress) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            pressed_ = mouse->button() == Qt::LeftButton;
            if (pressed_)
                lvStylMouseDown(mouse->position().toPoint());
        } else if (event->type() == QEvent::MouseButtonRelease) {
            const auto* mouse = static_cast<QMouseEvent*>(event);
            if (pressed_ && mouse->button() == Qt::LeftButton) {
                pressed_ = false;
                lvStylClick();
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void StyleEditor::lvStylMouseDown(const QPoint& position) {
    pressPosition_ = position;
}

// The column whose interior holds x, with its left edge; -1 on a border or beyond the
// last column.
int StyleEditor::columnAt(int x, int* left) const {
    for (int column = 0; column < ColumnCount; ++column) {
        const int start = lvStyl->columnViewportPosition(column);
        if (start < x && x < start + lvStyl->columnWidth(column)) {
            *left = start;
            return column;
        }
    }
    return -1;
}

void StyleEditor::lvStylClick() {
    int left = 0;
    const int column = columnAt(pressPosition_.x(), &left);
    if (column < 0)
        return;
    currentRow_ = lvStyl->rowAt(pressPosition_.y());
    if (currentRow_ < 0)
        return;
    if (column == ValueColumn)
        openEditor(currentRow_);
    else if (column == PickerColumn && isColourRow(currentRow_))
        chooseColour(currentRow_);
}

void StyleEditor::openEditor(int row) {
    const QPoint cell(lvStyl->columnViewportPosition(ValueColumn),
                      lvStyl->rowViewportPosition(row));
    const QPoint topLeft = lvStyl->viewport()->mapTo(this, cell);
    edtStyl->setGeometry(topLeft.x(), topLeft.y(), lvStyl->columnWidth(ValueColumn), kEditorHeight);
    edtStyl->setText(rowValue(row));
    edtStyl->show();
    edtStyl->raise();
    edtStyl->selectAll();
    edtStyl->setFocus(Qt::MouseFocusReason);
}

void StyleEditor::chooseColour(int row) {
    std::string value = rowValue(row).toStdString();
    if (value.empty())
        value = "#000000";
    // Only the dialog's preset falls back to black; the row keeps what it holds.
    const std::uint32_t preset = htmlToColor(value);
    const auto chosen = DialogHook::instance().chooseColor(this, colourFromValue(preset));
    if (!chosen)
        return;
    const std::uint32_t colour = valueFromColour(*chosen);
    setSwatch(swatchOf(row), colour);
    setRowValue(row, QString::fromStdString(ColorToHtml(colour)));
}

// Enter stores, Escape discards.
void StyleEditor::edtStylKeyDown(bool store) {
    if (store && currentRow_ >= 0) {
        if (isColourRow(currentRow_))
            storeTypedColour();
        setRowValue(currentRow_, edtStyl->text());
    }
    hideEditor();
}

// A valid colour is kept exactly as typed. An invalid one is refused: the editor falls back
// to the row's present value, itself replaced by "#000000" when it is no colour either.
void StyleEditor::storeTypedColour() {
    const int swatch = swatchOf(currentRow_);
    std::string typed = edtStyl->text().toStdString();
    const bool valid = parseHtmlColor(typed).has_value();
    setSwatch(swatch, htmlToColor(typed));
    if (valid)
        return;
    std::string present = rowValue(currentRow_).toStdString();
    setSwatch(swatch, htmlToColor(present));
    edtStyl->setText(QString::fromStdString(present));
}

void StyleEditor::edtStylExit() {
    hideEditor();
}

void StyleEditor::hideEditor() {
    if (!edtStyl->isVisible())
        return;
    const bool hadFocus = edtStyl->hasFocus();
    edtStyl->hide();
    if (hadFocus)
        lvStyl->setFocus();
}

// The colour of a text, warning about an invalid one and replacing it by "#000000".
std::uint32_t StyleEditor::htmlToColor(std::string& text) {
    if (const auto colour = parseHtmlColor(text))
        return *colour;
    DialogHook::instance().message(this, QStringLiteral("Neplatný tvar barvy!"),
                                   QStringLiteral("Chyba"), MessageIcon::Warning,
                                   MessageButtons::Ok);
    text = "#000000";
    return 0;
}

} // namespace vistarel
