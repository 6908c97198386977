#pragma once

#include "styles/StyleEditorView.h"
#include "ui/controls/LayoutScale.h"
#include "ui/editors/StyleImages.h"

#include <QColor>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <string>

class QTableWidget;

namespace vistarel {

class InPlaceEditor;

// The property list of the "Vzhled" page: the 18 style rows, their section icons and the
// six colour swatches, edited in place. The list fills the widget. With the keyboard, Enter
// or F2 edits the current row's value (or, on a colour row's picker cell, opens the colour
// dialog) and Tab leaves the list.
class StyleEditor : public QWidget, public StyleEditorView, public ScalesWithLayout {
    Q_OBJECT
public:
    explicit StyleEditor(QWidget* parent);

    QString rowValue(int row) const;
    void setRowValue(int row, const QString& value);
    // StyleEditorView. Colour value: R + 256 G + 65536 B; swatch indexes 6..11.
    std::string styleRow(int row) const override { return rowValue(row).toStdString(); }
    void setStyleRow(int row, const std::string& value) override {
        setRowValue(row, QString::fromStdString(value));
    }
    void setSwatch(int index, std::uint32_t colour) override;
    void paintAllSwatches(const QColor& colour);
    // The picture a swatch (6..11) or section image (0..5) shows now.
    QPixmap image(int index) const { return images_.image(index); }

    // btnStylNovyClick: starts a new, empty style.
    void newStyle();

    // Column widths, row heights and pictures follow the window's scale.
    void setLayoutScale(double scale) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createList();
    void createEditor();
    void fillRows();
    void showImages();
    void sizeRows();

    void lvStylMouseDown(const QPoint& position);
    void lvStylClick();
    bool lvStylKeyDown(int key);
    void edtStylKeyDown(bool store);
    void edtStylExit();

    int columnAt(int x, int* left) const;
    void openEditor(int row);
    void chooseColour(int row);
    void storeTypedColour();
    void hideEditor();
    std::uint32_t htmlToColor(std::string& text);
    void refreshSwatchCells(int index);

    QTableWidget* lvStyl = nullptr;
    InPlaceEditor* edtStyl = nullptr;
    StyleImages images_;
    QColor windowColour_;
    double scale_ = 1.0;
    QPoint pressPosition_;
    bool pressed_ = false;
    int currentRow_ = -1;
};

} // namespace vistarel
