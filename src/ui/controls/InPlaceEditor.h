#pragma once

#include <QLineEdit>

namespace vistarel {

// A one-line editor laid over a list cell: Enter asks to store, Escape to discard, and
// moving the focus elsewhere in the window means discard too.
class InPlaceEditor : public QLineEdit {
    Q_OBJECT
public:
    explicit InPlaceEditor(QWidget* parent);

signals:
    void enterPressed();
    void escapePressed();
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace vistarel
