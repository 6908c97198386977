#pragma once

#include <QWidget>

class QLineEdit;
class QToolButton;

namespace vistarel {

// A pair of small arrow buttons that step the whole number shown in a buddy edit. Like the
// classic up-down control it reads the buddy's text before each step, so a value written
// into the edit by someone else is where the next step starts.
class UpDown : public QWidget {
    Q_OBJECT
public:
    UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent);

    int position() const;
    void stepBy(int steps);
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QLineEdit* buddy_;
    int minimum_;
    int maximum_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace vistarel
