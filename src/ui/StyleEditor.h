#pragma once

#include <QColor>
#include <QWidget>
#include <cstdint>

namespace vistarel {

// The property list of the "Vzhled" page: the 18 style rows, their section icons and the
// six colour swatches, edited in place.
class StyleEditor : public QWidget {
    Q_OBJECT
public:
    explicit StyleEditor(QWidget* parent);

    QString rowValue(int row) const;
    void setRowValue(int row, const QString& value);
    // Colour value: R + 256 G + 65536 B; swatch indexes 6..11.
    void setSwatch(int index, std::uint32_t colour);
    void paintAllSwatches(const QColor& colour);

    // btnStylNovyClick: starts a new, empty style.
    void newStyle();

signals:
    // Asks the window to bring a page to the front.
    void tabRequested(int index);
};

} // namespace vistarel
