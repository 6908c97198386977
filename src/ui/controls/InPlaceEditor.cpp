#include "ui/controls/InPlaceEditor.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace vistarel {

InPlaceEditor::InPlaceEditor(QWidget* parent) : QLineEdit(parent) {}

void InPlaceEditor::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        emit enterPressed();
        return;
    case Qt::Key_Escape:
        event->accept();
        emit escapePressed();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

// A message box or a pop-up taking the focus for a moment is not the user leaving the
// editor; neither is switching to another application.
void InPlaceEditor::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
        emit focusLeft();
}

} // namespace vistarel
