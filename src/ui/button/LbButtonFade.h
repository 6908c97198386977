#pragma once

#include <QObject>
#include <QTimer>

namespace vistarel {

// The hover level of a button and its slow fade: full (8) while the pointer is over the
// button, then one step down every 30 ms until it reaches 0. It runs on the user-interface
// thread and only changes the level; the button repaints from it.
class LbButtonFade : public QObject {
    Q_OBJECT
public:
    static constexpr int kFullLevel = 8;
    static constexpr int kTickMs = 30;

    explicit LbButtonFade(QObject* parent = nullptr);

    int level() const { return level_; }
    bool isRunning() const { return timer_.isActive(); }

    // The pointer is over the button: full level, and a running fade stops.
    void setFull();
    // Back to the normal colour at once.
    void clear();
    // Starts fading from the present level; nothing to do at level 0.
    void start();
    // One step of the fade; stops the timer once the level is down to 0.
    void tick();

signals:
    void levelChanged(int level);

private:
    void setLevel(int level);

    QTimer timer_;
    int level_ = 0;
};

} // namespace vistarel
