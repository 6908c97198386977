#include "ui/controls/UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <algorithm>

namespace vistarel {
namespace {

QToolButton* arrowButton(Qt::ArrowType arrow, const char* name, QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

UpDown::UpDown(QLineEdit* buddy, int minimum, int maximum, QWidget* parent)
    : QWidget(parent), buddy_(buddy), minimum_(minimum), maximum_(maximum),
      up_(arrowButton(Qt::UpArrow, "up", this)), down_(arrowButton(Qt::DownArrow, "down", this)) {
    connect(up_, &QToolButton::clicked, this, [this] { stepBy(1); });
    connect(down_, &QToolButton::clicked, this, [this] { stepBy(-1); });
}

int UpDown::position() const {
    bool ok = false;
    const int value = buddy_->text().toInt(&ok);
    return ok ? std::clamp(value, minimum_, maximum_) : minimum_;
}

void UpDown::stepBy(int steps) {
    const int value = std::clamp(position() + steps, minimum_, maximum_);
    const QString text = QString::number(value);
    if (buddy_->text() != text)
        buddy_->setText(text);
}

void UpDown::resizeEvent(QResizeEvent*) {
    const int upper = height() / 2;
    up_->setGeometry(0, 0, width(), upper);
    down_->setGeometry(0, upper, width(), height() - upper);
}

} // namespace vistarel
