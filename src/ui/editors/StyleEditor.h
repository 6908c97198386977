#pragma once

#include "styles/StyleEditorView.h"
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
// six colour swatches, edited in place. Its coordinates are those of the group box that
// holds it: the list starts at (2, 15) and fills the rest.
class StyleEditor : public QWidget, public StyleEditorView {
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

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createList();
    void createEditor();
    void fillRows();
    void fitListFont();
    bool captionsFit(const QFontMetrics& metrics) const;

    void lvStylMouseDown(const QPoint& position);
    void lvStylClick();
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
    QPoint pressPosition_;
    bool pressed_ = false;
    int currentRow_ = -1;
};

} // namespace vistarel
