#include "ui/CommentEditor.h"

namespace vistarel {

CommentEditor::CommentEditor(AlbumState& state, QWidget* parent) : QWidget(parent), state_(state) {}

void CommentEditor::ShowFirstPhoto(int) {}

void CommentEditor::resetToStart() {}

} // namespace vistarel
