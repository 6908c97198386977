#pragma once

#include <QStringList>

class QWidget;

namespace vistarel {

// The object names of the controls under root (root included) whose caption or text does
// not fit inside them in their present font (an edit may name in its property "widestText"
// the widest text it will show): labels, group captions, edits, combo box
// entries, command buttons, the tabs of a tab control and the captions in a table's first
// column. Hidden controls count too.
QStringList clippedCaptions(const QWidget* root);

} // namespace vistarel
