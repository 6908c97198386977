#pragma once

#include <QRect>

class QFont;
class QPixmap;
class QString;
class QWidget;

namespace vistarel {

// The window is laid out on a fixed grid of logical pixels drawn for an 8 pt interface
// font at 96 dpi. It is shown larger or smaller by one factor so that its text is the
// desktop's normal size and every control keeps its proportion to the text; a high-DPI
// screen's own pixel ratio comes on top of that, as everywhere in Qt.

// The factor that makes the grid's font as large as `font` on a screen of `logicalDpi`.
double layoutScaleForFont(const QFont& font, double logicalDpi);

// A length on the grid at a scale.
int scaledLength(int grid, double scale);

// A grid rectangle at a scale. Its edges are scaled rather than its size, so controls
// that touch on the grid still touch.
QRect scaledRect(const QRect& grid, double scale);

// Puts a control at its place on the grid, remembered so that a later scale can move it.
void placeOnGrid(QWidget* control, const QRect& grid);

// A control whose insides depend on the scale (column widths, picture sizes).
class ScalesWithLayout {
public:
    virtual void setLayoutScale(double scale) = 0;

protected:
    ~ScalesWithLayout() = default;
};

// Moves every control under root that has a place on the grid to that place at `scale`,
// and passes the scale on to the controls that ScalesWithLayout.
void applyLayoutScale(QWidget* root, double scale);

// The program picture ":/icons/<name>-<size>.png" drawn `side` logical pixels square for a
// screen of the given pixel ratio, from the smallest stored size that is large enough.
QPixmap scaledIcon(const QString& name, double side, double pixelRatio);

} // namespace vistarel
