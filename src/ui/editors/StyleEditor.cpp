#include "ui/editors/StyleEditor.h"

#include "styles/HtmlColor.h"
#include "styles/StyleSheet.h"
#include "ui/controls/InPlaceEditor.h"
#include "ui/dialogs/DialogHook.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableWidget>

namespace vistarel {
namespace {

enum Column { CaptionColumn = 0, ValueColumn = 1, PickerColumn = 2, ColumnCount = 3 };
// The columns' right edges on the layout grid.
constexpr int kColumnEdges[ColumnCount] = {130, 265, 281};
constexpr int kEditorHeight = 21;
constexpr int kRowPadding = 4;

// The colour-picker column, narrower than the usual icon padding, gets its picture centred.
// The current cell is framed in the highlight colour while the list has the focus, plainer
// to see than a style's own focus frame, so a keyboard user knows where Enter will act.
class StyleCellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem plain(option);
        plain.state &= ~QStyle::State_HasFocus;
        if (index.column() != PickerColumn) {
            QStyledItemDelegate::paint(painter, plain, index);
        } else if (const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
                   !icon.isNull()) {
            // The column is as wide as the picture, grid line included.
            const QSize size = option.decorationSize.boundedTo(option.rect.size());
            icon.paint(painter,
                       QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, option.rect));
        }
        if (option.state & QStyle::State_HasFocus) {
            painter->save();
            painter->setPen(option.palette.color(QPalette::Highlight));
            painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
            painter->restore();
        }
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
    // The keyboard starts on the first value.
    lvStyl->setCurrentCell(0, ValueColumn);
    setLayoutScale(1.0);
    resize(311, 153);
    paintAllSwatches(palette().color(QPalette::Window));
}

void StyleEditor::createList() {
    lvStyl = new QTableWidget(kStyleRowCount, ColumnCount, this);
    lvStyl->setObjectName(QStringLiteral("lvStyl"));
    setFocusProxy(lvStyl);
    lvStyl->setItemDelegate(new StyleCellDelegate(lvStyl));
    lvStyl->setHorizontalHeaderLabels(
        {QStringLiteral("Vlastnost"), QStringLiteral("Hodnota"), QString()});
    lvStyl->verticalHeader()->hide();
    lvStyl->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvStyl->horizontalHeader()->setHighlightSections(false);
    lvStyl->horizontalHeader()->setMinimumSectionSize(1);
    lvStyl->setShowGrid(true);
    lvStyl->setSelectionMode(QAbstractItemView::NoSelection);
    lvStyl->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Tab goes on to the next control rather than through the 54 cells.
    lvStyl->setTabKeyNavigation(false);
    lvStyl->installEventFilter(this);
    lvStyl->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    lvStyl->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
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
        lvStyl->setItem(row, CaptionColumn,
                        new QTableWidgetItem(QString::fromUtf8(styleRows()[row].caption)));
        lvStyl->setItem(row, ValueColumn, new QTableWidgetItem);
        lvStyl->setItem(row, PickerColumn, new QTableWidgetItem);
    }
}

// Every cell picks up the pictures as they are drawn now.
void StyleEditor::showImages() {
    for (int row = 0; row < kStyleRowCount; ++row) {
        lvStyl->item(row, CaptionColumn)->setIcon(images_.image(styleRows()[row].sectionIcon));
        if (isColourRow(row))
            lvStyl->item(row, PickerColumn)->setIcon(images_.image(StyleImages::kColourPicker));
    }
    for (int index = kFirstSwatch; index < kFirstSwatch + kSwatchCount; ++index)
        refreshSwatchCells(index);
}

void StyleEditor::setLayoutScale(double scale) {
    scale_ = scale;
    const int side = scaledLength(StyleImages::kSize, scale);
    images_.resize(side, devicePixelRatioF());
    lvStyl->setIconSize(QSize(side, side));
    showImages();
    int left = 0;
    for (int column = 0; column < ColumnCount; ++column) {
        const int right = scaledLength(kColumnEdges[column], scale);
        lvStyl->setColumnWidth(column, right - left);
        left = right;
    }
    sizeRows();
}

void StyleEditor::sizeRows() {
    const int rowHeight = std::max(fontMetrics().height(), lvStyl->iconSize().height()) +
                          scaledLength(kRowPadding, scale_);
    lvStyl->verticalHeader()->setMinimumSectionSize(rowHeight);
    lvStyl->verticalHeader()->setDefaultSectionSize(rowHeight);
}

// The rows follow the font the window gives the list.
void StyleEditor::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        sizeRows();
}

void StyleEditor::resizeEvent(QResizeEvent*) {
    lvStyl->setGeometry(rect());
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
    if (watched == lvStyl && event->type() == QEvent::KeyPress)
        return lvStylKeyDown(static_cast<QKeyEvent*>(event)->key()) ||
               QWidget::eventFilter(watched, event);
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
    const int row = lvStyl->rowAt(pressPosition_.y());
    if (row < 0)
        return;
    currentRow_ = row;
    if (column == ValueColumn)
        openEditor(row);
    else if (column == PickerColumn && isColourRow(row))
        chooseColour(row);
}

// Enter or F2 on the current row: the colour dialog from a colour row's picker cell, the
// in-place editor from any other cell. Returns whether the key was used.
bool StyleEditor::lvStylKeyDown(int key) {
    if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_F2)
        return false;
    const QModelIndex current = lvStyl->currentIndex();
    currentRow_ = current.isValid() ? current.row() : 0;
    if (current.column() == PickerColumn && isColourRow(currentRow_))
        chooseColour(currentRow_);
    else
        openEditor(currentRow_);
    return true;
}

void StyleEditor::openEditor(int row) {
    lvStyl->scrollToItem(lvStyl->item(row, ValueColumn));
    const QPoint cell(lvStyl->columnViewportPosition(ValueColumn),
                      lvStyl->rowViewportPosition(row));
    const QPoint topLeft = lvStyl->viewport()->mapTo(this, cell);
    edtStyl->setGeometry(topLeft.x(), topLeft.y(), lvStyl->columnWidth(ValueColumn),
                         scaledLength(kEditorHeight, scale_));
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
