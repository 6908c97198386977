#include "ui/button/LbButtonFade.h"

namespace vistarel {

TLbButtonFade::TLbButtonFade(QObject* parent) : QObject(parent) {
    timer_.setInterval(kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TLbButtonFade::tick);
}

void TLbButtonFade::setFull() {
    timer_.stop();
    setLevel(kFullLevel);
}

void TLbButtonFade::clear() {
    timer_.stop();
    setLevel(0);
}

void TLbButtonFade::start() {
    if (level_ > 0)
        timer_.start();
}

void TLbButtonFade::tick() {
    int next = level_ - 1;
    if (next < 1) {
        next = 0;
        timer_.stop();
    }
    setLevel(next);
}

void TLbButtonFade::setLevel(int level) {
    if (level == level_)
        return;
    level_ = level;
    emit levelChanged(level_);
}

} // namespace vistarel
