#include "ui/button/LbButtonFade.h"

namespace vistarel {

LbButtonFade::LbButtonFade(QObject* parent) : QObject(parent) {
    timer_.setInterval(kTickMs);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &LbButtonFade::tick);
}

void LbButtonFade::setFull() {
    timer_.stop();
    setLevel(kFullLevel);
}

void LbButtonFade::clear() {
    timer_.stop();
    setLevel(0);
}

void LbButtonFade::start() {
    if (level_ > 0)
        timer_.start();
}

void LbButtonFade::tick() {
    int next = level_ - 1;
    if (next < 1) {
        next = 0;
        timer_.stop();
    }
    setLevel(next);
}

void LbButtonFade::setLevel(int level) {
    if (level == level_)
        return;
    level_ = level;
    emit levelChanged(level_);
}

} // namespace vistarel
