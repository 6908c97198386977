#include "ui/StyleEditor.h"

namespace vistarel {

StyleEditor::StyleEditor(QWidget* parent) : QWidget(parent) {}

QString StyleEditor::rowValue(int) const {
    return {};
}

void StyleEditor::setRowValue(int, const QString&) {}

void StyleEditor::setSwatch(int, std::uint32_t) {}

void StyleEditor::paintAllSwatches(const QColor&) {}

void StyleEditor::newStyle() {}

} // namespace vistarel
